// SPDX-License-Identifier: GPL-3.0-or-later
// Picture work for the play end-to-end test, on PNG files:
//   play_e2e_helper blocks FILE.png WIDTH HEIGHT
//       writes a picture of four plain colour blocks, one per quarter: red, green, blue, yellow
//   play_e2e_helper size FILE.png
//       prints the picture's "WIDTH HEIGHT"
//   play_e2e_helper plan SHOT.png WIDTH HEIGHT SKIP_X SKIP_Y
//       finds the four pieces of the 2 x 2 puzzle on the board (WIDTH x HEIGHT at the top
//       left, leaving out the corner from (SKIP_X, SKIP_Y) on) and prints the drags that put
//       them together (see Plan); exits with 1 when they cannot be found or placed
//   play_e2e_helper gallery FOLDER WIDTH HEIGHT
//       lays the game's gallery out over the program folder FOLDER (its library and theme) for a
//       client area of WIDTH x HEIGHT, as the game does, and prints its rectangles in client
//       coordinates, each as "X Y WIDTH HEIGHT": "grid ...", then "cell K ..." for each cell of
//       the first page and "category K ..." for each category button, top to bottom

#include <cairo.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "foundation/ApplicationException.h"
#include "pages/GameSession.h"
#include "pages/PageNavigator.h"
#include "pages/PageStart.h"
#include "platform/Platform.h"
#include "platform/WindowApi.h"
#include "ui/ListViewItemControl.h"

namespace {

struct SurfaceDeleter {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextDeleter {
    void operator()(cairo_t* context) const { cairo_destroy(context); }
};
using SurfacePtr = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

// Red, green, blue and yellow, as the test names them on the command line too.
constexpr unsigned kBlocks[4] = {0xD02020, 0x20B020, 0x2040D0, 0xE0D020};
// Scaling blends a line of pixels along each block's edge; anything closer than this counts.
constexpr int kTolerance = 40;

int Blocks(const char* file, int width, int height) {
    SurfacePtr surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height));
    std::unique_ptr<cairo_t, ContextDeleter> cr(cairo_create(surface.get()));
    const int halfWidth = width / 2, halfHeight = height / 2;
    const int left[4] = {0, halfWidth, 0, halfWidth}, top[4] = {0, 0, halfHeight, halfHeight};
    for (int i = 0; i < 4; ++i) {
        cairo_set_source_rgb(cr.get(), (kBlocks[i] >> 16) / 255.0, ((kBlocks[i] >> 8) & 0xFF) / 255.0,
                             (kBlocks[i] & 0xFF) / 255.0);
        cairo_rectangle(cr.get(), left[i], top[i], i % 2 ? width - halfWidth : halfWidth,
                        i < 2 ? halfHeight : height - halfHeight);
        cairo_fill(cr.get());
    }
    return cairo_surface_write_to_png(surface.get(), file) == CAIRO_STATUS_SUCCESS ? 0 : 1;
}

bool Near(uint32_t pixel, unsigned colour) {
    for (int shift : {16, 8, 0}) {
        const int d = int((pixel >> shift) & 0xFF) - int((colour >> shift) & 0xFF);
        if (d > kTolerance || d < -kTolerance)
            return false;
    }
    return true;
}

int Size(const char* file) {
    SurfacePtr picture(cairo_image_surface_create_from_png(file));
    if (cairo_surface_status(picture.get()) != CAIRO_STATUS_SUCCESS)
        return 1;
    std::printf("%d %d\n", cairo_image_surface_get_width(picture.get()), cairo_image_surface_get_height(picture.get()));
    return 0;
}

struct Shot {
    SurfacePtr surface;
    int width = 0, height = 0;
    uint32_t At(int x, int y) const {
        uint32_t pixel;
        std::memcpy(&pixel,
                    cairo_image_surface_get_data(surface.get()) +
                        size_t(y) * size_t(cairo_image_surface_get_stride(surface.get())) + size_t(x) * 4,
                    4);
        return pixel;
    }
};

// One piece as the screenshot shows it: the largest 4-connected area of its block's colour,
// its bounding box and its pixels.
struct Area {
    int left = 0, top = 0, right = -1, bottom = -1;
    std::vector<char> mask;   // over the whole search area
    long pixels = 0;
    int Width() const { return right - left + 1; }
    int Height() const { return bottom - top + 1; }
};

// Inside width x height at the top left, without the corner from (skipX, skipY) on.
Area LargestArea(const Shot& shot, unsigned colour, int width, int height, int skipX, int skipY) {
    std::vector<char> wanted(size_t(width) * size_t(height), 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            wanted[size_t(y) * size_t(width) + size_t(x)] = !(x >= skipX && y >= skipY) && Near(shot.At(x, y), colour);
    Area best;
    std::vector<int> stack, members;
    for (int start = 0; start < width * height; ++start) {
        if (!wanted[size_t(start)])
            continue;
        wanted[size_t(start)] = 0;
        stack.assign(1, start);
        members.clear();
        while (!stack.empty()) {
            const int at = stack.back();
            stack.pop_back();
            members.push_back(at);
            const int x = at % width, y = at / width;
            const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
            for (const auto& n : next)
                if (n[0] >= 0 && n[0] < width && n[1] >= 0 && n[1] < height &&
                    wanted[size_t(n[1]) * size_t(width) + size_t(n[0])]) {
                    wanted[size_t(n[1]) * size_t(width) + size_t(n[0])] = 0;
                    stack.push_back(n[1] * width + n[0]);
                }
        }
        if (long(members.size()) <= best.pixels)
            continue;
        best = Area{width, height, -1, -1, std::vector<char>(size_t(width) * size_t(height), 0), long(members.size())};
        for (int at : members) {
            const int x = at % width, y = at / width;
            best.mask[size_t(at)] = 1;
            best.left = std::min(best.left, x), best.right = std::max(best.right, x);
            best.top = std::min(best.top, y), best.bottom = std::max(best.bottom, y);
        }
    }
    return best;
}

// Whether the piece shows at and around (x, y), so that a press there takes it.
bool Solid(const Area& area, int width, int height, int x, int y) {
    for (int dy = -4; dy <= 4; ++dy)
        for (int dx = -4; dx <= 4; ++dx) {
            const int px = x + dx, py = y + dy;
            if (px < 0 || py < 0 || px >= width || py >= height || !area.mask[size_t(py) * size_t(width) + size_t(px)])
                return false;
        }
    return true;
}

// Finds the four pieces of the 2 x 2 puzzle on the board and plans the drags that put them
// together: a place for the whole picture, then for each piece in turn (top left, top right,
// bottom left, bottom right) a point to press that the pieces already placed do not cover and
// the move that brings it to its place beside them. Prints "home X Y WIDTH HEIGHT", then one
// "PRESS_X PRESS_Y DX DY" line per piece.
int Plan(const char* file, int width, int height, int skipX, int skipY) {
    Shot shot{SurfacePtr(cairo_image_surface_create_from_png(file))};
    if (cairo_surface_status(shot.surface.get()) != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "play_e2e_helper: cannot read %s\n", file);
        return 2;
    }
    width = std::min(width, cairo_image_surface_get_width(shot.surface.get()));
    height = std::min(height, cairo_image_surface_get_height(shot.surface.get()));
    Area pieces[4];
    for (int i = 0; i < 4; ++i) {
        pieces[i] = LargestArea(shot, kBlocks[i], width, height, skipX, skipY);
        // Sockets and neighbours' tabs aside, a piece shows most of its quarter.
        if (pieces[i].pixels == 0 || pieces[i].pixels < long(pieces[i].Width()) * pieces[i].Height() / 2) {
            std::fprintf(stderr, "play_e2e_helper: no piece of colour %06x\n", kBlocks[i]);
            return 1;
        }
    }
    // Each piece's quarter starts where the pieces left of and above it end.
    const int quarterX[4] = {0, pieces[0].Width(), 0, pieces[0].Width()};
    const int quarterY[4] = {0, 0, pieces[0].Height(), pieces[0].Height()};
    const int pictureWidth = pieces[0].Width() + pieces[1].Width();
    const int pictureHeight = pieces[0].Height() + pieces[2].Height();
    // A placed piece covers its quarter and its tabs, which reach a quarter of its size beyond.
    const auto covered = [&](int homeX, int homeY, int placed, int x, int y) {
        for (int j = 0; j < placed; ++j) {
            const int marginX = pieces[j].Width() / 4 + 6, marginY = pieces[j].Height() / 4 + 6;
            const int left = homeX + quarterX[j] - marginX, top = homeY + quarterY[j] - marginY;
            if (x >= left && x < left + pieces[j].Width() + 2 * marginX && y >= top &&
                y < top + pieces[j].Height() + 2 * marginY)
                return true;
        }
        return false;
    };
    // The points to press: well inside what shows of each piece.
    std::vector<std::pair<int, int>> solid[4];
    for (int k = 0; k < 4; ++k)
        for (int y = pieces[k].top; y <= pieces[k].bottom; y += 4)
            for (int x = pieces[k].left; x <= pieces[k].right; x += 4)
                if (Solid(pieces[k], width, height, x, y))
                    solid[k].emplace_back(x, y);
    for (int homeY = 0; homeY + pictureHeight <= height; homeY += 8)
        for (int homeX = 0; homeX + pictureWidth <= width; homeX += 8) {
            std::pair<int, int> press[4];
            int found = 0;
            for (int k = 0; k < 4 && found == k; ++k)
                for (const auto& point : solid[k])
                    if (!covered(homeX, homeY, k, point.first, point.second)) {
                        press[k] = point;
                        ++found;
                        break;
                    }
            if (found < 4)
                continue;
            std::printf("home %d %d %d %d\n", homeX, homeY, pictureWidth, pictureHeight);
            for (int k = 0; k < 4; ++k)
                std::printf("%d %d %d %d\n", press[k].first, press[k].second, homeX + quarterX[k] - pieces[k].left,
                            homeY + quarterY[k] - pieces[k].top);
            return 0;
        }
    std::fprintf(stderr, "play_e2e_helper: no place to put the picture together\n");
    return 1;
}

void PrintRect(const std::string& what, const Gdiplus::Rect& r) {
    std::printf("%s %d %d %d %d\n", what.c_str(), r.X, r.Y, r.Width, r.Height);
}

// The real gallery page on the headless window system, so that the positions the end-to-end
// scripts press and read come from the layout code itself.
int Gallery(std::string folder, int width, int height) {
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    try {
        PlatformSession platform("play_e2e_helper");
        if (!platform.Started())
            return 1;
        const GameSession game(folder);
        StayingNavigator navigator;
        PageStart page(game.GetBoard(), navigator);
        page.Create(nullptr, RECT{0, 0, width, height}, "gallery", WS_POPUP);
        if (!page.Handle())
            return 1;
        PrintRect("grid", page.Grid.Bounds);
        for (size_t k = 0; k < page.Grid.VisibleItems.size(); ++k)
            PrintRect("cell " + std::to_string(k), page.Grid.VisibleItems[k]->Bounds);
        for (size_t k = 0; k < page.CategoryButtons.size(); ++k)
            PrintRect("category " + std::to_string(k), page.CategoryButtons[k]->Bounds);
        page.DestroyWindow();
        return 0;
    } catch (const ApplicationException& e) {
        std::fprintf(stderr, "play_e2e_helper: %s\n", e.LocationText().c_str());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "play_e2e_helper: %s\n", e.what());
        return 1;
    }
}

}   // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::strcmp(argv[1], "blocks") == 0)
        return Blocks(argv[2], std::atoi(argv[3]), std::atoi(argv[4]));
    if (argc == 3 && std::strcmp(argv[1], "size") == 0)
        return Size(argv[2]);
    if (argc == 7 && std::strcmp(argv[1], "plan") == 0)
        return Plan(argv[2], std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6]));
    if (argc == 5 && std::strcmp(argv[1], "gallery") == 0)
        return Gallery(argv[2], std::atoi(argv[3]), std::atoi(argv[4]));
    std::fprintf(stderr,
                 "usage: play_e2e_helper blocks FILE.png WIDTH HEIGHT\n"
                 "       play_e2e_helper size FILE.png\n"
                 "       play_e2e_helper plan SHOT.png WIDTH HEIGHT SKIP_X SKIP_Y\n"
                 "       play_e2e_helper gallery FOLDER WIDTH HEIGHT\n");
    return 2;
}
