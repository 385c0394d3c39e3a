// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The toolkit's leaf controls on one page: a piece strip, a single command, the slider,
// category buttons and a list view's page controls.

#include <memory>

#include "Scene.h"

std::unique_ptr<Scene> MakeToolkitScene();
