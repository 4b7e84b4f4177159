#include <gtest/gtest.h>

#include <string>

#include "core/tally.h"

using namespace crucirco;

TEST(Tally, AddsOneToTheLeadingNumber)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", "1"}, {"1", "2"}, {"9", "10"}, {"99", "100"}, {"109", "110"},
        // Not numbers, or not only: the leading number counts.
        {"abc", "1"}, {"12abc", "13"}, {"007", "8"}, {"0", "1"}, {" 5", "6"},
    };
    for (auto [before, after] : cases) {
        Tally tally(before);
        tally.increment();
        EXPECT_EQ(tally.caption(), after) << '"' << before << '"';
    }
}

TEST(Tally, CountsFromEmptyLikeDecimalNumbers)
{
    Tally tally;
    for (int wins = 1; wins <= 1200; ++wins) {
        tally.increment();
        ASSERT_EQ(tally.caption(), std::to_string(wins));
    }
}

TEST(Tally, LongDigitStringsCarryWithoutOverflow)
{
    Tally nines(std::string(200, '9'));
    nines.increment();
    EXPECT_EQ(nines.caption(), "1" + std::string(200, '0'));

    Tally big("18446744073709551615"); // 2^64 - 1
    big.increment();
    EXPECT_EQ(big.caption(), "18446744073709551616");
}

TEST(Tallies, AWinCountsForItsSideOnly)
{
    Tallies tallies;
    tallies.addWin(Mark::Circle);
    tallies.addWin(Mark::Circle);
    tallies.addWin(Mark::Cross);
    EXPECT_EQ(tallies.circle.caption(), "2");
    EXPECT_EQ(tallies.cross.caption(), "1");
}
