// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContactSheet.h"

#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "gfx/Gdiplus.h"
#include "ui/ThemeFile.h"

namespace ThemeArt {

namespace {

using namespace Gdiplus;

class Sheet {
public:
    Sheet(const std::string& themeFolder, const std::string& uiFolder)
        : themeFolder(themeFolder),
          uiFolder(uiFolder),
          canvas(940, 560),
          g(&canvas),
          font("Arial", 15.0f, FontStyleRegular, UnitPixel),
          smallFont("Arial", 12.0f, FontStyleRegular, UnitPixel),
          white(Color(0xFFFFFFFF)) {
        centred.SetAlignment(StringAlignmentCenter);
        centred.SetLineAlignment(StringAlignmentCenter);
        g.SetTextRenderingHint(TextRenderingHintAntiAlias);
    }

    // The image the style draws in the state, loaded once per file.
    Bitmap* Image(StyleId style, ImageState state = ImageState::Checked) {
        return Load(themeFolder + std::string(ThemeFileName(style, state)));
    }
    Bitmap* UiImage(const std::string& name) { return Load(uiFolder + name); }

    // Draws a style's image at its natural size, stretched over its bounds as the controls do,
    // with a caption; returns its right edge.
    int Place(StyleId style, ImageState state, int x, int y, const std::string& caption = "", bool small = false) {
        Bitmap* image = Image(style, state);
        const Rect bounds(x, y, int(image->GetWidth()), int(image->GetHeight()));
        g.DrawImage(image, bounds);
        if (!caption.empty())
            g.DrawString(caption, small ? &smallFont : &font, RectF(bounds), &centred, &white);
        return bounds.GetRight();
    }

    int Place(StyleId style, int x, int y, const std::string& caption = "", bool small = false) {
        return Place(style, ImageState::Checked, x, y, caption, small);
    }

    // A row of pieces placed edge to edge; each entry is a style and its caption.
    int Strip(int x, int y, const std::vector<std::pair<StyleId, std::string>>& parts) {
        for (const auto& [style, caption] : parts)
            x = Place(style, x, y, caption);
        return x;
    }

    // A single command between its two end pieces.
    int Command(int x, int y, StyleId button, const std::string& caption) {
        return Strip(x, y, {{StyleId::LeftCap, ""}, {button, caption}, {StyleId::RightCap, ""}});
    }

    void Label(const std::string& text, int x, int y) {
        SolidBrush brush(Color(0xFFE8E0FF));
        g.DrawString(text, &smallFont, RectF(float(x), float(y), 600.0f, 16.0f), nullptr, &brush);
    }

    bool Build(const std::string& outPath) {
        SolidBrush page(Color(0xFF7856C8));
        g.FillRectangle(&page, 0, 0, 940, 560);

        Label("Gallery commands: left cap, middle 120, right cap", 20, 10);
        int x = 20;
        x = Command(x, 30, StyleId::ExitGameButton, "Exit Game") + 30;
        x = Command(x, 30, StyleId::OtherProductsButton, "Other Products") + 30;
        Command(x, 30, StyleId::MorePuzzlesButton, "More Puzzles");

        Label("Play page strip: flat ends, middles 80 / 100, joints In-Out and Out-In", 20, 90);
        const int stripRight = Strip(20, 110,
                                     {{StyleId::FlatLeftCap, ""},
                                      {StyleId::ShuffleButton, "Shuffle"},
                                      {StyleId::JointInOut, ""},
                                      {StyleId::FilterButton, "Edges Only"},
                                      {StyleId::JointOutIn, ""},
                                      {StyleId::PlayGalleryButton, "Gallery"},
                                      {StyleId::JointInOut, ""},
                                      {StyleId::PauseButton, "Pause"},
                                      {StyleId::JointOutIn, ""},
                                      {StyleId::TimeLabel, "03:25"},
                                      {StyleId::FlatRightCap, ""}});

        Label("Panel and set-up commands", 20, 170);
        x = Command(20, 190, StyleId::YesButton, "Yes") + 40;
        x = Command(x, 190, StyleId::NoButton, "No") + 40;
        Command(x, 190, StyleId::StartButton, "Start");

        Label("Categories (checked, unchecked) and page controls", 20, 250);
        int y = 270;
        Place(StyleId::CategoryButton, ImageState::Checked, 20, y, "Landscapes");
        Place(StyleId::CategoryButton, ImageState::Unchecked, 20, y + 42, "Mosaics");
        Place(StyleId::CategoryButton, ImageState::Unchecked, 20, y + 84, "Patterns and Tilings");
        SolidBrush list(Color(0xFF675885));
        g.FillRectangle(&list, 160, y, 330, 120);
        Pen frame(Color(0xFFFFFFFF), 1.0f);
        g.DrawRectangle(&frame, 160, y, 330, 120);
        const int labelWidth = int(Image(StyleId::PageLabel)->GetWidth());
        const int labelX = 160 + 165 - labelWidth / 2;
        Place(StyleId::PreviousPageButton, labelX - 10 - int(Image(StyleId::PreviousPageButton)->GetWidth()), y + 90);
        Place(StyleId::PageLabel, labelX, y + 90, "Page 1 of 3", true);
        Place(StyleId::NextPageButton, labelX + labelWidth + 10, y + 90);

        Label("Slider and magnifier (natural size and 15 x 15)", 520, 250);
        Bitmap* track = UiImage("TrackBar_Track.png");
        Bitmap* thumb = UiImage("TrackBar_Bar.png");
        const int sliderY = 280, sliderHeight = std::max(int(track->GetHeight()), int(thumb->GetHeight()));
        g.DrawImage(track, Rect(520, sliderY + (sliderHeight - int(track->GetHeight())) / 2, int(track->GetWidth()),
                                int(track->GetHeight())));
        const int value = 7;   // of 2..25
        const int thumbX = 520 + (value - 2) * (int(track->GetWidth()) - int(thumb->GetWidth())) / 23;
        g.DrawImage(thumb, Rect(thumbX, sliderY + (sliderHeight - int(thumb->GetHeight())) / 2, int(thumb->GetWidth()),
                                int(thumb->GetHeight())));
        Bitmap* magnifier = UiImage("Magnifier.png");
        g.DrawImage(magnifier, Rect(760, 278, int(magnifier->GetWidth()), int(magnifier->GetHeight())));
        g.DrawImage(magnifier, Rect(810, 286, 15, 15));

        // The strip's joints enlarged, to check that the pieces meet pixel for pixel.
        Label("Strip enlarged 3x (first joint and the flat end)", 20, 400);
        g.SetInterpolationMode(InterpolationModeNearestNeighbor);
        g.DrawImage(&canvas, Rect(20, 420, 3 * 150, 3 * 44), 20, 108, 150, 44);
        g.DrawImage(&canvas, Rect(490, 420, 3 * 130, 3 * 44), stripRight - 130, 108, 130, 44);
        g.Flush();
        return ok && canvas.SavePng(outPath) == Ok;
    }

private:
    Bitmap* Load(const std::string& path) {
        auto& slot = images[path];
        if (!slot) {
            slot = std::make_unique<Bitmap>(path);
            if (slot->GetLastStatus() != Ok)
                ok = false;
        }
        return slot.get();
    }

    std::string themeFolder, uiFolder;
    std::map<std::string, std::unique_ptr<Bitmap>> images;
    Bitmap canvas;
    Graphics g;
    Font font, smallFont;
    SolidBrush white;
    StringFormat centred;
    bool ok = true;
};

}   // namespace

bool WriteContactSheet(const std::string& themeFolder, const std::string& uiFolder, const std::string& outPath) {
    Sheet sheet(themeFolder, uiFolder);
    return sheet.Build(outPath);
}

}   // namespace ThemeArt
