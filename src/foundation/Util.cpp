// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundation/Util.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>
#include <vector>

#include "foundation/ApplicationException.h"
#include "foundation/NibbleSwap.h"

namespace Util {

int32_t ParseInt(const char* text) {
    if (!text)
        throw ArgumentNullException("Util::ParseInt (155)");
    return ParseInt(std::string_view(text));
}

namespace {
// The parser behind both entry points: the failing location text, or null with the value set.
const char* ParseIntOrFailure(std::string_view text, int32_t& result) {
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
            return "Util::ParseInt (194)";
        value = value * 10u + static_cast<uint32_t>(c - '0');
        sawDigit = true;
    }
    if (!sawDigit)
        return "Util::ParseInt (203)";
    if (negative)
        value = 0u - value;
    result = static_cast<int32_t>(value);
    return nullptr;
}
}   // namespace

int32_t ParseInt(std::string_view text) {
    int32_t value = 0;
    if (const char* failure = ParseIntOrFailure(text, value))
        throw ArgumentException(failure);
    return value;
}

bool TryParseInt(std::string_view text, int32_t& value) {
    int32_t parsed = 0;
    if (ParseIntOrFailure(text, parsed))
        return false;
    value = parsed;
    return true;
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
}   // namespace

std::string ReadFileAscii(const std::string& path, bool swapNibbles) {
    FileDescriptor file;
    // Non-blocking, so a FIFO that carries a library file's name cannot hang the reader.
    file.fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (file.fd < 0)
        RaiseError("Util::ReadFileAscii (72)", FailureCause::CannotRead);
    struct stat info {};
    if (fstat(file.fd, &info) != 0)
        RaiseError("Util::ReadFileAscii (73)", FailureCause::CannotRead);
    // Only a plain file is read: a folder, FIFO or device raises a failed open's text, with a
    // cause of its own.
    if (!S_ISREG(info.st_mode))
        RaiseError("Util::ReadFileAscii (72)", FailureCause::NotAPlainFile);
    // Library texts are small; a huge (or sparse) file would cost its size in memory and time.
    if (info.st_size > kMaxTextFileBytes)
        RaiseError("Util::ReadFileAscii (74)", FailureCause::TooLarge);
    const size_t size = static_cast<size_t>(info.st_size);
    std::string bytes(size, '\0');
    size_t done = 0;
    while (done < size) {
        const ssize_t got = read(file.fd, bytes.data() + done, size - done);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            RaiseError("Util::ReadFileAscii (77)", FailureCause::CannotRead);
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
    std::unique_ptr<char, decltype(&std::free)> canonical(realpath(link.data(), nullptr), &std::free);
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

// Both ends of a pipe that closes on exec; each end is closed at most once.
class ExecReportPipe {
public:
    ExecReportPipe() { ok = pipe2(ends, O_CLOEXEC) == 0; }
    ~ExecReportPipe() {
        CloseReadEnd();
        CloseWriteEnd();
    }
    ExecReportPipe(const ExecReportPipe&) = delete;
    ExecReportPipe& operator=(const ExecReportPipe&) = delete;

    bool ok = false;
    int ReadEnd() const { return ends[0]; }
    int WriteEnd() const { return ends[1]; }
    void CloseReadEnd() { Close(ends[0]); }
    void CloseWriteEnd() { Close(ends[1]); }

private:
    static void Close(int& fd) {
        if (fd >= 0)
            close(fd);
        fd = -1;
    }
    int ends[2] = {-1, -1};
};

// Runs in the grandchild: only async-signal-safe calls between fork and exec. The browser
// must not inherit our descriptors (a held window lock would outlive the game), so all but
// the standard three and the report pipe are closed.
[[noreturn]] void ExecXdgOpen(char* const argv[], int reportFd) {
    if (reportFd > 3)
        close_range(3, reportFd - 1, 0);
    close_range(reportFd + 1, ~0U, 0);
    execvp("xdg-open", argv);
    const int error = errno;
    [[maybe_unused]] ssize_t written = write(reportFd, &error, sizeof error);
    _exit(127);
}
}   // namespace

void SetOpenUrlCursorHooks(std::function<void()> showWaitCursor, std::function<void()> restoreCursor) {
    OpenUrlCursorHooks() = {std::move(showWaitCursor), std::move(restoreCursor)};
}

void OpenUrl(const std::string& address) {
    WaitCursorScope waitCursor;
    std::string program = "xdg-open";
    std::string argument = address;
    char* argv[] = {program.data(), argument.data(), nullptr};

    // xdg-open may stay until the browser closes. It is started as a grandchild whose parent
    // ends at once, so the caller never blocks on it and no zombie is left, without a thread.
    // The grandchild reports a failed exec through the pipe; a successful exec closes it.
    ExecReportPipe report;
    if (!report.ok)
        RaiseError("Util::OpenUrl (10)");
    const pid_t child = fork();
    if (child < 0)
        RaiseError("Util::OpenUrl (10)");
    if (child == 0) {
        const pid_t grandchild = fork();
        if (grandchild == 0)
            ExecXdgOpen(argv, report.WriteEnd());
        _exit(grandchild < 0 ? 1 : 0);
    }
    report.CloseWriteEnd();
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int execError = 0;
    ssize_t got = 0;
    do {
        got = read(report.ReadEnd(), &execError, sizeof execError);
    } while (got < 0 && errno == EINTR);
    const bool started = WIFEXITED(status) && WEXITSTATUS(status) == 0 && got == 0;
    if (!started)
        RaiseError("Util::OpenUrl (10)");
}

}   // namespace Util
