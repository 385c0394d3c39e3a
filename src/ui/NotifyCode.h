// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The notification codes that controls send up the tree with OnNotify.

enum NotifyCode {
    NotifyClick = 0,           // Button, MultiStateButton: sender and argument are the button
    NotifyValueChanged = 2,    // Slider: the new value is in CurrentValue
    NotifyItemActivated = 3,   // list view cell, sent straight to the top level
};
