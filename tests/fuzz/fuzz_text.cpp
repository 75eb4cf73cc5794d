// The text conversions under libFuzzer: with ORDEVIX_FUZZ_READER, the reader it picks (no crash,
// only the faults it may raise); without, the writers' round trips (what it writes, it reads back).
#include "shell/numeric.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

using namespace ordevix;
using enum FaultKind;

constexpr RegionalSettings kRegional[] = {RegionalSettings::period(), RegionalSettings::comma()};

static void check(bool holds, const char* contract) {
    if (!holds) {
        std::fprintf(stderr, "contract broken: %s\n", contract);
        std::abort();
    }
}

#ifdef ORDEVIX_FUZZ_READER
using Rs = RegionalSettings;
constexpr Double (*kReaders[])(const Text&, const Rs&) = {
    [](const Text& text, const Rs&) { return TextValue(text); }, regionalTextValue, TextToDouble,
    [](const Text& text, const Rs& regional) { return Double(TextToInteger(text, regional)); },
    [](const Text& text, const Rs& regional) { return Double(TextToLong(text, regional)); }};
// ASCII bytes stay as they are; the others pick a character a number reader might accept.
constexpr char16_t kWide[] = {u'\u00A0',        u'\u2212', u'\uFF10', u'\uFF11', u'\u0660',
                              u'\u0665',        u'\u066B', u'\u202F', u'\u00B7', char16_t(0xD800),
                              char16_t(0xDC00), u'\uFFFF', u'\u0000', u'\u3000'};
constexpr bool kMayReject = ORDEVIX_FUZZ_READER >= 2; // TextValue, regionalTextValue never do

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Text text;
    for (std::size_t k = 1; k < size; ++k)
        text.push_back(data[k] < 0x80 ? char16_t(data[k]) : kWide[data[k] % std::size(kWide)]);
    try {
        const Double value =
            kReaders[ORDEVIX_FUZZ_READER](text, kRegional[size > 0 && (data[0] & 1)]);
        check(std::isfinite(value), "the reader gave a value that is not finite");
    } catch (const Fault& fault) {
        const FaultKind kind = fault.kind();
        check(kind == Overflow || (kMayReject && kind == TypeMismatch), "a forbidden fault");
    }
    return 0;
}
#else
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Double x;
    if (size < 1 + sizeof x)
        return 0;
    const RegionalSettings regional = kRegional[data[0] & 1];
    const Integer n = Integer(data[1] | data[2] << 8);
    check(TextToInteger(IntegerToText(n), regional) == n, "IntegerToText does not read back");
    std::memcpy(&x, data + 1, sizeof x);
    if (!std::isfinite(x))
        return 0;
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.14e", x);
    const Double rounded = std::strtod(digits, nullptr); // x to 15 digits
    const Text written = DoubleToText(x, regional);
    try {
        check(TextToDouble(written, regional) == rounded, "TextToDouble misreads it");
        check(regionalTextValue(written, regional) == rounded, "regionalTextValue misreads");
    } catch (const Fault& fault) {
        const bool pastRange = std::fabs(rounded) >= 1.79e308; // 15 digits may round past the top
        check(fault.kind() == Overflow && pastRange, "reading it back faulted");
    }
    check(NumberToSignedText(x).find_first_of(u" -") == 0, "no sign position in front");
    if (std::fabs(x) <= std::numeric_limits<Single>::max()) // no Single infinity to write
        (void)NumberToSignedText(static_cast<Single>(x));
    return 0;
}
#endif
