// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the theme images and the UI images into the program folder:
//   tessiva-themeart THEME_FOLDER UI_FOLDER [CONTACT_SHEET.png]
// or checks that the strip images meet seamlessly:
//   tessiva-themeart --check
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "CairoHandles.h"
#include "ContactSheet.h"
#include "StripCheck.h"
#include "ThemeImages.h"

namespace {

// Writes to a temporary name first so that a reader never sees half a file.
bool WriteImage(const ThemeArt::ThemeImage& image, const std::string& folder) {
    ThemeArt::SurfacePtr surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.width, image.height));
    {
        ThemeArt::ContextPtr cr(cairo_create(surface.get()));
        image.paint(cr.get());
        if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS)
            return false;
    }
    const std::string path = folder + image.fileName, temporary = path + ".part";
    if (cairo_surface_write_to_png(surface.get(), temporary.c_str()) != CAIRO_STATUS_SUCCESS)
        return false;
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    return !error;
}

std::string AsFolder(std::string path) {
    if (path.empty() || path.back() != '/')
        path += '/';
    return path;
}

}   // namespace

int main(int argc, char** argv) {
    // A file the theme registers but nobody draws would leave its controls without an image.
    const std::vector<std::string> undrawn = ThemeArt::UndrawnThemeFiles();
    for (const std::string& file : undrawn)
        std::fprintf(stderr, "tessiva-themeart: the theme registers %s, but no art draws it\n", file.c_str());
    if (!undrawn.empty())
        return 1;
    if (argc == 2 && std::string(argv[1]) == "--check") {
        int pairs = 0;
        const std::vector<std::string> problems = ThemeArt::CheckStripEdges(pairs);
        for (const std::string& problem : problems)
            std::fprintf(stderr, "tessiva-themeart: %s\n", problem.c_str());
        std::printf("%d strip pairs compared, %zu problems\n", pairs, problems.size());
        return problems.empty() ? 0 : 1;
    }
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: tessiva-themeart THEME_FOLDER UI_FOLDER [CONTACT_SHEET.png]\n");
        return 2;
    }
    const std::string themeFolder = AsFolder(argv[1]), uiFolder = AsFolder(argv[2]);
    std::error_code error;
    std::filesystem::create_directories(themeFolder, error);
    std::filesystem::create_directories(uiFolder, error);
    for (const ThemeArt::ThemeImage& image : ThemeArt::AllImages()) {
        const std::string& folder = image.folder == ThemeArt::Folder::Theme ? themeFolder : uiFolder;
        if (!WriteImage(image, folder)) {
            std::fprintf(stderr, "tessiva-themeart: cannot write %s%s\n", folder.c_str(), image.fileName.c_str());
            return 1;
        }
    }
    if (argc == 4 && !ThemeArt::WriteContactSheet(themeFolder, uiFolder, argv[3])) {
        std::fprintf(stderr, "tessiva-themeart: cannot write the contact sheet %s\n", argv[3]);
        return 1;
    }
    return 0;
}
