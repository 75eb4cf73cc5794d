// The writers' round trips: what the program writes, it reads back.
#include "fuzz_text.h"

#include <cmath>
#include <cstring>
#include <limits>

using namespace ordevix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Double x;
    if (size < 1 + sizeof x)
        return 0;
    const RegionalSettings regional = fuzz::kRegional[data[0] & 1];
    const Integer n = Integer(data[1] | data[2] << 8);
    fuzz::check(TextToInteger(IntegerToText(n), regional) == n, "IntegerToText does not read back");
    std::memcpy(&x, data + 1, sizeof x);
    if (!std::isfinite(x))
        return 0;
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.14e", x);
    const Double rounded = std::strtod(digits, nullptr); // x to 15 digits
    const Text written = DoubleToText(x, regional);
    try {
        fuzz::check(TextToDouble(written, regional) == rounded, "TextToDouble misreads it");
        fuzz::check(RegionalTextValue(written, regional) == rounded, "RegionalTextValue misreads");
    } catch (const Fault& fault) {
        const bool pastRange = std::fabs(rounded) >= 1.79e308; // 15 digits may round past the top
        fuzz::check(fault.kind() == FaultKind::Overflow && pastRange, "reading it back faulted");
    }
    fuzz::check(NumberToSignedText(x).find_first_of(u" -") == 0, "no sign position in front");
    if (std::fabs(x) <= std::numeric_limits<Single>::max()) // no Single infinity to write
        (void)NumberToSignedText(static_cast<Single>(x));
    return 0;
}
