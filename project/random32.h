#pragma once

#include <cstdint>

namespace tz {

// 32-bit linear congruential generator: seed := seed * 134775813 + 1 (mod 2^32).
class Random32 {
public:
    explicit Random32(std::uint32_t seed = 0) : m_seed(seed) {}

    // A number from 0 to n - 1: the advanced seed times n, divided by 2^32.
    std::uint32_t below(std::uint32_t n) {
        m_seed = m_seed * 134775813u + 1u;
        return static_cast<std::uint32_t>((std::uint64_t(m_seed) * n) >> 32);
    }
    std::uint32_t seed() const { return m_seed; }

private:
    std::uint32_t m_seed;
};

// The one generator of the process, seeded once per run from the system's random source
// so that projects made in different runs get different identifiers.
Random32& processRandom();

} // namespace tz
