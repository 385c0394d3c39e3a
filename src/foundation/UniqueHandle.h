// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An owning pointer to an object of a C library, released with that library's own function:
// UniqueHandle<cairo_t, cairo_destroy> holds a cairo context and destroys it.

#include <memory>

template <auto Release>
struct ReleaseWith {
    template <typename T>
    void operator()(T* handle) const {
        Release(handle);
    }
};

template <typename T, auto Release>
using UniqueHandle = std::unique_ptr<T, ReleaseWith<Release>>;
