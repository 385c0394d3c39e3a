// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the pages ask of the game's shell: showing another page and ending the game. The main
// window implements it; the pages never reach the shell otherwise.

class PageNavigator {
public:
    virtual ~PageNavigator() = default;

    // Shows the gallery and hides the other pages.
    virtual void ShowPageStart() = 0;
    // Lets the set-up page prepare itself, then shows it.
    virtual void ShowPageGameStart() = 0;
    // Lets the play page start a game, then shows it.
    virtual void ShowPageGame() = 0;
    // Asks the main window to close; the game then ends.
    virtual void RequestClose() = 0;
};

// A navigator that stays on the page it is asked from, for a page shown on its own outside the
// shell: the snapshot tool, the page benchmarks and the end-to-end helpers.
class StayingNavigator : public PageNavigator {
public:
    void ShowPageStart() override {}
    void ShowPageGameStart() override {}
    void ShowPageGame() override {}
    void RequestClose() override {}
};
