// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user registry of live top-level windows by class, seen from this and other processes.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>

#include "PlatformTestSupport.h"
#include "platform/WindowClassLock.h"
#include "platform/WindowClassRegistry.h"
#include "support/TempFolder.h"

namespace {

// A class name of this test process alone, so parallel runs do not meet; its registry file is
// removed when the test ends, so runs leave nothing behind.
class UniqueClass {
public:
    explicit UniqueClass(const char* name)
        : className(std::string("RegistryTest_") + name + "_" + std::to_string(getpid())) {}
    ~UniqueClass() { unlink(WindowClassLock::LockFilePath(className).c_str()); }
    operator const std::string&() const { return className; }
    std::string operator+(const char* suffix) const { return className + suffix; }

private:
    std::string className;
};

// The registry's answer as another process sees it.
bool ExistsFromAnotherProcess(const std::string& className) {
    const pid_t child = fork();
    if (child == 0)
        _exit(TopLevelWindowOfClassExists(className) ? 0 : 1);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(WindowClassRegistry, ALockHeldMeansAWindowExistsUntilReleased) {
    const UniqueClass className("Held");
    EXPECT_FALSE(TopLevelWindowOfClassExists(className));
    {
        WindowClassLock lock(className);
        ASSERT_TRUE(lock.Held());
        EXPECT_TRUE(TopLevelWindowOfClassExists(className));
        EXPECT_TRUE(ExistsFromAnotherProcess(className));
        // Asking does not disturb the answer.
        EXPECT_TRUE(TopLevelWindowOfClassExists(className));
        EXPECT_FALSE(TopLevelWindowOfClassExists(className + "_other"));
    }
    EXPECT_FALSE(TopLevelWindowOfClassExists(className));
    EXPECT_FALSE(ExistsFromAnotherProcess(className));
}

TEST(WindowClassRegistry, TheLockGoesWithAProcessThatDies) {
    const UniqueClass className("Dies");
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    if (child == 0) {
        WindowClassLock lock(className);
        const char held = lock.Held() ? 'y' : 'n';
        if (write(ready[1], &held, 1) != 1)
            _exit(2);
        pause();   // until killed: no destructor runs
        _exit(0);
    }
    char held = 0;
    ASSERT_EQ(read(ready[0], &held, 1), 1);
    EXPECT_EQ(held, 'y');
    EXPECT_TRUE(TopLevelWindowOfClassExists(className));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_FALSE(TopLevelWindowOfClassExists(className));
    close(ready[0]);
    close(ready[1]);
}

// Programs started from su, ssh or a launcher see other environments; the registry must not.
TEST(WindowClassRegistry, TheFolderFollowsTheUserNotTheEnvironment) {
    const UniqueClass className("Environment");
    const std::string uid = std::to_string(getuid());
    const std::string path = WindowClassLock::LockFilePath(className);
    EXPECT_TRUE(path.rfind("/run/user/" + uid + "/", 0) == 0 || path.rfind("/tmp/tessiva-" + uid + "/", 0) == 0)
        << path;

    const TempFolder runtime;
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    const std::optional<std::string> savedRuntime = saved ? std::optional<std::string>(saved) : std::nullopt;
    setenv("XDG_RUNTIME_DIR", runtime.path.c_str(), 1);   // a private folder of this user, as a session's would be
    EXPECT_EQ(WindowClassLock::LockFilePath(className), path);
    {
        WindowClassLock lock(className);
        ASSERT_TRUE(lock.Held());
        unsetenv("XDG_RUNTIME_DIR");
        EXPECT_TRUE(ExistsFromAnotherProcess(className));
        setenv("XDG_RUNTIME_DIR", "/nonexistent", 1);
        EXPECT_TRUE(ExistsFromAnotherProcess(className));
    }
    EXPECT_FALSE(ExistsFromAnotherProcess(className));
    if (savedRuntime)
        setenv("XDG_RUNTIME_DIR", savedRuntime->c_str(), 1);
    else
        unsetenv("XDG_RUNTIME_DIR");
}

TEST(WindowClassRegistry, ClassNamesBecomeSafeFileNames) {
    EXPECT_EQ(WindowClassLock::LockFilePath(""), "");
    const std::string path = WindowClassLock::LockFilePath("../a b/c");
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.substr(path.rfind('/') + 1), "tessiva-window-class-.._a_b_c.lock");
}

class RegistryWindowTest : public HeadlessTest {};

TEST_F(RegistryWindowTest, TopLevelWindowsRegisterTheirClassChildWindowsDoNot) {
    const UniqueClass frameClass("Frame");
    const UniqueClass childClass("Child");
    for (const std::string& name : {std::string(frameClass), std::string(childClass)}) {
        WNDCLASS windowClass;
        windowClass.className = name;
        windowClass.lpfnWndProc = DefWindowProc;
        ASSERT_TRUE(RegisterClass(windowClass));
    }
    const HWND frame = CreateWindowEx(0, frameClass, "frame", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr);
    ASSERT_TRUE(frame);
    ASSERT_TRUE(CreateWindowEx(0, childClass, "", WS_CHILD, 0, 0, 10, 10, frame, nullptr));
    EXPECT_TRUE(ExistsFromAnotherProcess(frameClass));
    EXPECT_FALSE(ExistsFromAnotherProcess(childClass));
    DestroyWindow(frame);
    EXPECT_FALSE(ExistsFromAnotherProcess(frameClass));
}

}   // namespace
