// Shared by the fuzz targets: regional settings, fuzzer bytes as a text, the contract check.
#pragma once

#include "shell/numeric.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>

namespace ordevix::fuzz {

constexpr RegionalSettings kRegional[] = {RegionalSettings::period(), RegionalSettings::comma()};

// ASCII bytes stay as they are; the others pick a character a number reader might accept.
inline Text toText(const std::uint8_t* data, std::size_t size) {
    // clang-format off
    static constexpr char16_t kWide[] = {u'\u00A0', u'\u2212', u'\uFF10', u'\uFF11', u'\u0660', u'\u0665', u'\u066B', u'\u202F', u'\u00B7', char16_t(0xD800), char16_t(0xDC00), u'\uFFFF', u'\u0000', u'\u3000'};
    // clang-format on
    Text text;
    for (std::size_t k = 0; k < size; ++k)
        text.push_back(data[k] < 0x80 ? char16_t(data[k]) : kWide[data[k] % std::size(kWide)]);
    return text;
}

inline void check(bool holds, const char* contract) {
    if (!holds) {
        std::fprintf(stderr, "contract broken: %s\n", contract);
        std::abort();
    }
}

} // namespace ordevix::fuzz
