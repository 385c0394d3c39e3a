// SPDX-License-Identifier: GPL-3.0-or-later
// Files for the hostile program folder test that the shell cannot write by itself:
//   hostile_e2e_helper library FOLDER/
//       writes the hostile library of the library tests into the folder (see HostileLibrary.h)
//   hostile_e2e_helper claimed-jpeg FILE WIDTH HEIGHT
//       writes a small whole JPEG whose frame header claims WIDTH x HEIGHT pixels

#include <turbojpeg.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "library/HostileLibrary.h"

namespace {

int ClaimedJpeg(const char* file, int width, int height) {
    constexpr int kSide = 16;
    const std::vector<unsigned char> pixels(kSide * kSide * 3, 0x80);
    const std::unique_ptr<void, int (*)(tjhandle)> encoder(tjInitCompress(), tjDestroy);
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    if (!encoder ||
        tjCompress2(encoder.get(), pixels.data(), kSide, 0, kSide, TJPF_RGB, &jpeg, &size, TJSAMP_444, 90, 0) != 0)
        return 1;
    std::string bytes(reinterpret_cast<const char*>(jpeg), size);
    tjFree(jpeg);
    // The baseline frame header: marker, length, precision, then height and width.
    const size_t frame = bytes.find("\xFF\xC0");
    if (frame == std::string::npos)
        return 1;
    bytes[frame + 5] = char(height >> 8), bytes[frame + 6] = char(height);
    bytes[frame + 7] = char(width >> 8), bytes[frame + 8] = char(width);
    std::ofstream out(file, std::ios::binary);
    out << bytes;
    return out ? 0 : 1;
}

}   // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "library") == 0) {
        HostileLibrary::Write(argv[2]);
        return 0;
    }
    if (argc == 5 && std::strcmp(argv[1], "claimed-jpeg") == 0)
        return ClaimedJpeg(argv[2], std::atoi(argv[3]), std::atoi(argv[4]));
    std::fprintf(stderr, "usage: hostile_e2e_helper library FOLDER/ | claimed-jpeg FILE WIDTH HEIGHT\n");
    return 2;
}
