// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/MakerSite.h"

namespace MakerSite {

namespace {
constexpr char kHost[] = "https://tessiva.example";
}   // namespace

const std::string& UrlMorePuzzles() {
    static const std::string url = std::string(kHost) + "/tessiva-puzzle/extra?ref=app";
    return url;
}

const std::string& UrlOtherProducts() {
    static const std::string url = std::string(kHost) + "/products?product=tessiva&ref=app";
    return url;
}

}   // namespace MakerSite
