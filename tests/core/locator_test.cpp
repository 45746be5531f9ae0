#include "core/locator.h"

#include <gtest/gtest.h>

#include "test_text.h"

namespace velmoro {
namespace {

struct NormaliseCase {
    const char* name;
    const char* typed;
    const char* normalised;
};

class NormaliseLocator : public testing::TestWithParam<NormaliseCase> {};

TEST_P(NormaliseLocator, UpperCasesAndPadsSquareLocators) {
    EXPECT_EQ(normaliseLocator(t(GetParam().typed)), t(GetParam().normalised));
}

INSTANTIATE_TEST_SUITE_P(Texts, NormaliseLocator,
                         testing::Values(NormaliseCase{"LowerCase", "jn45ab", "JN45AB"},
                                         NormaliseCase{"Square", "JN45", "JN45LL"},
                                         NormaliseCase{"ThreeCharacters", "JN4", "JN4LL"},
                                         NormaliseCase{"OneCharacter", "J", "JLL"},
                                         NormaliseCase{"Empty", "", ""},
                                         NormaliseCase{"TooLongUnchanged", "JN45ABC", "JN45ABC"},
                                         NormaliseCase{"InitialDots", "...", "...LL"},
                                         NormaliseCase{"TrailingBlankNotTrimmed", "JN45 ", "JN45 "},
                                         NormaliseCase{"NonAsciiLeftAlone", "jé45ab", "Jé45AB"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ValidityCase {
    const char* name;
    const char* normalised;
    std::optional<LocatorProblem::Kind> problem;
    std::size_t position;  // of the bad character
};

class LocatorValidity : public testing::TestWithParam<ValidityCase> {};

TEST_P(LocatorValidity, AcceptsOnlyTheSixCharacterFormat) {
    const auto& param = GetParam();
    const auto problem = findLocatorProblem(t(param.normalised));
    EXPECT_EQ(locatorIsInvalid(t(param.normalised)), param.problem.has_value());
    ASSERT_EQ(problem.has_value(), param.problem.has_value());
    if (problem) {
        EXPECT_EQ(problem->kind, *param.problem);
        EXPECT_EQ(problem->position, param.position);
    }
}

using Kind = LocatorProblem::Kind;
INSTANTIATE_TEST_SUITE_P(
    Texts, LocatorValidity,
    testing::Values(ValidityCase{"Subsquare", "JN45AB", {}, 0},
                    ValidityCase{"PaddedSquare", "JN45LL", {}, 0},
                    ValidityCase{"SouthWestCorner", "AA00AA", {}, 0},
                    ValidityCase{"NorthEastCorner", "RR99XX", {}, 0},
                    ValidityCase{"Empty", "", Kind::TooShort, 0},
                    ValidityCase{"PaddedOneCharacter", "JLL", Kind::TooShort, 0},
                    ValidityCase{"PaddedThreeCharacters", "JN4LL", Kind::TooShort, 0},
                    ValidityCase{"FiveCharacters", "JO60L", Kind::TooShort, 0},
                    ValidityCase{"TrailingBlank", "JN45 ", Kind::TooShort, 0},
                    ValidityCase{"SevenCharacters", "JN45ABC", Kind::TooLong, 0},
                    ValidityCase{"FieldLetterPastR", "JS45AB", Kind::BadCharacter, 2},
                    ValidityCase{"FieldLettersPastR", "ZZ00AA", Kind::BadCharacter, 1},
                    ValidityCase{"PaddedInitialDots", "...LL", Kind::TooShort, 0},
                    ValidityCase{"LetterAsThird", "JNX5AB", Kind::BadCharacter, 3},
                    ValidityCase{"BlankAsThird", "JN 5AB", Kind::BadCharacter, 3},
                    ValidityCase{"LetterAsFourth", "JN4AAB", Kind::BadCharacter, 4},
                    ValidityCase{"SubsquarePastX", "JN45YA", Kind::BadCharacter, 5},
                    ValidityCase{"DigitAsSixth", "JN45A1", Kind::BadCharacter, 6},
                    ValidityCase{"LowerCaseNotNormalised", "jn45ab", Kind::BadCharacter, 1},
                    ValidityCase{"NonAsciiLetter", "JÑ45AB", Kind::BadCharacter, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DescribeLocatorProblem, NamesWhatIsWrongAndWhere) {
    EXPECT_EQ(describeLocatorProblem(*findLocatorProblem(t("JN45ABC"))),
              "too long: 7 characters, at most 6");
    EXPECT_EQ(describeLocatorProblem(*findLocatorProblem(t("JN4LL"))),
              "too short: a locator has 6 characters, or 4 that stand for subsquare LL");
    EXPECT_EQ(describeLocatorProblem(*findLocatorProblem(t("JN4AAB"))),
              "character 4 is 'A', not a digit 0 to 9");
    EXPECT_EQ(describeLocatorProblem(*findLocatorProblem(t("JN 5AB"))),
              "character 3 is a blank, not a digit 0 to 9");
    EXPECT_EQ(describeLocatorProblem(*findLocatorProblem(t("JÑ45AB"))),
              "character 2 is U+00D1, not a letter A to R");
}

struct DecodeCase {
    const char* name;
    const char* normalised;
    double latitude;
    double longitude;
};

class DecodeLocator : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeLocator, GivesTheSubsquareCentreExactly) {
    const DecodedLocator decoded = decodeLocator(t(GetParam().normalised));
    EXPECT_EQ(decoded.latitude, GetParam().latitude);
    EXPECT_EQ(decoded.longitude, GetParam().longitude);
}

INSTANTIATE_TEST_SUITE_P(
    Locators, DecodeLocator,
    testing::Values(DecodeCase{"SubsquareLL", "JN45LL", 45 + 23.0 / 48, 8 + 23.0 / 24},
                    DecodeCase{"SubsquareAB", "JN45AB", 45 + 1.0 / 16, 8 + 1.0 / 24},
                    DecodeCase{"SouthWest", "AA00AA", -90 + 1.0 / 48, -180 + 1.0 / 24},
                    DecodeCase{"NorthEast", "RR99XX", 90 - 1.0 / 48, 180 - 1.0 / 24},
                    DecodeCase{"FiveCharactersMissingSixthCode", "JO60L", 47 + 5.0 / 16,
                               12 + 23.0 / 24}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DecodeLocator, SquareLocatorStandsForSubsquareLL) {
    const DecodedLocator square = decodeLocator(normaliseLocator(t("JN45")));
    const DecodedLocator subsquare = decodeLocator(t("JN45LL"));
    EXPECT_EQ(square.latitude, subsquare.latitude);
    EXPECT_EQ(square.longitude, subsquare.longitude);
}

TEST(DecodeLocator, CodesAreOneBytePerPositionAndZeroPastTheEnd) {
    EXPECT_EQ(decodeLocator(t("JN45 ")).codes.c, (std::array<int, 6>{74, 78, 52, 53, 32, 0}));
    EXPECT_EQ(decodeLocator(t("JN45ABCD")).codes.c, (std::array<int, 6>{74, 78, 52, 53, 65, 66}));
    EXPECT_EQ(decodeLocator(t("é€")).codes.c, (std::array<int, 6>{0xE9, '?', 0, 0, 0, 0}));
}

}  // namespace
}  // namespace velmoro

namespace velmoro {
namespace {

struct ExtendedCase {
    const char* name;
    const char* normalised;
    std::optional<LocatorProblem::Kind> problem;
};

class ExtendedLocatorValidity : public testing::TestWithParam<ExtendedCase> {};

TEST_P(ExtendedLocatorValidity, AcceptsSixOrEightCharacters) {
    const auto problem = findLocatorProblem(t(GetParam().normalised), LocatorForm::Extended);
    ASSERT_EQ(problem.has_value(), GetParam().problem.has_value());
    if (problem) {
        EXPECT_EQ(problem->kind, *GetParam().problem);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, ExtendedLocatorValidity,
                         testing::Values(ExtendedCase{"Subsquare", "JN45LL", {}},
                                         ExtendedCase{"Extended", "JN45LL27", {}},
                                         ExtendedCase{"SevenCharacters", "JN45LL2", Kind::TooShort},
                                         ExtendedCase{"NineCharacters", "JN45LL271", Kind::TooLong},
                                         ExtendedCase{"LetterAsSeventh", "JN45LLA7",
                                                      Kind::BadCharacter}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DescribeLocatorProblem, ExtendedFormNamesItsLengths) {
    const LocatorForm extended = LocatorForm::Extended;
    EXPECT_EQ(describeLocatorProblem(*findLocatorProblem(t("JN45LL271"), extended), extended),
              "too long: 9 characters, at most 8");
    EXPECT_EQ(describeLocatorProblem(*findLocatorProblem(t("JN45LL2"), extended), extended),
              "too short: a locator has 6 or 8 characters, or 4 that stand for subsquare LL");
}

TEST(LocatorCentre, SixCharactersMatchTheWindowsDecodingExactly) {
    for (const char* locator : {"JN45LL", "AA00AA", "RR99XX", "JO55WW", "FN20XR"}) {
        const GridPosition centre = locatorCentre(t(locator));
        const DecodedLocator decoded = decodeLocator(t(locator));
        EXPECT_EQ(centre.latitude, decoded.latitude) << locator;
        EXPECT_EQ(centre.longitude, decoded.longitude) << locator;
    }
}

TEST(LocatorCentre, EightCharactersGiveTheSmallSquaresCentre) {
    // JN45LL spans 8 + 11/12 to 9 E and 45 + 11/24 to 45.5 N; its cell 0,0 is the south-west tenth.
    const GridPosition southWest = locatorCentre(t("JN45LL00"));
    EXPECT_NEAR(southWest.longitude, 8 + 11.0 / 12 + 0.05 / 12, 1e-12);
    EXPECT_NEAR(southWest.latitude, 45 + 11.0 / 24 + 0.05 / 24, 1e-12);
    const GridPosition northEast = locatorCentre(t("JN45LL99"));
    EXPECT_NEAR(northEast.longitude, 9 - 0.05 / 12, 1e-12);
    EXPECT_NEAR(northEast.latitude, 45.5 - 0.05 / 24, 1e-12);
}

struct PointCase {
    const char* name;
    double latitude;
    double longitude;
    const char* locator;  // eight characters
};

class LocatorAt : public testing::TestWithParam<PointCase> {};

TEST_P(LocatorAt, NamesTheCellThatHoldsThePoint) {
    const auto& param = GetParam();
    const Text eight = t(param.locator);
    EXPECT_EQ(locatorAt(param.latitude, param.longitude, 8), eight);
    EXPECT_EQ(locatorAt(param.latitude, param.longitude, 6), eight.substr(0, 6));
    EXPECT_EQ(locatorAt(param.latitude, param.longitude, 4), eight.substr(0, 4));
}

INSTANTIATE_TEST_SUITE_P(Points, LocatorAt,
                         testing::Values(PointCase{"Rome", 41.9028, 12.4964, "JN61FV96"},
                                         PointCase{"Turin", 45.0703, 7.6869, "JN35UB26"},
                                         PointCase{"NewYork", 40.7128, -74.0060, "FN20XR91"},
                                         PointCase{"SouthWestCorner", -90, -180, "AA00AA00"},
                                         PointCase{"NorthPoleAndAntimeridian", 90, 180, "RR99XX99"},
                                         PointCase{"Origin", 0, 0, "JJ00AA00"},
                                         PointCase{"JustWestAndSouthOfOrigin", -1e-9, -1e-9,
                                                   "II99XX99"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LocatorAt, RoundTripsEveryCentre) {
    for (const char* locator : {"JN45LL", "AA00AA", "RR99XX", "JO65FR", "JN45LL27", "QP48LW90"}) {
        const Text text = t(locator);
        const GridPosition centre = locatorCentre(text);
        EXPECT_EQ(locatorAt(centre.latitude, centre.longitude, text.size()), text) << locator;
    }
}

}  // namespace
}  // namespace velmoro
