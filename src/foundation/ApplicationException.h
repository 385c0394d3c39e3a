// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exception family of both programs: plain value classes carrying a location text and a cause.

#include <cstdint>
#include <memory>
#include <string>

// What kind of failure a raise reports, for code that decides on it: the location text beside
// it is for people, and no decision compares it.
enum class FailureCause : uint8_t {
    Unspecified,       // the raise names no cause of its own
    CannotRead,        // a file cannot be opened, sized or read: gone, forbidden, an I/O error
    NotAPlainFile,     // a folder, FIFO or device stands where a file is read
    TooLarge,          // a file larger than its reader takes
    MissingFile,       // a file an item needs is not there (a puzzle's picture or ".dat" file)
    ContentUnusable,   // a file's name or text is not what its reader needs
};

class ApplicationException {
public:
    explicit ApplicationException(const char* location, const char* extraText1 = nullptr,
                                  const char* extraText2 = nullptr);

    const std::string& LocationText() const { return *Location; }

    // The thread's last system error (errno), read before anything else can change it.
    uint32_t ErrorCode = 0;
    // Shared, so copying an exception shares its texts.
    std::shared_ptr<const std::string> Location;
    std::shared_ptr<const std::string> ExtraText1;
    std::shared_ptr<const std::string> ExtraText2;
    FailureCause Cause = FailureCause::Unspecified;
};

// Malformed text given to a parser.
class ArgumentException : public ApplicationException {
public:
    using ApplicationException::ApplicationException;
};

// A required text argument is absent; deliberately not an ArgumentException.
class ArgumentNullException : public ApplicationException {
public:
    using ApplicationException::ApplicationException;
};

// A duration built from hours and minutes is out of range.
class ArgumentOutOfRangeException : public ApplicationException {
public:
    using ApplicationException::ApplicationException;
};

// The sum of two durations overflows.
class OverflowException : public ApplicationException {
public:
    using ApplicationException::ApplicationException;
};

// Throws an ApplicationException with the given location text; never returns.
[[noreturn]] void RaiseError(const char* location);
[[noreturn]] void RaiseError(const std::string& location);
// The same, naming the failure's cause for callers that decide on it.
[[noreturn]] void RaiseError(const char* location, FailureCause cause);

// The conditional form: raises with the location when the condition is false.
inline void RaiseErrorIfFalse(bool condition, const char* location) {
    if (!condition)
        RaiseError(location);
}
