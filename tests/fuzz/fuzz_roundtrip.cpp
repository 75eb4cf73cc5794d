// The writers' round trips: what the program writes, it reads back.
#include "fuzz_text.h"

#include <cmath>
#include <cstring>

using namespace ordevix;

namespace {

Double roundedTo15(Double x) {
    char digits[40];
    std::snprintf(digits, sizeof digits, "%.14e", x);
    return std::strtod(digits, nullptr);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1 + sizeof(Double))
        return 0;
    const RegionalSettings regional = fuzz::regionalFor(data[0]);
    Double x;
    std::memcpy(&x, data + 1, sizeof x);
    if (!std::isfinite(x))
        return 0;

    const Text written = DoubleToText(x, regional);
    try {
        if (TextToDouble(written, regional) != roundedTo15(x))
            fuzz::broken("TextToDouble(DoubleToText(x)) is not x to 15 digits");
        if (RegionalTextValue(written, regional) != roundedTo15(x))
            fuzz::broken("RegionalTextValue(DoubleToText(x)) is not x to 15 digits");
    } catch (const Fault& fault) {
        // Rounding to 15 digits may carry the very largest values past the range.
        if (fault.kind() != FaultKind::Overflow || std::fabs(roundedTo15(x)) < 1.79e308)
            fuzz::broken("reading back a written number faulted");
    }

    const Text signedText = NumberToSignedText(x);
    if (signedText.empty() || (signedText[0] != u' ' && signedText[0] != u'-'))
        fuzz::broken("NumberToSignedText lost its sign position");
    (void)NumberToSignedText(static_cast<Single>(x));

    Integer n;
    std::memcpy(&n, data + 1, sizeof n);
    if (TextToInteger(IntegerToText(n), regional) != n)
        fuzz::broken("IntegerToText does not read back");
    return 0;
}
