// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saving a canvas as a baseline JPEG file.

#include "Canvas.h"

#include <cstdint>
#include <string>

namespace JpegFile {

// Throws std::runtime_error when encoding or writing fails.
void Write(const Canvas& canvas, const std::string& path, int32_t quality);

}   // namespace JpegFile
