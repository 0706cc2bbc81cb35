#include "rules/SeededRNG.hpp"

#include <sys/random.h>

#include <array>
#include <random>

namespace pellox {

std::uint32_t SeededRNG::randomSeed() {
    std::array<unsigned char, 8> bytes{};
    std::size_t got = 0;
    while (got < bytes.size()) {
        ssize_t n = getrandom(bytes.data() + got, bytes.size() - got, 0);
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    if (got < bytes.size()) {
        std::random_device device;  // reads the kernel source as well
        for (auto& b : bytes)
            b = static_cast<unsigned char>(device());
    }
    return static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
           (static_cast<std::uint32_t>(bytes[2]) << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
}

}  // namespace pellox
