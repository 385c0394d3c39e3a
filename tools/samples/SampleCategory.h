// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One category of the sample library and the one pack that installs its pictures.

#include "SamplePicture.h"

#include <cstdint>
#include <string>
#include <vector>

struct SampleCategory {
    int32_t id = 0;
    std::string name;
    int32_t packId = 0;
    std::string packName;
    std::vector<SamplePicture> pictures;
};
