// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The look of a control, by the number the game's design gives it.

#include <cstdint>

// A control's style picks its theme images (ui/ThemeFile.h), its font and, for containers,
// its background colour. Gaps in the numbering are numbers the game never uses.
enum class StyleId : int32_t {
    Plain = 0,                 // no theme image; the list view's cells wear it
    ExitGameButton = 1,        // gallery: "Exit Game"
    OtherProductsButton = 2,   // gallery: "Other Products"
    PauseButton = 3,           // play page: "Pause"
    CategoryButton = 4,        // gallery: one per category, checked when selected
    FilterButton = 5,          // play page: "Show All" / "Edges Only"
    PlayGalleryButton = 6,     // play page: "Gallery"
    ShuffleButton = 7,         // play page: "Shuffle"
    MorePuzzlesButton = 10,    // gallery: "More Puzzles"
    PreviousPageButton = 11,   // list view
    NextPageButton = 13,       // list view
    PageLabel = 17,            // list view: "Page x of y", in the small font
    GalleryPage = 18,
    SetUpPage = 19,
    PlayPage = 20,
    ListView = 21,             // the one container with the darker background
    StartButton = 22,          // set-up page: "Start"
    SetUpGalleryButton = 23,   // set-up page: "Gallery"
    DifficultySlider = 24,     // its images come from the UI folder, not the theme
    LeftCap = 25,              // end pieces with a tab, either side of a single command
    RightCap = 26,
    FlatLeftCap = 27,   // flat ends of the play page's strip
    FlatRightCap = 28,
    JointOutIn = 29,   // the two joints that alternate between the strip's commands
    JointInOut = 30,
    DifficultyCaption = 31,     // set-up page: "Difficulty:"
    PieceCountLabel = 32,       // set-up page
    BackToGalleryButton = 36,   // completion panel; the panel ends with the button's style
    CloseButton = 37,           // completion panel
    YesButton = 39,             // back-to-gallery confirmation
    NoButton = 40,
    SpareButton = 42,   // the theme registers it; no control wears it
    TimeLabel = 50,     // play page: the elapsed time
    PausePanel = 60,
    GameCompletePanel = 61,
    GalleryYesNoPanel = 62,   // the back-to-gallery confirmation
    ExitYesNoPanel = 63,      // the theme registers it; no panel wears it
    ResumeButton = 70,        // pause panel
};
