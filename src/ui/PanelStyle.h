#pragma once
// Style ids and placement shared by the modal panels.

#include <cstdint>

namespace PanelStyle {

inline constexpr int32_t kPause = 60;
inline constexpr int32_t kGameComplete = 61;
inline constexpr int32_t kYesNo = 62;

inline constexpr int32_t kBackToGalleryButton = 36;
inline constexpr int32_t kCloseButton = 37;
inline constexpr int32_t kYesButton = 39;
inline constexpr int32_t kNoButton = 40;
inline constexpr int32_t kResumeButton = 70;

// Every button and end piece stands this far above the panel's lower edge.
inline constexpr int kButtonBottom = 10;
// A pair of buttons stands this far either side of the panel's centre line.
inline constexpr int kPairSpacing = 40;

}  // namespace PanelStyle
