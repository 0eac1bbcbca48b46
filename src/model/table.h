#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <iterator>

namespace vek {

/// A table of the shared data model: a fixed number of entries indexed with `int`, as the pool's rules
/// count teams, weeks, games and members. An index outside the table stops a debug build at once;
/// every index that comes from a file or the user is checked before it gets here.
template <class T, int N>
struct Table {
    static_assert(N > 0);
    std::array<T, static_cast<std::size_t>(N)> items{};

    [[nodiscard]] constexpr T& operator[](int index) {
        assert(index >= 0 && index < N);
        return items[static_cast<std::size_t>(index)];
    }
    [[nodiscard]] constexpr const T& operator[](int index) const {
        assert(index >= 0 && index < N);
        return items[static_cast<std::size_t>(index)];
    }

    [[nodiscard]] static constexpr int size() { return N; }
    constexpr void fill(const T& value) { items.fill(value); }

    [[nodiscard]] constexpr auto begin() { return items.begin(); }
    [[nodiscard]] constexpr auto end() { return items.end(); }
    [[nodiscard]] constexpr auto begin() const { return items.begin(); }
    [[nodiscard]] constexpr auto end() const { return items.end(); }
    [[nodiscard]] constexpr T* data() { return items.data(); }
    [[nodiscard]] constexpr const T* data() const { return items.data(); }

    bool operator==(const Table&) const = default;
    bool operator==(const std::array<T, static_cast<std::size_t>(N)>& other) const { return items == other; }
};

/// One of our own vectors (or a span of one) indexed with `int` like a table, with the same debug check.
template <class Items> [[nodiscard]] constexpr decltype(auto) at(Items& items, int index) {
    assert(index >= 0 && index < std::ssize(items));
    return items[static_cast<std::size_t>(index)];
}

/// A count of entries as a vector's size; a negative count stops a debug build.
[[nodiscard]] constexpr std::size_t sizeFor(int count) {
    assert(count >= 0);
    return static_cast<std::size_t>(count);
}

template <class T, int A, int B>
using Table2 = Table<Table<T, B>, A>;
template <class T, int A, int B, int C>
using Table3 = Table<Table<Table<T, C>, B>, A>;

} // namespace vek
