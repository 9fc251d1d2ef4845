// The scorers' lines under the score: one entry per scorer and side, own goals on the side that gained.
#include <gtest/gtest.h>

#include <string>

#include "match/core/match_helpers.hpp"
#include "match/overlays/scorers_text.hpp"
#include "phase_test_support.hpp"

using namespace phase_test;

namespace {
void name(int t, int s, const std::string& surname) { squad_player(t, s).surname = surname; }

void goal(int t, int s, int minute, int typ = 0) {
    t_goal g;
    g.player = ref(t, s);
    g.mnt = minute;
    g.typ = typ;
    goals.push_back(g);
}

class OverlayScorers : public testing::Test {
protected:
    void SetUp() override {
        set_up();
        name(0, 9, "Pener");
        name(0, 10, "Cartfield");
        name(1, 4, "Varano");
    }
    void TearDown() override { goals.clear(); }
};
} // namespace

TEST_F(OverlayScorers, AScorerIsListedOnceWithEveryMinuteAndOwnGoalsGoToTheSideThatGained) {
    goal(0, 9, 12);
    goal(1, 4, 30, 1);
    goal(0, 9, 40);
    goal(0, 10, 55);
    goal(0, 9, 88);
    update_scorers_text();
    EXPECT_EQ(scorers_text[0], "Pener 12,40,88\r\nVarano 30(OG)\r\nCartfield 55");
    EXPECT_EQ(scorers_text[1], "");
}

TEST_F(OverlayScorers, OwnGoalsAndGoalsOfOnePlayerAreSeparateEntries) {
    goal(1, 4, 5);
    goal(1, 4, 61, 1);
    goal(1, 4, 70);
    update_scorers_text();
    EXPECT_EQ(scorers_text[1], "Varano 5,70");
    EXPECT_EQ(scorers_text[0], "Varano 61(OG)");
}

TEST_F(OverlayScorers, RecordGoalRefreshesTheTextsAndAGoalWithoutScorerIsLeftOut) {
    ball.owner_last = ref(1, 4);
    match_status.timer = match_status.length / 3; // minute 30
    record_goal(0);
    EXPECT_EQ(scorers_text[0], "Varano 30(OG)");
    goals.push_back(t_goal{});
    update_scorers_text();
    EXPECT_EQ(scorers_text[0], "Varano 30(OG)");
    goals.clear();
    update_scorers_text();
    EXPECT_EQ(scorers_text[0], "");
}

TEST_F(OverlayScorers, LongListsBreakAtTheLastCommaPast20CharactersOr17ForNationalSides) {
    for (const int m : {1, 12, 23, 34, 45, 56}) goal(0, 10, m);
    update_scorers_text();
    // The 21st character is the comma after 34: the line breaks there.
    EXPECT_EQ(scorers_text[0], "Cartfield 1,12,23,34,\r\n45,56");
    team_at(0).national = 1;
    update_scorers_text();
    // The 18th character is the comma after 23.
    EXPECT_EQ(scorers_text[0], "Cartfield 1,12,23,\r\n34,45,56");
    team_at(0).national = 0;
    goals.clear();
    for (const int m : {1, 2, 3}) goal(0, 9, m);
    update_scorers_text();
    EXPECT_EQ(scorers_text[0], "Pener 1,2,3") << "short lists stay on one line";
}
