#pragma once
// The scenes the snapshot tool knows, by name.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Scene.h"

struct SceneEntry {
    const char* name;
    const char* description;
    std::function<std::unique_ptr<Scene>()> make;
};

// Every scene, in the order the usage text lists them.
const std::vector<SceneEntry>& SceneCatalog();
