// SPDX-License-Identifier: GPL-3.0-or-later
// Numeric types, the three run-time faults, the text conversions that every
// tool uses and the refusal of input they cannot use. Plain C++: no Qt, so the
// core can be tested without an application.
#pragma once

#include <cstdint>
#include <exception>
#include <string>

namespace ordevix {

using Integer = std::int16_t;
using Long = std::int32_t;
using Single = float;
using Double = double;
// Texts are UTF-16, as the controls hold them.
using Text = std::u16string;

enum class FaultKind { TypeMismatch, Overflow, Arithmetic };

// The one exception type for the program's run-time faults. The form host's
// dispatcher catches it at the handler boundary and reports it.
class Fault : public std::exception {
public:
    explicit Fault(FaultKind kind) noexcept : kind_(kind) {}
    FaultKind kind() const noexcept { return kind_; }
    const char* what() const noexcept override;

private:
    FaultKind kind_;
};

[[noreturn]] void raiseFault(FaultKind kind);

// The refusal every tool gives when its boxes hold no number it can work with.
inline constexpr const char16_t* kDebeIngresarValores = u"Debe ingresar valores";

// The user's regional settings, passed to every conversion that depends on
// them; nothing reads a global locale behind the caller's back.
struct RegionalSettings {
    char16_t decimalSeparator = u'.';
    char16_t thousandsSeparator = u',';

    static constexpr RegionalSettings period() { return {u'.', u','}; }
    static constexpr RegionalSettings comma() { return {u',', u'.'}; }
};

Double TextValue(const Text& text);
// TextValue that also takes the regional decimal separator as the decimal point.
Double regionalTextValue(const Text& text, const RegionalSettings& regional);
Double TextToDouble(const Text& text, const RegionalSettings& regional);
Integer TextToInteger(const Text& text, const RegionalSettings& regional);
Long TextToLong(const Text& text, const RegionalSettings& regional);

// The writers take finite numbers only: every value the tools write has passed
// the floating-point check, and an infinity or NaN is the arithmetic fault here too.
Text IntegerToText(Integer n);
Text DoubleToText(Double x, const RegionalSettings& regional);
Text NumberToSignedText(Integer n);
Text NumberToSignedText(Single x);
Text NumberToSignedText(Double x);

Integer RoundToInteger(Double x);
Long RoundToLong(Double x);
Double RaisePower(Double x, Double y);
Double WholePart(Double x);

// The floating-point check: a result that is infinite or not a number came from
// a division by zero, an overflow or an invalid operation.
Double checkFloat(Double result);
// Stores a Double into a Single; a value beyond the Single range is the
// arithmetic fault.
Single storeSingle(Double x);

// Whole-number arithmetic wraps; division truncates toward zero.
constexpr Integer wrapInteger(std::int32_t v) noexcept {
    return static_cast<Integer>(v);
}
Long divideLong(Long a, Long b);

} // namespace ordevix
