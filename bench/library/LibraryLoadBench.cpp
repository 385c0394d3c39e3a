// Loading a large library: 100,000 puzzles in 10 packs and 20 categories.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "foundation/NibbleSwap.h"
#include "library/Category.h"
#include "library/Pack.h"
#include "library/Puzzle.h"

namespace {

constexpr int kPuzzles = 100'000;
constexpr int kPacks = 10;
constexpr int kCategories = 20;

void WriteFile(const std::string& path, std::string bytes, bool swap) {
    if (swap)
        NibbleSwapBytes(bytes);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        throw std::runtime_error("cannot write " + path);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

// The generated program folder, made once and removed when the benchmark ends. It lives in
// memory when it can: creating 200,000 files on disk takes a minute, while reading them back
// costs the same from either once they are cached.
class LargeLibrary {
public:
    LargeLibrary() {
        const std::filesystem::path base =
            std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
        std::string pattern = (base / "tessiva-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        folder = pattern + "/";
        std::filesystem::create_directory(folder + "Puzzles");
        for (int c = 1; c <= kCategories; ++c)
            WriteFile(folder + std::to_string(c) + ".ctg", "Name=Category " + std::to_string(c) + "\r\n", true);
        const int perPack = kPuzzles / kPacks;
        for (int p = 0; p < kPacks; ++p) {
            std::string list;
            for (int id = p * perPack + 1; id <= (p + 1) * perPack; ++id) {
                if (!list.empty())
                    list += ',';
                list += std::to_string(id);
                const std::string base = folder + "Puzzles/" + Puzzle::BaseName(id);
                WriteFile(base + ".dat", "Category=" + std::to_string(id % kCategories + 1) + "\r\n", true);
                WriteFile(base + ".jpg", "", false);
            }
            WriteFile(folder + std::to_string(p + 1) + ".pck",
                      "Name=Pack " + std::to_string(p + 1) + "\r\nPuzzles=" + list + "\r\n", true);
        }
    }
    ~LargeLibrary() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    std::string folder;
};

void BM_LoadLibrary(benchmark::State& state) {
    static LargeLibrary library;
    for (auto _ : state) {
        Puzzle::ClearPuzzleList();
        Category::ScanCategories(library.folder);
        Pack::ScanPacks(library.folder);
        Puzzle::ReadAllPuzzles(library.folder + "Puzzles/");
        if (PuzzleList().size() != kPuzzles)
            state.SkipWithError("not every puzzle loaded");
    }
    state.counters["puzzles"] = static_cast<double>(PuzzleList().size());
}
BENCHMARK(BM_LoadLibrary)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
