// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Optional value that raises when read unset; callers test HasValue first.

#include <typeinfo>

#include "foundation/ApplicationException.h"
#include "foundation/TypeName.h"

template <class T>
class Nullable {
public:
    Nullable() = default;
    Nullable(const T& value) : value(value), HasValue(true) {}   // NOLINT: assigning a T sets it

    Nullable& operator=(const T& newValue) {
        value = newValue;
        HasValue = true;
        return *this;
    }

    const T& Value() const {
        if (!HasValue)
            RaiseError("Nullable<" + LocationTypeName<T>() + ">::Value (20)");
        return value;
    }

private:
    T value{};

public:
    bool HasValue = false;
};
