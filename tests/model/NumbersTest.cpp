// Tests of the number conventions: reading, plain text, rounding, file number form.
#include "model/Numbers.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "support/TurkishLocale.h"

namespace kelvane {
namespace {

const double kInf = std::numeric_limits<double>::infinity();
const double kTwoPi = 8 * std::atan(1.0);

struct ReadCase {
  std::string text;
  double value;
};

TEST(ReadNumber, TakesTheNumberAtTheStartOfTheText) {
  const std::vector<ReadCase> cases = {
      {"", 0},
      {"abc", 0},
      {"-", 0},
      {".", 0},
      {"+", 0},
      {"e5", 0},
      {"12abc", 12},
      {"1.5e2", 150},
      {"2,5", 2},
      {" 16 5abc", 165},
      {".5", 0.5},
      {"-.5", -0.5},
      {"+7", 7},
      {"1D3", 1000},
      {"1d-3", 0.001},
      {"1E+2", 100},
      {"1e", 1},
      {"1e+", 1},
      {"1.e2", 100},
      {"1.2.3", 1.2},
      {"1 e 2", 100},
      {"- 3", -3},
      {"\t1\n2", 12},
      {"1\r2", 1},
      {"0x10", 0},
      {" .402 ", 0.402},
      {"-5.4E-05", -5.4e-5},
      {"6.28318530717959", 6.28318530717959},
      {"&H0D", 13},
      {"&h0d", 13},
      {"&HFFFFFFFF", 4294967295.0},
      {"&O17", 15},
      {"&o777", 511},
      {"&H", 0},
      {"&HG", 0},
      {"&O8", 0},
      {"&X1", 0},
      {"&H1G", 1},
      {"-&H10", 0},
      {"1D400", kInf},
      {"-1D400", -kInf},
      {"1e-400", 0},
  };
  for (const ReadCase& c : cases) EXPECT_EQ(ReadNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(ReadNumber, StopsAtNulAndControlCharacters) {
  EXPECT_EQ(ReadNumber(std::string("1\0"
                                   "2",
                                   3)),
            1);
  EXPECT_EQ(ReadNumber(std::string("\0"
                                   "5",
                                   2)),
            0);
  EXPECT_EQ(ReadNumber("3\x01"
                       "4"),
            3);
  EXPECT_EQ(ReadNumber("&H1\x7f"
                       "F"),
            1);
}

TEST(ReadNumber, IsCorrectlyRounded) {
  for (const char* text : {"0.1", "0.3", "2.2250738585072011e-308", "123456789012345678901234567890",
                           "9007199254740993", "1.7976931348623157e308", "4.9406564584124654e-324"})
    EXPECT_EQ(ReadNumber(text), std::strtod(text, nullptr)) << text;
}

// How fast is bench_numbers' question; here only the values.
TEST(ReadNumber, HandlesMegabyteTexts) {
  const size_t kMegabyte = 1 << 20;
  EXPECT_EQ(ReadNumber(std::string(kMegabyte, ' ') + "7"), 7);
  EXPECT_EQ(ReadNumber(std::string(kMegabyte, 'x')), 0);
  EXPECT_EQ(ReadNumber("1e" + std::string(kMegabyte, '9')), kInf);
  EXPECT_EQ(ReadNumber("0." + std::string(kMegabyte, '0') + "1"), 0);
  EXPECT_EQ(ReadNumber(std::string(kMegabyte, '9')), kInf);
  EXPECT_EQ(ReadNumber("&H" + std::string(kMegabyte, 'F')), kInf);
}

TEST(ReadNumber, NeverCrashesOnRandomBytes) {
  std::mt19937 random(7);
  const std::string alphabet = "0123456789+-.eEdD&HhOo \t\n\r,abcF\x01";
  for (int round = 0; round < 20000; ++round) {
    std::string text(random() % 24, ' ');
    for (char& c : text) c = alphabet[random() % alphabet.size()];
    EXPECT_FALSE(std::isnan(ReadNumber(text))) << text;
  }
}

struct TextCase {
  double value;
  std::string text;
};

TEST(PlainNumberText, ShowsFifteenSignificantDigitsWithoutTrailingZeros) {
  const std::vector<TextCase> cases = {
      {0, "0"},
      {-0.0, "0"},
      {10, "10"},
      {100, "100"},
      {0.402, "0.402"},
      {-1.5, "-1.5"},
      {1234.5, "1234.5"},
      {kTwoPi, "6.28318530717959"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3, "0.333333333333333"},
      {2.0 / 3, "0.666666666666667"},
      {-0.25, "-0.25"},
      {0.00012345, "0.00012345"},
      {1e14, "100000000000000"},
      {999999999999999, "999999999999999"},
      {123456789012345678.0, "1.23456789012346E+17"},
  };
  for (const TextCase& c : cases) EXPECT_EQ(PlainNumberText(c.value), c.text) << c.value;
}

TEST(PlainNumberText, SwitchesToExponentFormBelow1EMinus4AndFrom1EPlus15) {
  const std::vector<TextCase> cases = {
      {1e-4, "0.0001"},
      {-1e-4, "-0.0001"},
      {0.000099999999999999991, "0.0001"},  // rounds up to 1E-04 at 15 digits
      {9.9999999999999e-5, "9.9999999999999E-05"},
      {1e-5, "1E-05"},
      {-5.4e-5, "-5.4E-05"},
      {1e15, "1E+15"},
      {999999999999999.9, "1E+15"},
      {1.5e20, "1.5E+20"},
      {1e100, "1E+100"},
      {1e-100, "1E-100"},
      {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
      {DBL_MAX, "1.79769313486231E+308"},  // toward zero: rounding up would read back as infinity
      {-DBL_MAX, "-1.79769313486231E+308"},
  };
  for (const TextCase& c : cases) EXPECT_EQ(PlainNumberText(c.value), c.text) << c.value;
}

TEST(PlainNumberText, ShowsNonFiniteValuesWithoutCrashing) {
  EXPECT_EQ(PlainNumberText(kInf), "Inf");
  EXPECT_EQ(PlainNumberText(-kInf), "-Inf");
  EXPECT_EQ(PlainNumberText(std::nan("")), "NaN");
}

std::string FifteenDigits(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.14e", value);
  return text;
}

void ExpectRoundTrip(double x) {
  const std::string shown = PlainNumberText(x);
  const double back = ReadNumber(shown);
  ASSERT_TRUE(std::isfinite(back)) << shown;
  EXPECT_EQ(PlainNumberText(back), shown) << x;
  EXPECT_EQ(ReadNumber(FileNumberText(x)), back) << x;
  if (std::isfinite(std::strtod(FifteenDigits(x).c_str(), nullptr)))
    EXPECT_EQ(FifteenDigits(back), FifteenDigits(x)) << shown;
  else  // the largest doubles, rounded one unit toward zero
    EXPECT_LE(std::fabs(back - x), std::fabs(x) * 1e-14) << shown;
}

TEST(PlainNumberText, ReadsBackToTheSameTextAndFifteenDigits) {
  std::vector<double> values = {DBL_MAX,
                                -DBL_MAX,
                                DBL_MIN,
                                std::numeric_limits<double>::denorm_min(),
                                std::nextafter(DBL_MAX, 0.0),
                                1.7976931348623149e308,
                                1e15,
                                1e-4,
                                std::nextafter(1e15, 0.0),
                                std::nextafter(1e-4, 0.0),
                                0.5,
                                kTwoPi};
  constexpr int kRandomValues = 20000;
  std::mt19937_64 random(12345);
  for (int i = 0; i < kRandomValues; ++i) {
    const uint64_t bits = random();
    double x;
    std::memcpy(&x, &bits, sizeof x);
    if (std::isfinite(x)) values.push_back(x);
  }
  std::uniform_real_distribution<double> mantissa(-10, 10);
  std::uniform_int_distribution<int> exponent(-20, 20);
  for (int i = 0; i < kRandomValues; ++i) values.push_back(mantissa(random) * std::pow(10.0, exponent(random)));
  for (double x : values) ExpectRoundTrip(x);
}

TEST(FileNumberText, DropsTheZeroBeforeThePointAndPadsWithBlanks) {
  const std::vector<TextCase> cases = {
      {10, " 10 "},
      {0.402, " .402 "},
      {-0.5, "-.5 "},
      {-1.5, "-1.5 "},
      {0, " 0 "},
      {-0.0, " 0 "},
      {-2, "-2 "},
      {5.4e-5, " 5.4E-05 "},
      {-5.4e-5, "-5.4E-05 "},
      {kTwoPi, " 6.28318530717959 "},
      {1e20, " 1E+20 "},
  };
  for (const TextCase& c : cases) EXPECT_EQ(FileNumberText(c.value), c.text) << c.value;
}

struct RoundCase {
  double value;
  int decimals;
  double rounded;
};

TEST(RoundTo, RoundsTheExactValueWithHalvesToEven) {
  const std::vector<RoundCase> cases = {
      {1.125, 2, 1.12},
      {1.375, 2, 1.38},
      {2.5, 0, 2},
      {3.5, 0, 4},
      {-2.5, 0, -2},
      {2.675, 2, 2.67},  // 2.675 is stored just below the half
      {0.8776838185886968, 4, 0.8777},
      {9.79795897113271, 2, 9.8},
      {1.22474487139159, 2, 1.22},
      {-5.41e-5, 6, -5.4e-5},
      {1e300, 2, 1e300},
      {7, -1, 7},
  };
  for (const RoundCase& c : cases)
    EXPECT_EQ(RoundTo(c.value, c.decimals), c.rounded) << c.value << " to " << c.decimals;
  EXPECT_TRUE(std::signbit(RoundTo(-0.001, 2)));
  EXPECT_EQ(RoundTo(kInf, 2), kInf);
  EXPECT_TRUE(std::isnan(RoundTo(std::nan(""), 2)));
}

TEST(F4, ShowsFourDecimalsWithHalvesAwayFromZero) {
  const std::vector<TextCase> cases = {
      {0.5, "0.5000"},     {-12.34567, "-12.3457"}, {250, "250.0000"},
      {0.03125, "0.0313"}, {-0.03125, "-0.0313"},   {0.15625, "0.1563"},
      {1.03125, "1.0313"}, {0.09375, "0.0938"},     {0.00005, "0.0001"},
      {1e-10, "0.0000"},   {-0.00001, "-0.0000"},   {-1e-300, "-0.0000"},
      {0, "0.0000"},       {-0.0, "0.0000"},        {1234567.89, "1234567.8900"},
  };
  for (const TextCase& c : cases) EXPECT_EQ(F4(c.value), c.text) << c.value;
}

// From 2^39 on one step between doubles exceeds the last shown decimal; the rounding must still act on
// the exact value. Four-decimal halves are the odd multiples of 1/32.
TEST(F4, RoundsTheExactValueAtEveryMagnitude) {
  const double twoTo39 = std::ldexp(1.0, 39);
  const double twoTo44 = std::ldexp(1.0, 44);
  const double twoTo52 = std::ldexp(1.0, 52);
  const std::vector<TextCase> cases = {
      {twoTo39 + 0.03125, "549755813888.0313"},
      {-(twoTo39 + 0.09375), "-549755813888.0938"},
      {std::nextafter(twoTo39 + 0.03125, 0.0), "549755813888.0311"},  // one step below the half
      {std::nextafter(std::ldexp(1.0, 30), 0.0), "1073741824.0000"},  // the carry crosses the point
      {twoTo44 + 0.03125, "17592186044416.0313"},
      {twoTo44 + 0.00390625, "17592186044416.0039"},
      {twoTo44 + 0.96875, "17592186044416.9688"},
      {twoTo52 - 0.5, "4503599627370495.5000"},
      {twoTo52 + 1, "4503599627370497.0000"},
      {-(twoTo52 + 1), "-4503599627370497.0000"},
      {9.99999, "10.0000"},
      {1e20, "100000000000000000000.0000"},
  };
  for (const TextCase& c : cases) EXPECT_EQ(F4(c.value), c.text) << std::to_string(c.value);
  EXPECT_EQ(F4(std::numeric_limits<double>::max()).size(), 309u + 5u);
}

// The Turkish desktop locale writes "2,5" through printf and reads "2.5" as 2 through strtod; the number
// conventions keep the point there too.
TEST(NumberConventions, IgnoreTheProcessLocale) {
  testing::ScopedTurkishLocale turkish;
  ASSERT_EQ(turkish.Problem(), "");
  EXPECT_EQ(ReadNumber("12.5"), 12.5);
  EXPECT_EQ(ReadNumber("12,5"), 12);
  EXPECT_EQ(ReadNumber("-1.5D3"), -1500);
  EXPECT_EQ(ReadNumber("1e400"), kInf);
  EXPECT_EQ(PlainNumberText(kTwoPi), "6.28318530717959");
  EXPECT_EQ(PlainNumberText(1.5e150), "1.5E+150");
  EXPECT_EQ(PlainNumberText(0.00012), "0.00012");
  EXPECT_EQ(FileNumberText(-0.402), "-.402 ");
  EXPECT_EQ(RoundTo(1.125, 2), 1.12);
  EXPECT_EQ(RoundTo(0.9138456, 5), 0.91385);
  EXPECT_EQ(F4(-12.34567), "-12.3457");
}

}  // namespace
}  // namespace kelvane
