// SPDX-License-Identifier: GPL-3.0-or-later
#include "SampleCatalogue.h"

#include <array>

namespace {

struct Size {
    int32_t width, height;
};

// Landscape 4:3, 16:9, portrait 3:4 and square, at several resolutions so the gallery's
// thumbnails and the cut see every proportion and a range of sizes.
constexpr std::array<Size, 12> kSizes = {{
    {1600, 1200},
    {1920, 1080},
    {900, 1200},
    {1000, 1000},
    {1200, 900},
    {1600, 900},
    {1200, 1600},
    {1200, 1200},
    {2000, 1500},
    {1280, 720},
    {768, 1024},
    {800, 800},
}};

class Builder {
public:
    explicit Builder(SampleCategory& category) : category(category) {}

    Builder& Add(const char* fileName, Scene scene, int32_t variant, uint32_t seed, size_t sizeIndex) {
        const Size size = kSizes[sizeIndex % kSizes.size()];
        category.pictures.push_back({fileName, scene, variant, seed, size.width, size.height});
        return *this;
    }

private:
    SampleCategory& category;
};

}   // namespace

namespace SampleCatalogue {

std::vector<SampleCategory> Categories() {
    std::vector<SampleCategory> categories(4);

    // Landscape moods: 0 dawn, 1 noon, 2 sunset, 3 night, 4 autumn, 5 winter, 6 mist, 7 spring.
    categories[0] = {1, "Landscapes", 1, "Valleys and Meadows", {}};
    Builder(categories[0])
        .Add("alpine-lake", Scene::Landscape, 1, 1101, 0)
        .Add("red-sunset", Scene::Landscape, 2, 1102, 1)
        .Add("quiet-dawn", Scene::Landscape, 0, 1103, 2)
        .Add("moonlit-peaks", Scene::Landscape, 3, 1104, 3)
        .Add("autumn-valley", Scene::Landscape, 4, 1105, 4)
        .Add("snowy-pass", Scene::Landscape, 5, 1106, 5)
        .Add("misty-hills", Scene::Landscape, 6, 1107, 6)
        .Add("spring-meadow", Scene::Landscape, 7, 1108, 7)
        .Add("tulip-rows", Scene::FlowerField, 0, 1109, 8)
        .Add("high-summer", Scene::Landscape, 1, 1110, 9)
        .Add("golden-evening", Scene::Landscape, 2, 1111, 10)
        .Add("starry-lake", Scene::Landscape, 3, 1112, 11)
        .Add("poppy-field", Scene::FlowerField, 1, 1113, 1)
        .Add("maple-ridge", Scene::Landscape, 4, 1114, 0)
        .Add("frozen-lake", Scene::Landscape, 5, 1115, 3)
        .Add("morning-fog", Scene::Landscape, 6, 1116, 9)
        .Add("lavender-hills", Scene::FlowerField, 2, 1117, 2)
        .Add("orchard-blossom", Scene::Landscape, 7, 1118, 4)
        .Add("first-light", Scene::Landscape, 0, 1119, 5)
        .Add("wildflowers", Scene::FlowerField, 3, 1120, 7)
        .Add("blue-valley", Scene::Landscape, 1, 1121, 6)
        .Add("last-light", Scene::Landscape, 2, 1122, 8);

    categories[1] = {2, "Cities", 2, "Cities by the Water", {}};
    Builder(categories[1])
        .Add("harbour-day", Scene::Skyline, 0, 2101, 1)
        .Add("harbour-dusk", Scene::Skyline, 1, 2102, 0)
        .Add("city-night", Scene::Skyline, 2, 2103, 3)
        .Add("tower-lights", Scene::Skyline, 2, 2104, 2);

    categories[2] = {3, "Mosaics", 3, "Glass and Stone", {}};
    Builder(categories[2])
        .Add("rose-window", Scene::StainedGlass, 0, 3101, 3)
        .Add("garden-glass", Scene::StainedGlass, 1, 3102, 2)
        .Add("stone-rings", Scene::TileMosaic, 0, 3103, 0)
        .Add("sea-stones", Scene::TileMosaic, 1, 3104, 9)
        .Add("honeycomb", Scene::HexTiles, 0, 3105, 4)
        .Add("hex-garden", Scene::HexTiles, 1, 3106, 11);

    categories[3] = {4, "Patterns", 4, "Patterns and Ornaments", {}};
    Builder(categories[3])
        .Add("meander", Scene::Truchet, 0, 4101, 7)
        .Add("petal-rings", Scene::Mandala, 0, 4102, 3)
        .Add("great-waves", Scene::Waves, 0, 4103, 1)
        .Add("patchwork", Scene::Quilt, 0, 4104, 0)
        .Add("sun-mandala", Scene::Mandala, 1, 4105, 6)
        .Add("woven-bands", Scene::Truchet, 1, 4106, 10);

    return categories;
}

}   // namespace SampleCatalogue
