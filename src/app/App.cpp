#include "app/App.h"

#include "app/FormMain.h"
#include "foundation/ApplicationException.h"
#include "foundation/Util.h"
#include "library/Category.h"
#include "library/MakerSite.h"
#include "library/Pack.h"
#include "library/Puzzle.h"

App::App() = default;
App::~App() = default;

App& App::Instance() {
    static App app;
    return app;
}

bool App::OnStartup() {
    // The library is read once; unreadable files are skipped inside the scans.
    Category::ScanCategories(PathProgram());
    Pack::ScanPacks(PathProgram());
    Puzzle::ReadAllPuzzles(PathPuzzles());

    // Missing step: create the Theme for PathThemes() + "Default/" and make it the current
    // theme, destroying a previous one (the toolkit's theme store).
    // Missing step: create the Board and make it the current board, destroying a previous one.
    // Missing step: create a ClassicCut owned by the board and install it as the board's cut;
    // a cut that cannot be made raises "CPtr<class Cut>::operator -> (114)".

    mainForm = std::make_unique<FormMain>();
    FormMain::Instance = mainForm.get();
    if (!mainForm->CreateFrame())
        RaiseError("App::OnStartup (61)");
    ShowWindow(*mainForm, SW_SHOWMAXIMIZED);
    return true;
}

void App::OnShutdown() {
    // Missing step: destroy the current Board (its cut goes with it) and clear its accessor.
    // Missing step: destroy the current Theme and clear its accessor.
    // Missing step: destroy the UiImages holder with its three images and clear its accessor.
    // The main window object stays: its window is already gone.
}

const std::string& App::PathProgram() {
    static const std::string path = Util::GetModulePath();
    return path;
}

std::string App::PathPuzzles() { return PathProgram() + "Puzzles/"; }

std::string App::PathThemes() { return PathProgram() + "Themes/"; }

std::string App::PathUI() { return PathProgram() + "UI/"; }

const std::string& App::UrlMorePuzzles() { return MakerSite::UrlMorePuzzles(); }

const std::string& App::UrlOtherProducts() { return MakerSite::UrlOtherProducts(); }
