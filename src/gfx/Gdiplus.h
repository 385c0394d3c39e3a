// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole drawing layer in one include.

#include "gfx/Bitmap.h"
#include "gfx/Brush.h"
#include "gfx/Color.h"
#include "gfx/Font.h"
#include "gfx/FontFamily.h"
#include "gfx/GdiplusTypes.h"
#include "gfx/Graphics.h"
#include "gfx/GraphicsPath.h"
#include "gfx/Matrix.h"
#include "gfx/Pen.h"
#include "gfx/SolidBrush.h"
#include "gfx/StringFormat.h"
#include "gfx/TextureBrush.h"
