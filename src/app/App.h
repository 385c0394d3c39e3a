// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game application: start-up and shutdown, the folders beside the program and the maker's
// web addresses.

#include <memory>
#include <string>

class FormMain;
class GameSession;

class App {
public:
    // The one application object, created on first use.
    static App& Instance();

    // Starts the game's session from the program folder (library, theme, UI images, board and
    // cut) and opens the main window maximised; true when the window is up. Failures are
    // exceptions ("App::OnStartup (61)" when the main window cannot be made).
    bool OnStartup();
    // Ends the session, after the message loop has ended normally. The main window object
    // stays: its window is already gone.
    void OnShutdown();

    // The program's folder ('/'-terminated), computed once; raises what Util::GetModulePath
    // raises.
    static const std::string& PathProgram();
    static std::string PathPuzzles();
    static std::string PathThemes();
    static std::string PathUI();

    static const std::string& UrlMorePuzzles();
    static const std::string& UrlOtherProducts();

private:
    App();
    ~App();

    std::unique_ptr<GameSession> session;
    // Lives until the process ends; declared after the session, so that its pages go first.
    std::unique_ptr<FormMain> mainForm;
};
