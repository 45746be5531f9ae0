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
