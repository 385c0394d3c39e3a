// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The theme image store: PNG files of one theme folder looked up by style id and checked flag,
// decoded on first use.

#include <memory>
#include <string>
#include <vector>

#include "foundation/CPtr.h"
#include "gfx/Bitmap.h"
#include "ui/ImageState.h"
#include "ui/StyleId.h"

class Theme {
public:
    // `folder` ends in '/'; every file of kThemeFiles is registered, nothing is loaded.
    explicit Theme(std::string folder);
    Theme(const Theme&) = delete;
    Theme& operator=(const Theme&) = delete;

    // Appends an entry; a file registered under several ids is loaded once per id.
    void AddImage(const std::string& fileName, StyleId style, ImageState state);

    // The first entry registered for (style, state), loaded on first use; null when the pair
    // was never registered. A file that fails to load gives the transparent 1 x 1 placeholder
    // and is tried again at the next lookup. The bitmap stays owned by the theme.
    Gdiplus::Bitmap* GetImage(StyleId style, ImageState state);

    const std::string& Folder() const { return folder; }

    // The process's current theme: start-up installs it (a previous one is deleted), shutdown
    // resets it. Empty until then.
    static CPtr<Theme>& Current();
    // Makes a theme for the folder the current one, deleting the previous one.
    static void Install(const std::string& folder);
    // GetImage on the current theme; null when no theme is installed.
    static Gdiplus::Bitmap* Image(StyleId style, ImageState state);
    // The size of the style's checked image on the current theme, the size controls take
    // naturally; `fallback` when the style has no image.
    static Gdiplus::Size NaturalSize(StyleId style, Gdiplus::Size fallback);

private:
    struct Entry {
        std::string path;
        std::unique_ptr<Gdiplus::Bitmap> bitmap;   // null until loaded
        StyleId style;
        ImageState state;
    };

    std::string folder;
    std::vector<Entry> entries;
};
