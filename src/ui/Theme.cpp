#include "ui/Theme.h"

#include "ui/SharedDrawing.h"

Theme::Theme(std::string folder) : folder(std::move(folder)) {
    using enum ImageState;
    // Strip pieces: joints, flat ends, caps.
    AddImage("Jig-In-Out.png", 30, Checked);
    AddImage("Jig-Out-In.png", 29, Checked);
    AddImage("Jig-Flat-Left.png", 27, Checked);
    AddImage("Jig-Flat-Right.png", 28, Checked);
    AddImage("Jig-Left.png", 25, Checked);
    AddImage("Jig-Right.png", 26, Checked);
    // Gallery commands and the list view's page controls.
    AddImage("Jig-Middle-120.png", 1, Checked);
    AddImage("Jig-Middle-120.png", 2, Checked);
    AddImage("Jig-Middle-120.png", 10, Checked);
    AddImage("Label-Page-xOfy.png", 17, Checked);
    AddImage("Button-Previous-Page.png", 11, Checked);
    AddImage("Button-Next-Page.png", 13, Checked);
    // Set-up page.
    AddImage("Jig-Middle-80.png", 22, Checked);
    AddImage("Jig-Middle-80.png", 23, Checked);
    // Category buttons.
    AddImage("Button-Gallery-Item-Checked.png", 4, Checked);
    AddImage("Button-Gallery-Item-Unchecked.png", 4, Unchecked);
    // Play page bar.
    AddImage("Jig-Middle-80.png", 7, Checked);
    AddImage("Jig-Middle-100.png", 5, Checked);
    AddImage("Jig-Middle-100.png", 5, Unchecked);
    AddImage("Jig-Middle-80.png", 6, Checked);
    AddImage("Jig-Middle-80.png", 3, Checked);
    AddImage("Jig-Middle-80.png", 50, Checked);
    // Panels and their buttons.
    AddImage("Dialog-Game-Complete.png", 61, Checked);
    AddImage("Jig-Middle-120.png", 36, Checked);
    AddImage("Jig-Middle-120.png", 37, Checked);
    AddImage("Jig-Middle-100.png", 39, Checked);
    AddImage("Jig-Middle-100.png", 40, Checked);
    AddImage("Jig-Middle-100.png", 42, Checked);
    AddImage("Dialog-Gallery-Yes-No.png", 62, Checked);
    AddImage("Dialog-Exit-Yes-No.png", 63, Checked);
    AddImage("Dialog-Pause.png", 60, Checked);
    AddImage("Jig-Middle-100.png", 70, Checked);
}

void Theme::AddImage(const std::string& fileName, int32_t styleId, ImageState state) {
    entries.push_back(Entry{folder + fileName, nullptr, styleId, state});
}

Gdiplus::Bitmap* Theme::GetImage(int32_t styleId, ImageState state) {
    for (Entry& entry : entries) {
        if (entry.styleId != styleId || entry.state != state)
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

void Theme::Install(const std::string& folder) {
    Current().Reset(std::make_unique<Theme>(folder));
}

Gdiplus::Bitmap* Theme::Image(int32_t styleId, ImageState state) {
    Theme* theme = Current().Get();
    return theme ? theme->GetImage(styleId, state) : nullptr;
}

Gdiplus::Size Theme::NaturalSize(int32_t styleId, Gdiplus::Size fallback) {
    const Gdiplus::Bitmap* image = Image(styleId, ImageState::Checked);
    if (!image)
        return fallback;
    return Gdiplus::Size(static_cast<int>(image->GetWidth()), static_cast<int>(image->GetHeight()));
}
