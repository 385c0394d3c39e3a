// SPDX-License-Identifier: GPL-3.0-or-later
// Uninstalling a large pack: 20,000 puzzles (40,000 files) deleted from a puzzles folder that
// also holds the 10,000 files of a pack that stays.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "BenchFiles.h"
#include "library/Puzzle.h"
#include "packsweep/CMainDlg.h"

namespace {

constexpr int kRemovedPuzzles = 20'000;
constexpr int kKeptPuzzles = 5'000;   // a ".dat" and a ".jpg" each

using BenchFiles::WriteFile;

std::string IdList(int first, int count) {
    std::string list;
    for (int id = first; id < first + count; ++id)
        list += std::to_string(id) + ",";
    return list;
}

// Selects every row and answers Yes.
class AgreeingHost : public DialogHost {
public:
    void SetListItems(const std::vector<std::string>& texts) override { rows = texts.size(); }
    std::vector<size_t> SelectedListItems() const override {
        std::vector<size_t> all;
        for (size_t row = 0; row < rows; ++row)
            all.push_back(row);
        return all;
    }
    MessageBoxAnswer ShowMessageBox(const std::string& text, const std::optional<std::string>&, MessageBoxIcon,
                                    MessageBoxButtons) override {
        lastText = text;
        return MessageBoxAnswer::Yes;
    }

    size_t rows = 0;
    std::string lastText;
};

// The program folder; the files are made anew for every run.
class ProgramFolder {
public:
    // The pack to remove and every puzzle's files. The kept pack comes while the dialog is
    // open, so the list holds only the pack to remove, and the kept files are found on disk.
    void Fill() const {
        WriteFile(folder + "1.pck", "Name=Large\r\nPuzzles=" + IdList(1, kRemovedPuzzles) + "\r\n", true);
        for (int id = 1; id <= kRemovedPuzzles + kKeptPuzzles; ++id) {
            const std::string base = folder + "Puzzles/" + Puzzle::BaseName(id);
            WriteFile(base + ".dat", "Category=1\r\n", true);
            WriteFile(base + ".jpg", "", false);
        }
    }
    void AddKeptPack() const {
        WriteFile(folder + "2.pck", "Name=Kept\r\nPuzzles=" + IdList(kRemovedPuzzles + 1, kKeptPuzzles) + "\r\n", true);
    }

    BenchFiles::ScratchFolder scratch;
    const std::string& folder = scratch.path;
};

void BM_UninstallLargePack(benchmark::State& state) {
    const ProgramFolder program;
    for (auto _ : state) {
        state.PauseTiming();
        program.Fill();
        AgreeingHost host;
        CMainDlg::Services services;
        services.gameIsRunning = [] { return false; };
        CMainDlg dialog(host, program.folder, services);
        dialog.RefreshPackList();
        program.AddKeptPack();   // written while the dialog is open
        state.ResumeTiming();

        dialog.OnBtnUninstall();

        state.PauseTiming();
        const size_t left = static_cast<size_t>(std::distance(
            std::filesystem::directory_iterator(program.folder + "Puzzles"), std::filesystem::directory_iterator{}));
        if (left != 2 * kKeptPuzzles || host.lastText != "Selected packs successfully uninstalled. ")
            state.SkipWithError("the wrong files went");
        std::filesystem::remove(program.folder + "2.pck");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UninstallLargePack)->Unit(benchmark::kMillisecond)->Iterations(3);

}   // namespace
