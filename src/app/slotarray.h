#pragma once

#include <QtGlobal>

#include <array>

// A fixed array whose slots are numbered from 1, as the palette state counts them.
template<typename T, int N>
class SlotArray
{
public:
    static constexpr int size() { return N; }

    T &operator[](int slot)
    {
        Q_ASSERT(slot >= 1 && slot <= N);
        return values[slot - 1];
    }
    const T &operator[](int slot) const
    {
        Q_ASSERT(slot >= 1 && slot <= N);
        return values[slot - 1];
    }

private:
    std::array<T, N> values{};
};
