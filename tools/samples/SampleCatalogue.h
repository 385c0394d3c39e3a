// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixed list of categories and pictures that make up the sample library.

#include "SampleCategory.h"

#include <vector>

namespace SampleCatalogue {

std::vector<SampleCategory> Categories();

}   // namespace SampleCatalogue
