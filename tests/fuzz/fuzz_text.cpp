// libFuzzer: what the writers write reads back.
#include "shell/numeric.h"

#undef NDEBUG // checked in every build
#include <cassert>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace ordevix;

constexpr RegionalSettings kRegional[] = {RegionalSettings::period(), RegionalSettings::comma()};

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
