// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scenes of the list view and the modal panels: a list view filled with the sample library's
// largest category, and each panel over a page.

#include <memory>

#include "Scene.h"

std::unique_ptr<Scene> MakeListViewScene();
std::unique_ptr<Scene> MakePauseScene();
std::unique_ptr<Scene> MakeYesNoScene();
std::unique_ptr<Scene> MakeCompleteScene();
