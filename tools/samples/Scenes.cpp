// SPDX-License-Identifier: GPL-3.0-or-later
#include "Scenes.h"

namespace Scenes {

void Paint(Canvas& canvas, const SamplePicture& picture) {
    switch (picture.scene) {
    case Scene::Landscape:
        PaintLandscape(canvas, picture.variant, picture.seed);
        break;
    case Scene::FlowerField:
        PaintFlowerField(canvas, picture.variant, picture.seed);
        break;
    case Scene::Skyline:
        PaintSkyline(canvas, picture.variant, picture.seed);
        break;
    case Scene::StainedGlass:
        PaintStainedGlass(canvas, picture.variant, picture.seed);
        break;
    case Scene::TileMosaic:
        PaintTileMosaic(canvas, picture.variant, picture.seed);
        break;
    case Scene::HexTiles:
        PaintHexTiles(canvas, picture.variant, picture.seed);
        break;
    case Scene::Truchet:
        PaintTruchet(canvas, picture.variant, picture.seed);
        break;
    case Scene::Mandala:
        PaintMandala(canvas, picture.variant, picture.seed);
        break;
    case Scene::Waves:
        PaintWaves(canvas, picture.seed);
        break;
    case Scene::Quilt:
        PaintQuilt(canvas, picture.seed);
        break;
    }
}

}   // namespace Scenes
