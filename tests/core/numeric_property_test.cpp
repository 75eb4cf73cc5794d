#include "shell/numeric.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>

using namespace ordevix;

namespace {

// Doubles of every magnitude: raw bit patterns reach the far exponents, decimal
// mantissas scaled by small powers of ten hit the positional boundaries.
double randomDouble(std::mt19937_64& rng) {
    for (;;) {
        double x = 0;
        if (rng() % 2 == 0) {
            x = std::bit_cast<double>(rng());
        } else {
            const double mantissa = std::uniform_real_distribution<double>(1.0, 10.0)(rng);
            const int exponent = std::uniform_int_distribution<int>(-7, 17)(rng);
            x = (rng() % 2 == 0 ? 1 : -1) * mantissa * std::pow(10.0, exponent);
        }
        if (std::isfinite(x))
            return x;
    }
}

TEST(NumericProperty, DoubleTextReadsBackAsFifteenDigits) {
    std::mt19937_64 rng(20240611);
    for (int i = 0; i < 50000; ++i) {
        const double x = randomDouble(rng);
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.14e", x);
        const double expected = std::strtod(buffer, nullptr);
        for (const RegionalSettings regional :
             {RegionalSettings::period(), RegionalSettings::comma()}) {
            const Text text = DoubleToText(x, regional);
            if (std::isinf(expected)) {
                // Next to the top of the range the 15-digit rounding lies beyond it.
                EXPECT_THROW(TextToDouble(text, regional), Fault) << buffer;
                continue;
            }
            ASSERT_EQ(TextToDouble(text, regional), expected) << buffer;
        }
    }
}

TEST(NumericProperty, LeadingNumberReadersNeverMismatch) {
    const std::u16string alphabet = u"0123456789+-.,eEdD&HhOoFx \t\n\u00e9\u00a0\u0661\u20ac\xd83d";
    std::mt19937 rng(7321);
    std::uniform_int_distribution<std::size_t> length(0, 16);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    for (int i = 0; i < 50000; ++i) {
        Text text(length(rng), u' ');
        for (char16_t& c : text)
            c = alphabet[pick(rng)];
        for (int reader = 0; reader < 3; ++reader) {
            try {
                if (reader == 0)
                    TextValue(text);
                else
                    RegionalTextValue(text, reader == 1 ? RegionalSettings::period()
                                                        : RegionalSettings::comma());
            } catch (const Fault& fault) {
                ASSERT_EQ(fault.kind(), FaultKind::Overflow);
            }
        }
    }
}

} // namespace
