#include "foundation/Util.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>
#include <thread>
#include <vector>

#include "foundation/ApplicationException.h"
#include "foundation/NibbleSwap.h"

extern char** environ;

namespace Util {

int32_t ParseInt(const char* text) {
    if (!text)
        throw ArgumentNullException("Util::ParseInt (155)");
    return ParseInt(std::string_view(text));
}

int32_t ParseInt(std::string_view text) {
    size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }
    // Unsigned accumulation: the parser wraps at 32 bits instead of checking for overflow.
    uint32_t value = 0;
    bool sawDigit = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == ' ' || c == '\t')
            continue;
        if (c < '0' || c > '9')
            throw ArgumentException("Util::ParseInt (194)");
        value = value * 10u + static_cast<uint32_t>(c - '0');
        sawDigit = true;
    }
    if (!sawDigit)
        throw ArgumentException("Util::ParseInt (203)");
    if (negative)
        value = 0u - value;
    return static_cast<int32_t>(value);
}

namespace {
// Closes the descriptor on every path out of ReadFileAscii.
struct FileDescriptor {
    int fd = -1;
    ~FileDescriptor() {
        if (fd >= 0)
            close(fd);
    }
};
}  // namespace

std::string ReadFileAscii(const std::string& path, bool swapNibbles) {
    FileDescriptor file;
    // Non-blocking, so a FIFO that carries a library file's name cannot hang the reader.
    file.fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (file.fd < 0)
        RaiseError("Util::ReadFileAscii (72)");
    struct stat info {};
    if (fstat(file.fd, &info) != 0)
        RaiseError("Util::ReadFileAscii (73)");
    // Only a plain file opens as one: a folder, FIFO or device fails like a failed open.
    if (!S_ISREG(info.st_mode))
        RaiseError("Util::ReadFileAscii (72)");
    // The size is taken as a 32-bit count, as the library's files are small.
    const size_t size = static_cast<uint32_t>(info.st_size);
    std::string bytes(size, '\0');
    size_t done = 0;
    while (done < size) {
        const ssize_t got = read(file.fd, bytes.data() + done, size - done);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            RaiseError("Util::ReadFileAscii (77)");
        }
        if (got == 0)
            break;
        done += static_cast<size_t>(got);
    }
    bytes.resize(done);
    if (swapNibbles)
        NibbleSwapBytes(bytes);
    return bytes;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return "./";
    std::string folder = path.substr(0, slash);
    while (!folder.empty() && folder.back() == '/')
        folder.pop_back();
    return folder + '/';
}

std::string GetModulePath() {
    std::vector<char> link(PATH_MAX + 1);
    const ssize_t length = readlink("/proc/self/exe", link.data(), PATH_MAX);
    if (length <= 0 || length >= PATH_MAX)
        RaiseError("Util::GetModulePath (18)");
    link[static_cast<size_t>(length)] = '\0';
    std::unique_ptr<char, decltype(&std::free)> canonical(realpath(link.data(), nullptr),
                                                          &std::free);
    if (!canonical)
        RaiseError("Util::GetModulePath (20)");
    return FolderOf(canonical.get());
}

namespace {
struct CursorHooks {
    std::function<void()> showWaitCursor;
    std::function<void()> restoreCursor;
};

CursorHooks& OpenUrlCursorHooks() {
    static CursorHooks hooks;
    return hooks;
}

// Shows the wait cursor for its lifetime, so the cursor comes back on every path.
class WaitCursorScope {
public:
    WaitCursorScope() {
        if (OpenUrlCursorHooks().showWaitCursor)
            OpenUrlCursorHooks().showWaitCursor();
    }
    ~WaitCursorScope() {
        if (OpenUrlCursorHooks().restoreCursor)
            OpenUrlCursorHooks().restoreCursor();
    }
    WaitCursorScope(const WaitCursorScope&) = delete;
    WaitCursorScope& operator=(const WaitCursorScope&) = delete;
};

struct SpawnFileActions {
    posix_spawn_file_actions_t actions;
    SpawnFileActions() { posix_spawn_file_actions_init(&actions); }
    ~SpawnFileActions() { posix_spawn_file_actions_destroy(&actions); }
};
}  // namespace

void SetOpenUrlCursorHooks(std::function<void()> showWaitCursor,
                           std::function<void()> restoreCursor) {
    OpenUrlCursorHooks() = {std::move(showWaitCursor), std::move(restoreCursor)};
}

void OpenUrl(const std::string& address) {
    WaitCursorScope waitCursor;
    // The browser must not inherit our descriptors (a held window lock would outlive the game).
    SpawnFileActions files;
    posix_spawn_file_actions_addclosefrom_np(&files.actions, 3);
    std::string program = "xdg-open";
    std::string argument = address;
    char* argv[] = {program.data(), argument.data(), nullptr};
    pid_t child = 0;
    if (posix_spawnp(&child, "xdg-open", &files.actions, nullptr, argv, environ) != 0)
        RaiseError("Util::OpenUrl (10)");
    // xdg-open may stay until the browser closes; reap it aside so it never blocks the caller
    // and leaves no zombie.
    std::thread([child] {
        int status = 0;
        while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
}

}  // namespace Util
