// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built tessiva-pack on a scratch program folder, as the sample-library build does.

#include <gtest/gtest.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <turbojpeg.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>

#include "foundation/NibbleSwap.h"
#include "support/TempFolder.h"
#include "library/HostileLibrary.h"

extern char** environ;

namespace {

struct Result {
    int status = -1;
    std::string out, err;
};

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A 2 x 2 pixel, 24-bit BMP: small enough to spell out, and decodable by any image loader.
std::string TinyBitmap(uint8_t blue) {
    const unsigned char header[54] = {
        'B', 'M', 70, 0, 0,    0,    0, 0, 0,    0,    54, 0, 0, 0,                      // file header
        40,  0,   0,  0, 2,    0,    0, 0, 2,    0,    0,  0, 1, 0, 24, 0, 0, 0, 0, 0,   // info header
        16,  0,   0,  0, 0x13, 0x0B, 0, 0, 0x13, 0x0B, 0,  0, 0, 0, 0,  0, 0, 0, 0, 0,
    };
    std::string bytes(reinterpret_cast<const char*>(header), sizeof header);
    for (int row = 0; row < 2; ++row)
        bytes += std::string{static_cast<char>(blue), 0, 0, static_cast<char>(blue), 0, 0, 0, 0};
    return bytes;
}

uint32_t Crc32(const std::string& bytes) {
    uint32_t crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= static_cast<uint8_t>(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

std::string BigEndian(uint32_t value) {
    return {static_cast<char>(value >> 24), static_cast<char>(value >> 16), static_cast<char>(value >> 8),
            static_cast<char>(value)};
}

std::string PngChunk(const std::string& type, const std::string& data) {
    return BigEndian(static_cast<uint32_t>(data.size())) + type + data + BigEndian(Crc32(type + data));
}

// A well-formed PNG of a few dozen bytes whose header claims 30000 x 30000 pixels: decoding it
// would take 3.5 GB before its data ran out.
std::string HeaderBombPng() {
    const std::string header = BigEndian(30000) + BigEndian(30000) + std::string("\x08\x02\x00\x00\x00", 5);
    const std::string emptyZlib("\x78\x9C\x03\x00\x00\x00\x00\x01", 8);
    return std::string("\x89PNG\r\n\x1A\n", 8) + PngChunk("IHDR", header) + PngChunk("IDAT", emptyZlib) +
           PngChunk("IEND", "");
}

// A 64 x 64 JPEG of a gradient, whole.
std::string SmallJpeg() {
    constexpr int kSide = 64;
    std::vector<unsigned char> pixels(kSide * kSide * 3);
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<unsigned char>(i * 7);
    const std::unique_ptr<void, int (*)(tjhandle)> encoder(tjInitCompress(), tjDestroy);
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    if (!encoder ||
        tjCompress2(encoder.get(), pixels.data(), kSide, 0, kSide, TJPF_RGB, &jpeg, &size, TJSAMP_420, 90, 0) != 0)
        return {};
    std::string bytes(reinterpret_cast<const char*>(jpeg), size);
    tjFree(jpeg);
    return bytes;
}

class PackToolTest : public ::testing::Test {
protected:
    // launcher: a command that runs the tool, such as one that changes the user first.
    Result Run(const std::vector<std::string>& args, const std::vector<std::string>& launcher = {}) {
        const std::string tool = TESSIVA_DIST_DIR "/tessiva-pack";
        std::vector<std::string> command = launcher;
        command.push_back(tool);
        command.insert(command.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (const std::string& arg : command)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        const std::string outPath = scratch.path + "out", errPath = scratch.path + "err";
        posix_spawn_file_actions_t files;
        posix_spawn_file_actions_init(&files);
        posix_spawn_file_actions_addopen(&files, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&files, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        pid_t child = 0;
        Result result;
        if (posix_spawnp(&child, argv[0], &files, nullptr, argv.data(), environ) == 0) {
            int status = 0;
            waitpid(child, &status, 0);
            result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        posix_spawn_file_actions_destroy(&files);
        result.out = ReadAll(outPath);
        result.err = ReadAll(errPath);
        return result;
    }

    // Every file under the library folder with its bytes, to prove a refused command left it alone.
    std::map<std::string, std::string> Snapshot() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(library.path))
            files[entry.path().string()] = entry.is_regular_file() ? ReadAll(entry.path().string()) : "<dir>";
        return files;
    }

    std::string Picture(const std::string& name, uint8_t blue) const { return pictures.Write(name, TinyBitmap(blue)); }

    TempFolder library, pictures, scratch;
};

}   // namespace

TEST_F(PackToolTest, AddedCategoriesAndPacksAreWhatTheGameLoads) {
    const std::string a = Picture("a.bmp", 0xFF), b = Picture("b.bmp", 0x80);
    ASSERT_EQ(Run({"add-category", library.path, "3", "Birds"}).status, 0);
    ASSERT_EQ(Run({"add-category", library.path, "1", "Caf\xC3\xA9 \"Q\\\""}).status, 0);
    const Result seven = Run({"add-pack", library.path, "--id", "7", "--name", "Seven", "--category", "3", a, b});
    ASSERT_EQ(seven.status, 0) << seven.err;
    ASSERT_EQ(Run({"add-pack", library.path, "--category", "1", "--name", "Eight", "--id", "8", b}).status, 0);
    // Something the game skips, to show the reasons.
    library.Write("news.ctg", "not a category");
    std::string lost = "Name=Lost\r\nPuzzles=2,99\r\n";
    NibbleSwapBytes(lost);
    library.Write("9.pck", lost);

    EXPECT_EQ(ReadAll(library.path + "Puzzles/00000002.jpg"), TinyBitmap(0x80));
    const std::string expected = R"j({"categories":[{"id":3,"name":"Birds","puzzles":[1,2]},{"id":1,"name":"Caf)j"
                                 "\xC3\xA9"
                                 R"j( \"Q\\\"","puzzles":[3]}],)j"
                                 R"j("packs":[{"id":7,"name":"Seven","file":"7.pck","puzzleIds":[1,2]},)j"
                                 R"j({"id":8,"name":"Eight","file":"8.pck","puzzleIds":[3]},)j"
                                 R"j({"id":9,"name":"Lost","file":"9.pck","puzzleIds":[2,99]}],)j"
                                 R"j("puzzles":[{"id":1,"categoryId":3,"picture":"Puzzles/00000001.jpg"},)j"
                                 R"j({"id":2,"categoryId":3,"picture":"Puzzles/00000002.jpg"},)j"
                                 R"j({"id":3,"categoryId":1,"picture":"Puzzles/00000003.jpg"}],)j"
                                 R"j("skipped":[{"file":"news.ctg","reason":"Util::ParseInt (194)"},)j"
                                 R"j({"puzzle":99,"reason":"Puzzle::ReadPuzzle (65)","files":[]}],"unusable":[]})j"
                                 "\n";
    const Result list = Run({"list", "--json", library.path});
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(list.out, expected);

    // The next pack continues after the highest id any pack lists (99), not only after the files.
    ASSERT_EQ(Run({"add-pack", library.path, "--id", "10", "--name", "Ten", "--category", "3", a}).status, 0);
    EXPECT_TRUE(std::filesystem::exists(library.path + "Puzzles/00000100.dat"));
    const Result text = Run({"list", library.path});
    EXPECT_EQ(text.status, 0);
    EXPECT_NE(text.out.find("  10  Ten  (10.pck)  puzzles: 100\n"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("  news.ctg: Util::ParseInt (194)\n"), std::string::npos) << text.out;
}

TEST_F(PackToolTest, BadInputIsRefusedWithStatus2AndChangesNothing) {
    const std::string good = Picture("good.bmp", 0xFF);
    const std::string bad = pictures.Write("bad.jpg", "not a picture");
    const std::string jpeg = SmallJpeg();
    ASSERT_FALSE(jpeg.empty());
    const std::string truncated = pictures.Write("truncated.jpg", jpeg.substr(0, jpeg.size() / 2));
    const std::string bomb = pictures.Write("bomb.png", HeaderBombPng());
    const std::string empty = pictures.Write("empty.jpg", "");
    const std::string fifo = pictures.path + "fifo.jpg";   // would block a reader for ever
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    ASSERT_EQ(Run({"add-category", library.path, "3", "Birds"}).status, 0);
    ASSERT_EQ(Run({"add-pack", library.path, "--id", "7", "--name", "Seven", "--category", "3", good}).status, 0);
    const auto before = Snapshot();

    const std::vector<std::vector<std::string>> refused = {
        {"add-pack", library.path, "--id", "8", "--name", "Eight", "--category", "4", good},   // no category 4
        {"add-pack", library.path, "--id", "8", "--name", "Eight", "--category", "3", good, bad},
        {"add-pack", library.path, "--id", "8", "--name", "Eight", "--category", "3", pictures.path + "none.png"},
        // Pictures the game refuses, checked as the game reads them and before any decode.
        {"add-pack", library.path, "--id", "8", "--name", "Eight", "--category", "3", truncated},
        {"add-pack", library.path, "--id", "8", "--name", "Eight", "--category", "3", bomb},
        {"add-pack", library.path, "--id", "8", "--name", "Eight", "--category", "3", empty},
        {"add-pack", library.path, "--id", "8", "--name", "Eight", "--category", "3", fifo},
        {"add-pack", library.path, "--id", "8", "--name", "Eight", "--category", "3", pictures.path},
        {"add-pack", library.path, "--id", "7", "--name", "Again", "--category", "3", good},   // pack 7 exists
        {"add-pack", library.path, "--id", "8", "--name", "Two\nlines", "--category", "3", good},
        {"add-pack", library.path, "--id", "8", "--name", "Puzzles=1", "--category", "3", good},
        {"add-pack", library.path, "--id", "x8", "--name", "Eight", "--category", "3", good},
        {"add-pack", library.path, "--id", "8", "--name", "Eight", "--category", "-3", good},
        {"add-pack", library.path, "--id", "2147483648", "--name", "Eight", "--category", "3", good},
        {"add-pack", library.path, "--id", "8", "--name", "Eight", "--category", "3"},   // no picture
        {"add-pack", library.path, "--id", "8", "--category", "3", good},                // no name
        {"add-pack", library.path, "--id", "8", "--id", "9", "--name", "E", "--category", "3", good},
        {"add-pack", library.path, "--colour", "red", "--id", "8", "--name", "E", "--category", "3", good},
        {"add-pack", library.path + "missing/", "--id", "8", "--name", "E", "--category", "3", good},
        {"add-category", library.path, "3", "Birds again"},    // exists
        {"add-category", library.path, "03", "Birds again"},   // same id
        {"add-category", library.path, "4", "Cr\rlf"},
        {"add-category", library.path, "4", ""},
        {"add-category", library.path, "4"},
        {"list", "--json", library.path, library.path},
        {"decode"},
        {"frobnicate"},
        {},
    };
    for (const auto& args : refused) {
        std::string shown;
        for (const std::string& arg : args)
            shown += arg + " ";
        const Result result = Run(args);
        EXPECT_EQ(result.status, 2) << shown;
        EXPECT_TRUE(result.err.rfind("tessiva-pack: ", 0) == 0 || result.err.rfind("usage: ", 0) == 0)
            << shown << ": " << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), result.err.rfind("usage: ", 0) == 0 ? 5 : 1)
            << shown << ": " << result.err;
    }
    EXPECT_EQ(Snapshot(), before);

    // The whole JPEG that the truncated one was cut from is taken.
    const Result whole = Run({"add-pack", library.path, "--id", "8", "--name", "Eight", "--category", "3",
                              pictures.Write("whole.jpg", jpeg)});
    EXPECT_EQ(whole.status, 0) << whole.err;
}

// The list shows what the game loads from a hostile folder, with the size refusal's location
// text and each failed puzzle once with its files, and the pictures that the game cannot show.
TEST_F(PackToolTest, ListShowsWhatTheGameSkipsInAHostileFolder) {
    HostileLibrary::Write(library.path);
    const Result json = Run({"list", "--json", library.path});
    ASSERT_EQ(json.status, 0) << json.err;
    const auto count = [&](const std::string& text) {
        size_t found = 0;
        for (size_t at = json.out.find(text); at != std::string::npos; at = json.out.find(text, at + 1))
            ++found;
        return found;
    };
    EXPECT_EQ(count(R"j({"file":"2.ctg","reason":"Util::ReadFileAscii (74)"})j"), 1u);
    EXPECT_EQ(count(R"j({"file":"9.pck","reason":"Util::ReadFileAscii (74)"})j"), 1u);
    EXPECT_EQ(count(R"j({"puzzle":4,"reason":"Util::ReadFileAscii (74)","files":[)j"
                    R"j({"name":"Puzzles/00000004.dat","plainFile":true},)j"
                    R"j({"name":"Puzzles/00000004.jpg","plainFile":true}]})j"),
              1u);
    EXPECT_EQ(count(R"j({"puzzle":5,"reason":"Puzzle::ReadPuzzle (65)","files":[)j"
                    R"j({"name":"Puzzles/00000005.dat","plainFile":true},)j"
                    R"j({"name":"Puzzles/00000005.jpg","plainFile":false}]})j"),
              1u);
    EXPECT_EQ(count(R"j({"puzzle":9,"reason":"Puzzle::ReadPuzzle (65)","files":[]})j"), 1u);
    EXPECT_EQ(
        count(R"j("unusable":[)j"
              R"j({"puzzle":1,"file":"Puzzles/00000001.jpg","reason":"unknown format, truncated or corrupt"},)j"
              R"j({"puzzle":2,"file":"Puzzles/00000002.jpg","reason":"unknown format, truncated or corrupt"},)j"
              R"j({"puzzle":3,"file":"Puzzles/00000003.jpg","reason":"unknown format, truncated or corrupt"},)j"
              R"j({"puzzle":6,"file":"Puzzles/00000006.JPG","reason":"unknown format, truncated or corrupt"}]})j"),
        1u);
    EXPECT_EQ(count(R"j("reason":"Puzzle::ReadPuzzle (65)")j"), size_t(HostileLibrary::kMissingIds + 4));
    EXPECT_EQ(count(R"j("categories":[{"id":1,"name":"Hostile","puzzles":[1,2,3,6]}])j"), 1u);
    EXPECT_EQ(count(R"j({"id":6,"categoryId":1,"picture":"Puzzles/00000006.JPG"})j"), 1u);

    const Result text = Run({"list", library.path});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("\n  9.pck: Util::ReadFileAscii (74)\n"), std::string::npos);
    EXPECT_NE(text.out.find("\n  puzzle 5: Puzzle::ReadPuzzle (65)  files: Puzzles/00000005.dat, "
                            "Puzzles/00000005.jpg (not a plain file)\n"),
              std::string::npos);
    EXPECT_NE(text.out.find("\nUnusable files: 4\n"), std::string::npos);
    EXPECT_NE(text.out.find("\n  Puzzles/00000006.JPG (puzzle 6): unknown format, truncated or corrupt\n"),
              std::string::npos);
}

TEST_F(PackToolTest, AFailedWriteLeavesNothingBehind) {
    const std::string good = Picture("good.bmp", 0xFF);
    ASSERT_EQ(Run({"add-category", library.path, "3", "Birds"}).status, 0);
    library.Write("Puzzles", "a file where the puzzles folder belongs");
    const auto before = Snapshot();
    const Result result = Run({"add-pack", library.path, "--id", "7", "--name", "Seven", "--category", "3", good});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err.rfind("tessiva-pack: ", 0), 0u) << result.err;
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(PackToolTest, DecodeAndEncodeExchangeTheNibblesOfEveryByte) {
    const std::string plain = scratch.Write("plain.txt", "Name=");
    const Result encoded = Run({"encode", plain});
    EXPECT_EQ(encoded.status, 0);
    EXPECT_EQ(encoded.out, "\xE4\x16\xD6\x56\xD3");
    const std::string stored = scratch.Write("stored.ctg", encoded.out);
    EXPECT_EQ(Run({"decode", stored}).out, "Name=");
}

TEST_F(PackToolTest, HelpAndVersionGoToStandardOutput) {
    const Result help = Run({"help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: ", 0), 0u) << help.out;
    // The tool names its own program folder, where list reads without a folder.
    EXPECT_NE(help.out.find(std::filesystem::canonical(TESSIVA_DIST_DIR).string() + "/\n"), std::string::npos)
        << help.out;
    EXPECT_NE(help.out.find("sudo tessiva-pack add-pack /usr/lib/tessiva "), std::string::npos);
    EXPECT_EQ(Run({"--help"}).out, help.out);

    const Result version = Run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "tessiva-pack " TESSIVA_VERSION "\n");
    EXPECT_EQ(Run({"--version", "extra"}).status, 2);
}

// An installed library belongs to root: a player's add fails, says how to do it instead and
// leaves the folder as it was.
TEST_F(PackToolTest, ALibraryTheUserMayNotChangeIsRefusedWithTheWayOut) {
    std::vector<std::string> player;
    if (geteuid() == 0) {
        // Root may change any folder, so the tool runs as an ordinary user (nobody) instead.
        player = {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
        std::filesystem::permissions(library.path,
                                     std::filesystem::perms::owner_all | std::filesystem::perms::group_read |
                                         std::filesystem::perms::group_exec | std::filesystem::perms::others_read |
                                         std::filesystem::perms::others_exec);
    } else {
        std::filesystem::permissions(library.path,
                                     std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    }
    const auto before = Snapshot();
    const Result result = Run({"add-category", library.path, "3", "Birds"}, player);
    std::filesystem::permissions(library.path, std::filesystem::perms::owner_all);
    EXPECT_EQ(result.status, 1) << result.err;
    EXPECT_EQ(result.err.rfind("tessiva-pack: ", 0), 0u) << result.err;
    EXPECT_NE(result.err.find("an installed library is changed with sudo"), std::string::npos) << result.err;
    EXPECT_EQ(Snapshot(), before);
}
