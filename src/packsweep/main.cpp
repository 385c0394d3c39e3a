// SPDX-License-Identifier: GPL-3.0-or-later
// The pack remover's entry: one dialog over the packs beside the program.

#include <gtk/gtk.h>

#include "foundation/Util.h"
#include "library/GameWindowClass.h"
#include "packsweep/CMainDlg.h"
#include "packsweep/GtkMainDlg.h"
#include "platform/WindowClassRegistry.h"
#include "platform/x11/X11WindowSearch.h"

int main() {
    // The program reads no command line; without a display there is no dialog.
    g_set_prgname("Packsweep");
    if (!gtk_init_check(nullptr, nullptr))
        return 0;

    GtkMainDlg dialog;
    CMainDlg::Services services;
    // The registry sees the game under any display server; the X server also sees a game whose
    // mark lies where this program does not look (one of an older version, for instance).
    services.gameIsRunning = [] {
        return TopLevelWindowOfClassExists(kGameWindowClass) || X11TopLevelWindowOfClassExists(kGameWindowClass);
    };
    services.openUrl = [](const std::string& url) { Util::OpenUrl(url); };
    try {
        CMainDlg logic(dialog, Util::GetModulePath(), std::move(services));
        dialog.Attach(logic);
        logic.RefreshPackList();
        return dialog.Run();
    } catch (...) {
        // Containment point: the dialog could not be created (no program folder to list).
        return 0;
    }
}
