#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>

// A count or seed that a randomized test takes from the environment variable `name` (decimal, or
// hexadecimal with 0x), or `fallback` where the variable is not set or empty.
inline std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::stoull(value, nullptr, 0) : fallback;
}
