// ENHANCED shoot-outs played on the pitch: when one is due, the kicks taken phase by phase to the end,
// and the result reaching the cup.
#include <gtest/gtest.h>

#include "core/menu_status.hpp"
#include "core/screen_modes.hpp"
#include "football/competition.hpp"
#include "football/cup.hpp"
#include "match/core/match_screens.hpp"
#include "match/enhanced/referee.hpp"
#include "match/phases/phase_full_time.hpp"
#include "match/phases/phase_shootout.hpp"
#include "phase_test_support.hpp"
#include "platform/random.hpp"
#include "ui/menu.hpp"

using namespace phase_test;

namespace {
constexpr int MOST_PHASES = 200;
constexpr int MOST_UPDATES = 2000;

class PlayedShootout : public ::testing::Test {
protected:
    void SetUp() override {
        set_up();
        match_settings.gameplay = t_gameplay::enhanced;
        referee = t_referee();
        seed_rnd(11);
    }
    void TearDown() override {
        match_settings.gameplay = t_gameplay::classic;
        match_settings.friendly_shootout = false;
        menu.status = STATUS_FRIENDLY;
        competition.reset();
        shootout = t_shootout{};
    }

    // A one-round cup between the two sides on the pitch, its tie level after 90 minutes.
    std::shared_ptr<t_cup> level_cup_tie(int penalties) {
        auto cup = std::make_shared<t_cup>();
        cup->set_rounds(1);
        cup->round[0].penalties = penalties;
        cup->initialize({match_teams[0], match_teams[1]});
        competition = cup;
        menu.status = STATUS_COMPETITION;
        match_stats[0].goal = match_stats[1].goal = 1;
        cup->set_result(1, 1, RESULT_AFTER_90);
        return cup;
    }

    // Plays the phases each one opens until the players walk off; the phases played.
    int play_to_the_end(int first_mode) {
        int mode = first_mode;
        for (int played = 0; played < MOST_PHASES; ++played) {
            if (mode == MODE_MATCH_END_POSITIONS) return played;
            std::unique_ptr<t_game_mode> phase = make_match_screen(mode);
            if (!phase) return -1;
            if (run_until_queued(*phase, MOST_UPDATES) < 0) return -1;
            const std::vector<t_queued> q = drain();
            mode = q.back().mode;
        }
        return -1;
    }
};
} // namespace

TEST_F(PlayedShootout, ALevelCupTieIsSettledOnThePitchAndTheCupTakesItsResult) {
    const auto cup = level_cup_tie(1);
    const std::array<t_stats, 2> before = match_stats;
    ASSERT_TRUE(shootout_due());
    start_shootout();
    const std::vector<t_queued> q = drain();
    ASSERT_EQ(q, std::vector{new_screen(MODE_MATCH_SHOOTOUT_POSITIONS)});
    ASSERT_GT(play_to_the_end(MODE_MATCH_SHOOTOUT_POSITIONS), 0) << "the shoot-out never ended";

    const t_shootout_tally& tally = shootout.tally;
    EXPECT_TRUE(tally.decided());
    EXPECT_FALSE(shootout.on);
    EXPECT_GE(tally.kicks(0).size() + tally.kicks(1).size(), 6u);
    const t_score g = tally.goals();
    EXPECT_NE(g[0], g[1]);
    const t_match& m = cup->get_match();
    ASSERT_TRUE(m.result_penalties);
    EXPECT_EQ(*m.result_penalties, g);
    EXPECT_EQ(m.qualified, match_teams[g[0] > g[1] ? 0 : 1]);
    EXPECT_EQ(cup->ended, 1);
    EXPECT_EQ(match_stats[0].goal, before[0].goal) << "the kicks are no goals of the match";
    EXPECT_EQ(match_stats[1].shot, before[1].shot);
    EXPECT_FALSE(shootout_due()) << "one shoot-out a match";
}

TEST_F(PlayedShootout, FullTimeOpensItOnlyWhenTheRulesAndTheGameplayAskForOne) {
    // A friendly: only with the option, and only when drawn.
    match_stats[0].goal = match_stats[1].goal = 2;
    EXPECT_FALSE(shootout_due());
    match_settings.friendly_shootout = true;
    EXPECT_TRUE(shootout_due());
    match_stats[1].goal = 3;
    EXPECT_FALSE(shootout_due());
    match_stats[1].goal = 2;
    match_settings.gameplay = t_gameplay::classic;
    EXPECT_FALSE(shootout_due()) << "classic leaves it to the competition";
    match_settings.gameplay = t_gameplay::enhanced;

    // A cup round without penalties leaves the tie for a replay.
    level_cup_tie(0);
    EXPECT_FALSE(shootout_due());
    level_cup_tie(1);
    t_match_full_time_stop stop;
    ASSERT_GT(run_until_queued(stop, 500), 0);
    EXPECT_EQ(drain(), std::vector{new_screen(MODE_MATCH_SHOOTOUT_POSITIONS)});
    EXPECT_TRUE(shootout.on);
}

TEST_F(PlayedShootout, TakersAreTheBestShootersFirstAndTheKeeperLast) {
    for (int slot = 2; slot <= 11; ++slot) squad_player(0, slot).sh = slot == 9 ? 7 : 1;
    squad_player(0, 4).play.sent_off = true;
    EXPECT_EQ(shootout_taker(0, 0), &squad_player(0, 9));
    EXPECT_EQ(shootout_taker(0, 9), &squad_player(0, GOALKEEPER_SLOT)) << "nine outfield men on the pitch, then him";
    EXPECT_EQ(shootout_taker(0, 10), &squad_player(0, 9)) << "then round again";
    for (size_t k = 0; k < 10; ++k) EXPECT_NE(shootout_taker(0, k), &squad_player(0, 4));
}
