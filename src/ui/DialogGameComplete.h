// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The completion panel: "Well Done!" with "Back to Gallery" and "Close"; each button ends it
// with its own style id.

#include "ui/Dialog.h"

class DialogGameComplete : public Dialog {
public:
    static constexpr INT_PTR kBackToGallery = static_cast<INT_PTR>(StyleId::BackToGalleryButton);
    static constexpr INT_PTR kClose = static_cast<INT_PTR>(StyleId::CloseButton);

    // Places the buttons from the theme's image widths, so the theme must be installed.
    DialogGameComplete();

    void OnNotify(NotifyCode code, Control* sender, Control* argument) override;

private:
    CommandStrip backToGallery;
    CommandStrip close;
};
