// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundation/TypeName.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>

namespace Detail {
std::string DemangledName(const char* mangled) {
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> demangled(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                          &std::free);
    return status == 0 && demangled ? std::string(demangled.get()) : std::string(mangled);
}
}   // namespace Detail
