#include "app/App.h"

#include "app/FormMain.h"
#include "foundation/ApplicationException.h"
#include "geometry/ClassicCut.h"
#include "foundation/Util.h"
#include "library/Category.h"
#include "library/MakerSite.h"
#include "library/Pack.h"
#include "library/Puzzle.h"
#include "play/Board.h"
#include "ui/Theme.h"
#include "ui/UiImages.h"

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

    Theme::Install(PathThemes() + "Default/");

    // The one board; every page passes the chosen puzzle and the cut through it.
    Board& board = Board::CreateCurrent();
    board.cut.Reset(new ClassicCut(&board));

    mainForm = std::make_unique<FormMain>();
    FormMain::Instance = mainForm.get();
    if (!mainForm->CreateFrame())
        RaiseError("App::OnStartup (61)");
    ShowWindow(*mainForm, SW_SHOWMAXIMIZED);
    return true;
}

void App::OnShutdown() {
    Board::DestroyCurrent();  // its cut goes with it
    Theme::Current().Reset();
    UiImages::Current().Reset();
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
