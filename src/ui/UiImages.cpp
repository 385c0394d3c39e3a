// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/UiImages.h"

#include "foundation/Util.h"

UiImages::UiImages(std::string folder) : folder(std::move(folder)) {}

Gdiplus::Bitmap* UiImages::TrackImage() { return Load(track, "TrackBar_Track.png"); }
Gdiplus::Bitmap* UiImages::ThumbImage() { return Load(thumb, "TrackBar_Bar.png"); }
Gdiplus::Bitmap* UiImages::MagnifierImage() { return Load(magnifier, "Magnifier.png"); }

Gdiplus::Bitmap* UiImages::Load(std::unique_ptr<Gdiplus::Bitmap>& slot, const char* fileName) {
    if (!slot)
        slot = std::make_unique<Gdiplus::Bitmap>(folder + fileName);
    return slot.get();
}

UiImages& UiImages::Instance() {
    CPtr<UiImages>& holder = Current();
    if (!holder.Get())
        holder.Reset(std::make_unique<UiImages>(Util::GetModulePath() + "UI/"));
    return *holder;
}

CPtr<UiImages>& UiImages::Current() {
    static CPtr<UiImages> holder;
    return holder;
}
