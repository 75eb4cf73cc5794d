// libFuzzer: each reader raises only its own faults, and what the writers write reads back.
#include "shell/numeric.h"

#undef NDEBUG // checked in every build
#include <cassert>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace ordevix;

constexpr RegionalSettings kRegional[] = {RegionalSettings::period(), RegionalSettings::comma()};

#ifdef ORDEVIX_FUZZ_READER
constexpr Double (*kReaders[])(const Text&, const RegionalSettings&) = {
    [](auto& t, auto&) { return TextValue(t); }, regionalTextValue, TextToDouble,
    [](auto& t, auto& r) { return Double(TextToInteger(t, r)); },
    [](auto& t, auto& r) { return Double(TextToLong(t, r)); }};
constexpr char16_t kWide[] = // for the bytes past ASCII, the closing NUL included
    u"\u00A0\u2212\uFF10\uFF11\u0660\u0665\u066B\u202F\u00B7\xD800\xDC00\uFFFF\u3000";

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Text text;
    for (std::size_t k = 1; k < size; ++k)
        text.push_back(data[k] < 0x80 ? char16_t(data[k]) : kWide[data[k] % std::size(kWide)]);
    try {
        assert(std::isfinite(kReaders[ORDEVIX_FUZZ_READER](text, kRegional[size && data[0] % 2])));
    } catch (const Fault& fault) { // TextValue and regionalTextValue take any text
        assert(fault.kind() == FaultKind::Overflow ||
               (ORDEVIX_FUZZ_READER >= 2 && fault.kind() == FaultKind::TypeMismatch));
    }
    return 0;
}
#else
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Double x;
    if (size < 1 + sizeof x)
        return 0;
    const RegionalSettings& regional = kRegional[data[0] % 2];
    const Integer n = Integer(data[1] | data[2] << 8);
    assert(TextToInteger(IntegerToText(n), regional) == n);
    std::memcpy(&x, data + 1, sizeof x);
    if (!std::isfinite(x))
        return 0;
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.14e", x);
    const Double rounded = std::strtod(digits, nullptr); // x to 15 digits
    try {
        assert(TextToDouble(DoubleToText(x, regional), regional) == rounded);
        assert(regionalTextValue(DoubleToText(x, regional), regional) == rounded);
    } catch (const Fault& fault) { // 15 digits may round past the top
        assert(fault.kind() == FaultKind::Overflow && std::fabs(rounded) >= 1.79e308);
    }
    assert(NumberToSignedText(x).find_first_of(u" -") == 0);
    if (std::fabs(x) <= 0x1.fffffep127) // the largest Single, so no infinity
        (void)NumberToSignedText(static_cast<Single>(x));
    return 0;
}
#endif
