// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the embedded resources: the fit sound (a synthesised short wooden click, a complete
// WAVE file) and the window icon (a puzzle piece drawn with cairo), and a C++ file with their
// bytes; or the desktop icons, the same drawing at the sizes of the icon theme and as SVG.
// Usage: make_resources <output folder>
//        make_resources --desktop-icons <icon theme folder>

#include <cairo-svg.h>
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "foundation/UniqueHandle.h"

namespace {

using Bytes = std::vector<uint8_t>;

constexpr int kSampleRate = 44100;
constexpr int kChannels = 2;
constexpr int kBitsPerSample = 16;
constexpr int kDataBytes = 29400;   // 7350 stereo frames, 1/6 s
constexpr int kFrames = kDataBytes / (kChannels * kBitsPerSample / 8);

void PutLe(Bytes& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void PutTag(Bytes& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

// A wood block: three damped partials of a struck bar over a short noise burst for the
// attack. The noise comes from a fixed linear congruential generator, so every build makes
// the same bytes.
Bytes FitSound() {
    struct Partial {
        double frequency, amplitude, decay;
    };
    const Partial partials[] = {{1180.0, 1.0, 0.016}, {2470.0, 0.45, 0.009}, {3820.0, 0.22, 0.005}};
    std::vector<double> samples(kFrames);
    uint32_t seed = 12345;
    double noiseLow = 0.0;
    for (int i = 0; i < kFrames; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        double v = 0.0;
        for (const Partial& p : partials)
            v += p.amplitude * std::exp(-t / p.decay) * std::sin(2.0 * M_PI * p.frequency * t);
        seed = seed * 1664525u + 1013904223u;
        const double white = static_cast<double>(seed >> 8) / (1u << 24) * 2.0 - 1.0;
        noiseLow += 0.35 * (white - noiseLow);   // one-pole low pass: a duller knock
        v += 0.7 * noiseLow * std::exp(-t / 0.0012);
        const double attack = std::min(1.0, t / 0.0004);   // no step at the very start
        samples[i] = v * attack;
    }
    double peak = 0.0;
    for (double s : samples)
        peak = std::max(peak, std::abs(s));
    const int fadeFrames = 400;   // the tail ends in silence, not a cut
    Bytes wave;
    PutTag(wave, "RIFF");
    PutLe(wave, 36 + kDataBytes, 4);
    PutTag(wave, "WAVE");
    PutTag(wave, "fmt ");
    PutLe(wave, 16, 4);
    PutLe(wave, 1, 2);   // PCM
    PutLe(wave, kChannels, 2);
    PutLe(wave, kSampleRate, 4);
    PutLe(wave, kSampleRate * kChannels * kBitsPerSample / 8, 4);
    PutLe(wave, kChannels * kBitsPerSample / 8, 2);
    PutLe(wave, kBitsPerSample, 2);
    PutTag(wave, "data");
    PutLe(wave, kDataBytes, 4);
    for (int i = 0; i < kFrames; ++i) {
        const double fade = std::min(1.0, static_cast<double>(kFrames - 1 - i) / fadeFrames);
        const auto value = static_cast<int16_t>(std::lround(samples[i] / peak * 0.7 * 32767.0 * fade));
        for (int c = 0; c < kChannels; ++c)
            PutLe(wave, static_cast<uint16_t>(value), 2);
    }
    return wave;
}

// One edge of the piece from p0 to p1 with a round tab on the side `out` points to
// (+1: left of the direction of travel, -1: right). In edge units: the neck starts at 0.38
// and ends at 0.62 along the edge; the knob reaches 0.36 of the edge's length off it.
void Edge(cairo_t* cr, double x0, double y0, double x1, double y1, int out) {
    const double dx = x1 - x0, dy = y1 - y0;
    const double nx = dy * out, ny = -dx * out;   // normal of the edge's length
    auto at = [&](double along, double off, double& x, double& y) {
        x = x0 + dx * along + nx * off;
        y = y0 + dy * along + ny * off;
    };
    double ax, ay, bx, by, cx, cy;
    at(0.38, 0.0, ax, ay);
    cairo_line_to(cr, ax, ay);
    at(0.30, 0.22, ax, ay);
    at(0.38, 0.36, bx, by);
    at(0.50, 0.36, cx, cy);
    cairo_curve_to(cr, ax, ay, bx, by, cx, cy);
    at(0.62, 0.36, ax, ay);
    at(0.70, 0.22, bx, by);
    at(0.62, 0.0, cx, cy);
    cairo_curve_to(cr, ax, ay, bx, by, cx, cy);
    cairo_line_to(cr, x1, y1);
}

cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length) {
    auto* out = static_cast<Bytes*>(closure);
    out->insert(out->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

// A purple jigsaw piece with tabs out at the top and right and holes at the bottom and left,
// drawn in a 64 x 64 box; callers scale the context for other sizes, so every size and the SVG
// come from this one drawing.
constexpr int kIconBox = 64;

void DrawIcon(cairo_t* cr) {
    const double left = 8, top = 18, right = 46, bottom = 56;
    cairo_move_to(cr, left, top);
    Edge(cr, left, top, right, top, +1);         // top: tab up
    Edge(cr, right, top, right, bottom, +1);     // right: tab out to the right
    Edge(cr, right, bottom, left, bottom, -1);   // bottom: hole
    Edge(cr, left, bottom, left, top, -1);       // left: hole
    cairo_close_path(cr);

    UniqueHandle<cairo_pattern_t, cairo_pattern_destroy> gradient(
        cairo_pattern_create_linear(0, 0, kIconBox, kIconBox));
    cairo_pattern_add_color_stop_rgb(gradient.get(), 0.0, 0xB0 / 255.0, 0x98 / 255.0, 0xEC / 255.0);
    cairo_pattern_add_color_stop_rgb(gradient.get(), 1.0, 0x56 / 255.0, 0x36 / 255.0, 0xA6 / 255.0);
    cairo_set_source(cr, gradient.get());
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 0x2A / 255.0, 0x18 / 255.0, 0x60 / 255.0);
    cairo_set_line_width(cr, 2.5);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

using SurfaceHolder = UniqueHandle<cairo_surface_t, cairo_surface_destroy>;
using ContextHolder = UniqueHandle<cairo_t, cairo_destroy>;

// The icon as a PNG of size x size pixels; empty when cairo fails.
Bytes IconPng(int size) {
    SurfaceHolder surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size));
    ContextHolder context(cairo_create(surface.get()));
    cairo_scale(context.get(), static_cast<double>(size) / kIconBox, static_cast<double>(size) / kIconBox);
    DrawIcon(context.get());
    Bytes png;
    if (cairo_status(context.get()) != CAIRO_STATUS_SUCCESS ||
        cairo_surface_write_to_png_stream(surface.get(), AppendBytes, &png) != CAIRO_STATUS_SUCCESS)
        return {};
    return png;
}

// The icon as a scalable SVG document in user units (no physical size).
Bytes IconSvg() {
    Bytes svg;
    {
        SurfaceHolder surface(cairo_svg_surface_create_for_stream(AppendBytes, &svg, kIconBox, kIconBox));
        cairo_svg_surface_set_document_unit(surface.get(), CAIRO_SVG_UNIT_USER);
        ContextHolder context(cairo_create(surface.get()));
        DrawIcon(context.get());
        if (cairo_status(context.get()) != CAIRO_STATUS_SUCCESS)
            return {};
        context.reset();
        cairo_surface_finish(surface.get());   // the document is complete only once finished
        if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
            return {};
    }
    return svg;
}

bool WriteFile(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

std::string ByteArray(const std::string& name, const Bytes& bytes) {
    std::string text = "const uint8_t " + name + "[] = {";
    char number[8];
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i % 16 == 0)
            text += "\n   ";
        std::snprintf(number, sizeof number, " %u,", bytes[i]);
        text += number;
    }
    return text + "\n};\n";
}

// Writes the icon theme's files under folder: <size>x<size>/apps/tessiva.png for each size and
// scalable/apps/tessiva.svg.
int WriteDesktopIcons(const std::string& folder) {
    std::vector<std::pair<std::string, Bytes>> files;
    for (int size : {48, 64, 128, 256})
        files.emplace_back(std::to_string(size) + "x" + std::to_string(size), IconPng(size));
    files.emplace_back("scalable", IconSvg());
    for (const auto& [subfolder, bytes] : files) {
        const std::filesystem::path apps = std::filesystem::path(folder) / subfolder / "apps";
        std::error_code error;
        std::filesystem::create_directories(apps, error);
        const std::string name = subfolder == "scalable" ? "tessiva.svg" : "tessiva.png";
        if (bytes.empty() || error || !WriteFile((apps / name).string(), bytes)) {
            std::fprintf(stderr, "make_resources: cannot write %s\n", (apps / name).c_str());
            return 1;
        }
    }
    return 0;
}

}   // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--desktop-icons")
        return WriteDesktopIcons(argv[2]);
    if (argc != 2) {
        std::fprintf(stderr,
                     "usage: make_resources <output folder>\n"
                     "       make_resources --desktop-icons <icon theme folder>\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    const Bytes sound = FitSound();
    const Bytes icon = IconPng(kIconBox);
    if (icon.empty() || !WriteFile(folder + "A_FIT.wav", sound) || !WriteFile(folder + "ICON_128.png", icon)) {
        std::fprintf(stderr, "make_resources: cannot write into %s\n", folder.c_str());
        return 1;
    }
    std::string source =
        "// Made by tools/resources/make_resources; do not edit.\n"
        "#include \"embedded/EmbeddedResource.h\"\n\n"
        "namespace {\n\n" +
        ByteArray("kFitSound", sound) + "\n" + ByteArray("kIcon", icon) +
        "\n}  // namespace\n\n"
        "std::span<const uint8_t> FindEmbeddedResource(std::string_view name) {\n"
        "    if (name == \"A_FIT\")\n"
        "        return kFitSound;\n"
        "    if (name == \"ICON_128\")\n"
        "        return kIcon;\n"
        "    return {};\n"
        "}\n";
    if (!WriteFile(folder + "EmbeddedResourceData.cpp", Bytes(source.begin(), source.end()))) {
        std::fprintf(stderr, "make_resources: cannot write into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
