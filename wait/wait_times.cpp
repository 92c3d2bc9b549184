#include "wait/wait_times.h"

#include <algorithm>

namespace {

std::uint64_t Left(std::uint64_t deadline, std::uint64_t now) {
    return deadline > now ? deadline - now : 0;
}

} // namespace

std::uint32_t AnswerWaitMs(std::uint64_t deadline, std::uint64_t now) {
    return static_cast<std::uint32_t>(
        std::clamp<std::uint64_t>(Left(deadline, now), SearchIntervalMs, LongestAnswerWaitMs));
}

std::uint32_t ChangeBudgetMs(std::uint64_t deadline, std::uint64_t now) {
    return static_cast<std::uint32_t>(
        std::clamp<std::uint64_t>(Left(deadline, now), ShortestChangeBudgetMs, LongestWaitMs));
}
