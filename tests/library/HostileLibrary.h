// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A program folder made to hurt the library's readers: huge and sparse files, a FIFO, link
// loops, a pack of 100,000 missing ids, ids that overflow, one missing id listed five million
// times, and pictures that no decoder takes (the library does not open pictures, so they load).

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "foundation/NibbleSwap.h"
#include "support/TempFolder.h"

namespace HostileLibrary {

inline void WriteLibraryFile(const std::string& root, const std::string& name, std::string text) {
    NibbleSwapBytes(text);
    TempFolder::WriteUnder(root, name, text);
}

inline void WriteSparse(const std::string& root, const std::string& name, uintmax_t size) {
    std::filesystem::resize_file(TempFolder::WriteUnder(root, name, ""), size);
}

constexpr int kMissingIds = 100'000;   // 1000 to 100999, listed by 5.pck
constexpr int kRepeats = 5'000'000;    // how often 7.pck lists the missing id 9

// What the game loads from it: category 1 "Hostile"; packs 5, 6, 7 and 8; puzzles 1, 2, 3 and
// 6 (6 spelled "00000006.JPG"). Skipped: 2.ctg (74), 3.ctg (72), 4.pck (72), 9.pck (74); the
// puzzles 1000 to 100999, 1215752191, 2147483647, 9 and 5 (65), and 4 (74).
inline void Write(const std::string& root) {   // root ends in '/'
    WriteLibraryFile(root, "1.ctg", "Name=Hostile\r\n");
    WriteSparse(root, "2.ctg", uintmax_t(5) << 29);   // 2.5 GB
    std::filesystem::create_symlink("3.ctg", root + "3.ctg");
    mkfifo((root + "4.pck").c_str(), 0600);
    std::string ids;
    for (int id = 1000; id < 1000 + kMissingIds; ++id)
        ids += std::to_string(id) + ",";
    WriteLibraryFile(root, "5.pck", "Name=Missing\r\nPuzzles=" + ids + "\r\n");
    // They wrap to 1215752191, 1 and 2147483647.
    WriteLibraryFile(root, "6.pck", "Name=Overflow\r\nPuzzles=99999999999,4294967297,-2147483649\r\n");
    std::string repeated;
    repeated.reserve(2 * kRepeats);
    for (int i = 0; i < kRepeats; ++i)
        repeated += "9,";
    WriteLibraryFile(root, "7.pck", "Name=Repeated\r\nPuzzles=" + repeated + "\r\n");
    WriteLibraryFile(root, "8.pck", "Name=Pictures\r\nPuzzles=1,2,3,4,5,6,9\r\n");
    WriteSparse(root, "9.pck", (uintmax_t(16) << 20) + 1);

    const std::string datText = "Category=1\r\n";
    for (const char* base : {"00000001", "00000002", "00000003", "00000005"})
        WriteLibraryFile(root, std::string("Puzzles/") + base + ".dat", datText);
    // A JPEG cut off after its start, an empty picture, and a frame header claiming
    // 60000 x 60000 pixels.
    TempFolder::WriteUnder(root, "Puzzles/00000001.jpg", std::string("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10));
    TempFolder::WriteUnder(root, "Puzzles/00000002.jpg", "");
    TempFolder::WriteUnder(
        root, "Puzzles/00000003.jpg",
        std::string("\xFF\xD8\xFF\xC0\x00\x11\x08\xEA\x60\xEA\x60\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01"
                    "\xFF\xD9",
                    23));
    TempFolder::WriteUnder(root, "Puzzles/00000004.jpg", "x");
    WriteSparse(root, "Puzzles/00000004.dat", uintmax_t(200) << 20);
    std::filesystem::create_symlink("00000005.jpg", root + "Puzzles/00000005.jpg");
    TempFolder::WriteUnder(root, "Puzzles/00000006.JPG", "x");
    WriteLibraryFile(root, "Puzzles/00000006.DAT", datText);
    std::filesystem::create_symlink("loop-b", root + "Puzzles/loop-a");
    std::filesystem::create_symlink("loop-a", root + "Puzzles/loop-b");
}

}   // namespace HostileLibrary
