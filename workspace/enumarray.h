#pragma once

#include <array>
#include <cstddef>

namespace weftara::workspace {

// A fixed array indexed by the values of an enum, First being the value of
// the first element (so that arrays over the tabs, counted from 1, need no
// offset at every use).
template <class Key, class T, std::size_t Size, Key First = Key{}>
class EnumArray
{
public:
    constexpr EnumArray() = default;
    constexpr explicit EnumArray(const T &value) { m_items.fill(value); }

    constexpr T &operator[](Key key) { return m_items[index(key)]; }
    constexpr const T &operator[](Key key) const { return m_items[index(key)]; }

    void fill(const T &value) { m_items.fill(value); }
    bool operator==(const EnumArray &) const = default;

private:
    static constexpr std::size_t index(Key key) { return std::size_t(int(key) - int(First)); }

    std::array<T, Size> m_items{};
};

} // namespace weftara::workspace
