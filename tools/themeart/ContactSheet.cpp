#include "ContactSheet.h"

#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "gfx/Gdiplus.h"

namespace ThemeArt {

namespace {

using namespace Gdiplus;

class Sheet {
public:
    Sheet(const std::string& themeFolder, const std::string& uiFolder)
        : themeFolder(themeFolder), uiFolder(uiFolder), canvas(940, 560), g(&canvas),
          font("Arial", 15.0f, FontStyleRegular, UnitPixel), smallFont("Arial", 12.0f, FontStyleRegular, UnitPixel),
          white(Color(0xFFFFFFFF)) {
        centred.SetAlignment(StringAlignmentCenter);
        centred.SetLineAlignment(StringAlignmentCenter);
        g.SetTextRenderingHint(TextRenderingHintAntiAlias);
    }

    Bitmap* Image(const std::string& name, bool ui = false) {
        auto& slot = images[name];
        if (!slot) {
            slot = std::make_unique<Bitmap>((ui ? uiFolder : themeFolder) + name);
            if (slot->GetLastStatus() != Ok)
                ok = false;
        }
        return slot.get();
    }

    // Draws an image at its natural size, stretched over its bounds as the controls do, with a
    // caption; returns its right edge.
    int Place(const std::string& name, int x, int y, const std::string& caption = "", bool small = false) {
        Bitmap* image = Image(name);
        const Rect bounds(x, y, int(image->GetWidth()), int(image->GetHeight()));
        g.DrawImage(image, bounds);
        if (!caption.empty())
            g.DrawString(caption, small ? &smallFont : &font, RectF(bounds), &centred, &white);
        return bounds.GetRight();
    }

    // A row of pieces placed edge to edge; each entry is an image and its caption.
    int Strip(int x, int y, const std::vector<std::pair<std::string, std::string>>& parts) {
        for (const auto& [name, caption] : parts)
            x = Place(name, x, y, caption);
        return x;
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
        for (const char* caption : {"Exit Game", "Other Products", "More Puzzles"})
            x = Strip(x, 30, {{"Jig-Left.png", ""}, {"Jig-Middle-120.png", caption}, {"Jig-Right.png", ""}}) + 30;

        Label("Play page strip: flat ends, middles 80 / 100, joints In-Out and Out-In", 20, 90);
        const int stripRight = Strip(20, 110, {{"Jig-Flat-Left.png", ""},
                                               {"Jig-Middle-80.png", "Shuffle"},
                                               {"Jig-In-Out.png", ""},
                                               {"Jig-Middle-100.png", "Edges Only"},
                                               {"Jig-Out-In.png", ""},
                                               {"Jig-Middle-80.png", "Gallery"},
                                               {"Jig-In-Out.png", ""},
                                               {"Jig-Middle-80.png", "Pause"},
                                               {"Jig-Out-In.png", ""},
                                               {"Jig-Middle-80.png", "03:25"},
                                               {"Jig-Flat-Right.png", ""}});

        Label("Panel and set-up commands", 20, 170);
        x = Strip(20, 190, {{"Jig-Left.png", ""}, {"Jig-Middle-100.png", "Yes"}, {"Jig-Right.png", ""}}) + 40;
        x = Strip(x, 190, {{"Jig-Left.png", ""}, {"Jig-Middle-100.png", "No"}, {"Jig-Right.png", ""}}) + 40;
        Strip(x, 190, {{"Jig-Left.png", ""}, {"Jig-Middle-80.png", "Start"}, {"Jig-Right.png", ""}});

        Label("Categories (checked, unchecked) and page controls", 20, 250);
        int y = 270;
        Place("Button-Gallery-Item-Checked.png", 20, y, "Landscapes");
        Place("Button-Gallery-Item-Unchecked.png", 20, y + 42, "Mosaics");
        Place("Button-Gallery-Item-Unchecked.png", 20, y + 84, "Patterns and Tilings");
        SolidBrush list(Color(0xFF675885));
        g.FillRectangle(&list, 160, y, 330, 120);
        Pen frame(Color(0xFFFFFFFF), 1.0f);
        g.DrawRectangle(&frame, 160, y, 330, 120);
        const int labelWidth = int(Image("Label-Page-xOfy.png")->GetWidth());
        const int labelX = 160 + 165 - labelWidth / 2;
        Place("Button-Previous-Page.png", labelX - 10 - int(Image("Button-Previous-Page.png")->GetWidth()), y + 90);
        Place("Label-Page-xOfy.png", labelX, y + 90, "Page 1 of 3", true);
        Place("Button-Next-Page.png", labelX + labelWidth + 10, y + 90);

        Label("Slider and magnifier (natural size and 15 x 15)", 520, 250);
        Bitmap* track = Image("TrackBar_Track.png", true);
        Bitmap* thumb = Image("TrackBar_Bar.png", true);
        const int sliderY = 280, sliderHeight = std::max(int(track->GetHeight()), int(thumb->GetHeight()));
        g.DrawImage(track, Rect(520, sliderY + (sliderHeight - int(track->GetHeight())) / 2, int(track->GetWidth()),
                                int(track->GetHeight())));
        const int value = 7;   // of 2..25
        const int thumbX = 520 + (value - 2) * (int(track->GetWidth()) - int(thumb->GetWidth())) / 23;
        g.DrawImage(thumb, Rect(thumbX, sliderY + (sliderHeight - int(thumb->GetHeight())) / 2,
                                int(thumb->GetWidth()), int(thumb->GetHeight())));
        Bitmap* magnifier = Image("Magnifier.png", true);
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
    std::string themeFolder, uiFolder;
    std::map<std::string, std::unique_ptr<Bitmap>> images;
    Bitmap canvas;
    Graphics g;
    Font font, smallFont;
    SolidBrush white;
    StringFormat centred;
    bool ok = true;
};

}  // namespace

bool WriteContactSheet(const std::string& themeFolder, const std::string& uiFolder, const std::string& outPath) {
    Sheet sheet(themeFolder, uiFolder);
    return sheet.Build(outPath);
}

}  // namespace ThemeArt
