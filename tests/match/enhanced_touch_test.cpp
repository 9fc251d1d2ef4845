// ENHANCED first touches: a fast ball deflects off a body, a slow one is controlled, headers need the
// ball in their height window, low crosses are dived at and dropping balls volleyed; and what the statistics make of kicks and goals in either gameplay.
#include <gtest/gtest.h>

#include <cmath>

#include "football/match_settings.hpp"
#include "match/core/play_events.hpp"
#include "match/enhanced/enhanced_fouls.hpp"
#include "match/enhanced/enhanced_touch.hpp"
#include "match/enhanced/enhanced_tuning.hpp"
#include "match/enhanced/referee.hpp"
#include "match/players/player_movement.hpp"
#include "match/players/player_possession.hpp"
#include "platform/maths.hpp"
#include "platform/random.hpp"
#include "player_test_support.hpp"

using namespace player_test;

namespace {
constexpr int RECEIVER = 7;
constexpr int KICKER = 8;

class EnhancedTouch : public ::testing::Test {
protected:
    void SetUp() override {
        build_match();
        match_settings.gameplay = t_gameplay::enhanced;
        referee = t_referee();
        seed_rnd(5);
    }
    void TearDown() override { match_settings.gameplay = t_gameplay::classic; }

    // Team 0's receiver at the centre spot, his side's nearest and controlled; a free ball from
    // team 1 arriving at `speed` from +x at height `z`, `gap` units from him.
    t_player& ball_arriving(double speed, double z, double gap = 3) {
        build_match();
        ball.tackle_memory = {};
        t_player& p = squad_player(0, RECEIVER);
        p.x = 0;
        p.y = 0;
        team_at(0).nearest_1 = ref(0, RECEIVER);
        team_at(0).controlled = ref(0, RECEIVER);
        team_at(1).nearest_1 = nullptr;
        ball.set_owner(nullptr);
        ball.owner_last = ref(1, KICKER);
        ball.set_position(gap, 0, z);
        ball.v = speed;
        ball.a = 180;
        return p;
    }
};
} // namespace

TEST_F(EnhancedTouch, AFastBallDeflectsOffABodyAndASlowOneIsControlled) {
    int deflected = 0;
    for (int k = 0; k < 200; ++k) {
        seed_trial(100 + k);
        ball_arriving(320, 0).bc = 0;
        update_possession(0);
        if (ball.owner) continue;
        ++deflected;
        EXPECT_EQ(ball.owner_last, ref(0, RECEIVER)) << "he is the last to touch it: out over his line, a corner";
        EXPECT_LT(ball.v, 320 * DEFLECT_SPEED_KEPT_MAX + 1e-9);
        EXPECT_GE(std::fabs(std::remainder(ball.a - 180, 360)), DEFLECT_TURN_MIN - 1e-9);
    }
    EXPECT_NEAR(deflected / 200.0, 1 - CONTROL_FAST_BASE, 0.07);
    // Good ball control kills more of them.
    int controlled_by_the_best = 0;
    for (int k = 0; k < 200; ++k) {
        seed_trial(100 + k);
        ball_arriving(320, 0).bc = SKILL_TOP;
        update_possession(0);
        controlled_by_the_best += ball.owner ? 1 : 0;
    }
    EXPECT_GT(controlled_by_the_best, 200 - deflected + 60);
    for (int k = 0; k < 50; ++k) {
        seed_trial(k);
        ball_arriving(DEFLECT_SPEED - 20, 0);
        update_possession(0);
        EXPECT_EQ(ball.owner, ref(0, RECEIVER)) << "a slower ball is always controlled";
    }
}

TEST_F(EnhancedTouch, InHisOwnBoxADefenderBlocksAShotHoweverGoodHisControl) {
    // Team 0 defends the goal at y = +side * 640.
    const double box_y = team_at(0).side * (PENALTY_AREA_FRONT + 60);
    for (int k = 0; k < 50; ++k) {
        seed_trial(300 + k);
        t_player& p = ball_arriving(320, 0);
        p.bc = SKILL_TOP;
        p.y = box_y;
        ball.set_position(3, box_y, 0);
        ball.v = 320;
        ball.a = 180;
        update_possession(0);
        EXPECT_FALSE(ball.owner) << "blocked, not controlled";
        EXPECT_EQ(ball.owner_last, ref(0, RECEIVER));
    }
}

TEST_F(EnhancedTouch, AHeaderNeedsTheBallInItsHeightWindow) {
    int headed = 0;
    for (int k = 0; k < 50; ++k) {
        seed_trial(k);
        ball_arriving(150, 30).he = SKILL_TOP;
        team_at(0).control = CONTROL_COMPUTER;
        update_possession(0);
        if (ball.owner_last != ref(0, RECEIVER)) continue;
        ++headed;
        EXPECT_EQ(match_stats[0].headers, 1);
        EXPECT_FALSE(ball.owner) << "a header plays the ball on, nobody keeps it";
        EXPECT_GE(ball.v, HEADER_SPEED);
    }
    EXPECT_GT(headed, 35);
    // Too high: it sails over him; at his feet it is simply controlled.
    ball_arriving(150, HEADER_HIGH + 5);
    update_possession(0);
    EXPECT_EQ(ball.owner_last, ref(1, KICKER));
    EXPECT_EQ(match_stats[0].headers, 0);
    ball_arriving(150, 10);
    update_possession(0);
    EXPECT_EQ(ball.owner, ref(0, RECEIVER));
    EXPECT_FALSE(in_header_window(30, HEADER_REACH + 1)) << "out of reach";
}

TEST_F(EnhancedTouch, AnOpponentAtHisShoulderMakesAHeaderRarer) {
    // Skill 0, so that neither rate reaches certainty; team 1 far away, but for one man at the shoulder.
    constexpr int TRIALS = 400;
    const auto rate = [this](double shoulder) {
        int headed = 0;
        for (int k = 0; k < TRIALS; ++k) {
            seed_trial(2000 + k);
            ball_arriving(150, 30).he = 0;
            team_at(0).control = CONTROL_COMPUTER;
            for (int s = 1; s <= 11; ++s) {
                squad_player(1, s).x = 400;
                squad_player(1, s).y = 300;
            }
            squad_player(1, 2).x = shoulder;
            squad_player(1, 2).y = 0;
            update_possession(0);
            headed += ball.owner_last == ref(0, RECEIVER);
        }
        return headed / double(TRIALS);
    };
    const double free = rate(HEADER_CHALLENGE_WITHIN + 20);
    const double challenged = rate(HEADER_CHALLENGE_WITHIN - 8);
    EXPECT_NEAR(free, HEADER_BASE, 0.07);
    EXPECT_NEAR(challenged, HEADER_BASE * HEADER_CHALLENGED_MEETS, 0.07);
}

TEST_F(EnhancedTouch, AHumanHeadsOnlyWithFireAndAlongHisStick) {
    for (int k = 0; k < 20; ++k) {
        ball_arriving(150, 30).he = SKILL_TOP;
        team_at(0).control = CONTROL_PLAYER;
        hold(0, 0, 0, 0);
        update_possession(0);
        EXPECT_EQ(ball.owner_last, ref(1, KICKER)) << "no fire, no header";
    }
    int along_stick = 0;
    for (int k = 0; k < 20; ++k) {
        seed_trial(k);
        ball_arriving(150, 30).he = SKILL_TOP;
        team_at(0).control = CONTROL_PLAYER;
        hold(0, 0, 1, 1);
        update_possession(0);
        if (ball.owner_last == ref(0, RECEIVER)) {
            EXPECT_NEAR(ball.a, 90, 1e-9) << "down the screen, as the stick says";
            ++along_stick;
        }
    }
    EXPECT_GT(along_stick, 10);
}

TEST_F(EnhancedTouch, ADroppingBallIsVolleyedNearGoalAndControlledFarFromIt) {
    constexpr int TRIALS = 200;
    int clean = 0;
    for (int k = 0; k < TRIALS; ++k) {
        seed_trial(300 + k);
        t_player& p = ball_arriving(150, 15);
        p.sh = 4;
        // Team 0 attacks the goal at y = -640.
        p.y = -400;
        ball.set_position(3, -400, 15);
        ball.vz = -40;
        update_possession(0);
        ASSERT_FALSE(ball.owner) << "near goal the computer strikes it first time";
        EXPECT_EQ(ball.events.touch, t_goal_kind::volley);
        EXPECT_EQ(ball.owner_last, ref(0, RECEIVER));
        if (ball.v > VOLLEY_SPEED) ++clean;
    }
    EXPECT_NEAR(clean / double(TRIALS), VOLLEY_BASE + 4 * VOLLEY_PER_SKILL, 0.08) << "some are scuffed";

    t_player& far = ball_arriving(150, 15);
    far.y = 300;
    ball.set_position(3, 300, 15);
    ball.vz = -40;
    update_possession(0);
    EXPECT_EQ(ball.owner, ref(0, RECEIVER)) << "in his own half he takes it down";

    t_player& rising = ball_arriving(150, 15);
    rising.y = -400;
    ball.set_position(3, -400, 15);
    ball.vz = 40;
    update_possession(0);
    EXPECT_NE(ball.events.touch, t_goal_kind::volley) << "a rising ball is no volley";
}

TEST_F(EnhancedTouch, ALowCrossAcrossAnAttackerNearGoalIsMetWithADivingHeader) {
    constexpr int TRIALS = 300;
    int dived = 0;
    for (int k = 0; k < TRIALS; ++k) {
        seed_trial(500 + k);
        t_player& p = ball_arriving(230, 12, 20);
        p.he = 5;
        p.y = -480;
        p.a = 0;
        ball.set_position(20, -480, 12);
        ball.v = 230;
        ball.a = 180;
        update_possession(0);
        if (!p.play.diving) continue;
        ++dived;
        EXPECT_EQ(ball.events.touch, t_goal_kind::header);
        EXPECT_LT(sin_deg(ball.a), 0) << "towards the goal he attacks";
        EXPECT_NEAR(distance(p.x, p.y, ball.x, ball.y), DIVING_HEAD_AHEAD, 1e-9) << "his head meets the ball";
        EXPECT_TRUE(on_the_grass(p) || moves_by_himself(p));
    }
    EXPECT_NEAR(dived / double(TRIALS), DIVING_HEADER_BASE + 5 * DIVING_HEADER_PER_SKILL, 0.06);

    // A ball running away from him is chased, not dived at; nor does anyone dive in midfield.
    for (int k = 0; k < 50; ++k) {
        seed_trial(900 + k);
        t_player& chaser = ball_arriving(230, 12, 20);
        chaser.y = -480;
        chaser.a = 0;
        ball.set_position(20, -480, 12);
        ball.v = 230;
        ball.a = 0;
        update_possession(0);
        EXPECT_FALSE(chaser.play.diving);
        t_player& midfield = ball_arriving(230, 12, 20);
        midfield.a = 0;
        update_possession(0);
        EXPECT_FALSE(midfield.play.diving);
    }
}

TEST_F(EnhancedTouch, ADiverFliesOnLandsOnHisFrontAndGetsUpInAnyPhase) {
    t_player& p = squad_player(0, RECEIVER);
    p.x = 0;
    p.y = 0;
    p.a = 0;
    p.play.heading = DIVING_HEADER_SUB_STEPS;
    p.play.diving = true;
    // Play may have stopped (the keeper holds the ball): the phases move the players all the same.
    for (int k = 0; k < DIVING_HEADER_SUB_STEPS; ++k) move_players(1, 0);
    EXPECT_GT(p.x, 0) << "his flight carries him on";
    EXPECT_GT(p.play.down, 0) << "landed";
    EXPECT_TRUE(on_the_grass(p));
    for (int k = 0; k < DIVING_HEADER_DOWN_SUB_STEPS; ++k) move_players(1, 0);
    EXPECT_FALSE(on_the_grass(p));
    EXPECT_FALSE(p.play.diving);
}

TEST_F(EnhancedTouch, PassesShotsAndGoalsAreCountedAsTheyHappen) {
    // Team 0 defends y = +640 and attacks y = -640.
    ball.set_position(0, 0, 0);
    ball.a = 0;
    note_kick(0);
    EXPECT_EQ(match_stats[0].passes, 1) << "square across the halfway line";
    note_control(0);
    EXPECT_EQ(match_stats[0].passes_completed, 1);
    note_kick(0);
    note_control(1);
    EXPECT_EQ(match_stats[0].passes, 2);
    EXPECT_EQ(match_stats[0].passes_completed, 1) << "intercepted";

    ball.set_position(30, -400, 0);
    ball.a = 270;
    note_kick(0);
    EXPECT_EQ(match_stats[0].shots, 1);
    EXPECT_EQ(match_stats[0].shots_on_target, 1);
    ball.a = 300;
    note_kick(0);
    EXPECT_EQ(match_stats[0].shots, 1) << "well wide: a pass, not a shot";
    bool on_target = true;
    EXPECT_TRUE(heads_for_goal(0, 0, -500, 240, &on_target));
    EXPECT_FALSE(on_target) << "wide of the post but near enough to count as a shot";
    EXPECT_FALSE(heads_for_goal(0, 0, 0, 270, nullptr)) << "from the halfway line";

    // A corner's ball headed in is a header from a set piece; once the defenders have it, no longer.
    note_restart(0, t_restart_kind::corner);
    note_kick(0);
    note_kick(0, t_goal_kind::header);
    ball.owner_last = ref(0, KICKER);
    record_goal(0);
    ASSERT_EQ(goals.size(), 1u);
    EXPECT_EQ(goals[0].kind, t_goal_kind::header);
    EXPECT_TRUE(goals[0].set_piece);
    note_control(1);
    note_kick(0);
    record_goal(0);
    EXPECT_FALSE(goals[1].set_piece);
    EXPECT_EQ(goals[1].kind, t_goal_kind::open_play);
    // A free kick's direct kick is a free-kick goal; a goal off a defender an own goal.
    note_restart(0, t_restart_kind::free_kick);
    note_kick(0);
    record_goal(0);
    EXPECT_EQ(goals[2].kind, t_goal_kind::free_kick);
    ball.owner_last = ref(1, KICKER);
    record_goal(0);
    EXPECT_EQ(goals[3].kind, t_goal_kind::own_goal);
    EXPECT_STREQ(goal_kind_key(goals[3].kind), "own_goal");
}
