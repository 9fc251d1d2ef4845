// ENHANCED tackles on a small pitch of fixed positions: the ball knocked loose, the loser's
// moment of recovery, and challenges from the side and from behind.
#include <gtest/gtest.h>

#include <array>

#include "football/match_settings.hpp"
#include "match/core/match_helpers.hpp"
#include "match/enhanced/enhanced_tackle.hpp"
#include "match/enhanced/enhanced_tuning.hpp"
#include "match/enhanced/tackle_memory.hpp"
#include "match/players/player_possession.hpp"
#include "platform/random.hpp"
#include "player_test_support.hpp"

using namespace player_test;

namespace {
constexpr int TACKLER = 7;
constexpr int CARRIER = 8;

class EnhancedTackle : public ::testing::Test {
protected:
    void SetUp() override {
        build_match();
        ball.tackle_memory = {};
        match_stats = {};
        match_settings.gameplay = t_gameplay::enhanced;
        seed_rnd(1);
    }
    void TearDown() override { match_settings.gameplay = t_gameplay::classic; }

    // Team 1's carrier at the centre spot running along +x, the ball at his feet ahead of him.
    t_player& carrier_with_ball() {
        give_ball(1, CARRIER, 0, 0);
        t_player& c = squad_player(1, CARRIER);
        c.fmx = 0;
        c.a = 0;
        ball.x = BALL_AHEAD_OF_FEET;
        return c;
    }
    // Team 0's tackler at (x, y), running along `a`, his side's controlled and nearest player.
    t_player& tackler_at(double x, double y, double a, double v) {
        t_player& p = squad_player(0, TACKLER);
        p.x = x;
        p.y = y;
        p.a = a;
        p.v = v;
        team_at(0).nearest_1 = ref(0, TACKLER);
        team_at(0).controlled = ref(0, TACKLER);
        return p;
    }
    // Whether one challenge of team 0 knocks the ball away from a fresh carrier.
    bool one_challenge(double x, double y, int ta, int bc) {
        ball.tackle_memory = {};
        carrier_with_ball().bc = bc;
        tackler_at(x, y, 180, 100).ta = ta;
        update_possession(0);
        return !ball.owner;
    }
    // Successes of `trials` single challenges, each from its own seed.
    int wins(double x, double y, int ta, int bc, int trials = 400) {
        int won = 0;
        for (int k = 0; k < trials; ++k) {
            seed_trial(1000 + k);
            won += one_challenge(x, y, ta, bc) ? 1 : 0;
        }
        return won;
    }
};
} // namespace

TEST_F(EnhancedTackle, AFrontTackleKnocksTheBallLooseAlongTheTacklersRun) {
    carrier_with_ball();
    const t_player& p = tackler_at(7, 0, 180, 100);
    update_possession(0);
    EXPECT_FALSE(ball.owner) << "the ball is knocked loose, not handed over";
    EXPECT_EQ(team_at(0).controlled, ref(0, TACKLER));
    const double reach = distance(p.x, p.y, ball.x, ball.y);
    EXPECT_GE(reach, KNOCK_MIN_DISTANCE);
    EXPECT_LE(reach, KNOCK_MAX_DISTANCE);
    EXPECT_NEAR(ball.y, 0, 1e-9);
    EXPECT_LT(ball.x, p.x) << "ahead of the tackler, who runs towards -x";
    EXPECT_EQ(ball.a, 180);
    EXPECT_DOUBLE_EQ(ball.v, KNOCK_SPEED_SHARE * 100);
    EXPECT_EQ(match_stats[0].tackles, 1);
    EXPECT_TRUE(recovering_from_tackle(squad_player(1, CARRIER)));
    EXPECT_FALSE(recovering_from_tackle(p));
}

TEST_F(EnhancedTackle, TheLoserCannotTouchTheBallUntilHeHasRecovered) {
    carrier_with_ball();
    tackler_at(7, 0, 180, 100);
    update_possession(0);
    ASSERT_FALSE(ball.owner);
    // The tackler runs off; the ball lies still at the loser's feet.
    tackler_at(300, 300, 0, 0);
    team_at(0).nearest_1 = nullptr;
    t_player& loser = squad_player(1, CARRIER);
    ball.set_position(loser.x + 2, loser.y, 0);
    const int32_t tackled_at = match_status.timer;
    while (match_status.timer - tackled_at < TACKLED_RECOVERY_MS) {
        for (int step = 0; step < SUB_STEPS; ++step) update_possession(1);
        EXPECT_FALSE(ball.owner) << "retaken after " << match_status.timer - tackled_at << " ms";
        match_status.timer += UPDATE_MS;
    }
    update_possession(1);
    EXPECT_EQ(ball.owner, ref(1, CARRIER)) << "recovered, he may play on";
    EXPECT_EQ(match_stats[1].quick_retakes, 0);
}

TEST_F(EnhancedTackle, ClassicStillHandsTheBallOver) {
    match_settings.gameplay = t_gameplay::classic;
    carrier_with_ball();
    tackler_at(7, 0, 180, 100);
    update_possession(0);
    EXPECT_EQ(ball.owner, ref(0, TACKLER));
    // ... and a classic tackle from behind never wins it.
    carrier_with_ball();
    tackler_at(-5, 0, 0, 100).ta = SKILL_TOP;
    for (int step = 0; step < 100; ++step) update_possession(0);
    EXPECT_EQ(ball.owner, ref(1, CARRIER));
}

TEST_F(EnhancedTackle, ChallengesAreSortedByWhereTheTacklerStands) {
    carrier_with_ball();
    EXPECT_EQ(challenge_side(tackler_at(7, 0, 180, 0), squad_player(1, CARRIER)), t_challenge_side::front);
    EXPECT_EQ(challenge_side(tackler_at(0, 6, 270, 0), squad_player(1, CARRIER)), t_challenge_side::side);
    EXPECT_EQ(challenge_side(tackler_at(-6, 0, 0, 0), squad_player(1, CARRIER)), t_challenge_side::behind);
    EXPECT_EQ(challenge_side(tackler_at(-4, -4, 45, 0), squad_player(1, CARRIER)), t_challenge_side::behind);
}

TEST_F(EnhancedTackle, FromBehindWinsLessOftenAndTacklingMustBeatBallControl) {
    // Equal skills: from the side about SIDE_CHANCE, from behind about BEHIND_CHANCE.
    const int side = wins(0, 6, 4, 4);
    const int behind = wins(-6, 0, 4, 4);
    EXPECT_GT(behind, 20);
    EXPECT_GT(side, behind + 40);
    EXPECT_NEAR(side / 400.0, SIDE_CHANCE, 0.07);
    EXPECT_NEAR(behind / 400.0, BEHIND_CHANCE, 0.05);
    // The skills decide: a great tackler against a poor dribbler and the other way round.
    const int strong = wins(-6, 0, SKILL_TOP, 0);
    const int weak = wins(-6, 0, 0, SKILL_TOP);
    EXPECT_GT(strong, behind + 20);
    EXPECT_LT(weak, behind - 20);
    EXPECT_GT(challenge_chance(t_challenge_side::side, 3, 3), challenge_chance(t_challenge_side::behind, 3, 3));
    EXPECT_EQ(challenge_chance(t_challenge_side::front, 0, SKILL_TOP), 1);
    // Out of reach, nothing happens at all.
    EXPECT_EQ(wins(-CHALLENGE_REACH - 1, 0, SKILL_TOP, 0, 50), 0);
}

TEST_F(EnhancedTackle, TheSameSeedDecidesTheSameChallenges) {
    std::vector<bool> first, second;
    for (int k = 0; k < 40; ++k) {
        seed_trial(k);
        first.push_back(one_challenge(0, 6, 4, 4));
    }
    for (int k = 0; k < 40; ++k) {
        seed_trial(k);
        second.push_back(one_challenge(0, 6, 4, 4));
    }
    EXPECT_EQ(first, second);
}

TEST_F(EnhancedTackle, AFailedChallengerWaitsBeforeTryingAgain) {
    // Find a seed whose first challenge fails, then keep him at the carrier's side for every sub-step.
    int seed = 0;
    for (; seed < 100; ++seed) {
        seed_trial(seed);
        if (!one_challenge(0, 6, SKILL_TOP, 0)) break;
    }
    ASSERT_LT(seed, 100);
    const int32_t first_try = match_status.timer;
    while (match_status.timer - first_try < CHALLENGE_RETRY_MS) {
        for (int step = 0; step < SUB_STEPS; ++step) update_possession(0);
        ASSERT_TRUE(ball.owner) << "tried again after " << match_status.timer - first_try << " ms";
        match_status.timer += UPDATE_MS;
    }
    // Then he keeps trying, once a while, and a good tackler gets there.
    for (int k = 0; k < 40 && ball.owner; ++k) {
        update_possession(0);
        match_status.timer += CHALLENGE_RETRY_MS;
    }
    EXPECT_FALSE(ball.owner);
}

TEST(TackleMemory, APlayerRememberedAgainIsNotForgottenForTheNextOne) {
    // Twelve players fill the memory; the first is remembered again, then a newcomer arrives:
    // the one to forget is the second, recorded longest ago, not the one just renewed.
    std::array<t_player, 13> players{};
    t_player_times times;
    for (int k = 0; k < 12; ++k) times.remember(&players[static_cast<size_t>(k)], k * 10);
    times.remember(&players[0], 200);
    times.remember(&players[12], 205);
    EXPECT_TRUE(times.within(&players[0], 210, 400));
    EXPECT_TRUE(times.within(&players[12], 210, 400));
    EXPECT_FALSE(times.within(&players[1], 210, 400)) << "the oldest made room";
    EXPECT_TRUE(times.within(&players[2], 210, 400));
    EXPECT_FALSE(times.within(&players[0], 600, 400)) << "recovered";
}
