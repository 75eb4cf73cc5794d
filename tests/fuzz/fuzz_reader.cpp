// One reader per build (ORDEVIX_FUZZ_READER picks it): no crash, only the faults it may raise.
#include "fuzz_text.h"

#include <cmath>

using namespace ordevix;
using enum FaultKind;

// clang-format off
using Reader = Double (*)(const Text&, const RegionalSettings&);
constexpr Reader kReaders[] = {
    [](const Text& text, const RegionalSettings&) { return TextValue(text); },
    RegionalTextValue,
    TextToDouble,
    [](const Text& text, const RegionalSettings& regional) { return Double(TextToInteger(text, regional)); },
    [](const Text& text, const RegionalSettings& regional) { return Double(TextToLong(text, regional)); },
};
// clang-format on
constexpr bool kMayReject = ORDEVIX_FUZZ_READER >= 2; // TextValue, RegionalTextValue never do

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const Text text = fuzz::toText(data + 1, size - 1);
    try {
        const Double value = kReaders[ORDEVIX_FUZZ_READER](text, fuzz::kRegional[data[0] & 1]);
        fuzz::check(std::isfinite(value), "the reader gave a value that is not finite");
    } catch (const Fault& fault) {
        const FaultKind kind = fault.kind();
        fuzz::check(kind == Overflow || (kMayReject && kind == TypeMismatch), "a forbidden fault");
    }
    return 0;
}
