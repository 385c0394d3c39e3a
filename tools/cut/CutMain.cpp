// SPDX-License-Identifier: GPL-3.0-or-later
// tessiva-cut: cuts a picture as the game would and prints (or draws) the pieces.
//
//   tessiva-cut PICTURE N [--json] [--png OUT [--gap G]]
//   tessiva-cut --version
//
// PICTURE becomes the play picture unscaled; N is the number of pieces along its longer side
// (2 to 25, as on the set-up page). Prints the label, the grid size and every piece's bounds;
// --png writes the pieces put back together over a checkerboard, so gaps show; --gap moves
// them G pixels apart per row and column, so the shapes show.
// Exit codes: 0 done, 1 the PNG could not be written, 2 bad arguments or unreadable picture.

#include <charconv>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "geometry/ClassicCut.h"
#include "gfx/Graphics.h"
#include "gfx/SolidBrush.h"
#include "play/Board.h"

namespace {

constexpr int kMinCount = 2;
constexpr int kMaxCount = 25;
constexpr int kCheckerSize = 8;

struct Options {
    std::string picturePath;
    int count = 0;
    bool json = false;
    std::string pngPath;
    int gap = 0;
};

bool ParseCount(const std::string& text, int minimum, int maximum, int& value) {
    const char* end = text.data() + text.size();
    const auto [last, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && last == end && value >= minimum && value <= maximum;
}

int Fail(int code, const std::string& message) {
    std::fprintf(stderr, "tessiva-cut: %s\n", message.c_str());
    return code;
}

// Returns an empty text when the arguments are usable, else the reason.
std::string ParseArguments(int argc, char** argv, Options& options) {
    int positional = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--json") {
            options.json = true;
        } else if (argument == "--png") {
            if (i + 1 >= argc)
                return "--png needs an output file";
            options.pngPath = argv[++i];
        } else if (argument == "--gap") {
            if (i + 1 >= argc || !ParseCount(argv[i + 1], 0, 100, options.gap))
                return "--gap needs a whole number of pixels from 0 to 100";
            ++i;
        } else if (argument.size() > 1 && argument[0] == '-') {
            return "unknown option " + argument;
        } else if (positional == 0) {
            options.picturePath = argument;
            ++positional;
        } else if (positional == 1) {
            if (!ParseCount(argument, kMinCount, kMaxCount, options.count))
                return "N must be a whole number from 2 to 25, not '" + argument + "'";
            ++positional;
        } else {
            return "unexpected argument " + argument;
        }
    }
    if (positional < 2)
        return "usage: tessiva-cut PICTURE N [--json] [--png OUT [--gap G]]";
    return std::string();
}

std::string JsonText(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

void PrintPieces(const Board& board, const SquarCut& cut, bool json, const std::string& label) {
    if (json) {
        std::printf("{\"label\":%s,\"rows\":%d,\"columns\":%d,\"pieces\":[", JsonText(label).c_str(), cut.rows,
                    cut.columns);
        for (size_t i = 0; i < board.pieces.size(); ++i) {
            const Gdiplus::Rect& b = board.pieces[i]->bounds;
            std::printf("%s{\"bounds\":[%d,%d,%d,%d]}", i ? "," : "", b.X, b.Y, b.Width, b.Height);
        }
        std::printf("]}\n");
        return;
    }
    std::printf("%s\nrows %d\ncolumns %d\n", label.c_str(), cut.rows, cut.columns);
    for (size_t i = 0; i < board.pieces.size(); ++i) {
        const Gdiplus::Rect& b = board.pieces[i]->bounds;
        std::printf("piece %zu: %d %d %d %d\n", i, b.X, b.Y, b.Width, b.Height);
    }
}

bool WriteAssembled(Board& board, const SquarCut& cut, int gap, const std::string& path) {
    // Piece k lies in row k / columns and column k % columns; each group holds one piece.
    for (size_t k = 0; k < board.groups.size(); ++k) {
        board.groups[k]->offsetX = static_cast<int32_t>(k % cut.columns) * gap;
        board.groups[k]->offsetY = static_cast<int32_t>(k / cut.columns) * gap;
    }
    const int width = static_cast<int>(board.picture->GetWidth()) + (cut.columns - 1) * gap;
    const int height = static_cast<int>(board.picture->GetHeight()) + (cut.rows - 1) * gap;
    Gdiplus::Bitmap canvas(width, height);
    {
        Gdiplus::Graphics graphics(&canvas);
        Gdiplus::SolidBrush light(Gdiplus::Color(0xFFE0E0E0));
        Gdiplus::SolidBrush dark(Gdiplus::Color(0xFF909090));
        for (int y = 0; y < height; y += kCheckerSize)
            for (int x = 0; x < width; x += kCheckerSize)
                graphics.FillRectangle((x / kCheckerSize + y / kCheckerSize) % 2 ? &dark : &light, x, y, kCheckerSize,
                                       kCheckerSize);
        board.Draw(graphics);
        graphics.Flush();
    }
    return canvas.SavePng(path) == Gdiplus::Ok;
}

}   // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("tessiva-cut " TESSIVA_VERSION "\n");
        return 0;
    }
    Options options;
    const std::string problem = ParseArguments(argc, argv, options);
    if (!problem.empty())
        return Fail(2, problem);

    Board board;
    board.picture.Reset(std::make_unique<Gdiplus::Bitmap>(options.picturePath));
    if (board.picture->GetWidth() == 0 || board.picture->GetHeight() == 0)
        return Fail(2, "cannot read the picture " + options.picturePath);
    board.cut.Reset(std::make_unique<ClassicCut>(&board));
    auto& cut = static_cast<ClassicCut&>(*board.cut);
    cut.longSideCount = options.count;

    const std::string label = cut.GetLabel();
    board.NewGame();
    PrintPieces(board, cut, options.json, label);
    if (!options.pngPath.empty() && !WriteAssembled(board, cut, options.gap, options.pngPath))
        return Fail(1, "cannot write " + options.pngPath);
    return 0;
}
