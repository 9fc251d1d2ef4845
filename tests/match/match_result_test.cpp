// What the player is told of the result: the goal banner after each goal and the screen after a friendly.
#include <gtest/gtest.h>

#include <string>

#include "core/backgrounds.hpp"
#include "core/screen_modes.hpp"
#include "match/core/match_helpers.hpp"
#include "match/overlays/overlay_signs.hpp"
#include "match/overlays/scorers_text.hpp"
#include "match/replay/replay_menu.hpp"
#include "phase_test_support.hpp"

using namespace phase_test;

namespace {
// A goal as open play counts it: the scorer last touched the ball, the scoring side's tally goes up.
void score(int side, int team, int slot, int minute) {
    ball.owner_last = ref(team, slot);
    match_status.timer = static_cast<int32_t>(static_cast<int64_t>(match_status.length) * minute / 90);
    ++match_stats[static_cast<size_t>(side)].goal;
    record_goal(side);
}

class MatchResult : public testing::Test {
protected:
    void SetUp() override {
        set_up();
        match_teams[0]->name = "Ashbury Rovers";
        match_teams[1]->name = "Ashham Athletic";
        squad_player(0, 9).surname = "Pener";
        squad_player(0, 9).nr = 9;
        squad_player(1, 4).surname = "Varano";
        squad_player(1, 4).nr = 4;
        squad_player(1, 11).surname = "Oduya";
        squad_player(1, 11).nr = 11;
        goals.clear();
        match_stats = {};
    }
    void TearDown() override {
        goals.clear();
        match_stats = {};
        scorers_text = {};
    }
};
} // namespace

TEST_F(MatchResult, TheBannerNamesTheScorerAndTheNewScore) {
    score(0, 0, 9, 12);
    t_goal_banner b = goal_banner(goals.back());
    EXPECT_EQ(b.title, "GOAL");
    EXPECT_EQ(b.scorer, "9 Pener 12'");
    EXPECT_EQ(b.score, "Ashbury Rovers  1 - 0  Ashham Athletic");
    score(0, 1, 4, 30); // an away defender puts it in his own net
    b = goal_banner(goals.back());
    EXPECT_EQ(b.title, "OWN GOAL");
    EXPECT_EQ(b.scorer, "4 Varano 30'");
    EXPECT_EQ(b.score, "Ashbury Rovers  2 - 0  Ashham Athletic");
}

TEST_F(MatchResult, TheScreenAfterAFriendlyShowsTheScoreScorersAndStatistics) {
    score(0, 0, 9, 12);
    score(1, 1, 11, 40);
    score(0, 0, 9, 44);
    match_stats[0].shot = 7;
    match_stats[1].shot = 3;
    match_stats[0].poss = 3;
    match_stats[1].poss = 1;
    if (!backgrounds) backgrounds = std::make_unique<t_backgrounds>();
    MenuReplayMatch screen;
    ASSERT_TRUE(screen.w_score);
    EXPECT_EQ(screen.w_score->text, "Ashbury Rovers  2 - 1  Ashham Athletic");
    EXPECT_EQ(final_score_line(), screen.w_score->text);
    EXPECT_EQ(screen.w_scorers[0]->text, "Pener 12,44");
    EXPECT_EQ(screen.w_scorers[1]->text, "Oduya 40");
    const auto shows = [&](const std::string& text) {
        for (const t_widget_ref& w : screen.widgets)
            if (w->text == text) return true;
        return false;
    };
    EXPECT_TRUE(shows("7")) << "home goal attempts";
    EXPECT_TRUE(shows("75")) << "home possession";
    EXPECT_TRUE(shows("25")) << "away possession";
    EXPECT_EQ(screen.exit_widget->bindings.front().method_arguments.front(), std::to_string(MODE_MAIN_MENU));
}
