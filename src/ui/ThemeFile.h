// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The theme's files: which file each style draws in each state, listed once for the theme,
// the theme art generator and the tests.

#include <string_view>

#include "ui/ImageState.h"
#include "ui/StyleId.h"

struct ThemeFile {
    StyleId style;
    ImageState state;
    const char* fileName;   // inside the theme folder
};

// In the order the theme registers them; a file under several styles is loaded once per style.
// The build reads the file names from here to know what the art generator writes, so each
// stays a string literal in its row.
// Styles missing here draw no image: the pages, the list view and its cells, the slider and
// the set-up page's two captions.
inline constexpr ThemeFile kThemeFiles[] = {
    // Strip pieces: joints, flat ends, caps.
    {StyleId::JointInOut, ImageState::Checked, "Jig-In-Out.png"},
    {StyleId::JointOutIn, ImageState::Checked, "Jig-Out-In.png"},
    {StyleId::FlatLeftCap, ImageState::Checked, "Jig-Flat-Left.png"},
    {StyleId::FlatRightCap, ImageState::Checked, "Jig-Flat-Right.png"},
    {StyleId::LeftCap, ImageState::Checked, "Jig-Left.png"},
    {StyleId::RightCap, ImageState::Checked, "Jig-Right.png"},
    // Gallery commands and the list view's page controls.
    {StyleId::ExitGameButton, ImageState::Checked, "Jig-Middle-120.png"},
    {StyleId::OtherProductsButton, ImageState::Checked, "Jig-Middle-120.png"},
    {StyleId::MorePuzzlesButton, ImageState::Checked, "Jig-Middle-120.png"},
    {StyleId::PageLabel, ImageState::Checked, "Label-Page-xOfy.png"},
    {StyleId::PreviousPageButton, ImageState::Checked, "Button-Previous-Page.png"},
    {StyleId::NextPageButton, ImageState::Checked, "Button-Next-Page.png"},
    // Set-up page.
    {StyleId::StartButton, ImageState::Checked, "Jig-Middle-80.png"},
    {StyleId::SetUpGalleryButton, ImageState::Checked, "Jig-Middle-80.png"},
    // Category buttons.
    {StyleId::CategoryButton, ImageState::Checked, "Button-Gallery-Item-Checked.png"},
    {StyleId::CategoryButton, ImageState::Unchecked, "Button-Gallery-Item-Unchecked.png"},
    // Play page bar.
    {StyleId::ShuffleButton, ImageState::Checked, "Jig-Middle-80.png"},
    {StyleId::FilterButton, ImageState::Checked, "Jig-Middle-100.png"},
    {StyleId::FilterButton, ImageState::Unchecked, "Jig-Middle-100.png"},
    {StyleId::PlayGalleryButton, ImageState::Checked, "Jig-Middle-80.png"},
    {StyleId::PauseButton, ImageState::Checked, "Jig-Middle-80.png"},
    {StyleId::TimeLabel, ImageState::Checked, "Jig-Middle-80.png"},
    // Panels and their buttons; no panel draws its own image.
    {StyleId::GameCompletePanel, ImageState::Checked, "Dialog-Game-Complete.png"},
    {StyleId::BackToGalleryButton, ImageState::Checked, "Jig-Middle-120.png"},
    {StyleId::CloseButton, ImageState::Checked, "Jig-Middle-120.png"},
    {StyleId::YesButton, ImageState::Checked, "Jig-Middle-100.png"},
    {StyleId::NoButton, ImageState::Checked, "Jig-Middle-100.png"},
    {StyleId::SpareButton, ImageState::Checked, "Jig-Middle-100.png"},
    {StyleId::GalleryYesNoPanel, ImageState::Checked, "Dialog-Gallery-Yes-No.png"},
    {StyleId::ExitYesNoPanel, ImageState::Checked, "Dialog-Exit-Yes-No.png"},
    {StyleId::PausePanel, ImageState::Checked, "Dialog-Pause.png"},
    {StyleId::ResumeButton, ImageState::Checked, "Jig-Middle-100.png"},
};

// The file of the first entry for (style, state), the one the theme's lookup finds; empty
// when there is none.
constexpr std::string_view ThemeFileName(StyleId style, ImageState state) {
    for (const ThemeFile& file : kThemeFiles)
        if (file.style == style && file.state == state)
            return file.fileName;
    return {};
}
