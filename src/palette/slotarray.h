#pragma once

#include <QtGlobal>

#include <array>
#include <span>

// A fixed array whose slots are numbered from 1, as the palette state counts them.
template<typename T, int N>
class SlotArray
{
public:
    static constexpr int size() { return N; }

    T &operator[](int slot)
    {
        Q_ASSERT(slot >= 1 && slot <= N);
        return items[slot - 1];
    }
    const T &operator[](int slot) const
    {
        Q_ASSERT(slot >= 1 && slot <= N);
        return items[slot - 1];
    }

    // Slots 1 to count, as a span starting at slot 1.
    std::span<const T> first(int count) const
    {
        Q_ASSERT(count >= 0 && count <= N);
        return std::span<const T>(items).first(std::size_t(count));
    }

private:
    std::array<T, N> items{};
};
