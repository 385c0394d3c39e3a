// The snapshot tool end to end: it writes a PNG of the requested scene and refuses bad input.

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "gfx/Bitmap.h"

namespace {

const std::string kTool = std::string(TESSIVA_DIST_DIR) + "/tessiva-snapshot";

// Runs the tool with the arguments; returns its exit status and its standard error.
int RunTool(const std::string& arguments, std::string& errors, const UiTest::TempFolder& folder) {
    const std::string errorFile = folder.Path() + "stderr.txt";
    const int status = std::system((kTool + " " + arguments + " 2>" + errorFile).c_str());
    std::ifstream in(errorFile);
    errors.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SnapshotTool, WritesTheToolkitScene) {
    UiTest::TempFolder folder;
    std::string errors;
    const std::string out = folder.Path() + "toolkit.png";
    ASSERT_EQ(RunTool("toolkit " + out, errors, folder), 0) << errors;
    EXPECT_EQ(errors, "");
    Gdiplus::Bitmap picture(out);
    ASSERT_EQ(picture.GetLastStatus(), Gdiplus::Ok);
    EXPECT_EQ(picture.GetWidth(), 900u);
    EXPECT_EQ(picture.GetHeight(), 300u);
}

TEST(SnapshotTool, RefusesBadArgumentsWithOneLine) {
    UiTest::TempFolder folder;
    for (const char* arguments : {"", "toolkit", "no-such-scene x.png", "toolkit a.png extra"}) {
        std::string errors;
        EXPECT_EQ(RunTool(arguments, errors, folder), 2) << arguments;
        EXPECT_EQ(errors.rfind("tessiva-snapshot: ", 0), 0u) << errors;
        EXPECT_EQ(errors.find('\n'), errors.size() - 1) << errors;
    }
}

}  // namespace
