// The shoot-out's turns and the moment it is decided, kick by kick.
#include <gtest/gtest.h>

#include <initializer_list>

#include "football/shootout_tally.hpp"

namespace {
// Kicks in the order they are taken: true scored.
t_shootout_tally taken(int first, std::initializer_list<bool> kicks) {
    t_shootout_tally t(first);
    for (bool k : kicks) t.record(k);
    return t;
}
} // namespace

TEST(ShootoutTally, TheTossWinnerKicksFirstAndTheSidesTakeTurns) {
    t_shootout_tally t(1);
    EXPECT_EQ(t.next_side(), 1);
    t.record(true);
    EXPECT_EQ(t.next_side(), 0);
    t.record(false);
    EXPECT_EQ(t.next_side(), 1);
    EXPECT_EQ(t.kicks(1), std::vector<bool>{true});
    EXPECT_EQ(t.kicks(0), std::vector<bool>{false});
    EXPECT_EQ(t.goals(), (t_score{0, 1}));
}

TEST(ShootoutTally, ItEndsAsSoonAsOneSideCanNoLongerCatchUp) {
    // 3-0 after three kicks each: two left cannot make up three.
    EXPECT_FALSE(taken(0, {true, false, true, false, true}).decided());
    EXPECT_TRUE(taken(0, {true, false, true, false, true, false}).decided());
    // The side kicking second wins 4-2 with its fourth kick: the first has one left, two behind.
    EXPECT_TRUE(taken(0, {true, true, false, true, true, true, false, true}).decided());
    // 4-3 with one kick each left is still open.
    EXPECT_FALSE(taken(0, {true, true, true, true, true, true, true, false}).decided());
    // The away side won the toss: three scored against three missed ends it.
    EXPECT_FALSE(taken(1, {true, false, true, false, true}).decided());
    const t_shootout_tally t = taken(1, {true, false, true, false, true, false});
    EXPECT_TRUE(t.decided());
    EXPECT_EQ(t.goals(), (t_score{0, 3}));
}

TEST(ShootoutTally, LevelAfterFiveSuddenDeathIsDecidedOnlyByAWholePair) {
    t_shootout_tally t(0);
    for (int k = 0; k < 10; ++k) t.record(true);
    EXPECT_FALSE(t.decided()) << "5-5";
    t.record(false);
    EXPECT_FALSE(t.decided()) << "the second side has not kicked yet";
    t.record(false);
    EXPECT_FALSE(t.decided()) << "both missed: still level";
    t.record(true);
    EXPECT_FALSE(t.decided());
    t.record(false);
    EXPECT_TRUE(t.decided());
    EXPECT_EQ(t.goals(), (t_score{6, 5}));
}
