// SPDX-License-Identifier: GPL-3.0-or-later
#include "StripCheck.h"

#include <algorithm>
#include <cstdlib>
#include <map>

#include "CairoHandles.h"
#include "ThemeImages.h"
#include "ui/ThemeFile.h"

namespace ThemeArt {

namespace {

SurfacePtr Render(const ThemeImage& image) {
    SurfacePtr surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.width, image.height));
    {
        ContextPtr cr(cairo_create(surface.get()));
        image.paint(cr.get());
    }
    cairo_surface_flush(surface.get());
    return surface;
}

uint32_t PixelAt(cairo_surface_t* s, int x, int y) {
    const uint8_t* row = cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s);
    return reinterpret_cast<const uint32_t*>(row)[x];
}

// Largest difference of one channel between two premultiplied pixels.
int Difference(uint32_t a, uint32_t b) {
    int worst = 0;
    for (int shift = 0; shift < 32; shift += 8)
        worst = std::max(worst, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
    return worst;
}

}   // namespace

std::vector<std::string> CheckStripEdges(int& pairsChecked) {
    std::map<std::string, SurfacePtr> images;
    for (const ThemeImage& image : AllImages())
        images[image.fileName] = Render(image);

    // The middles of all three widths, and every piece that may stand before or after one.
    const StyleId middles[] = {StyleId::ShuffleButton, StyleId::FilterButton, StyleId::ExitGameButton};
    const StyleId before[] = {StyleId::LeftCap, StyleId::FlatLeftCap, StyleId::JointInOut, StyleId::JointOutIn};
    const StyleId after[] = {StyleId::RightCap, StyleId::FlatRightCap, StyleId::JointInOut, StyleId::JointOutIn};
    const auto file = [](StyleId style) { return std::string(ThemeFileName(style, ImageState::Checked)); };
    std::vector<std::pair<std::string, std::string>> pairs;
    for (StyleId middle : middles) {
        for (StyleId left : before)
            pairs.emplace_back(file(left), file(middle));
        for (StyleId right : after)
            pairs.emplace_back(file(middle), file(right));
    }

    std::vector<std::string> problems;
    pairsChecked = int(pairs.size());
    for (const auto& [leftName, rightName] : pairs) {
        cairo_surface_t* left = images[leftName].get();
        cairo_surface_t* right = images[rightName].get();
        const int height = cairo_image_surface_get_height(left);
        if (height != cairo_image_surface_get_height(right) || height != kStripHeight) {
            problems.push_back(leftName + " and " + rightName + " differ in height");
            continue;
        }
        const int lastColumn = cairo_image_surface_get_width(left) - 1;
        int worst = 0, opaqueRows = 0;
        for (int y = 0; y < height; ++y) {
            const uint32_t a = PixelAt(left, lastColumn, y), b = PixelAt(right, 0, y);
            worst = std::max(worst, Difference(a, b));
            opaqueRows += (a >> 24) == 0xFF && (b >> 24) == 0xFF;
        }
        // Neighbouring columns of one continuous body differ by rounding at most; and the body
        // must actually reach the edge on both sides.
        if (worst > 2)
            problems.push_back(leftName + " | " + rightName + ": edge columns differ by " + std::to_string(worst));
        if (opaqueRows < height * 3 / 4)
            problems.push_back(leftName + " | " + rightName + ": only " + std::to_string(opaqueRows) +
                               " opaque rows where they meet");
    }
    return problems;
}

}   // namespace ThemeArt
