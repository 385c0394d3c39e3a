// SPDX-License-Identifier: GPL-3.0-or-later
#include "SceneCatalog.h"

#include "PageScenes.h"
#include "PanelScenes.h"
#include "PlayScenes.h"
#include "ToolkitScene.h"

namespace {

// A scene that shows no page has no use for the board.
std::function<std::unique_ptr<Scene>(Board&)> WithoutBoard(std::unique_ptr<Scene> (*make)()) {
    return [make](Board&) { return make(); };
}

}   // namespace

const std::vector<SceneEntry>& SceneCatalog() {
    static const std::vector<SceneEntry> catalog = {
        {"toolkit", "900 x 300: piece strip, single command, slider, category buttons, page controls",
         WithoutBoard(MakeToolkitScene)},
        {"listview", "930 x 630: a 900 x 600 list view with the largest sample category",
         WithoutBoard(MakeListViewScene)},
        {"pause", "1024 x 768: the pause panel over a page", WithoutBoard(MakePauseScene)},
        {"yesno", "1024 x 768: the back-to-gallery confirmation over a page", WithoutBoard(MakeYesNoScene)},
        {"complete", "1024 x 768: the completion panel over a page", WithoutBoard(MakeCompleteScene)},
        {"gallery", "1280 x 800: the gallery over the sample library, its largest category selected", MakeGalleryScene},
        {"setup", "1280 x 800: the set-up page with the first sample picture at 7 pieces a side", MakeSetupScene},
        {"play", "1280 x 800: the play page with a sample picture just scattered", MakePlayScene},
        {"play-solved", "1280 x 800: the same puzzle assembled, the completion panel up", MakePlaySolvedScene},
    };
    return catalog;
}
