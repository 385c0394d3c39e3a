#pragma once
// The sample library beside the tool, read as the game reads its own, the board the page scenes
// play on, and a navigator for them, which leads nowhere.

#include <string>

#include "pages/PageNavigator.h"

// Reads the categories, packs and puzzles of the folder the tool lives in.
void LoadSampleLibrary();

// The first picture of the first category that has one; empty when there is none. Loads the
// library first.
std::string FirstSamplePicture();

// Makes the process-wide board with a classic cut of longSide pieces and the first sample
// picture made into a play picture for a client of width x height; false when there is none.
bool PrepareSampleBoard(int longSide, int width, int height);

struct StayingNavigator : PageNavigator {
    void ShowPageStart() override {}
    void ShowPageGameStart() override {}
    void ShowPageGame() override {}
    void RequestClose() override {}
};
