#include "shell/numeric.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>

using namespace ordevix;
constexpr RegionalSettings P = RegionalSettings::period(), C = RegionalSettings::comma();

TEST(NumericProperty, WrittenDoubleReadsBackAsFifteenDigits) {
    std::mt19937_64 rng(20240611);
    for (int i = 0; i < 40000; ++i) { // odd: any exponent below 1023; even: decimals 1e-7..1e17
        const double scaled = (double(rng() >> 11) * 0x1p-49 - 8) * std::pow(10.0, i % 25 - 7);
        const double x = i % 2 ? std::bit_cast<double>(rng() % 0x7FE0000000000000) : scaled;
        char digits[32];
        for (std::snprintf(digits, sizeof digits, "%.14e", x); const RegionalSettings& r : {P, C})
            ASSERT_EQ(TextToDouble(DoubleToText(x, r), r), std::strtod(digits, nullptr)) << digits;
    }
}

TEST(NumericProperty, LeadingNumberReadersNeverMismatch) {
    const Text alphabet = u"0123456789+-.,eEdD&HhOoFx \t\n\u00e9\u00a0\u0661\u20ac\xd83d";
    std::mt19937 rng(7321);
    for (int i = 0; i < 4000; ++i) // every prefix of a random text of 16 characters
        for (Text text; text.size() < 16; text += alphabet[rng() % alphabet.size()])
            try {
                (void)(TextValue(text) + RegionalTextValue(text, P) + RegionalTextValue(text, C));
            } catch (const Fault& fault) {
                ASSERT_EQ(fault.kind(), FaultKind::Overflow);
            }
}
