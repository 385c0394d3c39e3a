// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "foundation/ApplicationException.h"
#include "support/TempFolder.h"
#include "foundation/Util.h"

TEST(ParseInt, AcceptsBlanksAndSignAndWraps) {
    struct Case {
        const char* text;
        int32_t expected;
    };
    const Case cases[] = {
        {" -42", -42},
        {"+7", 7},
        {"4 2", 42},
        {"7 ", 7},
        {"\t1\t2 3", 123},
        {"- 5", -5},
        {"0", 0},
        {"-0", 0},
        {"00000042", 42},
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {"2147483648", INT32_MIN},
        {"4294967297", 1},
        {"4294967296", 0},   // 32-bit wrap-around
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Util::ParseInt(c.text), c.expected) << "text: '" << c.text << "'";
        int32_t value = 0;
        EXPECT_TRUE(Util::TryParseInt(c.text, value) && value == c.expected) << "text: '" << c.text << "'";
    }
}

TEST(ParseInt, RejectsWithTheLocationOfTheFault) {
    struct Case {
        std::string text;
        const char* location;
    };
    const Case cases[] = {
        {"12\r\n", "Util::ParseInt (194)"},
        {"1-2", "Util::ParseInt (194)"},
        {"--1", "Util::ParseInt (194)"},
        {"+-1", "Util::ParseInt (194)"},
        {"x", "Util::ParseInt (194)"},
        {"1.5", "Util::ParseInt (194)"},
        {"\xB2", "Util::ParseInt (194)"},
        {std::string("1\0"
                     "2",
                     3),
         "Util::ParseInt (194)"},
        {"", "Util::ParseInt (203)"},
        {"   ", "Util::ParseInt (203)"},
        {"-", "Util::ParseInt (203)"},
        {" + ", "Util::ParseInt (203)"},
    };
    for (const Case& c : cases) {
        int32_t untouched = 17;
        EXPECT_FALSE(Util::TryParseInt(c.text, untouched) || untouched != 17) << "text: '" << c.text << "'";
        try {
            Util::ParseInt(std::string_view(c.text));
            ADD_FAILURE() << "'" << c.text << "' parsed";
        } catch (const ArgumentException& e) {
            EXPECT_EQ(e.LocationText(), c.location) << "text: '" << c.text << "'";
        }
    }
    try {
        Util::ParseInt(static_cast<const char*>(nullptr));
        ADD_FAILURE() << "an absent text parsed";
    } catch (const ArgumentException&) {
        ADD_FAILURE() << "an absent text is not malformed text";
    } catch (const ArgumentNullException& e) {
        EXPECT_EQ(e.LocationText(), "Util::ParseInt (155)");
    }
}

TEST(ReadFileAscii, ReturnsTheBytesWithOrWithoutTheNibbleSwap) {
    TempFolder folder;
    const std::string single = folder.Write("a.bin", "\x14");
    EXPECT_EQ(Util::ReadFileAscii(single, true), "A");
    EXPECT_EQ(Util::ReadFileAscii(single, false), "\x14");
    EXPECT_EQ(Util::ReadFileAscii(folder.Write("empty.bin", ""), true), "");
    const std::string withZero("a\0b\xFF", 4);
    EXPECT_EQ(Util::ReadFileAscii(folder.Write("zero.bin", withZero), false), withZero);
}

TEST(ReadFileAscii, RaisesWhenThePathIsNoReadablePlainFile) {
    TempFolder folder;
    std::filesystem::create_directory(folder.path + "sub");
    // A FIFO with no writer would block a plain open for ever.
    ASSERT_EQ(mkfifo((folder.path + "fifo.ctg").c_str(), 0600), 0);
    // Sparse: a file just over the limit, and one of 2.5 GB whose low 32 bits look small.
    const std::string atLimit = folder.Write("limit.dat", "");
    const std::string over = folder.Write("over.dat", "");
    const std::string huge = folder.Write("huge.ctg", "");
    std::filesystem::resize_file(atLimit, Util::kMaxTextFileBytes);
    std::filesystem::resize_file(over, Util::kMaxTextFileBytes + 1);
    std::filesystem::resize_file(huge, (int64_t(5) << 29) + 3);
    EXPECT_EQ(Util::ReadFileAscii(atLimit, false).size(), size_t(Util::kMaxTextFileBytes));
    struct Case {
        std::string path;
        const char* location;
        FailureCause cause;
    };
    const Case cases[] = {
        {folder.path + "missing.dat", "Util::ReadFileAscii (72)", FailureCause::CannotRead},
        {folder.path + "sub", "Util::ReadFileAscii (72)", FailureCause::NotAPlainFile},
        {folder.path + "fifo.ctg", "Util::ReadFileAscii (72)", FailureCause::NotAPlainFile},
        {over, "Util::ReadFileAscii (74)", FailureCause::TooLarge},
        {huge, "Util::ReadFileAscii (74)", FailureCause::TooLarge},
    };
    for (const Case& c : cases) {
        try {
            Util::ReadFileAscii(c.path, true);
            ADD_FAILURE() << c.path << " was read";
        } catch (const ApplicationException& e) {
            EXPECT_EQ(e.LocationText(), c.location);
            EXPECT_EQ(int(e.Cause), int(c.cause)) << c.path;
        }
    }
}

TEST(ModulePath, IsTheCanonicalFolderOfTheExecutable) {
    char* expected = realpath(TEST_BINARY_DIR, nullptr);
    ASSERT_NE(expected, nullptr);
    EXPECT_EQ(Util::GetModulePath(), std::string(expected) + "/");
    std::free(expected);
}

TEST(ModulePath, FolderOfKeepsExactlyOneTrailingSlash) {
    struct Case {
        const char* path;
        const char* folder;
    };
    const Case cases[] = {
        {"/Tessiva", "/"},
        {"/opt/tessiva/Tessiva", "/opt/tessiva/"},
        {"/opt//Tessiva", "/opt/"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Util::FolderOf(c.path), c.folder) << c.path;
}

// Runs OpenUrl with PATH pointing at a folder that holds a stand-in xdg-open (or none).
class OpenUrlTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* path = std::getenv("PATH"))
            savedPath = path;
        setenv("PATH", folder.path.c_str(), 1);
        Util::SetOpenUrlCursorHooks([this] { cursorLog += "wait;"; }, [this] { cursorLog += "restore;"; });
    }
    void TearDown() override {
        setenv("PATH", savedPath.c_str(), 1);
        Util::SetOpenUrlCursorHooks({}, {});
    }

    void InstallRecordingXdgOpen() {
        // Writes each argument on a line of its own, then renames, so the reader sees all or nothing.
        const std::string script = "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" + folder.path +
                                   "args.tmp'\n/bin/mv '" + folder.path + "args.tmp' '" + folder.path + "args'\n";
        chmod(folder.Write("xdg-open", script).c_str(), 0755);
    }

    std::string WaitForRecordedArguments() const {
        for (int i = 0; i < 500 && !std::filesystem::exists(folder.path + "args"); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::ifstream in(folder.path + "args");
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    TempFolder folder;
    std::string savedPath;
    std::string cursorLog;
};

TEST_F(OpenUrlTest, HandsTheAddressToXdgOpenUntouchedByAShell) {
    InstallRecordingXdgOpen();
    const std::string address = "https://tessiva.example/a b?x=1&y=$(touch pwned);`id`|'q'";
    Util::OpenUrl(address);
    EXPECT_EQ(WaitForRecordedArguments(), address + "\n");
    EXPECT_FALSE(std::filesystem::exists(folder.path + "pwned"));
    EXPECT_EQ(cursorLog, "wait;restore;");
}

TEST_F(OpenUrlTest, RaisesWhenXdgOpenCannotBeStartedAndRestoresTheCursor) {
    try {
        Util::OpenUrl("https://tessiva.example/");
        ADD_FAILURE() << "no xdg-open, yet nothing raised";
    } catch (const ApplicationException& e) {
        EXPECT_EQ(e.LocationText(), "Util::OpenUrl (10)");
    }
    EXPECT_EQ(cursorLog, "wait;restore;");
}
