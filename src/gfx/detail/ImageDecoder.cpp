#include "gfx/detail/ImageDecoder.h"

#include <SDL.h>
#include <SDL_image.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <turbojpeg.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "foundation/UniqueHandle.h"
#include "gfx/Bitmap.h"

namespace Gdiplus::Detail {

namespace {

// A file larger than this is not read at all. The whole file is held while it decodes, so this
// bounds what a file named like a picture costs (a sparse gigabyte of zeros); compressed pictures
// within the size limits, camera and panorama pictures among them, stay far below it.
constexpr long kMaxFileBytes = 1L << 27;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using SdlSurfacePtr = UniqueHandle<SDL_Surface, SDL_FreeSurface>;

Status ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes) {
    // Non-blocking, and plain files only: a FIFO named like a picture would otherwise hold the
    // opening until some writer came.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return FileNotFound;
    struct stat info {};
    std::FILE* stream = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) ? fdopen(fd, "rb") : nullptr;
    if (!stream) {
        close(fd);
        return FileNotFound;
    }
    std::unique_ptr<std::FILE, FileCloser> file(stream);
    if (std::fseek(file.get(), 0, SEEK_END) != 0)
        return GenericError;
    const long size = std::ftell(file.get());
    if (size < 0)
        return GenericError;
    if (size > kMaxFileBytes)
        return OutOfMemory;
    std::rewind(file.get());
    bytes.resize(size_t(size));
    if (size > 0 && std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
        return GenericError;
    return Ok;
}

uint32_t BigEndian32(const uint8_t* p) {
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}
uint32_t LittleEndian32(const uint8_t* p) {
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
uint32_t LittleEndian16(const uint8_t* p) {
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8);
}
uint32_t Read16(const uint8_t* p, bool little) {
    return little ? LittleEndian16(p) : (uint32_t(p[0]) << 8) | p[1];
}
uint32_t Read32(const uint8_t* p, bool little) {
    return little ? LittleEndian32(p) : BigEndian32(p);
}

struct Format {
    const char* sdlType = nullptr;   // null: not a format we decode
    int64_t width = 0;
    int64_t height = 0;
};

// The first IFD's ImageWidth and ImageLength tags.
bool PeekTiff(const std::vector<uint8_t>& b, Format& f) {
    const bool little = b[0] == 'I';
    const uint32_t ifd = Read32(&b[4], little);
    if (size_t(ifd) + 2 > b.size())
        return false;
    const uint32_t entries = Read16(&b[ifd], little);
    for (uint32_t i = 0; i < entries; ++i) {
        const size_t at = size_t(ifd) + 2 + size_t(i) * 12;
        if (at + 12 > b.size())
            return false;
        const uint32_t tag = Read16(&b[at], little), type = Read16(&b[at + 2], little);
        const uint32_t value = type == 3 ? Read16(&b[at + 8], little) : Read32(&b[at + 8], little);
        if (tag == 256)
            f.width = value;
        else if (tag == 257)
            f.height = value;
    }
    return f.width > 0 && f.height > 0;
}

// The logical screen widened to the size of every frame: the decoder allocates for a frame
// at its own size, which may be far larger than the screen the header claims.
void PeekGif(const std::vector<uint8_t>& b, Format& f) {
    f = {"GIF", LittleEndian16(&b[6]), LittleEndian16(&b[8])};
    size_t at = 13;
    auto skipColourTable = [&](uint8_t flags) {
        if (flags & 0x80)
            at += size_t(3) << ((flags & 7) + 1);
    };
    auto skipSubBlocks = [&] {
        while (at < b.size() && b[at] != 0)
            at += size_t(b[at]) + 1;
        ++at;
    };
    skipColourTable(b[10]);
    while (at < b.size()) {
        const uint8_t block = b[at++];
        if (block == 0x21) {   // extension: a label, then sub-blocks
            ++at;
            skipSubBlocks();
        } else if (block == 0x2C && at + 9 <= b.size()) {   // image descriptor
            f.width = std::max<int64_t>(f.width, LittleEndian16(&b[at + 4]));
            f.height = std::max<int64_t>(f.height, LittleEndian16(&b[at + 6]));
            const uint8_t flags = b[at + 8];
            at += 9;
            skipColourTable(flags);
            ++at;   // the LZW code size
            skipSubBlocks();
        } else {
            return;   // the trailer, or data the decoder refuses on its own
        }
    }
}

// Recognises the format by its signature and reads the picture's size from its header.
bool Peek(const std::vector<uint8_t>& b, Format& f) {
    const size_t n = b.size();
    if (n >= 24 && std::memcmp(b.data(), "\x89PNG\r\n\x1a\n", 8) == 0 && std::memcmp(&b[12], "IHDR", 4) == 0) {
        f = {"PNG", BigEndian32(&b[16]), BigEndian32(&b[20])};
        return true;
    }
    if (n >= 13 && (std::memcmp(b.data(), "GIF87a", 6) == 0 || std::memcmp(b.data(), "GIF89a", 6) == 0)) {
        PeekGif(b, f);
        return true;
    }
    if (n >= 26 && b[0] == 'B' && b[1] == 'M') {
        const uint32_t header = LittleEndian32(&b[14]);
        if (header == 12) {
            f = {"BMP", LittleEndian16(&b[18]), LittleEndian16(&b[20])};
        } else {
            const int32_t h = int32_t(LittleEndian32(&b[22]));
            f = {"BMP", int32_t(LittleEndian32(&b[18])), h < 0 ? -int64_t(h) : int64_t(h)};
        }
        return true;
    }
    if (n >= 30 && std::memcmp(b.data(), "RIFF", 4) == 0 && std::memcmp(&b[8], "WEBP", 4) == 0) {
        f.sdlType = "WEBP";
        if (std::memcmp(&b[12], "VP8X", 4) == 0) {
            f.width = 1 + (int64_t(b[24]) | int64_t(b[25]) << 8 | int64_t(b[26]) << 16);
            f.height = 1 + (int64_t(b[27]) | int64_t(b[28]) << 8 | int64_t(b[29]) << 16);
        } else if (std::memcmp(&b[12], "VP8L", 4) == 0 && n >= 25) {
            const uint32_t bits = LittleEndian32(&b[21]);
            f.width = 1 + (bits & 0x3FFF);
            f.height = 1 + ((bits >> 14) & 0x3FFF);
        } else if (std::memcmp(&b[12], "VP8 ", 4) == 0) {
            f.width = LittleEndian16(&b[26]) & 0x3FFF;
            f.height = LittleEndian16(&b[28]) & 0x3FFF;
        } else {
            return false;
        }
        return true;
    }
    if (n >= 8 && ((b[0] == 'I' && b[1] == 'I' && b[2] == 42 && b[3] == 0) ||
                   (b[0] == 'M' && b[1] == 'M' && b[2] == 0 && b[3] == 42))) {
        f.sdlType = "TIF";
        return PeekTiff(b, f);
    }
    return false;
}

bool IsJpeg(const std::vector<uint8_t>& b) {
    return b.size() >= 3 && b[0] == 0xFF && b[1] == 0xD8 && b[2] == 0xFF;
}

using TurboJpegPtr = UniqueHandle<void, tjDestroy>;

// A decompressor for the JPEG's bytes, and the picture's size from its header.
Status ReadJpegHeader(const std::vector<uint8_t>& bytes, TurboJpegPtr& handle, int& width, int& height) {
    handle.reset(tjInitDecompress());
    if (!handle)
        return OutOfMemory;
    int subsampling = 0, colorspace = 0;
    if (tjDecompressHeader3(handle.get(), bytes.data(), static_cast<unsigned long>(bytes.size()), &width,
                            &height, &subsampling, &colorspace) != 0)
        return UnknownImageFormat;
    return width > 0 && height > 0 ? Ok : UnknownImageFormat;
}

Status DecodeJpeg(const std::vector<uint8_t>& bytes, const Size& atLeast, SurfacePtr& out) {
    TurboJpegPtr handle;
    int width = 0, height = 0;
    if (const Status header = ReadJpegHeader(bytes, handle, width, height); header != Ok)
        return header;
    if (!AcceptableSize(width, height))
        return OutOfMemory;

    // The smallest of 1/8, 1/4, 1/2 that still covers the requested size; else full size.
    int scaledWidth = width, scaledHeight = height;
    for (int denominator : {8, 4, 2}) {
        const tjscalingfactor factor{1, denominator};
        const int w = TJSCALED(width, factor), h = TJSCALED(height, factor);
        if (w >= atLeast.Width && h >= atLeast.Height) {
            scaledWidth = w, scaledHeight = h;
            break;
        }
    }

    SurfacePtr surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, scaledWidth, scaledHeight));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
        return OutOfMemory;
    cairo_surface_flush(surface.get());
    // cairo keeps each pixel as a native-endian 0xAARRGGBB word; JPEG pixels are opaque, so
    // premultiplied and straight alpha agree.
#if __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    const int pixelFormat = TJPF_BGRA;
#else
    const int pixelFormat = TJPF_ARGB;
#endif
    // Any problem, also a warning such as a truncated file, fails the decode: a half-grey
    // picture is not a picture.
    if (tjDecompress2(handle.get(), bytes.data(), static_cast<unsigned long>(bytes.size()),
                      cairo_image_surface_get_data(surface.get()), scaledWidth,
                      cairo_image_surface_get_stride(surface.get()), scaledHeight, pixelFormat,
                      TJFLAG_STOPONWARNING) != 0)
        return UnknownImageFormat;
    cairo_surface_mark_dirty(surface.get());
    out = std::move(surface);
    return Ok;
}

Status DecodeWithSdl(const std::vector<uint8_t>& bytes, const Format& format, SurfacePtr& out) {
    SDL_RWops* stream = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    if (!stream)
        return OutOfMemory;
    SdlSurfacePtr loaded(IMG_LoadTyped_RW(stream, 1, format.sdlType));
    if (!loaded)
        return UnknownImageFormat;
    if (!AcceptableSize(loaded->w, loaded->h) || loaded->w <= 0 || loaded->h <= 0)
        return OutOfMemory;
    SdlSurfacePtr argb(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    if (!argb)
        return OutOfMemory;
    loaded.reset();

    SurfacePtr surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, argb->w, argb->h));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
        return OutOfMemory;
    cairo_surface_flush(surface.get());
    // SDL's ARGB8888 is the same native-endian word as cairo's, with straight alpha.
    if (SDL_PremultiplyAlpha(argb->w, argb->h, SDL_PIXELFORMAT_ARGB8888, argb->pixels, argb->pitch,
                             SDL_PIXELFORMAT_ARGB8888, cairo_image_surface_get_data(surface.get()),
                             cairo_image_surface_get_stride(surface.get())) != 0)
        return GenericError;
    cairo_surface_mark_dirty(surface.get());
    out = std::move(surface);
    return Ok;
}

}  // namespace

bool AcceptableSize(int64_t width, int64_t height) {
    return width <= Bitmap::kMaxSide && height <= Bitmap::kMaxSide && width * height <= Bitmap::kMaxPixels;
}

Status ReadJpegFileSize(const std::string& path, Size& size) {
    std::vector<uint8_t> bytes;
    const Status read = ReadWholeFile(path, bytes);
    if (read != Ok)
        return read;
    if (!IsJpeg(bytes))
        return UnknownImageFormat;
    TurboJpegPtr handle;
    int width = 0, height = 0;
    if (const Status header = ReadJpegHeader(bytes, handle, width, height); header != Ok)
        return header;
    size = Size(width, height);
    return Ok;
}

Status DecodeImageFile(const std::string& path, const Size& atLeast, SurfacePtr& out) {
    std::vector<uint8_t> bytes;
    const Status read = ReadWholeFile(path, bytes);
    if (read != Ok)
        return read;
    if (IsJpeg(bytes))
        return DecodeJpeg(bytes, atLeast, out);
    Format format;
    if (!Peek(bytes, format) || !format.sdlType || format.width <= 0 || format.height <= 0)
        return UnknownImageFormat;
    if (!AcceptableSize(format.width, format.height))
        return OutOfMemory;
    return DecodeWithSdl(bytes, format, out);
}

}  // namespace Gdiplus::Detail
