// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/App.h"

#include "app/FormMain.h"
#include "foundation/ApplicationException.h"
#include "foundation/Util.h"
#include "library/MakerSite.h"
#include "pages/GameSession.h"
#include "play/Board.h"
#include "ui/Theme.h"
#include "ui/UiImages.h"

App::App() {
    // Statics end in the reverse order of their making. The holders a session fills are made
    // here, before the application object is complete, so they outlive it: a session still
    // running at exit (start-up failed, or an exception left the loop) ends while they exist.
    Board::Current();
    Theme::Current();
    UiImages::Current();
}

App::~App() = default;

App& App::Instance() {
    static App app;
    return app;
}

bool App::OnStartup() {
    // A start-up after another (only tests start twice) first lets go of the previous game.
    mainForm.reset();
    session.reset();
    session = std::make_unique<GameSession>(PathProgram());

    mainForm = std::make_unique<FormMain>(session->GetBoard());
    FormMain::Instance = mainForm.get();
    if (!mainForm->CreateFrame())
        RaiseError("App::OnStartup (61)");
    ShowWindow(*mainForm, SW_SHOWMAXIMIZED);
    return true;
}

void App::OnShutdown() { session.reset(); }

const std::string& App::PathProgram() {
    static const std::string path = Util::GetModulePath();
    return path;
}

std::string App::PathPuzzles() { return PathProgram() + "Puzzles/"; }

std::string App::PathThemes() { return PathProgram() + "Themes/"; }

std::string App::PathUI() { return PathProgram() + "UI/"; }

const std::string& App::UrlMorePuzzles() { return MakerSite::UrlMorePuzzles(); }

const std::string& App::UrlOtherProducts() { return MakerSite::UrlOtherProducts(); }
