// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scenes the snapshot tool knows, by name.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Scene.h"

class Board;

struct SceneEntry {
    const char* name;
    const char* description;
    // The page scenes play on the session's board; the others leave it alone.
    std::function<std::unique_ptr<Scene>(Board& board)> make;
};

// Every scene, in the order the usage text lists them.
const std::vector<SceneEntry>& SceneCatalog();
