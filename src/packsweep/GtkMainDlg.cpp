// SPDX-License-Identifier: GPL-3.0-or-later
#include "packsweep/GtkMainDlg.h"

#include <gtk/gtk.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <span>

#include "embedded/EmbeddedResource.h"
#include "packsweep/CMainDlg.h"

namespace {

constexpr const char* kTitle = "Tessiva Orlune";
// The list's size: 267 x 121 dialog units of an 8-point dialog font.
constexpr int kListWidth = 400;
constexpr int kListHeight = 196;
constexpr int kMargin = 10;
constexpr int kColumnWidth = 200;

enum Column { kColumnName, kColumnRow, kColumnCount };

struct GObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
struct PathListFree {
    void operator()(GList* paths) const {
        g_list_free_full(paths, reinterpret_cast<GDestroyNotify>(gtk_tree_path_free));
    }
};

// The game's own icon, a puzzle piece, in the window system's large and small sizes.
GList* WindowIcons() {
    const std::span<const uint8_t> png = FindEmbeddedResource("ICON_128");
    const std::unique_ptr<GdkPixbufLoader, GObjectUnref> loader(gdk_pixbuf_loader_new());
    const bool written = !png.empty() && gdk_pixbuf_loader_write(loader.get(), png.data(), png.size(), nullptr);
    // A loader is always closed, also after a failed write.
    const bool loaded = gdk_pixbuf_loader_close(loader.get(), nullptr) && written;
    GdkPixbuf* icon = loaded ? gdk_pixbuf_loader_get_pixbuf(loader.get()) : nullptr;
    GList* icons = nullptr;
    for (int size : {16, 32, 48}) {
        if (icon)
            icons = g_list_append(icons, gdk_pixbuf_scale_simple(icon, size, size, GDK_INTERP_BILINEAR));
    }
    return icons;
}

GtkWidget* CommandButton(const char* text, GtkMainDlg* dlg, int id, void (*onClicked)(GtkButton*, gpointer)) {
    GtkWidget* button = gtk_button_new_with_label(text);
    g_object_set_data(G_OBJECT(button), "command-id", GINT_TO_POINTER(id));
    g_signal_connect(button, "clicked", G_CALLBACK(onClicked), dlg);
    return button;
}

}   // namespace

GtkMainDlg::GtkMainDlg() {
    window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_title(GTK_WINDOW(window), kTitle);
    gtk_window_set_resizable(GTK_WINDOW(window), FALSE);
    gtk_window_set_position(GTK_WINDOW(window), GTK_WIN_POS_CENTER);
    GList* icons = WindowIcons();
    gtk_window_set_icon_list(GTK_WINDOW(window), icons);
    g_list_free_full(icons, g_object_unref);

    store = gtk_list_store_new(kColumnCount, G_TYPE_STRING, G_TYPE_UINT64);
    list = gtk_tree_view_new_with_model(GTK_TREE_MODEL(store));
    gtk_tree_view_set_headers_visible(GTK_TREE_VIEW(list), FALSE);
    gtk_tree_view_set_enable_search(GTK_TREE_VIEW(list), FALSE);
    gtk_tree_selection_set_mode(gtk_tree_view_get_selection(GTK_TREE_VIEW(list)), GTK_SELECTION_MULTIPLE);
    GtkTreeViewColumn* column =
        gtk_tree_view_column_new_with_attributes("Pack", gtk_cell_renderer_text_new(), "text", kColumnName, nullptr);
    gtk_tree_view_column_set_sizing(column, GTK_TREE_VIEW_COLUMN_FIXED);
    gtk_tree_view_column_set_fixed_width(column, kColumnWidth);
    gtk_tree_view_column_set_alignment(column, 0.0f);
    gtk_tree_view_append_column(GTK_TREE_VIEW(list), column);

    GtkWidget* scroller = gtk_scrolled_window_new(nullptr, nullptr);
    gtk_scrolled_window_set_shadow_type(GTK_SCROLLED_WINDOW(scroller), GTK_SHADOW_IN);
    gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(scroller), GTK_POLICY_AUTOMATIC, GTK_POLICY_AUTOMATIC);
    gtk_widget_set_size_request(scroller, kListWidth, kListHeight);
    gtk_container_add(GTK_CONTAINER(scroller), list);

    const auto onClicked = [](GtkButton* button, gpointer self) {
        static_cast<GtkMainDlg*>(self)->OnCommand(GPOINTER_TO_INT(g_object_get_data(G_OBJECT(button), "command-id")));
    };
    GtkWidget* buttons = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 6);
    gtk_box_pack_start(GTK_BOX(buttons), CommandButton("Uninstall Selected Packs", this, kIdUninstall, onClicked),
                       FALSE, FALSE, 0);
    gtk_box_pack_end(GTK_BOX(buttons), CommandButton("Exit", this, kIdExit, onClicked), FALSE, FALSE, 0);
    gtk_box_pack_end(GTK_BOX(buttons), CommandButton("Download Puzzles", this, kIdDownload, onClicked), FALSE, FALSE,
                     0);

    GtkWidget* content = gtk_box_new(GTK_ORIENTATION_VERTICAL, 6);
    gtk_container_set_border_width(GTK_CONTAINER(content), kMargin);
    gtk_box_pack_start(GTK_BOX(content), scroller, TRUE, TRUE, 0);
    gtk_box_pack_start(GTK_BOX(content), buttons, FALSE, FALSE, 0);
    gtk_container_add(GTK_CONTAINER(window), content);

    // The close box and Escape are the dialog's cancel command.
    g_signal_connect(window, "delete-event", G_CALLBACK(+[](GtkWidget*, GdkEvent*, gpointer self) -> gboolean {
                         static_cast<GtkMainDlg*>(self)->OnCommand(kIdCancel);
                         return TRUE;
                     }),
                     this);
    g_signal_connect(window, "key-press-event",
                     G_CALLBACK(+[](GtkWidget*, GdkEventKey* event, gpointer self) -> gboolean {
                         if (event->keyval != GDK_KEY_Escape)
                             return FALSE;
                         static_cast<GtkMainDlg*>(self)->OnCommand(kIdCancel);
                         return TRUE;
                     }),
                     this);
}

GtkMainDlg::~GtkMainDlg() {
    if (window)
        gtk_widget_destroy(window);
    g_object_unref(store);
}

void GtkMainDlg::Attach(CMainDlg& target) { logic = &target; }

int GtkMainDlg::Run() {
    gtk_widget_show_all(window);
    gtk_widget_grab_focus(list);
    gtk_main();
    return exitCode;
}

void GtkMainDlg::SetListItems(const std::vector<std::string>& texts) {
    gtk_list_store_clear(store);
    for (size_t row = 0; row < texts.size(); ++row)
        gtk_list_store_insert_with_values(store, nullptr, -1, kColumnName, texts[row].c_str(), kColumnRow,
                                          static_cast<guint64>(row), -1);
}

std::vector<size_t> GtkMainDlg::SelectedListItems() const {
    GtkTreeModel* model = nullptr;
    const std::unique_ptr<GList, PathListFree> paths(
        gtk_tree_selection_get_selected_rows(gtk_tree_view_get_selection(GTK_TREE_VIEW(list)), &model));
    std::vector<size_t> rows;
    for (GList* node = paths.get(); node; node = node->next) {
        GtkTreeIter iter;
        if (!gtk_tree_model_get_iter(model, &iter, static_cast<GtkTreePath*>(node->data)))
            continue;
        guint64 row = 0;
        gtk_tree_model_get(model, &iter, kColumnRow, &row, -1);
        rows.push_back(static_cast<size_t>(row));
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

MessageBoxAnswer GtkMainDlg::ShowMessageBox(const std::string& text, const std::optional<std::string>& caption,
                                            MessageBoxIcon icon, MessageBoxButtons buttons) {
    GtkWidget* box = gtk_message_dialog_new(
        GTK_WINDOW(window), GtkDialogFlags(GTK_DIALOG_MODAL | GTK_DIALOG_DESTROY_WITH_PARENT),
        icon == MessageBoxIcon::Question ? GTK_MESSAGE_QUESTION : GTK_MESSAGE_INFO,
        buttons == MessageBoxButtons::YesNo ? GTK_BUTTONS_YES_NO : GTK_BUTTONS_OK, "%s", text.c_str());
    if (caption)
        gtk_window_set_title(GTK_WINDOW(box), caption->c_str());
    const int response = gtk_dialog_run(GTK_DIALOG(box));
    gtk_widget_destroy(box);
    if (buttons == MessageBoxButtons::Ok)
        return MessageBoxAnswer::Ok;
    return response == GTK_RESPONSE_YES ? MessageBoxAnswer::Yes : MessageBoxAnswer::No;
}

void GtkMainDlg::OnCommand(int id) {
    switch (id) {
    case kIdUninstall:
        if (logic)
            logic->OnBtnUninstall();
        break;
    case kIdDownload:
        if (logic)
            logic->OpenDownloadPage();
        break;
    case kIdExit:
    case kIdCancel:
        Close(id);
        break;
    }
}

void GtkMainDlg::Close(int id) {
    exitCode = id;
    gtk_widget_destroy(window);
    window = nullptr;
    gtk_main_quit();
}
