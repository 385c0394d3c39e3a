// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the pages stand on, read from a program folder: the library lists, the theme, the UI
// images and the board with its cut; released again when the session ends.

#include <string>

class Board;

class GameSession {
public:
    // In this order: reads the categories and packs of programFolder ('/'-terminated) and the
    // puzzles of its "Puzzles/", installs the theme of "Themes/Default/" and the UI images of
    // "UI/", and makes the current board with a ClassicCut, each replacing a previous one.
    explicit GameSession(const std::string& programFolder);
    // Destroys the board with its cut, then the theme, then the UI images. The library lists
    // stay as read, for the rest of the process or until another session reads its own.
    ~GameSession();
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    // The one board the pages play on.
    Board& GetBoard() const { return board; }

private:
    static Board& Start(const std::string& programFolder);

    Board& board;
};
