// The runtime's text and integer rules, and the display name built from the user-name buffer.
#include <gtest/gtest.h>

#include <climits>
#include <utility>

#include "base/arith.h"
#include "base/errors.h"
#include "base/text.h"
#include "base/units.h"
#include "screens/close_program/display_name.h"
#include "tests/error_number.h"

namespace {

using testing_support::ErrorNumberOf;

TEST(TextOperations, BehaveAsTheHandlersRelyOn) {
  const std::wstring buffer = base::String(200, 0);
  EXPECT_EQ(buffer.size(), 200u);
  EXPECT_EQ(buffer.find_first_not_of(L'\0'), std::wstring::npos);
  EXPECT_EQ(base::Left(L"root", 1), L"r");
  EXPECT_EQ(base::Left(L"", 1), L"");
  EXPECT_EQ(base::Right(L"root", 3), L"oot");
  EXPECT_EQ(base::Right(L"ab", 5), L"ab");
  EXPECT_EQ(base::Len(buffer), 200);
  EXPECT_EQ(base::UCase(L"r"), L"R");
  EXPECT_EQ(base::UCase(L"7"), L"7");
  EXPECT_EQ(base::UCase(std::wstring(1, L'\0')), std::wstring(1, L'\0'));
  EXPECT_EQ(base::Chr(10), L"\n");
}

TEST(TextOperations, CStrWritesWholeNumbersInDecimal) {
  EXPECT_EQ(base::CStr(0), L"0");
  EXPECT_EQ(base::CStr(7), L"7");
  EXPECT_EQ(base::CStr(453), L"453");
  EXPECT_EQ(base::CStr(-53), L"-53");
  EXPECT_EQ(base::CStr(INT_MAX), L"2147483647");
  EXPECT_EQ(base::CStr(INT_MIN), L"-2147483648");
}

TEST(TextOperations, RejectNegativeCountsAndCodesOutOfRange) {
  EXPECT_EQ(ErrorNumberOf([] { base::String(-1, 0); }), 5);
  EXPECT_EQ(ErrorNumberOf([] { base::Left(L"a", -1); }), 5);
  EXPECT_EQ(ErrorNumberOf([] { base::Right(L"a", -1); }), 5);
  EXPECT_EQ(ErrorNumberOf([] { base::Chr(256); }), 5);
  EXPECT_EQ(ErrorNumberOf([] { base::Chr(-1); }), 5);
}

TEST(DisplayName, UpperCasesOnlyTheFirstCharacterAndKeepsTheRest) {
  std::wstring buffer = base::String(200, 0);
  buffer.replace(0, 5, L"alice");
  const std::wstring shown = close_program::DisplayName(buffer);
  EXPECT_EQ(shown.size(), 200u);
  EXPECT_EQ(shown.substr(0, 5), L"Alice");
  EXPECT_EQ(shown.find_first_not_of(L'\0', 5), std::wstring::npos);
  EXPECT_EQ(close_program::DisplayName(L"mcDonald"), L"McDonald");
  EXPECT_EQ(close_program::DisplayName(L"ROOT"), L"ROOT");
  EXPECT_EQ(close_program::DisplayName(L"1st"), L"1st");
  // An untouched buffer shows nothing after the prefix.
  EXPECT_EQ(close_program::DisplayName(base::String(200, 0)), base::String(200, 0));
  EXPECT_EQ(close_program::DisplayName(L""), L"");
}

TEST(IntegerDivide, RoundsTheOperandsThenTruncatesTowardZero) {
  EXPECT_EQ(base::IntegerDivide(15360 - 4815, 2), 5272);
  EXPECT_EQ(base::IntegerDivide(-15, 2), -7);
  EXPECT_EQ(base::IntegerDivide(7.5, 2), 4);  // 7.5 rounds to 8
  EXPECT_EQ(base::IntegerDivide(6.5, 2), 3);  // 6.5 rounds to 6, halves go to even
  EXPECT_EQ(base::IntegerDivide(-1, 2), 0);
  EXPECT_EQ(ErrorNumberOf([] { base::IntegerDivide(1, 0.4); }), 11);
  EXPECT_EQ(ErrorNumberOf([] { base::IntegerDivide(3e9, 2); }), 6);
}

TEST(Twips, FifteenMakeAPixelAtNinetySixDotsPerInch) {
  EXPECT_EQ(base::TwipsPerPixel(96), 15);
  EXPECT_EQ(base::TwipsToPixels(4785, 96), 319);
  EXPECT_EQ(base::TwipsToPixels(4170, 96), 278);
  EXPECT_EQ(base::TwipsToPixels(-7, 96), 0);
  EXPECT_EQ(base::TwipsToPixels(8, 96), 1);
  EXPECT_EQ(base::TwipsToPixels(4785, 120), 399);
  EXPECT_EQ(base::PixelsToTwips(1024, 96), 15360);
  EXPECT_EQ(base::PixelsToTwips(1024, 192), 7680);  // 7.5 twips a pixel, not 7
}

TEST(Twips, ScreensScaleByTheDensityOverNinetySixRoundedHalvesUp) {
  const std::pair<int, int> expected[] = {{72, 1},  {96, 1},  {120, 1}, {143, 1}, {144, 2},
                                          {192, 2}, {239, 2}, {240, 3}, {288, 3}};
  for (const auto& [dpi, factor] : expected) EXPECT_EQ(base::ScaleFactorFor(dpi), factor) << dpi;
}

}  // namespace
