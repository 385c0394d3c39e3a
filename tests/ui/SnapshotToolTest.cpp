// SPDX-License-Identifier: GPL-3.0-or-later
// The snapshot tool end to end: it writes a PNG of the requested scene and refuses bad input.

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "gfx/Bitmap.h"
#include "support/TempFolder.h"

namespace {

const std::string kTool = std::string(TESSIVA_DIST_DIR) + "/tessiva-snapshot";

// Runs the tool with the arguments; returns its exit status and its standard error.
int RunTool(const std::string& arguments, std::string& errors, const TempFolder& folder) {
    const std::string errorFile = folder.path + "stderr.txt";
    const int status = std::system((kTool + " " + arguments + " 2>" + errorFile).c_str());
    std::ifstream in(errorFile);
    errors.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SnapshotTool, WritesEveryScene) {
    struct Case {
        const char* scene;
        unsigned width, height;
    };
    const Case cases[] = {
        {"toolkit", 900, 300}, {"listview", 930, 630},  {"pause", 1024, 768},
        {"yesno", 1024, 768},  {"complete", 1024, 768}, {"gallery", 1280, 800},
        {"setup", 1280, 800},  {"play", 1280, 800},     {"play-solved", 1280, 800},
    };
    TempFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scene);
        std::string errors;
        const std::string out = folder.path + c.scene + ".png";
        ASSERT_EQ(RunTool(std::string(c.scene) + " " + out, errors, folder), 0) << errors;
        EXPECT_EQ(errors, "");
        Gdiplus::Bitmap picture(out);
        ASSERT_EQ(picture.GetLastStatus(), Gdiplus::Ok);
        EXPECT_EQ(picture.GetWidth(), c.width);
        EXPECT_EQ(picture.GetHeight(), c.height);
    }
}

TEST(SnapshotTool, ReducesToAGivenWidthKeepingTheProportions) {
    TempFolder folder;
    std::string errors;
    const std::string out = folder.path + "small.png";
    ASSERT_EQ(RunTool("toolkit " + out + " 450", errors, folder), 0) << errors;
    Gdiplus::Bitmap picture(out);
    EXPECT_EQ(picture.GetWidth(), 450u);
    EXPECT_EQ(picture.GetHeight(), 150u);
}

TEST(SnapshotTool, RefusesBadArgumentsWithOneLine) {
    TempFolder folder;
    for (const char* arguments : {"", "toolkit", "no-such-scene x.png", "toolkit a.png extra", "toolkit a.png 0",
                                  "toolkit a.png -5", "toolkit a.png 9 9"}) {
        std::string errors;
        EXPECT_EQ(RunTool(arguments, errors, folder), 2) << arguments;
        EXPECT_EQ(errors.rfind("tessiva-snapshot: ", 0), 0u) << errors;
        EXPECT_EQ(errors.find('\n'), errors.size() - 1) << errors;
    }
}

}   // namespace
