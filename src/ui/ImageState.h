// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which of a style's two theme images a control shows.

// A category button has one of each; most styles only Checked.
enum class ImageState { Checked, Unchecked };
