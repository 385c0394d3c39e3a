// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <string>

#include "geometry/TestPicture.h"
#include "support/TempFolder.h"

namespace {

struct ToolRun {
    int exitCode = -1;
    std::string out;
};

// Runs tessiva-cut with the arguments; standard error goes to the given file.
ToolRun CutTool(const std::string& arguments, const std::string& errorFile) {
    const std::string command = std::string(TESSIVA_DIST_DIR) + "/tessiva-cut " + arguments + " 2>" + errorFile;
    ToolRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    std::array<char, 4096> buffer;
    size_t count;
    while ((count = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.out.append(buffer.data(), count);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string ReadFile(const std::string& path) {
    std::string text;
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
        char c;
        while (std::fread(&c, 1, 1, file) == 1)
            text += c;
        std::fclose(file);
    }
    return text;
}

class CutToolTest : public testing::Test {
protected:
    void SetUp() override {
        TestPicture picture(280, 200);
        ASSERT_EQ(picture.picture->SavePng(Path("picture.png")), Gdiplus::Ok);
    }
    std::string Path(const std::string& name) const { return folder.path + name; }

    const TempFolder folder;
};

}   // namespace

TEST_F(CutToolTest, PrintsTheCutAsJsonAndReassemblesThePictureExactly) {
    const ToolRun run = CutTool(Path("picture.png") + " 7 --json --png " + Path("out.png"), Path("err.txt"));
    ASSERT_EQ(run.exitCode, 0) << ReadFile(Path("err.txt"));
    const std::string head = "{\"label\":\"35 pieces\",\"rows\":5,\"columns\":7,\"pieces\":[";
    EXPECT_EQ(run.out.rfind(head, 0), 0u) << run.out;
    EXPECT_EQ(run.out.find("{\"bounds\":[0,0,"), run.out.find("[{") + 1);
    size_t pieces = 0;
    for (size_t at = run.out.find("bounds"); at != std::string::npos; at = run.out.find("bounds", at + 1))
        ++pieces;
    EXPECT_EQ(pieces, 35u);
    EXPECT_EQ(run.out.substr(run.out.size() - 3), "]}\n");

    Gdiplus::Bitmap assembled(Path("out.png"));
    ASSERT_EQ(assembled.GetWidth(), 280u);
    ASSERT_EQ(assembled.GetHeight(), 200u);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 280; ++x)
            ASSERT_EQ(PixelAt(assembled, x, y), TestPicture::Colour(x, y)) << x << ", " << y;
}

TEST_F(CutToolTest, BadArgumentsGiveOneLineOnStandardErrorAndExitCodeTwo) {
    const std::string picture = Path("picture.png");
    const std::string cases[] = {
        "",
        picture,
        picture + " 1",
        picture + " 26",
        picture + " seven",
        picture + " 7 --png",
        picture + " 7 --colour",
        Path("missing.png") + " 7",
        picture + " 7 8",
    };
    for (const std::string& arguments : cases) {
        const ToolRun run = CutTool(arguments, Path("err.txt"));
        EXPECT_EQ(run.exitCode, 2) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
        const std::string error = ReadFile(Path("err.txt"));
        EXPECT_FALSE(error.empty()) << arguments;
        EXPECT_EQ(error.find('\n'), error.size() - 1) << arguments;
    }
}
