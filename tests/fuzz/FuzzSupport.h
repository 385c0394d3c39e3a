// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the fuzz targets share: a check that stops the run, a scratch folder of the process's
// own, and the cutting of one input into several files.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

// Stops the run when the condition fails: libFuzzer keeps the input as a finding, and the
// replay test of the normal suite fails on it.
#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (false)

namespace Fuzz {

// A folder only this process uses, in memory when the machine offers /dev/shm, removed when
// the process ends normally. Ends in '/'.
const std::string& ScratchFolder();

// Writes the bytes to the path, replacing the file.
void WriteFile(const std::string& path, std::string_view bytes);

// Between the parts of an input that stands for several files.
inline constexpr std::string_view kSeparator = "\n--8<--\n";

// The input cut at each separator into at most `parts` pieces: the last piece runs to the end
// of the input, missing pieces are empty.
std::vector<std::string_view> SplitInput(const uint8_t* data, size_t size, size_t parts);

}   // namespace Fuzz
