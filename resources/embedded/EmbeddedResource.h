// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The programs' embedded resources (the fit sound "A_FIT", the window icon "ICON_128"), made
// at build time by tools/resources and linked into the executables.

#include <cstdint>
#include <span>
#include <string_view>

// The bytes of a resource, empty when there is none of that name. "A_FIT" is a complete WAVE
// file; "ICON_128" is a PNG image.
std::span<const uint8_t> FindEmbeddedResource(std::string_view name);
