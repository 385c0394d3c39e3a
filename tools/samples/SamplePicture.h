// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One picture of the sample library: what to draw, at which size, from which seed.

#include <cstdint>
#include <string>

enum class Scene {
    Landscape,      // sky, mountains, hills, lake, trees; `variant` picks the time of day or season
    FlowerField,    // rows of flowers running to the horizon
    Skyline,        // a city by the water; `variant` picks day, dusk or night
    StainedGlass,   // lead-lined glass cells
    TileMosaic,     // small stone tiles laid in rings and waves
    HexTiles,       // a hexagonal tiling of decorated tiles
    Truchet,        // quarter-circle tiles forming meandering bands
    Mandala,        // concentric rings of petals
    Waves,          // layered ocean-wave scales
    Quilt,          // a patchwork of pieced blocks
};

struct SamplePicture {
    std::string fileName;   // without folder or extension
    Scene scene = Scene::Landscape;
    int32_t variant = 0;
    uint32_t seed = 0;
    int32_t width = 0;
    int32_t height = 0;
};
