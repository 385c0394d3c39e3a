// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pack remover's window: a standard GTK dialog with the pack list and three buttons.

#include <string>
#include <vector>

#include "packsweep/DialogHost.h"

class CMainDlg;
struct _GtkWidget;
struct _GtkListStore;

class GtkMainDlg : public DialogHost {
public:
    // Command ids; the one that closes the dialog becomes the exit code.
    static constexpr int kIdUninstall = 1001;
    static constexpr int kIdExit = 1002;
    static constexpr int kIdDownload = 1004;
    static constexpr int kIdCancel = 2;

    // Builds the window, not yet shown. GTK must be initialised.
    GtkMainDlg();
    ~GtkMainDlg() override;
    GtkMainDlg(const GtkMainDlg&) = delete;
    GtkMainDlg& operator=(const GtkMainDlg&) = delete;

    // The buttons' commands go to this logic, which must outlive the dialog's loop.
    void Attach(CMainDlg& logic);
    // Shows the dialog centred on the screen with the list focused and runs until a command
    // closes it; returns that command's id.
    int Run();

    void SetListItems(const std::vector<std::string>& texts) override;
    std::vector<size_t> SelectedListItems() const override;
    MessageBoxAnswer ShowMessageBox(const std::string& text, const std::optional<std::string>& caption,
                                    MessageBoxIcon icon, MessageBoxButtons buttons) override;

private:
    void OnCommand(int id);
    void Close(int id);

    _GtkWidget* window = nullptr;     // owned by GTK's list of toplevels until Close
    _GtkWidget* list = nullptr;       // owned by window
    _GtkListStore* store = nullptr;   // one reference held here
    CMainDlg* logic = nullptr;
    int exitCode = 0;
};
