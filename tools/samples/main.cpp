// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the sample pictures into a staging folder and lists them, with their categories and
// packs, in "library.tsv" there, for the build step that installs them with the pack tool.
//
// Usage: tessiva-samples FOLDER [--png]   (--png also writes a PNG copy of each picture)

#include "Canvas.h"
#include "JpegFile.h"
#include "SampleCatalogue.h"
#include "Scenes.h"

#include <atomic>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

constexpr int32_t kJpegQuality = 90;
constexpr size_t kWorkers = 2;

// One line per category, then one per pack: tab-separated, since names hold blanks.
void WriteManifest(const std::vector<SampleCategory>& categories, const std::filesystem::path& path) {
    std::ofstream file(path, std::ios::trunc);
    for (const SampleCategory& category : categories)
        file << "category\t" << category.id << '\t' << category.name << '\n';
    for (const SampleCategory& category : categories) {
        file << "pack\t" << category.packId << '\t' << category.packName << '\t' << category.id;
        for (const SamplePicture& picture : category.pictures)
            file << '\t' << picture.fileName << ".jpg";
        file << '\n';
    }
    file.close();
    if (!file)
        throw std::runtime_error("cannot write " + path.string());
}

}   // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3 || (argc == 3 && std::strcmp(argv[2], "--png") != 0)) {
        std::cerr << "usage: tessiva-samples FOLDER [--png]\n";
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        const bool png = argc == 3;
        std::filesystem::create_directories(folder);
        const std::vector<SampleCategory> categories = SampleCatalogue::Categories();
        std::vector<const SamplePicture*> pictures;
        for (const SampleCategory& category : categories)
            for (const SamplePicture& picture : category.pictures)
                pictures.push_back(&picture);

        // Pictures are independent: two workers take the next one until none is left.
        std::atomic<size_t> next = 0;
        std::vector<std::exception_ptr> failures(kWorkers);
        auto work = [&](size_t worker) {
            try {
                for (size_t i = next++; i < pictures.size(); i = next++) {
                    const SamplePicture& picture = *pictures[i];
                    Canvas canvas(picture.width, picture.height);
                    Scenes::Paint(canvas, picture);
                    JpegFile::Write(canvas, (folder / (picture.fileName + ".jpg")).string(), kJpegQuality);
                    if (png)
                        canvas.SavePng((folder / (picture.fileName + ".png")).string());
                }
            } catch (...) {
                // Handed to the main thread, which reports it.
                failures[worker] = std::current_exception();
                next = pictures.size();
            }
        };
        {
            std::vector<std::jthread> workers;
            for (size_t worker = 0; worker < kWorkers; ++worker)
                workers.emplace_back(work, worker);
        }
        for (const std::exception_ptr& failure : failures)
            if (failure)
                std::rethrow_exception(failure);
        WriteManifest(categories, folder / "library.tsv");
    } catch (const std::exception& error) {
        std::cerr << "tessiva-samples: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
