// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the seed corpus of every fuzz target into <folder>/<target>/: small, well-formed
// inputs made by our own code (pictures painted by the sample library's painters), plus a few
// near misses next to each, so the fuzzers start on every path the game's reading takes.
// Each picture seed meant to decode is decoded once here, so a seed that stopped working is
// noticed at build time.

#include <SDL.h>
#include <turbojpeg.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "Canvas.h"
#include "FuzzSupport.h"
#include "Scenes.h"
#include "gfx/Bitmap.h"
#include "library/LibraryWriter.h"

namespace {

using Bytes = std::string;

std::filesystem::path root;

void Seed(const std::string& target, const std::string& name, const Bytes& bytes) {
    const std::filesystem::path folder = root / target;
    std::filesystem::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

Bytes Join(const std::vector<Bytes>& parts) {
    Bytes joined;
    for (size_t i = 0; i < parts.size(); ++i)
        joined += (i ? Bytes(Fuzz::kSeparator) : Bytes()) + parts[i];
    return joined;
}

Bytes ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

// ---- Pictures -------------------------------------------------------------------------------

// A landscape of the sample library at a small size, as 0xAARRGGBB words.
std::vector<uint32_t> Painting(int width, int height) {
    Canvas canvas(width, height);
    Scenes::PaintLandscape(canvas, 1, 7);
    std::vector<uint32_t> pixels(size_t(width) * size_t(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[size_t(y) * size_t(width) + size_t(x)] =
                reinterpret_cast<const uint32_t*>(canvas.Data() + y * canvas.Stride())[x];
    return pixels;
}

Bytes Jpeg(int width, int height, int subsampling, int flags) {
    const std::vector<uint32_t> pixels = Painting(width, height);
    tjhandle handle = tjInitCompress();
    unsigned char* out = nullptr;
    unsigned long size = 0;
    const int pixelFormat = TJPF_BGRX;   // 0xAARRGGBB words on little-endian machines
    if (tjCompress2(handle, reinterpret_cast<const unsigned char*>(pixels.data()), width, 0, height, pixelFormat, &out,
                    &size, subsampling, 85, flags) != 0) {
        std::fprintf(stderr, "fuzz_seeds: %s\n", tjGetErrorStr2(handle));
        std::exit(1);
    }
    Bytes bytes(reinterpret_cast<const char*>(out), size);
    tjFree(out);
    tjDestroy(handle);
    return bytes;
}

// Two stray bytes before the first scan, as some cameras and editors leave them.
Bytes WithStrayBytesBeforeScan(Bytes jpeg) {
    const size_t scan = jpeg.find("\xFF\xDA");
    jpeg.insert(scan, Bytes("\x00\x00", 2));
    return jpeg;
}

Bytes Written(const std::filesystem::path& path) {
    Bytes bytes = ReadFile(path);
    std::filesystem::remove(path);
    return bytes;
}

// An opaque PNG of the landscape; any size the drawing library takes, also beyond the
// decoder's limits.
Bytes Png(int width, int height) {
    Canvas canvas(width, height);
    Scenes::PaintLandscape(canvas, 2, 11);
    const std::filesystem::path path = root / "made.png";
    canvas.SavePng(path);
    return Written(path);
}

// A small PNG whose alpha runs through every value.
Bytes TranslucentPng(int width, int height) {
    Gdiplus::Bitmap bitmap(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap.SetPixel(x, y,
                            Gdiplus::Color(Gdiplus::BYTE(x * 40 + y), Gdiplus::BYTE(x * 7), Gdiplus::BYTE(y * 5), 90));
    const std::filesystem::path path = root / "made.png";
    if (bitmap.SavePng(path) != Gdiplus::Ok) {
        std::fprintf(stderr, "fuzz_seeds: cannot write %s\n", path.c_str());
        std::exit(1);
    }
    return Written(path);
}

Bytes Bmp(int width, int height, Uint32 format) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, format);
    SDL_FillRect(surface, nullptr, SDL_MapRGBA(surface->format, 200, 120, 40, 160));
    const std::filesystem::path path = root / "made.bmp";
    SDL_SaveBMP(surface, path.c_str());
    SDL_FreeSurface(surface);
    return Written(path);
}

void Put16(Bytes& b, uint32_t v) { b += char(v & 0xFF), b += char(v >> 8 & 0xFF); }
void Put32(Bytes& b, uint32_t v) { Put16(b, v & 0xFFFF), Put16(b, v >> 16); }

// A GIF with a 1 x 1 screen and a two-colour table, stepping over an extension to one frame of
// the given size that holds the data of one white pixel.
Bytes Gif(int frameWidth, int frameHeight) {
    Bytes b = "GIF89a";
    Put16(b, 1), Put16(b, 1);
    b += Bytes(
        "\x80\x00\x00"
        "\xFF\xFF\xFF"
        "\x00\x00\x00"
        "\x21\xF9\x04\x00\x00\x00\x00\x00"
        "\x2C",
        18);
    Put16(b, 0), Put16(b, 0), Put16(b, uint32_t(frameWidth)), Put16(b, uint32_t(frameHeight));
    b += Bytes(
        "\x00"
        "\x02\x02\x44\x01\x00"
        "\x3B",
        7);
    return b;
}

// An uncompressed RGB TIFF, little-endian, one strip.
Bytes Tiff(int width, int height) {
    constexpr uint32_t kEntries = 10, kBitsAt = 8 + 2 + kEntries * 12 + 4, kPixelsAt = kBitsAt + 6;
    Bytes b = "II";
    Put16(b, 42), Put32(b, 8), Put16(b, kEntries);
    const auto entry = [&](uint32_t tag, uint32_t type, uint32_t count, uint32_t value) {
        Put16(b, tag), Put16(b, type), Put32(b, count);
        if (type == 3 && count == 1)
            Put16(b, value), Put16(b, 0);
        else
            Put32(b, value);
    };
    const uint32_t bytes = uint32_t(width * height * 3);
    entry(256, 3, 1, uint32_t(width));    // ImageWidth
    entry(257, 3, 1, uint32_t(height));   // ImageLength
    entry(258, 3, 3, kBitsAt);            // BitsPerSample: 8, 8, 8
    entry(259, 3, 1, 1);                  // no compression
    entry(262, 3, 1, 2);                  // RGB
    entry(273, 4, 1, kPixelsAt);          // StripOffsets
    entry(277, 3, 1, 3);                  // SamplesPerPixel
    entry(278, 3, 1, uint32_t(height));   // RowsPerStrip
    entry(279, 4, 1, bytes);              // StripByteCounts
    entry(284, 3, 1, 1);                  // chunky
    Put32(b, 0);
    Put16(b, 8), Put16(b, 8), Put16(b, 8);
    for (uint32_t i = 0; i < bytes; ++i)
        b += char(i * 37);
    return b;
}

// A lossless WebP of one colour: every prefix code has one symbol, so no pixel costs a bit.
Bytes WebP(int width, int height) {
    Bytes bits;
    uint32_t word = 0;
    int used = 0;
    const auto put = [&](uint32_t value, int count) {
        for (int i = 0; i < count; ++i) {
            word |= ((value >> i) & 1u) << used;
            if (++used == 8)
                bits += char(word), word = 0, used = 0;
        }
    };
    put(0x2F, 8);   // signature
    put(uint32_t(width - 1), 14), put(uint32_t(height - 1), 14);
    put(0, 1), put(0, 3);                                        // no alpha, version 0
    put(0, 1), put(0, 1), put(0, 1);                             // no transform, no colour cache, no meta codes
    for (const uint32_t symbol : {90u, 200u, 40u, 255u, 0u}) {   // green, red, blue, alpha, distance
        put(1, 1), put(0, 1), put(1, 1), put(symbol, 8);         // simple code, one 8-bit symbol
    }
    if (used)
        bits += char(word);
    if (bits.size() % 2)
        bits += '\0';
    Bytes b = "RIFF";
    Put32(b, uint32_t(4 + 8 + bits.size()));
    b += "WEBPVP8L";
    Put32(b, uint32_t(bits.size()));
    return b + bits;
}

// Writes a picture seed and checks what the decoder makes of it.
void PictureSeed(const std::string& name, const Bytes& bytes, Gdiplus::Status expected) {
    Seed("picture", name, bytes);
    const std::filesystem::path path = root / "picture" / name;
    Gdiplus::Bitmap decoded(path);
    if (decoded.GetLastStatus() != expected) {
        std::fprintf(stderr, "fuzz_seeds: %s decodes with status %d, not %d\n", name.c_str(),
                     int(decoded.GetLastStatus()), int(expected));
        std::exit(1);
    }
}

void PictureSeeds() {
    using Gdiplus::Ok;
    const Bytes jpeg = Jpeg(96, 64, TJSAMP_420, 0);
    PictureSeed("baseline-420.jpg", jpeg, Ok);
    PictureSeed("baseline-444.jpg", Jpeg(40, 30, TJSAMP_444, 0), Ok);
    PictureSeed("gray.jpg", Jpeg(33, 17, TJSAMP_GRAY, 0), Ok);
    PictureSeed("progressive.jpg", Jpeg(64, 48, TJSAMP_420, TJFLAG_PROGRESSIVE), Ok);
    PictureSeed("one-pixel.jpg", Jpeg(1, 1, TJSAMP_444, 0), Ok);
    PictureSeed("one-column.jpg", Jpeg(1, 300, TJSAMP_420, 0), Ok);
    PictureSeed("stray-bytes.jpg", WithStrayBytesBeforeScan(jpeg), Ok);
    PictureSeed("truncated.jpg", jpeg.substr(0, jpeg.size() * 2 / 3), Gdiplus::UnknownImageFormat);
    PictureSeed("picture.png", Png(40, 30), Ok);
    PictureSeed("translucent.png", TranslucentPng(12, 9), Ok);
    PictureSeed("one-pixel.png", Png(1, 1), Ok);
    PictureSeed("one-by-16384.png", Png(1, Gdiplus::Bitmap::kMaxSide), Ok);
    PictureSeed("one-by-30000.png", Png(1, 30000), Gdiplus::OutOfMemory);
    PictureSeed("picture.gif", Gif(1, 1), Ok);
    PictureSeed("frame-beyond-screen.gif", Gif(300, 200), Ok);
    PictureSeed("picture.bmp", Bmp(5, 3, SDL_PIXELFORMAT_RGB888), Ok);
    PictureSeed("translucent.bmp", Bmp(4, 4, SDL_PIXELFORMAT_ARGB8888), Ok);
    PictureSeed("picture.tif", Tiff(3, 2), Ok);
    PictureSeed("picture.webp", WebP(4, 4), Ok);
    PictureSeed("text.jpg", "Name=Not a picture\r\n", Gdiplus::UnknownImageFormat);
}

// ---- Library texts --------------------------------------------------------------------------

Bytes Properties(const LibraryWriter::Properties& properties) { return LibraryWriter::PropertyText(properties); }

void LibrarySeeds() {
    const Bytes category = Properties({{"Name", "Animals"}});
    const Bytes pack = Properties({{"Name", "Animals at Home"}, {"Puzzles", "12"}});
    const Bytes puzzle = Properties({{"Category", "3"}});
    Seed("library", "whole", Join({category, pack, puzzle}));
    Seed("library", "listed-twice-and-bad-ids",
         Join({category, Properties({{"Name", "Twice"}, {"Puzzles", "12, 5,x,,12"}}), puzzle}));
    Seed("library", "windows-1252-names", Join({"Name=Caf\xE9\r\n", "Name=\xC6sop\r\nPuzzles=12\r\n", puzzle}));
    Seed("library", "utf8-names",
         Join({"Name=Caf\xC3\xA9\r\n",
               "Name=Gr\xC3\xBC\xC3\x9F"
               "e\r\nPuzzles=12\r\n",
               puzzle}));
    Seed("library", "no-puzzles-key", Join({category, Properties({{"Name", "Empty"}}), puzzle}));
    Seed("library", "other-category", Join({category, pack, Properties({{"Category", "4"}})}));
    Seed("library", "zero-byte-in-name", Join({Bytes("Name=Ani\0mals\r\n", 15), pack, "Category= 3"}));
    Seed("library", "line-feeds-only", Join({"Name=Animals\n", "Name=Pack\nPuzzles=12,13\n", "Category=3\n"}));
}

void PropertySeeds() {
    Seed("property", "name", Join({"Name", "Name=Alpha\r\nPuzzles=1,2"}));
    Seed("property", "last-value", Join({"Puzzles", "Name=Alpha\r\nPuzzles=1,2"}));
    Seed("property", "line-feed", Join({"Name", "Name=Alpha\nPuzzles=1,2"}));
    Seed("property", "inside-a-longer-key", Join({"Name", "FileName=x\r\nName=y\r\n"}));
    Seed("property", "blanks-kept", Join({"Name", "Name= Alpha  \r\n"}));
    Seed("property", "empty-value", Join({"Category", "Category=\r\nName=x\r\n"}));
    Seed("property", "missing", Join({"Category", "Name=x\r\n"}));
    Seed("property", "list", Join({"Puzzles", "Puzzles=3, 5,,x,7,"}));
    Seed("property", "zero-byte", Join({"Puzzles", Bytes("Name=a\0Puzzles=1\r\n", 18)}));
}

void ParseIntSeeds() {
    const char* texts[] = {"42",          " -42",     "+7", "4 2", "7 ", "\t9", "2147483648", "4294967297",
                           "-2147483648", "00000012", "",   " ",   "-",  "+-1", "12x",        "1\r\n"};
    int i = 0;
    for (const char* text : texts)
        Seed("parse_int", "text-" + std::to_string(i++), text);
}

void ThemeSeeds() {
    Seed("theme", "middle.png", Png(120, 40));
    Seed("theme", "translucent.png", TranslucentPng(25, 40));
    Seed("theme", "text.png", "this is not a picture\n");
    Seed("theme", "empty.png", "");
}

}   // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds FOLDER\n");
        return 2;
    }
    root = argv[1];
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root);
    PictureSeeds();
    LibrarySeeds();
    PropertySeeds();
    ParseIntSeeds();
    ThemeSeeds();
    return 0;
}
