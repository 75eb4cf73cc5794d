// One reader per build of this file (ORDEVIX_FUZZ_READER picks it): no input may
// crash it, and it may raise only the faults its contract names.
#include "fuzz_text.h"

#include <cmath>

using namespace ordevix;

namespace {

enum Reader { kTextValue, kRegionalTextValue, kTextToDouble, kTextToInteger, kTextToLong };

void read(const Text& text, const RegionalSettings& regional) {
    switch (ORDEVIX_FUZZ_READER) {
    case kTextValue:
        if (!std::isfinite(TextValue(text)))
            fuzz::broken("TextValue gave a value that is not finite");
        break;
    case kRegionalTextValue:
        if (!std::isfinite(RegionalTextValue(text, regional)))
            fuzz::broken("RegionalTextValue gave a value that is not finite");
        break;
    case kTextToDouble:
        if (!std::isfinite(TextToDouble(text, regional)))
            fuzz::broken("TextToDouble gave a value that is not finite");
        break;
    case kTextToInteger:
        (void)TextToInteger(text, regional);
        break;
    case kTextToLong:
        (void)TextToLong(text, regional);
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const RegionalSettings regional = fuzz::regionalFor(data[0]);
    const Text text = fuzz::toText(data + 1, size - 1);
    try {
        read(text, regional);
    } catch (const Fault& fault) {
        const bool leading =
            ORDEVIX_FUZZ_READER == kTextValue || ORDEVIX_FUZZ_READER == kRegionalTextValue;
        // The leading-number readers never reject a text; only a huge number overflows.
        if (fault.kind() == FaultKind::Arithmetic ||
            (leading && fault.kind() == FaultKind::TypeMismatch))
            fuzz::broken("a fault the reader must not raise");
    }
    return 0;
}
