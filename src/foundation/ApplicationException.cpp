// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundation/ApplicationException.h"

#include <cerrno>

namespace {
std::shared_ptr<const std::string> SharedText(const char* text) {
    return std::make_shared<const std::string>(text ? text : "");
}
}   // namespace

ApplicationException::ApplicationException(const char* location, const char* extraText1, const char* extraText2)
    : ErrorCode(static_cast<uint32_t>(errno)),
      Location(SharedText(location)),
      ExtraText1(SharedText(extraText1)),
      ExtraText2(SharedText(extraText2)) {}

void RaiseError(const char* location) { throw ApplicationException(location); }

void RaiseError(const std::string& location) { throw ApplicationException(location.c_str()); }

void RaiseError(const char* location, FailureCause cause) {
    ApplicationException error(location);
    error.Cause = cause;
    throw error;
}
