#include "core/calculation_run.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/field_store.h"
#include "core/locator.h"
#include "test_text.h"

namespace velmoro {

void PrintTo(const FieldEffect& effect, std::ostream* os) {
    const char* kinds[] = {"write", "refresh", "notice"};
    *os << kinds[static_cast<int>(effect.kind)];
    if (effect.kind == FieldEffect::Kind::Write) {
        *os << " Text" << static_cast<int>(effect.field) + 1;
    }
    *os << " \"" << encodeUtf8(effect.text) << '"';
}

namespace {

// A store with both locators as typed (typing upper-cases them).
FieldStore typedStore(const char* locator1, const char* locator2, bool record = false) {
    FieldStore store(record);
    store.writeText(Field::Text3, upperCaseText(t(locator1)));
    store.writeText(Field::Text5, upperCaseText(t(locator2)));
    store.clearEffects();
    return store;
}

struct DisplayCase {
    const char* name;
    const char* locator1;
    const char* locator2;
    const char* km;       // Text6 afterwards
    const char* azimuth;  // Text1 afterwards
};

class RunCalculation : public testing::TestWithParam<DisplayCase> {};

TEST_P(RunCalculation, ShowsTheResultTexts) {
    const auto& param = GetParam();
    FieldStore store = typedStore(param.locator1, param.locator2);
    runCalculation(store);
    EXPECT_EQ(store.text(Field::Text6), t(param.km));
    EXPECT_EQ(store.text(Field::Text1), t(param.azimuth));
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, RunCalculation,
    testing::Values(DisplayCase{"RomeToTurin", "JN61FV", "JN45OL", " 476", " 328"},
                    DisplayCase{"LowerCaseTyped", "jn61fv", "jn45ol", " 476", " 328"},
                    DisplayCase{"EqualTextsShowZeroAzimuth", "JN45AB", "JN45AB", " 0", "0"},
                    DisplayCase{"EqualTextsNearEquatorOneKm", "JJ00AA", "JJ00AA", " 1", "0"},
                    DisplayCase{"SquareAgainstItsSubsquareIsNotEqual", "JN45", "JN45LL", " 0",
                                " 270"},
                    DisplayCase{"FarDueNorth", "JN45LL", "JO45LL", " 1109", " 360"},
                    DisplayCase{"SecondTypedFirst", "...", "JN45AB", "??????", "??????"},
                    DisplayCase{"EmptyFirst", "", "JN45AB", "??????", "??????"},
                    DisplayCase{"LetterAsThird", "JNX5AB", "JN45AB", "??????", "??????"},
                    DisplayCase{"BlankAsThirdInSecond", "JN45AB", "JN 5AB", "??????", "??????"},
                    DisplayCase{"TooLongFirst", "JN45ABC", "JN45AB", "??????", "??????"},
                    DisplayCase{"TooLongSecond", "JN45AB", "JN45ABC", "??????", "??????"},
                    // Texts that used to decode to nonsense and show it as a normal result.
                    DisplayCase{"LatitudeBeyondPole", "JS45AB", "JN45AB", "??????", "??????"},
                    DisplayCase{"FieldPastR", "JN45AB", "ZZ00AA", "??????", "??????"},
                    DisplayCase{"LetterAsFourth", "JN4AAB", "JN45AB", "??????", "??????"},
                    DisplayCase{"TrailingBlank", "JN45 ", "JN45AB", "??????", "??????"},
                    DisplayCase{"FiveCharacters", "JN45AB", "JO60L", "??????", "??????"},
                    DisplayCase{"ThreeCharactersPaddedToFive", "JN4", "JN45AB", "??????", "??????"},
                    DisplayCase{"NonAsciiLetter", "JÑ45AB", "JN45AB", "??????", "??????"}),
    [](const auto& info) { return std::string(info.param.name); });

FieldEffect write(Field field, const char* text) {
    return {FieldEffect::Kind::Write, field, t(text)};
}
const FieldEffect refresh{FieldEffect::Kind::NeedleRefresh, Field::Text1, {}};

TEST(RunCalculationEffects, ValidRunWritesCoordinatesThenResultsThenRefreshes) {
    FieldStore store = typedStore("JN45", "JN45AB", true);
    runCalculation(store);
    EXPECT_EQ(store.effects(), (std::vector<FieldEffect>{
                                   write(Field::Text7, "45.4791666666667"),
                                   write(Field::Text2, "-8.95833333333333"),
                                   write(Field::Text4, "45.0625"),
                                   write(Field::Text8, "-8.04166666666667"),
                                   write(Field::Text1, " 238"),
                                   write(Field::Text6, " 86"),
                                   refresh,
                               }));
}

TEST(RunCalculationEffects, EqualTextsOverwriteTheAzimuthWithZero) {
    FieldStore store = typedStore("JN45AB", "JN45AB", true);
    runCalculation(store);
    const auto& effects = store.effects();
    ASSERT_EQ(effects.size(), 8u);
    EXPECT_EQ(effects[4], write(Field::Text1, " 270"));
    EXPECT_EQ(effects[5], write(Field::Text6, " 0"));
    EXPECT_EQ(effects[6], write(Field::Text1, "0"));
    EXPECT_EQ(effects[7], refresh);
}

TEST(RunCalculationEffects, InvalidRunEmptiesLocatorsAroundTheCoordinates) {
    FieldStore store = typedStore("...", "JN45AB", true);
    runCalculation(store);
    const auto& effects = store.effects();
    ASSERT_EQ(effects.size(), 12u);
    EXPECT_EQ(std::vector(effects.begin(), effects.begin() + 3),
              (std::vector<FieldEffect>{write(Field::Text3, ""), write(Field::Text5, ""),
                                        write(Field::Text6, "??????")}));
    const Field coordinateOrder[] = {Field::Text7, Field::Text2, Field::Text4, Field::Text8};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(effects[3 + i].field, coordinateOrder[i]);
    }
    EXPECT_EQ(
        std::vector(effects.begin() + 7, effects.end()),
        (std::vector<FieldEffect>{write(Field::Text1, "??????"), write(Field::Text6, "??????"),
                                  write(Field::Text3, ""), write(Field::Text5, ""), refresh}));
}

TEST(RunCalculationEffects, InitialTextInSecondLocatorDoesNothing) {
    for (const char* locator1 : {"JN45AB", "...", ""}) {
        FieldStore store = typedStore(locator1, "...", true);
        runCalculation(store);
        EXPECT_TRUE(store.effects().empty()) << locator1;
    }
}

TEST(RunCalculationEffects, OnlyATooLongFirstLocatorGetsTheNoticeBeforeAnyWrite) {
    const FieldEffect notice{FieldEffect::Kind::Notice, Field::Text1,
                             Text(LOCATOR1_TOO_LONG_NOTICE)};
    FieldStore longFirst = typedStore("JN45ABC", "JN45AB", true);
    runCalculation(longFirst);
    EXPECT_EQ(longFirst.effects().front(), notice);
    EXPECT_EQ(std::count(longFirst.effects().begin(), longFirst.effects().end(), notice), 1);

    for (auto [locator1, locator2] : {std::pair{"JN45AB", "JN45ABC"}, std::pair{"JN4", "JN45AB"},
                                      std::pair{"JS45AB", "JN45AB"}}) {
        FieldStore store = typedStore(locator1, locator2, true);
        runCalculation(store);
        EXPECT_EQ(std::count(store.effects().begin(), store.effects().end(), notice), 0)
            << locator1 << " " << locator2;
    }
}

TEST(FormatStrNumber, LeadsWithASpaceUnlessNegative) {
    EXPECT_EQ(formatStrNumber(476), U" 476");
    EXPECT_EQ(formatStrNumber(0), U" 0");
    EXPECT_EQ(formatStrNumber(-0.0), U" 0");
    EXPECT_EQ(formatStrNumber(-12), U"-12");
    EXPECT_EQ(formatStrNumber(19966), U" 19966");
    EXPECT_EQ(formatStrNumber(1e20), U" 100000000000000000000");
}

// Guards against showing a number made from an infinite or undefined path.
TEST(ResultTexts, NonFinitePathShowsInvalidInBothFields) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const Text invalid(INVALID_RESULT);
    for (auto [azimuth, km] : {std::pair{nan, 12.0}, std::pair{90.0, inf}, std::pair{-inf, nan}}) {
        PathResult path;
        path.azimuthDeg = azimuth;
        path.distanceKm = km;
        EXPECT_EQ(resultTexts(path), std::pair(invalid, invalid));
    }
    PathResult path;
    path.azimuthDeg = 328;
    path.distanceKm = 476;
    EXPECT_EQ(resultTexts(path), std::pair(Text(U" 328"), Text(U" 476")));
}

}  // namespace
}  // namespace velmoro
