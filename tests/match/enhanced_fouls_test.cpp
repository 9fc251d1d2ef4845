// ENHANCED slide tackles, fouls, the restart the referee gives and the cards, on a pitch of fixed positions.
#include <gtest/gtest.h>

#include <cmath>

#include "core/screen_modes.hpp"
#include "football/match_settings.hpp"
#include "match/core/match_rules.hpp"
#include "match/core/state_machine.hpp"
#include "match/enhanced/enhanced_cards.hpp"
#include "match/enhanced/enhanced_fouls.hpp"
#include "match/enhanced/enhanced_tuning.hpp"
#include "match/enhanced/referee.hpp"
#include "match/players/player_movement.hpp"
#include "match/players/player_possession.hpp"
#include "match/players/player_targets.hpp"
#include "match/set_pieces/set_piece_free_kick.hpp"
#include "match/set_pieces/set_piece_penalty.hpp"
#include "platform/random.hpp"
#include "player_test_support.hpp"

using namespace player_test;

namespace {
constexpr int SLIDER = 7;
constexpr int CARRIER = 8;

class EnhancedFouls : public ::testing::Test {
protected:
    void SetUp() override {
        build_match();
        match_settings.gameplay = t_gameplay::enhanced;
        referee = t_referee();
        seed_rnd(3);
    }
    void TearDown() override {
        match_settings.gameplay = t_gameplay::classic;
        referee = t_referee();
    }

    // Team 1's carrier at (x, y) running along +x, the ball at his feet ahead of him.
    t_player& carrier_at(double x, double y) {
        give_ball(1, CARRIER, x, y);
        t_player& c = squad_player(1, CARRIER);
        c.fmx = 0;
        c.a = 0;
        c.v = 100;
        ball.x = x + BALL_AHEAD_OF_FEET;
        return c;
    }
    t_player& slider_at(double x, double y, double a, double v) {
        t_player& p = squad_player(0, SLIDER);
        p.x = x;
        p.y = y;
        p.a = a;
        p.v = v;
        return p;
    }
    // Runs the slide to its end; true when the referee blew.
    bool slide_out(t_player& p) {
        EXPECT_TRUE(start_slide(p));
        for (int k = 0; k < SLIDE_SUB_STEPS && !referee.whistled; ++k) update_slides();
        return referee.whistled;
    }
};
} // namespace

TEST_F(EnhancedFouls, ASlideFromBehindIsAFoulAndACleanOneWinsTheBall) {
    carrier_at(0, 0);
    t_player& behind = slider_at(-20, 0, 0, 160);
    EXPECT_TRUE(slide_out(behind)) << "through the carrier's legs from behind";
    EXPECT_TRUE(referee.foul.reckless);
    EXPECT_EQ(referee.foul.fouled, ref(1, CARRIER));
    EXPECT_EQ(referee.foul.fouled_team, 1);
    EXPECT_EQ(match_stats[0].foul, 1);
    EXPECT_GT(squad_player(1, CARRIER).play.down, 0) << "the fouled player lies on the grass";
    EXPECT_TRUE(on_the_grass(behind));

    build_match();
    referee = t_referee();
    carrier_at(0, 0);
    t_player& front = slider_at(30, 0, 180, 160);
    EXPECT_FALSE(slide_out(front)) << "the ball first, from the front";
    EXPECT_FALSE(ball.owner);
    EXPECT_LT(ball.a, 181);
    EXPECT_GT(ball.v, 0) << "knocked away along the slide";
    EXPECT_EQ(match_stats[0].tackles, 1);
    EXPECT_EQ(match_stats[0].foul, 0);
}

TEST_F(EnhancedFouls, ASlideThatMissesTheBallAndMeetsTheCarrierIsAFoul) {
    // From the side, aimed behind the ball: his legs meet the man, not the ball.
    carrier_at(0, 0);
    t_player& p = slider_at(-5, -30, 90, 160);
    EXPECT_TRUE(slide_out(p));
    EXPECT_EQ(referee.foul.offender, ref(0, SLIDER));
}

TEST_F(EnhancedFouls, AFoulInTheAreaGivesAPenaltyAndOneOutsideAFreeKick) {
    // Team 0 defends the goal at y = +640.
    carrier_at(0, 560);
    call_foul(ref(0, SLIDER), ref(1, CARRIER), false);
    ASSERT_TRUE(referee.whistled);
    EXPECT_TRUE(referee.foul.penalty);
    EXPECT_EQ(match_rules().referee_step(), MODE_MATCH_PENALTY_POSITIONS);

    build_match();
    referee = t_referee();
    carrier_at(0, 300);
    call_foul(ref(0, SLIDER), ref(1, CARRIER), false);
    ASSERT_TRUE(referee.whistled);
    EXPECT_FALSE(referee.foul.penalty);
    EXPECT_EQ(match_rules().referee_step(), MODE_MATCH_FREE_KICK_POSITIONS);
    // Only one whistle for one moment of play.
    call_foul(ref(0, CARRIER), ref(1, SLIDER), true);
    EXPECT_EQ(match_stats[0].foul, 1);
}

TEST_F(EnhancedFouls, TheWallStandsNineMetresFromTheBallBetweenItAndTheGoal) {
    ball.set_position(60, 420, 0);
    EXPECT_EQ(wall_size(60, 420, 1), 3);
    EXPECT_EQ(wall_size(0, 470, 1), 4);
    EXPECT_EQ(wall_size(0, -100, 1), 0) << "no wall far from goal";
    set_tactics_targets(0);
    form_wall(0, 3);
    int in_wall = 0;
    const double to_goal = std::atan2(640 - 420, -60.0);
    for (int slot = 2; slot <= 11; ++slot) {
        const t_player& p = squad_player(0, slot);
        const double d = distance(p.tx, p.ty, ball.x, ball.y);
        EXPECT_GE(d, WALL_DISTANCE - 1e-6) << "slot " << slot << " inside the circle";
        if (std::fabs(d - WALL_DISTANCE) > WALL_SPACING * 2) continue;
        // A man of the wall is on the line to goal, give or take half the wall.
        const double off = std::remainder(std::atan2(p.ty - ball.y, p.tx - ball.x) - to_goal, 2 * M_PI);
        if (std::fabs(off) < 0.1) ++in_wall;
    }
    EXPECT_EQ(in_wall, 3);
}

TEST_F(EnhancedFouls, ASecondBookingSendsAPlayerOffAndHisSidePlaysWithTen) {
    t_player& offender = squad_player(0, SLIDER);
    carrier_at(0, 0);
    call_foul(ref(0, SLIDER), ref(1, CARRIER), true);
    EXPECT_EQ(offender.play.yellow, 1);
    EXPECT_EQ(match_stats[0].yell, 1);
    EXPECT_FALSE(offender.play.sent_off);
    EXPECT_EQ(referee.card, t_card::yellow);

    referee.whistled = false;
    carrier_at(0, 0);
    call_foul(ref(0, SLIDER), ref(1, CARRIER), true);
    EXPECT_EQ(match_stats[0].reds, 1);
    EXPECT_EQ(referee.card, t_card::red);
    EXPECT_TRUE(offender.play.sent_off);
    EXPECT_EQ(players_on_pitch(0), 10);
    EXPECT_EQ(players_on_pitch(1), 11);
    // He is never the one to go for the ball again, even standing on it.
    offender.x = ball.x;
    offender.y = ball.y;
    team_at(0).find_nearest();
    EXPECT_NE(team_at(0).nearest_1.get(), &offender);
    EXPECT_NE(team_at(0).nearest_2.get(), &offender);
    // His tactical place is left empty: he walks to the tunnel.
    set_tactics_targets(0);
    EXPECT_EQ(offender.tx, SENT_OFF_EXIT_X);
}

TEST_F(EnhancedFouls, AKeeperSentOffLeavesTheGoalToTheBestOutfieldMan) {
    const std::shared_ptr<t_player> keeper = ref(1, GOALKEEPER_SLOT);
    // Team 1 defends the goal at y = -640: slot 4 stands nearest it, slot 6 is the better keeper.
    for (int slot = 2; slot <= 11; ++slot) squad_player(1, slot).y = 0;
    squad_player(1, 4).y = -500;
    squad_player(1, 6).skill_keeper = 3;
    send_off(*keeper);
    const std::shared_ptr<t_player> in_goal = ref(1, GOALKEEPER_SLOT);
    EXPECT_NE(in_goal, keeper);
    EXPECT_EQ(in_goal.get(), &*squad_of(1)[GOALKEEPER_SLOT]);
    EXPECT_EQ(squad_of(1)[6], keeper) << "the best keeper among them takes over; the sent-off man takes his slot";
    EXPECT_TRUE(in_goal->brain->in_state("state_positioning")) << "he keeps goal";
    EXPECT_TRUE(keeper->play.sent_off);
    EXPECT_FALSE(keeper->brain->in_state("state_positioning")) << "he no longer guards the goal";
    EXPECT_EQ(players_on_pitch(1), 10);
}

TEST_F(EnhancedFouls, TheLastDefenderDenyingAClearChanceIsSentOffStraightAway) {
    // Team 1 attacks the goal at y = +640: every defender but one behind the attacker.
    for (int slot = 2; slot <= 11; ++slot) squad_player(0, slot).y = 0;
    carrier_at(0, 400);
    squad_player(0, SLIDER).y = 395;
    EXPECT_TRUE(denies_clear_chance(squad_player(1, CARRIER), squad_player(0, SLIDER)));
    call_foul(ref(0, SLIDER), ref(1, CARRIER), false);
    EXPECT_EQ(referee.card, t_card::red);
    EXPECT_TRUE(squad_player(0, SLIDER).play.sent_off);
    // With a covering defender it is a free kick and nothing more.
    build_match();
    referee = t_referee();
    carrier_at(0, 400);
    squad_player(0, 3).y = 500;
    EXPECT_FALSE(denies_clear_chance(squad_player(1, CARRIER), squad_player(0, SLIDER)));
}

TEST_F(EnhancedFouls, ThePenaltyAreaIsClearedExceptForTheKeeper) {
    set_tactics_targets(0);
    for (int t = 0; t < 2; ++t)
        for (int slot = 2; slot <= 11; ++slot) squad_player(t, slot).ty = 600;
    clear_penalty_area(1);
    for (int t = 0; t < 2; ++t)
        for (int slot = 2; slot <= 11; ++slot) {
            const t_player& p = squad_player(t, slot);
            EXPECT_LT(p.ty, PENALTY_AREA_FRONT);
            EXPECT_GE(distance(p.tx, p.ty, 0, PENALTY_SPOT_Y), PENALTY_ARC_CLEAR);
        }
    EXPECT_LT(penalty_aim_x(-1), 0);
    EXPECT_LE(std::fabs(penalty_aim_x(1)), GOAL_MOUTH_X) << "aimed inside the post";
}
