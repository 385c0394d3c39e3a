#include "SceneCatalog.h"

#include "ToolkitScene.h"

const std::vector<SceneEntry>& SceneCatalog() {
    static const std::vector<SceneEntry> catalog = {
        {"toolkit", "900 x 300: piece strip, single command, slider, category buttons, page controls",
         MakeToolkitScene},
    };
    return catalog;
}
