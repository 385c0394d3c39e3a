// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a large library: 100,000 puzzles in 10 packs and 20 categories; and loading a
// hostile one, whose files are huge, looped, missing or listed millions of times.

#include <benchmark/benchmark.h>

#include <string>

#include "BenchFiles.h"
#include "library/HostileLibrary.h"
#include "library/Category.h"
#include "library/Pack.h"
#include "library/Puzzle.h"

namespace {

constexpr int kPuzzles = 100'000;
constexpr int kPacks = 10;
constexpr int kCategories = 20;

using BenchFiles::WriteFile;

// The generated program folder, made once and removed when the benchmark ends.
class LargeLibrary {
public:
    LargeLibrary() {
        const std::string& folder = scratch.path;
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

    BenchFiles::ScratchFolder scratch;
};

void BM_LoadLibrary(benchmark::State& state) {
    static LargeLibrary library;
    for (auto _ : state) {
        Puzzle::ClearPuzzleList();
        Category::ScanCategories(library.scratch.path);
        Pack::ScanPacks(library.scratch.path);
        Puzzle::ReadAllPuzzles(library.scratch.path + "Puzzles/");
        if (PuzzleList().size() != kPuzzles)
            state.SkipWithError("not every puzzle loaded");
    }
    state.counters["puzzles"] = static_cast<double>(PuzzleList().size());
}
BENCHMARK(BM_LoadLibrary)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_LoadHostileLibrary(benchmark::State& state) {
    static const TempFolder folder;
    static const bool written = (HostileLibrary::Write(folder.path), true);
    (void)written;
    for (auto _ : state) {
        Puzzle::ClearPuzzleList();
        Category::ScanCategories(folder.path);
        Pack::ScanPacks(folder.path);
        Puzzle::ReadAllPuzzles(folder.path + "Puzzles/");
        if (PuzzleList().size() != 4)
            state.SkipWithError("the hostile library did not load as expected");
    }
}
BENCHMARK(BM_LoadHostileLibrary)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}   // namespace
