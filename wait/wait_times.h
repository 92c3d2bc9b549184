// How panefit-wait shares its limit among the steps of a wait: the time a
// window's program gets to answer and to make one size change. Stateless
// and free of Win32; times are milliseconds of GetTickCount64.
#pragma once

#include <cstdint>

constexpr std::uint32_t SearchIntervalMs = 250;
constexpr std::uint32_t LongestAnswerWaitMs = 1000;   // then the search is made afresh
constexpr std::uint32_t ShortestChangeBudgetMs = 350; // a change begun at the limit still gets this
// The longest wait a 32-bit count of milliseconds holds; one more is INFINITE.
constexpr std::uint32_t LongestWaitMs = 0xFFFFFFFE;

// The time left to the limit, but at least SearchIntervalMs and at most
// LongestAnswerWaitMs.
std::uint32_t AnswerWaitMs(std::uint64_t deadline, std::uint64_t now);

// The time left to the limit, but at least ShortestChangeBudgetMs, and at
// most LongestWaitMs whatever the limit: a limit of 4294967295 s does not
// wrap to a short budget, nor reach INFINITE.
std::uint32_t ChangeBudgetMs(std::uint64_t deadline, std::uint64_t now);
