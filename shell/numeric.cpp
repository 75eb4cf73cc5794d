// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/numeric.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>

namespace ordevix {

const char* Fault::what() const noexcept {
    switch (kind_) {
    case FaultKind::TypeMismatch:
        return "type mismatch";
    case FaultKind::Overflow:
        return "overflow";
    case FaultKind::Arithmetic:
        return "arithmetic fault";
    }
    return "run-time fault";
}

void raiseFault(FaultKind kind) {
    throw Fault(kind);
}

namespace {

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}
bool isSign(char16_t c) {
    return c == u'+' || c == u'-';
}

// Walks a text one UTF-16 unit at a time. The lenient reader lets blanks, tabs
// and line breaks vanish wherever they stand; the strict one sees every unit.
class Cursor {
public:
    Cursor(const Text& text, bool skipBlanks, std::size_t begin = 0,
           std::size_t end = std::u16string::npos)
        : text_(text), pos_(begin), end_(std::min(end, text.size())), skipBlanks_(skipBlanks) {}

    bool atEnd() {
        skip();
        return pos_ >= end_;
    }
    // The current unit, or NUL at the end; NUL never continues a number.
    char16_t peek() { return atEnd() ? u'\0' : text_[pos_]; }
    void advance() { ++pos_; }
    std::size_t position() const { return pos_; }
    void restore(std::size_t pos) { pos_ = pos; }

private:
    void skip() {
        constexpr std::u16string_view kBlanks = u" \t\n\r";
        while (skipBlanks_ && pos_ < end_ && kBlanks.find(text_[pos_]) != kBlanks.npos)
            ++pos_;
    }

    const Text& text_;
    std::size_t pos_;
    std::size_t end_;
    bool skipBlanks_;
};

// What a reader may take as decimal point and as thousands separator (NUL: none).
struct NumberSyntax {
    char16_t decimalPoint = u'.';
    char16_t alternativePoint = u'\0';
    char16_t thousands = u'\0';

    bool isPoint(char16_t c) const {
        return c != u'\0' && (c == decimalPoint || c == alternativePoint);
    }
    bool isThousands(char16_t c) const { return c != u'\0' && c == thousands; }
};

// A decimal number as read: value = digits * 10^(exponent - fractionDigits).
struct DecimalNumber {
    bool negative = false;
    std::string digits;
    std::int64_t fractionDigits = 0;
    std::int64_t exponent = 0;
};

// Reads sign, mantissa and exponent from the cursor. Returns false when no
// mantissa digit was found; the cursor then stands where reading stopped.
bool scanDecimal(Cursor& cursor, const NumberSyntax& syntax, DecimalNumber& number) {
    if (isSign(cursor.peek())) {
        number.negative = cursor.peek() == u'-';
        cursor.advance();
    }
    bool inFraction = false;
    for (;;) {
        const char16_t c = cursor.peek();
        if (isDigit(c)) {
            number.digits.push_back(static_cast<char>(c));
            number.fractionDigits += inFraction ? 1 : 0;
        } else if (!inFraction && syntax.isPoint(c)) {
            inFraction = true;
        } else if (inFraction || !syntax.isThousands(c)) {
            break;
        }
        cursor.advance();
    }
    if (number.digits.empty())
        return false;

    // "1E" or "1E+" without exponent digits ends the number before the E.
    const std::size_t beforeExponent = cursor.position();
    if (!(cursor.peek() == u'E' || cursor.peek() == u'e'))
        return true;
    cursor.advance();
    bool negativeExponent = false;
    if (isSign(cursor.peek())) {
        negativeExponent = cursor.peek() == u'-';
        cursor.advance();
    }
    if (!isDigit(cursor.peek())) {
        cursor.restore(beforeExponent);
        return true;
    }
    // Saturate far beyond any exponent that can still matter.
    constexpr std::int64_t exponentCap = 1'000'000'000'000;
    std::int64_t exponent = 0;
    for (char16_t c = cursor.peek(); isDigit(c); c = cursor.peek()) {
        exponent = std::min(exponentCap, exponent * 10 + (c - u'0'));
        cursor.advance();
    }
    number.exponent = negativeExponent ? -exponent : exponent;
    return true;
}

// Powers of ten beyond every Double: above, the overflow fault; below, zero
// (the smallest Double is about 4.9E-324). Between the two, from_chars decides.
constexpr std::int64_t kBeyondDoubleExponent = 400;

// The Double nearest to the number, or the overflow fault. Zero is always +0:
// no text reads as a negative zero.
Double toDouble(const DecimalNumber& number) {
    const std::size_t first = number.digits.find_first_not_of('0');
    if (first == std::string::npos)
        return 0.0;
    const std::size_t last = number.digits.find_last_not_of('0');
    // Power of ten of the first significant digit.
    const std::int64_t leading = static_cast<std::int64_t>(number.digits.size() - first) - 1 +
                                 number.exponent - number.fractionDigits;
    if (leading > kBeyondDoubleExponent)
        raiseFault(FaultKind::Overflow);
    if (leading < -kBeyondDoubleExponent)
        return 0.0;

    std::string canonical(1, number.digits[first]);
    if (last > first)
        canonical += '.' + number.digits.substr(first + 1, last - first);
    canonical += 'e' + std::to_string(leading);
    Double value = 0.0;
    const auto result =
        std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (leading > 0)
            raiseFault(FaultKind::Overflow);
        return 0.0;
    }
    return number.negative ? -value : value;
}

int digitValue(char16_t c, int base) {
    int value = -1;
    if (isDigit(c))
        value = c - u'0';
    else if (c >= u'A' && c <= u'F')
        value = c - u'A' + 10;
    else if (c >= u'a' && c <= u'f')
        value = c - u'a' + 10;
    return value < base ? value : -1;
}

// "&H1F", "&O17": an unsigned whole number of at most 32 bits. A value with its
// top bit set stays positive (&HFFFF is 65535); anything wider is the overflow
// fault rather than a silently wrapped number.
Double readBasedWhole(Cursor& cursor, int base) {
    std::uint64_t value = 0;
    for (int d = digitValue(cursor.peek(), base); d >= 0; d = digitValue(cursor.peek(), base)) {
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(d);
        if (value > std::numeric_limits<std::uint32_t>::max())
            raiseFault(FaultKind::Overflow);
        cursor.advance();
    }
    return static_cast<Double>(value);
}

Double readLeadingNumber(const Text& text, const NumberSyntax& syntax) {
    Cursor cursor(text, true);
    if (cursor.peek() == u'&') {
        cursor.advance();
        const char16_t mark = cursor.peek();
        if (mark == u'H' || mark == u'h' || mark == u'O' || mark == u'o') {
            cursor.advance();
            return readBasedWhole(cursor, mark == u'H' || mark == u'h' ? 16 : 8);
        }
        return 0.0;
    }
    DecimalNumber number;
    return scanDecimal(cursor, syntax, number) ? toDouble(number) : 0.0;
}

template <typename T> T roundToRange(Double x) {
    if (std::isnan(x))
        raiseFault(FaultKind::Overflow);
    // Half to even, done by hand so that no floating-point mode can change it.
    const Double floor = std::floor(x);
    const Double fraction = x - floor;
    Double rounded = floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0))
        rounded = floor + 1.0;
    if (!(rounded >= std::numeric_limits<T>::min() && rounded <= std::numeric_limits<T>::max()))
        raiseFault(FaultKind::Overflow);
    return static_cast<T>(rounded);
}

// A magnitude rounded to a number of significant digits: the digits without
// trailing zeros, and the power of ten of the first one.
struct Significant {
    std::string digits;
    int exponent = 0;
};

Significant roundSignificant(Double magnitude, int precision) {
    char buffer[64];
    // Correctly rounded, exact ties to the even digit.
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                      std::chars_format::scientific, precision - 1);
    const std::string text(buffer, result.ptr);
    const std::size_t mark = text.find('e');
    Significant out;
    for (std::size_t i = 0; i < mark; ++i)
        if (text[i] != '.')
            out.digits.push_back(text[i]);
    out.digits.erase(out.digits.find_last_not_of('0') + 1);
    if (out.digits.empty())
        out.digits.push_back('0');
    std::from_chars(text.data() + mark + (text[mark + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    out.exponent);
    return out;
}

struct Layout {
    int precision;            // significant digits
    int lastPositional;       // largest exponent still written positionally
    char16_t separator;       // decimal separator
    bool zeroBeforeSeparator; // "0.5" rather than ".5"
};

Text fromAscii(const std::string& ascii) {
    return Text(ascii.begin(), ascii.end());
}

// Appends rather than inserts in front: GCC 12 at -O3 reports a false overlap
// (-Wrestrict) inside std::basic_string for "literal" + string.
Text prefixed(std::u16string_view prefix, const Text& text) {
    Text out;
    out.reserve(prefix.size() + text.size());
    out += prefix;
    out += text;
    return out;
}

// A finite nonzero magnitude, without sign.
Text formatMagnitude(Double magnitude, const Layout& layout) {
    const Significant rounded = roundSignificant(magnitude, layout.precision);
    const std::string& digits = rounded.digits;
    const int e = rounded.exponent;
    Text out;
    if (e >= -4 && e <= layout.lastPositional) {
        if (e < 0) {
            if (layout.zeroBeforeSeparator)
                out += u'0';
            out += layout.separator;
            out += Text(static_cast<std::size_t>(-e - 1), u'0');
            out += fromAscii(digits);
            return out;
        }
        const std::size_t integerDigits = static_cast<std::size_t>(e) + 1;
        if (digits.size() <= integerDigits)
            return fromAscii(digits) + Text(integerDigits - digits.size(), u'0');
        out = fromAscii(digits.substr(0, integerDigits));
        out += layout.separator;
        out += fromAscii(digits.substr(integerDigits));
        return out;
    }
    out += static_cast<char16_t>(digits[0]);
    if (digits.size() > 1) {
        out += layout.separator;
        out += fromAscii(digits.substr(1));
    }
    const int absExponent = e < 0 ? -e : e;
    out += e < 0 ? u"E-" : u"E+";
    if (absExponent < 10)
        out += u'0';
    out += fromAscii(std::to_string(absExponent));
    return out;
}

// Significant digits written for a Double and for a Single; up to an exponent
// one below that, a number is written positionally, beyond it with an E.
constexpr int kDoubleDigits = 15;
constexpr int kSingleDigits = 7;

Text signedText(Double x, int precision, int lastPositional) {
    if (x == 0.0)
        return u" 0"; // negative zero included
    const Text magnitude =
        formatMagnitude(std::fabs(checkFloat(x)), {precision, lastPositional, u'.', false});
    return prefixed(x < 0 ? u"-" : u" ", magnitude);
}

} // namespace

Double TextValue(const Text& text) {
    return readLeadingNumber(text, NumberSyntax{});
}

Double regionalTextValue(const Text& text, const RegionalSettings& regional) {
    return readLeadingNumber(text, NumberSyntax{u'.', regional.decimalSeparator, u'\0'});
}

Double TextToDouble(const Text& text, const RegionalSettings& regional) {
    const std::size_t begin = text.find_first_not_of(u' ');
    if (begin == Text::npos)
        raiseFault(FaultKind::TypeMismatch);
    const std::size_t end = text.find_last_not_of(u' ') + 1;
    Cursor cursor(text, false, begin, end);
    DecimalNumber number;
    const NumberSyntax syntax{regional.decimalSeparator, u'\0', regional.thousandsSeparator};
    if (!scanDecimal(cursor, syntax, number) || !cursor.atEnd())
        raiseFault(FaultKind::TypeMismatch);
    return toDouble(number);
}

Integer TextToInteger(const Text& text, const RegionalSettings& regional) {
    return RoundToInteger(TextToDouble(text, regional));
}

Long TextToLong(const Text& text, const RegionalSettings& regional) {
    return RoundToLong(TextToDouble(text, regional));
}

Text IntegerToText(Integer n) {
    // A search's progress caption writes one for every candidate: no detour
    // through a std::string.
    char digits[8];
    return Text(digits, std::to_chars(digits, digits + sizeof digits, n).ptr);
}

Text DoubleToText(Double x, const RegionalSettings& regional) {
    if (x == 0.0)
        return u"0";
    const Text magnitude =
        formatMagnitude(std::fabs(checkFloat(x)),
                        {kDoubleDigits, kDoubleDigits - 1, regional.decimalSeparator, true});
    return x < 0 ? prefixed(u"-", magnitude) : magnitude;
}

Text NumberToSignedText(Integer n) {
    return prefixed(n < 0 ? u"" : u" ", IntegerToText(n));
}

Text NumberToSignedText(Single x) {
    return signedText(static_cast<Double>(x), kSingleDigits, kSingleDigits - 1);
}

Text NumberToSignedText(Double x) {
    return signedText(x, kDoubleDigits, kDoubleDigits - 1);
}

Integer RoundToInteger(Double x) {
    return roundToRange<Integer>(x);
}

Long RoundToLong(Double x) {
    return roundToRange<Long>(x);
}

Double RaisePower(Double x, Double y) {
    if (y == 0.0)
        return 1.0;
    if (std::isnan(x) || std::isnan(y) || (x == 0.0 && y < 0.0) || (x < 0.0 && std::trunc(y) != y))
        raiseFault(FaultKind::Arithmetic);
    // The square root is correctly rounded, so perfect squares give exact roots;
    // "+ 0.0" keeps the root of a negative zero positive.
    const Double result = y == 0.5 ? std::sqrt(x) + 0.0 : std::pow(x, y);
    if (std::isinf(result))
        raiseFault(FaultKind::Overflow);
    if (std::isnan(result))
        raiseFault(FaultKind::Arithmetic);
    return result;
}

Double WholePart(Double x) {
    return std::trunc(x) + 0.0;
}

Double checkFloat(Double result) {
    if (!std::isfinite(result))
        raiseFault(FaultKind::Arithmetic);
    return result;
}

Single storeSingle(Double x) {
    // The smallest magnitude that rounds to infinity in single precision:
    // halfway between the largest Single and 2^128.
    constexpr Double singleOverflow = 0x1.ffffffp127;
    if (!std::isfinite(x) || std::fabs(x) >= singleOverflow)
        raiseFault(FaultKind::Arithmetic);
    return static_cast<Single>(x);
}

Long divideLong(Long a, Long b) {
    if (b == 0)
        raiseFault(FaultKind::Arithmetic);
    if (a == std::numeric_limits<Long>::min() && b == -1)
        raiseFault(FaultKind::Overflow);
    return a / b;
}

} // namespace ordevix
