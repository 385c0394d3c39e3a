#pragma once
// Owning handles for the cairo surfaces and contexts the art generator draws with.

#include <cairo.h>

#include <memory>

namespace ThemeArt {

struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextDeleter {
    void operator()(cairo_t* c) const { cairo_destroy(c); }
};
using SurfacePtr = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
using ContextPtr = std::unique_ptr<cairo_t, ContextDeleter>;

}  // namespace ThemeArt
