// SPDX-License-Identifier: GPL-3.0-or-later
#include "gfx/detail/ImageDecoder.h"

#include <SDL.h>
#include <SDL_image.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

// libjpeg's own interface needs stdio first.
#include <jpeglib.h>
#include <jerror.h>

#include "foundation/UniqueHandle.h"
#include "gfx/Bitmap.h"

namespace Gdiplus::Detail {

namespace {

// A file larger than this is not read at all. The whole file is held while it decodes, so this
// bounds what a file named like a picture costs (a sparse gigabyte of zeros); compressed pictures
// within the size limits, camera and panorama pictures among them, stay far below it.
constexpr long kMaxFileBytes = 1L << 27;

// The most memory one decode may hold at once for pixels: the finished picture and what the
// decoder keeps while it works. A small file can claim a picture of any size; this keeps a
// picture the game can show from costing more than a fraction of a desktop's memory.
constexpr int64_t kDecodeBudget = int64_t(256) << 20;

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
uint32_t LittleEndian16(const uint8_t* p) { return uint32_t(p[0]) | (uint32_t(p[1]) << 8); }
uint32_t Read16(const uint8_t* p, bool little) { return little ? LittleEndian16(p) : (uint32_t(p[0]) << 8) | p[1]; }
uint32_t Read32(const uint8_t* p, bool little) { return little ? LittleEndian32(p) : BigEndian32(p); }

struct Format {
    const char* sdlType = nullptr;   // null: not a format we decode
    int64_t width = 0;
    int64_t height = 0;
    // What a decode holds per pixel at its peak: the decoder's picture (up to 4 bytes) beside
    // our 4-byte copy; TIFF's reader also keeps a whole strip of up to 16-bit samples.
    int64_t bytesPerPixel = 8;
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

// Reads the variable-width codes of a GIF frame's compressed data, least significant bit
// first across its sub-blocks.
class GifCodeReader {
public:
    GifCodeReader(const std::vector<uint8_t>& bytes, size_t firstBlock) : b(bytes), next(firstBlock) {}

    // The next code, or -1 where the data ends.
    int Read(int width) {
        int code = 0;
        for (int bit = 0; bit < width; ++bit) {
            if (bitsLeft == 0) {
                if (blockLeft == 0) {
                    if (next >= b.size() || b[next] == 0)
                        return -1;
                    blockLeft = b[next++];
                }
                if (next >= b.size())
                    return -1;
                current = b[next++];
                --blockLeft;
                bitsLeft = 8;
            }
            code |= (current & 1) << bit;
            current >>= 1;
            --bitsLeft;
        }
        return code;
    }

private:
    const std::vector<uint8_t>& b;
    size_t next;
    size_t blockLeft = 0;
    uint8_t current = 0;
    int bitsLeft = 0;
};

// SDL2_image's GIF reader trusts the compressed data: a code that names a table entry not made
// yet links entries into a loop, and following the loop runs its stack over the end of its
// buffer. Here each code is checked the way that reader builds its table: every code names an
// entry that exists (or the one about to be made), so each entry links only to earlier ones.
bool GifCodesSafe(const std::vector<uint8_t>& b, size_t firstBlock, int minimumCodeSize) {
    constexpr int kTableSize = 1 << 12;
    const int clear = 1 << minimumCodeSize, end = clear + 1;
    int width = minimumCodeSize + 1, nextEntry = clear + 2, widthLimit = 2 * clear;
    GifCodeReader reader(b, firstBlock);
    // The first code, and the one after each clear code, makes no entry; it must name a pixel
    // value, the clear or the end code.
    int code = 0;
    do {
        code = reader.Read(width);
    } while (code == clear);
    if (code < 0)
        return true;
    if (code >= nextEntry)
        return false;
    while ((code = reader.Read(width)) >= 0) {
        if (code == clear) {
            width = minimumCodeSize + 1, nextEntry = clear + 2, widthLimit = 2 * clear;
            code = reader.Read(width);
            if (code < 0)
                return true;
            if (code >= nextEntry)
                return false;
            continue;
        }
        if (code == end)
            return true;
        if (code > nextEntry)
            return false;
        if (nextEntry < kTableSize) {
            ++nextEntry;
            if (nextEntry >= widthLimit && widthLimit < kTableSize) {
                widthLimit *= 2;
                ++width;
            }
        }
    }
    return true;
}

// Follows the file as SDL2_image's GIF reader does: it passes over bytes that start no block
// and over extensions, gives up on a frame whose code size is above 12 bits and reads on, and
// decodes the first other frame, at the frame's own size. False when that reader would find no
// frame, a frame without pixels, or data that it cannot read safely.
bool PeekGif(const std::vector<uint8_t>& b, Format& f) {
    f.sdlType = "GIF";
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
        if (block == 0x3B)   // the trailer
            return false;
        if (block == 0x21) {   // extension: a label, then sub-blocks
            ++at;
            skipSubBlocks();
            continue;
        }
        if (block != 0x2C)
            continue;
        if (at + 9 > b.size())
            return false;
        const int64_t width = LittleEndian16(&b[at + 4]), height = LittleEndian16(&b[at + 6]);
        const uint8_t flags = b[at + 8];
        at += 9;
        skipColourTable(flags);
        if (at >= b.size())
            return false;
        const int codeSize = b[at++];
        if (codeSize > 12)
            continue;
        f.width = width;
        f.height = height;
        return width > 0 && height > 0 && GifCodesSafe(b, at, codeSize);
    }
    return false;
}

// Whether every chunk up to the end chunk lies inside the file. The PNG reader of SDL2_image
// does not notice a read past the end and goes on with the bytes it read before, which for a
// chunk running past the end repeats that chunk for ever.
bool PngChunksComplete(const std::vector<uint8_t>& b) {
    size_t at = 8;
    while (at + 12 <= b.size()) {
        const uint32_t length = BigEndian32(&b[at]);
        if (length > 0x7FFFFFFFu || length > b.size() - at - 12)
            return false;
        if (std::memcmp(&b[at + 4], "IEND", 4) == 0)
            return true;
        at += 12 + size_t(length);
    }
    return false;
}

// Recognises the format by its signature and reads the picture's size from its header.
bool Peek(const std::vector<uint8_t>& b, Format& f) {
    const size_t n = b.size();
    if (n >= 24 && std::memcmp(b.data(), "\x89PNG\r\n\x1a\n", 8) == 0 && std::memcmp(&b[12], "IHDR", 4) == 0) {
        f = {"PNG", BigEndian32(&b[16]), BigEndian32(&b[20])};
        return PngChunksComplete(b);
    }
    if (n >= 13 && (std::memcmp(b.data(), "GIF87a", 6) == 0 || std::memcmp(b.data(), "GIF89a", 6) == 0))
        return PeekGif(b, f);
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
        f.bytesPerPixel = 12;
        return PeekTiff(b, f);
    }
    return false;
}

bool IsJpeg(const std::vector<uint8_t>& b) { return b.size() >= 3 && b[0] == 0xFF && b[1] == 0xD8 && b[2] == 0xFF; }

// ---- JPEG, through libjpeg's own interface: unlike TurboJPEG's, it names every warning, so a
// warning after which nothing of the picture is missing can be told from lost data.

// libjpeg reports through this; the manager comes first, so the library's pointer to it is a
// pointer to the whole.
struct JpegErrors {
    jpeg_error_mgr manager{};
    std::jmp_buf jump{};
    Status status = UnknownImageFormat;   // the result when the decode jumps back
};

// Warnings after which the whole picture is still there: bytes between two segments that
// belong to neither (skipped), a JFIF version or Adobe transform code it does not know, odd
// scan parameters of a sequential file. Every other warning means data that ended early or
// could not be decoded (and so a picture partly filled with grey).
bool LosesNoPictureData(int code) {
    return code == JWRN_EXTRANEOUS_DATA || code == JWRN_JFIF_MAJOR || code == JWRN_ADOBE_XFORM ||
           code == JWRN_NOT_SEQUENTIAL;
}

[[noreturn]] void JumpBack(j_common_ptr info, Status status) {
    JpegErrors* errors = reinterpret_cast<JpegErrors*>(info->err);
    errors->status = status;
    std::longjmp(errors->jump, 1);
}

[[noreturn]] void OnJpegError(j_common_ptr info) {
    const int code = info->err->msg_code;
    JumpBack(info, code == JERR_OUT_OF_MEMORY || code == JERR_NO_BACKING_STORE ? OutOfMemory : UnknownImageFormat);
}

void OnJpegMessage(j_common_ptr info, int level) {
    // Level -1 is a warning; the others are traces.
    if (level < 0 && !LosesNoPictureData(info->err->msg_code))
        JumpBack(info, UnknownImageFormat);
}

// Each progressive scan is a pass over all of the picture's coefficients; pictures from real
// encoders have about ten, so a file with hundreds only costs time.
constexpr int kMaxJpegScans = 100;

void OnJpegProgress(j_common_ptr info) {
    if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxJpegScans)
        JumpBack(info, UnknownImageFormat);
}

// Everything libjpeg works on lives here, outside the function that sets the jump, so that
// nothing the jump returns to is left indeterminate.
struct JpegDecode {
    jpeg_decompress_struct info{};
    JpegErrors errors;
    jpeg_progress_mgr progress{};
    SurfacePtr surface;

    JpegDecode() = default;
    JpegDecode(const JpegDecode&) = delete;
    JpegDecode& operator=(const JpegDecode&) = delete;
    // Also right for a decompressor never created: it then holds no memory manager.
    ~JpegDecode() { jpeg_destroy_decompress(&info); }
};

bool Refuse(JpegDecode& d, Status status) {
    d.errors.status = status;
    return false;
}

// Points libjpeg's reports at the handlers above; the caller sets the jump.
void ReportTo(JpegDecode& d) {
    d.info.err = jpeg_std_error(&d.errors.manager);
    d.errors.manager.error_exit = OnJpegError;
    d.errors.manager.emit_message = OnJpegMessage;
}

// Reads the header alone, for the picture's size; false when it is refused, with the reason in
// d.errors.status.
bool RunJpegHeader(JpegDecode& d, const std::vector<uint8_t>& bytes) {
    ReportTo(d);
    if (setjmp(d.errors.jump))
        return false;
    jpeg_create_decompress(&d.info);
    jpeg_mem_src(&d.info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&d.info, TRUE);
    return (d.info.image_width > 0 && d.info.image_height > 0) || Refuse(d, UnknownImageFormat);
}

// Decodes into d.surface; false when the picture is refused, with the reason in
// d.errors.status.
bool RunJpeg(JpegDecode& d, const std::vector<uint8_t>& bytes, const Size& atLeast) {
    ReportTo(d);
    if (setjmp(d.errors.jump))
        return false;
    jpeg_create_decompress(&d.info);
    d.progress.progress_monitor = OnJpegProgress;
    d.info.progress = &d.progress;
    jpeg_mem_src(&d.info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&d.info, TRUE);
    const int64_t width = d.info.image_width, height = d.info.image_height;
    if (width <= 0 || height <= 0)
        return Refuse(d, UnknownImageFormat);
    if (!AcceptableSize(width, height))
        return Refuse(d, OutOfMemory);

    // The smallest of 1/8, 1/4, 1/2 that still covers the requested size; else full size.
    d.info.scale_num = d.info.scale_denom = 1;
    for (const int64_t denominator : {8, 4, 2}) {
        const int64_t w = (width + denominator - 1) / denominator, h = (height + denominator - 1) / denominator;
        if (w >= atLeast.Width && h >= atLeast.Height) {
            d.info.scale_denom = static_cast<unsigned int>(denominator);
            break;
        }
    }
    // cairo keeps each pixel as a native-endian 0xAARRGGBB word; JPEG pixels are opaque, so
    // premultiplied and straight alpha agree.
#if __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    d.info.out_color_space = JCS_EXT_BGRA;
#else
    d.info.out_color_space = JCS_EXT_ARGB;
#endif
    jpeg_calc_output_dimensions(&d.info);
    const int64_t pictureBytes = int64_t(d.info.output_width) * d.info.output_height * 4;
    if (pictureBytes >= kDecodeBudget)
        return Refuse(d, OutOfMemory);
    // What is left of the budget bounds libjpeg's own buffers (the coefficients of a
    // progressive picture); it refuses a picture that needs more. Never 0: that is no limit.
    d.info.mem->max_memory_to_use = static_cast<long>(kDecodeBudget - pictureBytes);

    d.surface.reset(
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, int(d.info.output_width), int(d.info.output_height)));
    if (cairo_surface_status(d.surface.get()) != CAIRO_STATUS_SUCCESS)
        return Refuse(d, OutOfMemory);
    cairo_surface_flush(d.surface.get());
    uint8_t* const pixels = cairo_image_surface_get_data(d.surface.get());
    const size_t stride = size_t(cairo_image_surface_get_stride(d.surface.get()));
    jpeg_start_decompress(&d.info);
    while (d.info.output_scanline < d.info.output_height) {
        JSAMPROW row = pixels + size_t(d.info.output_scanline) * stride;
        jpeg_read_scanlines(&d.info, &row, 1);
    }
    // Reads on to the end marker, so data that ends early is noticed here too.
    jpeg_finish_decompress(&d.info);
    cairo_surface_mark_dirty(d.surface.get());
    return true;
}

Status DecodeJpeg(const std::vector<uint8_t>& bytes, const Size& atLeast, SurfacePtr& out) {
    JpegDecode decode;
    if (!RunJpeg(decode, bytes, atLeast))
        return decode.errors.status;
    out = std::move(decode.surface);
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

}   // namespace

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
    JpegDecode header;
    if (!RunJpegHeader(header, bytes))
        return header.errors.status;
    size = Size(static_cast<int>(header.info.image_width), static_cast<int>(header.info.image_height));
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
    if (!AcceptableSize(format.width, format.height) ||
        format.width * format.height * format.bytesPerPixel >= kDecodeBudget)
        return OutOfMemory;
    return DecodeWithSdl(bytes, format, out);
}

}   // namespace Gdiplus::Detail
