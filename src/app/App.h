#pragma once
// The game application: start-up and shutdown, the folders beside the program and the maker's
// web addresses.

#include <memory>
#include <string>

class FormMain;

class App {
public:
    // The one application object, created on first use.
    static App& Instance();

    // Reads the library and opens the main window maximised; true when the window is up.
    // Failures are exceptions ("App::OnStartup (61)" when the main window cannot be made).
    bool OnStartup();
    // Releases what start-up made, after the message loop has ended normally.
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

    std::unique_ptr<FormMain> mainForm;   // lives until the process ends
};
