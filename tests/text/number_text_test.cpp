// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/comma_separator.h"
#include "support/print_fields.h"
#include "support/separator_scope.h"
#include "text/failure.h"
#include "text/number_text.h"

#include <cmath>
#include <limits>

namespace navivor {
namespace {

struct ReadCase {
    const char* text;
    Extended value;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    testing::printFields(os, c.text);
}

class TextToNumberReads : public CommaSeparatorWithParam<ReadCase> {};

TEST_P(TextToNumberReads, Value) {
    EXPECT_EQ(textToNumber(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    AcceptedTexts, TextToNumberReads,
    ::testing::Values(ReadCase{"1,5", 1.5L}, ReadCase{"+1,5", 1.5L}, ReadCase{"1,5e0", 1.5L},
                      ReadCase{"15e-1", 1.5L}, ReadCase{"  1,5  ", 1.5L}, ReadCase{"1,5e1", 15},
                      ReadCase{",", 0}, ReadCase{"5,", 5}, ReadCase{",5", 0.5L}, ReadCase{"5e", 5},
                      ReadCase{"5e+", 5}, ReadCase{"0,1", 0.1L}, ReadCase{"12,6", 12.6L},
                      ReadCase{"-2,5", -2.5L}, ReadCase{"007", 7}, ReadCase{"1e0000000005", 100000},
                      // more digits than extended holds are rounded to nearest
                      ReadCase{"123456789012345678901234", 123456789012345678901234.0L},
                      ReadCase{"0,000000000000000000001", 1e-21L}, ReadCase{"1e-4999", 0},
                      ReadCase{"1e499", 1e499L}, ReadCase{"1E500", 1e500L}));

class TextToNumberRejects : public CommaSeparatorWithParam<const char*> {};

TEST_P(TextToNumberRejects, WithTheConversionMessage) {
    const std::string text = GetParam();
    try {
        textToNumber(text);
        FAIL() << "accepted '" << text << "'";
    } catch (const Failure& error) {
        EXPECT_EQ(std::string(error.what()), "'" + text + "' is not a valid floating point value");
    }
}

INSTANTIATE_TEST_SUITE_P(InvalidTexts, TextToNumberRejects,
                         ::testing::Values("", "   ", "-", "+", "e5", "1.5", "1,2,3", "1 000",
                                           "1\t", "\t1", "1e5000", "1e4999", "--1", "1e--5", "0x10",
                                           "inf", "nan", "1,5 x", "1e5,"));

TEST_F(CommaSeparator, NegativeZeroIsReadAndWrittenAsZero) {
    const Extended value = textToNumber("-0");
    EXPECT_TRUE(std::signbit(value));
    EXPECT_EQ(numberToText(value), "0");
}

struct WriteCase {
    Extended value;
    const char* text;
};

void PrintTo(const WriteCase& c, std::ostream* os) {
    testing::printFields(os, c.value);
}

class NumberToTextWrites : public CommaSeparatorWithParam<WriteCase> {};

TEST_P(NumberToTextWrites, Text) {
    EXPECT_EQ(numberToText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    GeneralFormat, NumberToTextWrites,
    ::testing::Values(WriteCase{1210, "1210"}, WriteCase{0.264, "0,264"}, WriteCase{93.4, "93,4"},
                      WriteCase{-2.5L, "-2,5"}, WriteCase{1.0L / 3, "0,333333333333333"},
                      WriteCase{2.0L / 3, "0,666666666666667"}, WriteCase{0.0001L, "0,0001"},
                      WriteCase{0.00001L, "1E-5"}, WriteCase{999999999999999.0L, "999999999999999"},
                      WriteCase{1e15L, "1E15"},
                      WriteCase{1234567890123456.0L, "1,23456789012346E15"}, WriteCase{0.1L, "0,1"},
                      WriteCase{0, "0"}, WriteCase{-0.0L, "0"},
                      WriteCase{std::numeric_limits<Extended>::denorm_min(), "0"},
                      WriteCase{9.9999999999999999L, "10"}, WriteCase{0.999999999999999999L, "1"},
                      WriteCase{-0.00012345L, "-0,00012345"}, WriteCase{-1.5e-300L, "-1,5E-300"},
                      WriteCase{1e4000L, "1E4000"}, WriteCase{100, "100"}, WriteCase{47.4L, "47,4"},
                      WriteCase{std::numeric_limits<Extended>::infinity(), "INF"},
                      WriteCase{-std::numeric_limits<Extended>::infinity(), "-INF"},
                      WriteCase{std::numeric_limits<Extended>::quiet_NaN(), "NAN"}));

TEST(NumberToText, FollowsTheSeparatorInForce) {
    const testing::SeparatorScope point(".");
    EXPECT_EQ(numberToText(0.1L), "0.1");
    EXPECT_EQ(textToNumber("0.5"), 0.5L);
    EXPECT_THROW(textToNumber("0,5"), Failure);
    const testing::SeparatorScope arabic("٫"); // one character of two bytes
    EXPECT_EQ(numberToText(2.5L), "2٫5");
    EXPECT_EQ(textToNumber("2٫5"), 2.5L);
    setDecimalSeparator(",,"); // not one character: the full stop
    EXPECT_EQ(decimalSeparator(), ".");
}

TEST(FixedText, DecimalsSeparatorAndTheEnds) {
    const testing::SeparatorScope arabic("٫");
    EXPECT_EQ(fixedText(12.4, 2), "12٫40");
    EXPECT_EQ(fixedText(0.0005, 3), "0٫001"); // 0.0005 is stored a little above it
    EXPECT_EQ(fixedText(1e15, 1), "1E15");
    EXPECT_EQ(fixedText(std::numeric_limits<double>::infinity(), 1), "-");
}

TEST(DecimalSeparator, IsOnePrintableWellFormedCharacter) {
    const std::string_view valid[] = {",", ".", "·", "٫", "¡", "\u2030"};
    // Parts of numbers, blanks, controls, combining marks, format characters, noncharacters.
    const std::string_view unfit[] = {
        "",         ",,",     "5",      "e",      "E",      "-",         "+",
        " ",        "\t",     "\x0A",   "\x0D",   "\x1B",   "\x7F",      "\x01",
        "\xC2\x85", "\u00A0", "\u2000", "\u200A", "\u202F", "\u205F",    "\u3000",
        "\u0301",   "\u1AB0", "\u1DFF", "\u20D0", "\uFE2F", "\u200B",    "\u2028",
        "\u202E",   "\u2060", "\uFEFF", "\uFDD0", "\uFFFE", "\U0010FFFF"};
    // A lone continuation byte, a sequence cut short, an overlong ".", a surrogate and a code
    // point above U+10FFFF.
    const std::string_view malformed[] = {"\x80", "\xCC", "\xC0\xAE", "\xED\xA0\x80",
                                          "\xF4\x90\x80\x80"};
    for (const std::string_view separator : valid)
        EXPECT_TRUE(isValidDecimalSeparator(separator)) << ::testing::PrintToString(separator);
    for (const std::string_view separator : unfit)
        EXPECT_FALSE(isValidDecimalSeparator(separator)) << ::testing::PrintToString(separator);
    for (const std::string_view separator : malformed)
        EXPECT_FALSE(isValidDecimalSeparator(separator)) << ::testing::PrintToString(separator);
}

struct RoundCase {
    Extended value;
    std::int64_t rounded;
};

void PrintTo(const RoundCase& c, std::ostream* os) {
    testing::printFields(os, c.value);
}

class RoundGoesToEven : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundGoesToEven, Value) {
    EXPECT_EQ(Round(GetParam().value), GetParam().rounded);
}

INSTANTIATE_TEST_SUITE_P(Halves, RoundGoesToEven,
                         ::testing::Values(RoundCase{0.5L, 0}, RoundCase{1.5L, 2},
                                           RoundCase{2.5L, 2}, RoundCase{-2.5L, -2},
                                           RoundCase{-1.5L, -2}, RoundCase{2.4999L, 2},
                                           RoundCase{-9223372036854775808.0L, INT64_MIN},
                                           RoundCase{9223372036854775807.0L, INT64_MAX}));

TEST(Round, OutsideTheIntegerRangeIsAnInvalidOperation) {
    for (const Extended value :
         {1e19L, -1e19L, 9223372036854775808.0L, std::numeric_limits<Extended>::infinity(),
          std::numeric_limits<Extended>::quiet_NaN()}) {
        try {
            Round(value);
            FAIL() << "rounded " << static_cast<double>(value);
        } catch (const Failure& error) {
            EXPECT_STREQ(error.what(), "Invalid floating point operation");
        }
    }
}

TEST(Arithmetic, FailuresCarryTheirMessages) {
    const auto message = [](auto operation) -> std::string {
        try {
            operation();
        } catch (const Failure& error) {
            return error.what();
        }
        return "no failure";
    };
    EXPECT_EQ(message([] { squareRoot(-1); }), "Invalid floating point operation");
    EXPECT_EQ(message([] { quotient(1, 0); }), "Floating point division by zero");
    EXPECT_EQ(message([] { quotient(0, 0); }), "Invalid floating point operation");
    EXPECT_EQ(message([] { product(1e4000L, 1e4000L); }), "Floating point overflow");
    EXPECT_EQ(message([] { toDouble(1e499L); }), "Floating point overflow");
    EXPECT_EQ(toDouble(1e-400L), 0.0); // too small for a double is no failure
}

struct IntegerCase {
    const char* text;
    std::int32_t value;
};

void PrintTo(const IntegerCase& c, std::ostream* os) {
    testing::printFields(os, c.text);
}

class TextToIntegerReads : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(TextToIntegerReads, Value) {
    EXPECT_EQ(textToInteger(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    AcceptedTexts, TextToIntegerReads,
    ::testing::Values(IntegerCase{" 42", 42}, IntegerCase{"$2A", 42}, IntegerCase{"-7", -7},
                      IntegerCase{"+7", 7}, IntegerCase{"x2a", 42}, IntegerCase{"0X2A", 42},
                      IntegerCase{"2147483647", 2147483647}, IntegerCase{"-2147483648", INT32_MIN},
                      IntegerCase{"$80000005", -2147483643}, IntegerCase{"$FFFFFFFF", -1}));

class TextToIntegerRejects : public ::testing::TestWithParam<const char*> {};

TEST_P(TextToIntegerRejects, WithTheIntegerMessage) {
    const std::string text = GetParam();
    try {
        textToInteger(text);
        FAIL() << "accepted '" << text << "'";
    } catch (const Failure& error) {
        EXPECT_EQ(std::string(error.what()), "'" + text + "' is not a valid integer value");
    }
}

INSTANTIATE_TEST_SUITE_P(InvalidTexts, TextToIntegerRejects,
                         ::testing::Values("42 ", "-$2A", "2147483648", "-2147483649", "4,5", "",
                                           "-", "$", "$100000000", "12-3", "0x", "99999999999999"));

TEST(FailureBox, AppendsAFullStopAfterALetterOrDigit) {
    EXPECT_EQ(withClosingFullStop("'1,2,3' is not a valid floating point value"),
              "'1,2,3' is not a valid floating point value.");
    EXPECT_EQ(withClosingFullStop("Ошибка"), "Ошибка.");
    EXPECT_EQ(withClosingFullStop("Stop!"), "Stop!");
    EXPECT_EQ(withClosingFullStop("Done."), "Done.");
    EXPECT_EQ(withClosingFullStop("(x)"), "(x)");
    EXPECT_EQ(withClosingFullStop("a "), "a ");
    EXPECT_EQ(withClosingFullStop("path/"), "path/.");
    EXPECT_EQ(withClosingFullStop(""), "");
}

} // namespace
} // namespace navivor
