// SPDX-License-Identifier: GPL-3.0-or-later
#include "JpegFile.h"

#include <turbojpeg.h>

#include <bit>
#include <fstream>
#include <stdexcept>

#include "foundation/UniqueHandle.h"

namespace JpegFile {

void Write(const Canvas& canvas, const std::string& path, int32_t quality) {
    // The canvas holds native-endian 0xAARRGGBB words: bytes B, G, R, A on this machine.
    static_assert(std::endian::native == std::endian::little, "pixel layout assumes a little-endian machine");
    UniqueHandle<void, tjDestroy> handle(tjInitCompress());
    if (!handle)
        throw std::runtime_error("cannot start the JPEG encoder");
    unsigned char* raw = nullptr;
    unsigned long size = 0;
    const int status = tjCompress2(handle.get(), canvas.Data(), canvas.Width(), canvas.Stride(), canvas.Height(),
                                   TJPF_BGRA, &raw, &size, TJSAMP_420, quality, TJFLAG_ACCURATEDCT);
    UniqueHandle<unsigned char, tjFree> buffer(raw);
    if (status != 0)
        throw std::runtime_error(std::string("cannot encode ") + path + ": " + tjGetErrorStr2(handle.get()));
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(buffer.get()), static_cast<std::streamsize>(size));
    file.close();
    if (!file)
        throw std::runtime_error("cannot write " + path);
}

}   // namespace JpegFile
