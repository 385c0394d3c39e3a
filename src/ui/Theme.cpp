// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Theme.h"

#include "ui/SharedDrawing.h"
#include "ui/ThemeFile.h"

Theme::Theme(std::string folder) : folder(std::move(folder)) {
    for (const ThemeFile& file : kThemeFiles)
        AddImage(file.fileName, file.style, file.state);
}

void Theme::AddImage(const std::string& fileName, StyleId style, ImageState state) {
    entries.push_back(Entry{folder + fileName, nullptr, style, state});
}

Gdiplus::Bitmap* Theme::GetImage(StyleId style, ImageState state) {
    for (Entry& entry : entries) {
        if (entry.style != style || entry.state != state)
            continue;
        if (!entry.bitmap) {
            auto loaded = std::make_unique<Gdiplus::Bitmap>(entry.path);
            // A missing or broken file is no error: the control shows only its caption, and
            // the next lookup tries the file again.
            if (loaded->GetLastStatus() != Gdiplus::Ok)
                return PlaceholderBitmap();
            entry.bitmap = std::move(loaded);
        }
        return entry.bitmap.get();
    }
    return nullptr;
}

CPtr<Theme>& Theme::Current() {
    static CPtr<Theme> current;
    return current;
}

void Theme::Install(const std::string& folder) { Current().Reset(std::make_unique<Theme>(folder)); }

Gdiplus::Bitmap* Theme::Image(StyleId style, ImageState state) {
    Theme* theme = Current().Get();
    return theme ? theme->GetImage(style, state) : nullptr;
}

Gdiplus::Size Theme::NaturalSize(StyleId style, Gdiplus::Size fallback) {
    const Gdiplus::Bitmap* image = Image(style, ImageState::Checked);
    if (!image)
        return fallback;
    return Gdiplus::Size(static_cast<int>(image->GetWidth()), static_cast<int>(image->GetHeight()));
}
