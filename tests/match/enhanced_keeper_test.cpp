// ENHANCED goalkeeping: reflex parries of shots too fast to dive for, hard shots held or tipped round the post,
// crosses claimed, and a keeper who is never the man steered outside his area.
#include <gtest/gtest.h>

#include <cmath>

#include "football/match_settings.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/state_machine.hpp"
#include "match/enhanced/enhanced_keeper.hpp"
#include "match/enhanced/enhanced_tuning.hpp"
#include "match/enhanced/referee.hpp"
#include "platform/maths.hpp"
#include "platform/random.hpp"
#include "player_test_support.hpp"

using namespace player_test;

namespace {
constexpr int SHOOTER = 9;
constexpr int DEFENDER = 5;

class EnhancedKeeper : public ::testing::Test {
protected:
    void SetUp() override {
        build_match();
        match_settings.gameplay = t_gameplay::enhanced;
        referee = t_referee();
    }
    void TearDown() override { match_settings.gameplay = t_gameplay::classic; }

    // Team 0's keeper on his line (his goal at y = +640), a shot of team 1 about to reach him.
    t_player& shot_at_keeper(double speed, double course, int shooter_team = 1) {
        build_match();
        ball.tackle_memory = {};
        t_player& k = squad_player(0, GOALKEEPER_SLOT);
        k.x = 0;
        k.y = 620;
        k.skill_keeper = 3;
        k.brain->set_state("state_positioning");
        ball.set_owner(nullptr);
        ball.owner_last = ref(shooter_team, SHOOTER);
        ball.set_position(2, 612, 10);
        ball.v = speed;
        ball.a = course;
        return k;
    }
};
} // namespace

TEST_F(EnhancedKeeper, AShotTooFastToDiveForIsSometimesParriedBackOutOrRoundThePost) {
    constexpr int TRIALS = 300;
    int parried = 0;
    int tipped = 0;
    for (int k = 0; k < TRIALS; ++k) {
        seed_trial(700 + k);
        shot_at_keeper(420, 90);
        keeper_reflex_saves();
        if (ball.owner_last != ref(0, GOALKEEPER_SLOT)) continue;
        ++parried;
        if (sin_deg(ball.a) > 0) {
            // Round the post: on towards his goal line, but away to the side of the shot (it came in right of him).
            ++tipped;
            EXPECT_GT(cos_deg(ball.a), std::fabs(sin_deg(ball.a))) << "more across than back";
            EXPECT_NEAR(ball.v, 420 * REFLEX_TIP_SPEED_KEPT, 1e-9);
        } else {
            EXPECT_NEAR(ball.v, 420 * REFLEX_SPEED_KEPT, 1e-9) << "back out, away from his goal";
        }
    }
    EXPECT_NEAR(parried / double(TRIALS), REFLEX_BASE + 3 * REFLEX_PER_SKILL, 0.07);
    EXPECT_NEAR(tipped / double(parried), REFLEX_TIPPED_WIDE, 0.1);

    for (int k = 0; k < 40; ++k) {
        seed_trial(1700 + k);
        shot_at_keeper(REFLEX_MIN_SPEED - 10, 90);
        keeper_reflex_saves();
        EXPECT_EQ(ball.owner_last, ref(1, SHOOTER)) << "a slower shot is for his hands and his dives";
        shot_at_keeper(420, 270);
        keeper_reflex_saves();
        EXPECT_EQ(ball.owner_last, ref(1, SHOOTER)) << "a ball going away from his goal";
        shot_at_keeper(420, 90, 0);
        keeper_reflex_saves();
        EXPECT_EQ(ball.owner_last, ref(0, SHOOTER)) << "his own side's ball";
        shot_at_keeper(420, 90).brain->set_state("state_diving_low_double");
        keeper_reflex_saves();
        EXPECT_EQ(ball.owner_last, ref(1, SHOOTER)) << "already diving";
    }
}

TEST_F(EnhancedKeeper, AHardShotInHisGlovesIsHeldMoreByABetterKeeperOrTippedWideOfThePost) {
    constexpr int TRIALS = 300;
    for (const int skill : {0, SKILL_TOP}) {
        int tipped = 0;
        for (int k = 0; k < TRIALS; ++k) {
            seed_trial(900 + k);
            t_player& keeper = shot_at_keeper(420, 90);
            keeper.skill_keeper = skill;
            if (!keeper_tips_hard_shot(keeper)) continue;
            ++tipped;
            EXPECT_EQ(ball.owner_last, ref(0, GOALKEEPER_SLOT));
            // Where its course meets his goal line: beyond the post, never in his net.
            ASSERT_GT(sin_deg(ball.a), 0) << "on towards his line";
            const double x_at_line = ball.x + (GOAL_LINE_Y - ball.y) * cos_deg(ball.a) / sin_deg(ball.a);
            EXPECT_GT(std::fabs(x_at_line), GOAL_MOUTH_X) << "trial " << k;
        }
        EXPECT_NEAR(tipped / double(TRIALS), 1 - (HOLD_HARD_SHOT_BASE + HOLD_HARD_SHOT_PER_SKILL * skill), 0.07)
            << "goalkeeping " << skill;
    }
    for (int k = 0; k < 20; ++k) {
        seed_trial(1900 + k);
        EXPECT_FALSE(keeper_tips_hard_shot(shot_at_keeper(TIP_FROM_SPEED - 10, 90))) << "a softer shot he holds";
        EXPECT_FALSE(keeper_tips_hard_shot(shot_at_keeper(420, 90, 0))) << "his own side's ball";
    }
}

TEST_F(EnhancedKeeper, OutsideHisAreaTheKeeperIsNeverSteeredAndBootsTheBallClear) {
    seed_rnd(7);
    give_ball(0, GOALKEEPER_SLOT, 40, 300);
    team_at(0).nearest_2 = ref(0, DEFENDER);
    keep_keepers_in_their_area();
    EXPECT_EQ(team_at(0).controlled, ref(0, DEFENDER));
    EXPECT_FALSE(ball.owner);
    EXPECT_EQ(ball.owner_last, ref(0, GOALKEEPER_SLOT));
    EXPECT_LT(sin_deg(ball.a), 0) << "up the pitch, away from his own goal at y = +640";
    EXPECT_EQ(ball.v, KEEPER_CLEARANCE_SPEED);

    // Without the ball he simply stops being the one steered.
    give_ball(0, DEFENDER, 0, 0);
    team_at(0).controlled = ref(0, GOALKEEPER_SLOT);
    squad_player(0, GOALKEEPER_SLOT).y = 300;
    keep_keepers_in_their_area();
    EXPECT_EQ(team_at(0).controlled, ref(0, DEFENDER));
    EXPECT_EQ(ball.owner, ref(0, DEFENDER));

    // In his area he is steered as before.
    give_ball(0, GOALKEEPER_SLOT, 0, 560);
    keep_keepers_in_their_area();
    EXPECT_EQ(team_at(0).controlled, ref(0, GOALKEEPER_SLOT));
    EXPECT_EQ(ball.owner, ref(0, GOALKEEPER_SLOT));
}

TEST_F(EnhancedKeeper, ABallRollingAlongHisLineIsGatheredUnlessItIsHisOwnSidesPassBack) {
    const auto rolling_along_the_line = [](int last_team, double speed) {
        build_match();
        t_player& k = squad_player(0, GOALKEEPER_SLOT);
        k.x = 30;
        k.y = 628;
        k.brain->set_state("state_positioning");
        ball.set_owner(nullptr);
        ball.set_position(38, 634, 0);
        ball.v = speed;
        ball.a = 180;
        ball.owner_last = ref(last_team, SHOOTER);
    };
    rolling_along_the_line(1, 120);
    EXPECT_TRUE(keeper_gathers_loose_ball());
    rolling_along_the_line(0, 120);
    EXPECT_FALSE(keeper_gathers_loose_ball()) << "a pass back from his own side";
    rolling_along_the_line(1, KEEPER_GATHER_SPEED + 50);
    EXPECT_FALSE(keeper_gathers_loose_ball()) << "a fast ball is for his dives";
    rolling_along_the_line(1, 120);
    ball.set_position(38 + KEEPER_GATHER_REACH, 634, 0);
    EXPECT_FALSE(keeper_gathers_loose_ball()) << "out of his reach";
}

TEST_F(EnhancedKeeper, ACrossComingDownInFrontOfHisGoalIsClaimedMoreByABetterKeeper) {
    // Team 0 defends y = +640: a cross of team 1 dropping at (dx, 600) at height `z`, the keeper at (0, 610).
    const auto cross_dropping = [](double dx, double z, int last_team, double vz = -40) {
        build_match();
        t_player& k = squad_player(0, GOALKEEPER_SLOT);
        k.x = 0;
        k.y = 610;
        k.brain->set_state("state_positioning");
        ball.tackle_memory = {};
        ball.set_owner(nullptr);
        ball.set_position(dx, 600, z);
        ball.vz = vz;
        ball.v = 150;
        ball.a = 180;
        ball.owner_last = ref(last_team, SHOOTER);
        return &k;
    };
    constexpr int TRIALS = 300;
    for (const int skill : {0, SKILL_TOP}) {
        int claimed = 0;
        for (int k = 0; k < TRIALS; ++k) {
            seed_trial(2300 + k);
            cross_dropping(6, 35, 1)->skill_keeper = skill;
            const bool got = keeper_claims_cross();
            claimed += got ? 1 : 0;
            if (!got) {
                EXPECT_FALSE(keeper_claims_cross()) << "one try at a ball, not another a sub-step later";
            }
        }
        EXPECT_NEAR(claimed / double(TRIALS), CLAIM_BASE + CLAIM_PER_SKILL * skill, 0.07) << "goalkeeping " << skill;
    }
    for (int k = 0; k < 20; ++k) {
        seed_trial(2700 + k);
        cross_dropping(6, 35, 0);
        EXPECT_FALSE(keeper_claims_cross()) << "his own side's ball";
        cross_dropping(6, 35, 1, 40);
        EXPECT_FALSE(keeper_claims_cross()) << "a ball still rising";
        cross_dropping(6, CLAIM_HIGH + 10, 1);
        EXPECT_FALSE(keeper_claims_cross()) << "over his hands";
        cross_dropping(6, 5, 1);
        EXPECT_FALSE(keeper_claims_cross()) << "a low ball is for his dives";
        cross_dropping(CLAIM_REACH + 10, 35, 1);
        EXPECT_FALSE(keeper_claims_cross()) << "out of his reach";
        cross_dropping(6, 35, 1)->brain->set_state("state_diving_low_double");
        EXPECT_FALSE(keeper_claims_cross()) << "already diving";
    }
}

TEST_F(EnhancedKeeper, HeComesForACrossHeCanReachButNotForHisOwnSidesBall) {
    const auto dropping_near_him = [](int last_team) {
        build_match();
        t_player& k = squad_player(0, GOALKEEPER_SLOT);
        k.x = 0;
        k.y = 620;
        ball.set_owner(nullptr);
        ball.owner_last = ref(last_team, SHOOTER);
        ball.set_position(30, 605, 40);
        ball.v = 40;
        ball.a = 180;
        ball.vz = -5;
        ball.update_prediction();
        return &k;
    };
    double x = 0;
    double y = 620;
    keeper_comes_for_cross(*dropping_near_him(1), x, y);
    EXPECT_GT(x, 10) << "out towards where it comes down";
    EXPECT_LT(y, 620);
    x = 0;
    y = 620;
    keeper_comes_for_cross(*dropping_near_him(0), x, y);
    EXPECT_EQ(x, 0) << "his own side's ball";
    EXPECT_EQ(y, 620);
    // However his positioning reads the ball, he never walks beyond his goal line.
    y = GOAL_LINE_Y + 30;
    keeper_comes_for_cross(*dropping_near_him(0), x, y);
    EXPECT_EQ(y, GOAL_LINE_Y);
}
