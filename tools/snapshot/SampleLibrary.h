#pragma once
// The sample library beside the tool, read as the game reads its own, and a navigator for page
// scenes, which lead nowhere.

#include <string>

#include "pages/PageNavigator.h"

// Reads the categories, packs and puzzles of the folder the tool lives in.
void LoadSampleLibrary();

// The first picture of the first category that has one; empty when there is none. Loads the
// library first.
std::string FirstSamplePicture();

struct StayingNavigator : PageNavigator {
    void ShowPageStart() override {}
    void ShowPageGameStart() override {}
    void ShowPageGame() override {}
    void RequestClose() override {}
};
