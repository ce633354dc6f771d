#pragma once

#include <memory>

namespace weftara::heif {

// A libheif object released by its own release function.
template <auto Release>
struct Releaser
{
    template <typename T>
    void operator()(T *object) const { Release(object); }
};

template <typename T, auto Release>
using Owned = std::unique_ptr<T, Releaser<Release>>;

} // namespace weftara::heif
