// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The name a location text uses for a template argument: "class Gdiplus::Bitmap", "int".

#include <string>
#include <type_traits>
#include <typeinfo>

namespace Detail {
std::string DemangledName(const char* mangled);
}

template <class T>
std::string LocationTypeName() {
    std::string name = Detail::DemangledName(typeid(T).name());
    return std::is_class_v<T> ? "class " + name : name;
}
