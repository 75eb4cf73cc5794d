// SPDX-License-Identifier: GPL-3.0-or-later
// The benchmark's goals, defined once: the report prints them, checks them and
// names them in the summary line.
#pragma once

#include <array>

namespace ordevix::bench {

enum class GoalId {
    PerfectOverVectorLimit,
    AmicableOverVectorLimit,
    PerfectOverScalarLoop,
    AmicableOverScalarLoop,
    PerfectOverLiteral,
    AmicableOverLiteral,
    CaptionOverNoCaption,
    LatencyMaxMs,
    StartupOverHandBuilt,
    Count
};

struct Goal {
    GoalId id;
    const char* what;
    bool atLeast; // the figure must be at least the bound; otherwise at most
    double bound;
};

// clang-format off
inline constexpr std::array<Goal, static_cast<int>(GoalId::Count)> kGoals{{
    {GoalId::PerfectOverVectorLimit,  "perfect: program / vector limit",               true,    0.9},
    {GoalId::AmicableOverVectorLimit, "amicable: program / vector limit",              true,    0.9},
    {GoalId::PerfectOverScalarLoop,   "perfect: program / scalar loop (AVX2)",         true,    6},
    {GoalId::AmicableOverScalarLoop,  "amicable: program / scalar loop (AVX2)",        true,    6},
    {GoalId::PerfectOverLiteral,      "perfect: program / literal DoEvents",           true,  100},
    {GoalId::AmicableOverLiteral,     "amicable: program / literal DoEvents",          true,  100},
    {GoalId::CaptionOverNoCaption,    "perfect: with caption / without, in speed",     true,    0.95},
    {GoalId::LatencyMaxMs,            "input delay, longest, ms",                      false,  20},
    {GoalId::StartupOverHandBuilt,    "start-up: main menu / same menu by hand",       false,   1.1},
}};
// clang-format on

inline constexpr const Goal& goal(GoalId id) {
    return kGoals[static_cast<int>(id)];
}

inline constexpr bool met(const Goal& g, double figure) {
    return g.atLeast ? figure >= g.bound : figure <= g.bound;
}

} // namespace ordevix::bench
