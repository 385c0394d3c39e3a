// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/LibraryWriter.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>
#include <system_error>

#include "foundation/ApplicationException.h"
#include "foundation/NibbleSwap.h"
#include "library/UtilProperty.h"

namespace LibraryWriter {

namespace {
[[noreturn]] void ThrowSystemError(const std::string& what) {
    throw std::system_error(errno, std::generic_category(), what);
}

bool IsPlainKey(const std::string& key) {
    if (key.empty())
        return false;
    for (const char c : key)
        if (static_cast<unsigned char>(c) < 0x21 || static_cast<unsigned char>(c) > 0x7E || c == '=')
            return false;
    return true;
}

// Removes the temporary file unless it was renamed into place.
class TemporaryFile {
public:
    // Created exclusively with the usual 0666 less the umask (mkstemp would give 0600).
    explicit TemporaryFile(const std::string& path) {
        for (unsigned attempt = 0; fd < 0; ++attempt) {
            name = path + ".tmp-" + std::to_string(getpid()) + "-" + std::to_string(attempt);
            fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd < 0 && (errno != EEXIST || attempt == 100))
                ThrowSystemError("cannot create a temporary file beside " + path);
        }
    }
    ~TemporaryFile() {
        if (fd >= 0)
            close(fd);
        if (!kept)
            unlink(name.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    void Write(const std::string& bytes) {
        size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t wrote = write(fd, bytes.data() + done, bytes.size() - done);
            if (wrote < 0) {
                if (errno == EINTR)
                    continue;
                ThrowSystemError("cannot write " + name);
            }
            done += static_cast<size_t>(wrote);
        }
        const int result = close(fd);
        fd = -1;
        if (result != 0)
            ThrowSystemError("cannot write " + name);
    }

    void MoveTo(const std::string& path, Existing existing) {
        if (existing == Existing::Replace) {
            if (rename(name.c_str(), path.c_str()) != 0)
                ThrowSystemError("cannot rename " + name + " to " + path);
        } else if (renameat2(AT_FDCWD, name.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) != 0) {
            if (errno != EINVAL && errno != ENOSYS)
                ThrowSystemError("cannot create " + path);
            // A file system without the no-replace rename: a hard link refuses an existing
            // name just as well.
            if (link(name.c_str(), path.c_str()) != 0)
                ThrowSystemError("cannot create " + path);
            unlink(name.c_str());
        }
        kept = true;
    }

private:
    std::string name;
    int fd = -1;
    bool kept = false;
};
}   // namespace

std::string PropertyText(const Properties& properties) {
    std::string text;
    for (const auto& [key, value] : properties) {
        if (!IsPlainKey(key))
            throw std::invalid_argument("key '" + key + "' is not a plain ASCII key");
        if (value.find_first_of(std::string("\r\n\0", 3)) != std::string::npos)
            throw std::invalid_argument("the value of " + key + " holds a line break or a zero byte");
        text += key + "=" + value + "\r\n";
    }
    // The reader finds a key wherever "key=" first stands, also inside another key or a value.
    for (const auto& [key, value] : properties) {
        if (UtilProperty::GetProperty(text, key.c_str()) != value)
            throw std::invalid_argument("'" + key + "=' appears inside an earlier property");
    }
    return text;
}

void WriteFileAtomically(const std::string& path, const std::string& bytes, Existing existing) {
    TemporaryFile temporary(path);
    temporary.Write(bytes);
    temporary.MoveTo(path, existing);
}

void WritePropertyFile(const std::string& path, const Properties& properties, Existing existing) {
    std::string bytes = PropertyText(properties);
    NibbleSwapBytes(bytes);
    WriteFileAtomically(path, bytes, existing);
}

}   // namespace LibraryWriter
