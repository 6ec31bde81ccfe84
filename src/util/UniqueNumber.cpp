#include "util/UniqueNumber.h"

#include <chrono>
#include <random>

namespace marovane {

uint64_t UniqueNumber() {
    thread_local std::mt19937_64 numbers{(uint64_t{std::random_device{}()} << 32) ^
                                         std::random_device{}()};
    // The clock tells apart a forked process, which starts with its parent's generator.
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    return numbers() ^ static_cast<uint64_t>(now);
}

} // namespace marovane
