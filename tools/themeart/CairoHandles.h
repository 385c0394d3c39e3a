// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Owning handles for the cairo surfaces and contexts the art generator draws with.

#include <cairo.h>

#include "foundation/UniqueHandle.h"

namespace ThemeArt {

using SurfacePtr = UniqueHandle<cairo_surface_t, cairo_surface_destroy>;
using ContextPtr = UniqueHandle<cairo_t, cairo_destroy>;

}   // namespace ThemeArt
