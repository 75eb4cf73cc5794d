// Shared by the fuzz targets: turns fuzzer bytes into a UTF-16 text and the
// regional settings to read it with.
#pragma once

#include "shell/numeric.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace ordevix::fuzz {

// ASCII bytes stay as they are; the others pick a character that a number
// reader might be tempted to accept.
inline Text toText(const std::uint8_t* data, std::size_t size) {
    static constexpr char16_t kWide[] = {
        u'\u00A0', u'\u2212', u'\uFF10',        u'\uFF11',        u'\u0660', u'\u0665', u'\u066B',
        u'\u202F', u'\u00B7', char16_t(0xD800), char16_t(0xDC00), u'\uFFFF', u'\u0000', u'\u3000',
    };
    Text text;
    text.reserve(size);
    for (std::size_t k = 0; k < size; ++k)
        text.push_back(data[k] < 0x80 ? char16_t(data[k])
                                      : kWide[data[k] % (sizeof kWide / sizeof kWide[0])]);
    return text;
}

inline RegionalSettings regionalFor(std::uint8_t selector) {
    return selector & 1 ? RegionalSettings::comma() : RegionalSettings::period();
}

[[noreturn]] inline void broken(const char* what) {
    std::fprintf(stderr, "contract broken: %s\n", what);
    std::abort();
}

} // namespace ordevix::fuzz
