// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A failure of a tessiva-pack command: the one-line message and the exit status it ends with.

#include <stdexcept>
#include <string>

class ToolError : public std::runtime_error {
public:
    static constexpr int kFailed = 1;     // the command was sound but could not be carried out
    static constexpr int kBadInput = 2;   // usage errors and refused input

    ToolError(int exitStatus, const std::string& message) : std::runtime_error(message), exitStatus(exitStatus) {}

    int exitStatus;
};
