// SPDX-License-Identifier: GPL-3.0-or-later
// tessiva-snapshot SCENE OUT.png [WIDTH]: draws a scene of the control toolkit through the
// headless window system, on the game's session from the folder of the tool, and writes the window's pixels as a
// PNG, reduced to WIDTH pixels across (proportions kept) when a width is given.

#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>

#include "SceneCatalog.h"
#include "foundation/ApplicationException.h"
#include "foundation/Util.h"
#include "gfx/Bitmap.h"
#include "gfx/Graphics.h"
#include "pages/GameSession.h"
#include "platform/Headless.h"
#include "platform/Paint.h"
#include "platform/Platform.h"
#include "platform/WindowApi.h"

namespace {

constexpr int kUsageError = 2;
constexpr int kFailure = 1;

std::string SceneNames() {
    std::string names;
    for (const SceneEntry& entry : SceneCatalog())
        names += (names.empty() ? "" : ", ") + std::string(entry.name);
    return names;
}

int Fail(int code, const std::string& message) {
    std::fprintf(stderr, "tessiva-snapshot: %s\n", message.c_str());
    return code;
}

const SceneEntry* FindScene(const std::string& name) {
    for (const SceneEntry& entry : SceneCatalog())
        if (name == entry.name)
            return &entry;
    return nullptr;
}

// A width of at least 1, written in decimal digits only; 0 when the text is none.
int ParseWidth(const std::string& text) {
    if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    return std::stoi(text);
}

// The window's pixels as they reached the (headless) screen, reduced to the width if one is
// given and the window is wider.
bool Capture(HWND window, const std::string& path, int width) {
    RECT client;
    if (!GetClientRect(window, client) || client.right <= 0 || client.bottom <= 0)
        return false;
    Gdiplus::Bitmap picture(client.right, client.bottom);
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x)
            picture.SetPixel(x, y, Gdiplus::Color(Headless::ReadPixel(window, x, y)));
    if (width <= 0 || width >= client.right)
        return picture.SavePng(path) == Gdiplus::Ok;
    const int height = std::max(1, client.bottom * width / client.right);
    Gdiplus::Bitmap reduced(width, height);
    {
        Gdiplus::Graphics g(&reduced);
        g.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
        g.DrawImage(&picture, Gdiplus::Rect(0, 0, width, height));
    }
    return reduced.SavePng(path) == Gdiplus::Ok;
}

}   // namespace

int main(int argc, char** argv) {
    const int width = argc == 4 ? ParseWidth(argv[3]) : 0;
    if ((argc != 3 && argc != 4) || (argc == 4 && width <= 0))
        return Fail(kUsageError, "usage: tessiva-snapshot SCENE OUT.png [WIDTH] (scenes: " + SceneNames() + ")");
    const SceneEntry* entry = FindScene(argv[1]);
    if (!entry)
        return Fail(kUsageError, "unknown scene '" + std::string(argv[1]) + "' (scenes: " + SceneNames() + ")");
    const std::string out = argv[2];

    try {
        PlatformSession session("tessiva-snapshot");
        if (!session.Started())
            return Fail(kFailure, "the window system did not start");
        // The library, the theme, the UI images and the board come from the folder of the tool,
        // as the game's come from its own.
        const GameSession game(Util::GetModulePath());
        int result = 0;
        {
            std::unique_ptr<Scene> scene = entry->make(game.GetBoard());
            const HWND window = scene->Open();
            if (!window)
                return Fail(kFailure, "the scene's window could not be created");
            InvalidateRect(window, nullptr, false);
            UpdateWindow(window);
            if (!Capture(window, out, width))
                result = Fail(kFailure, "cannot write " + out);
        }
        return result;
    } catch (const ApplicationException& e) {
        return Fail(kFailure, "failed: " + e.LocationText());
    } catch (const std::exception& e) {
        return Fail(kFailure, std::string("failed: ") + e.what());
    }
}
