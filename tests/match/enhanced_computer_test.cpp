// The ENHANCED computer's choices with everyone placed by hand: where it passes, when it shoots, who presses
// and covers, who goes up for a corner and who marks him, how its level changes its reactions, and a kicker
// who cannot touch his own kick at once.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>
#include <vector>

#include "football/ball_zone.hpp"
#include "football/match_settings.hpp"
#include "football/tactics.hpp"
#include "match/core/match_helpers.hpp"
#include "match/enhanced/enhanced_computer.hpp"
#include "match/enhanced/enhanced_set_pieces.hpp"
#include "match/enhanced/enhanced_shape.hpp"
#include "match/enhanced/enhanced_sight.hpp"
#include "match/enhanced/enhanced_tackle.hpp"
#include "match/enhanced/enhanced_tuning.hpp"
#include "match/enhanced/referee.hpp"
#include "match/players/player_targets.hpp"
#include "platform/maths.hpp"
#include "player_test_support.hpp"

using namespace player_test;

namespace {
constexpr int CARRIER = 8;
constexpr int MATE_A = 9;
constexpr int MATE_B = 10;
constexpr int OPPONENT = 6;

class EnhancedComputer : public ::testing::Test {
protected:
    void SetUp() override {
        build_match();
        match_settings.gameplay = t_gameplay::enhanced;
        match_settings.computer_level = t_computer_level::normal;
        referee = t_referee();
        // Everyone far out on the left touchline unless a test places him.
        for (int t = 0; t < 2; ++t)
            for (int s = 2; s <= 11; ++s) place(t, s, -500, (t == 0 ? 1 : -1) * (100 + 20.0 * s));
    }
    void TearDown() override {
        match_settings.gameplay = t_gameplay::classic;
        match_settings.computer_level = t_computer_level::normal;
    }
    // Every outfield man's target, slots 2 to 11.
    static std::vector<std::pair<double, double>> targets_of(int t) {
        std::vector<std::pair<double, double>> targets;
        for (int s = 2; s <= 11; ++s) targets.emplace_back(squad_player(t, s).tx, squad_player(t, s).ty);
        return targets;
    }
    // The same targets both times, but for the slot that goes his own way (0 for none).
    static void expect_same_targets(const std::vector<std::pair<double, double>>& a,
                                    const std::vector<std::pair<double, double>>& b, int own_way = 0) {
        for (size_t i = 0; i < a.size(); ++i) {
            if (static_cast<int>(i) + 2 == own_way) continue;
            EXPECT_NEAR(b[i].first, a[i].first, 1e-6) << "slot " << i + 2;
            EXPECT_NEAR(b[i].second, a[i].second, 1e-6) << "slot " << i + 2;
        }
    }
    static void place(int t, int s, double x, double y) {
        t_player& p = squad_player(t, s);
        p.x = p.tx = x;
        p.y = p.ty = y;
        p.v = 0;
    }
};
} // namespace

// Team 0 attacks the goal at y = -640.
TEST_F(EnhancedComputer, APassNeverGoesAlongALineAnOpponentStandsOnWhenAFreeOneExists) {
    give_ball(0, CARRIER, 0, 0);
    place(0, MATE_A, 0, -200);   // straight ahead, further forward...
    place(1, OPPONENT, 0, -100); // ...but with an opponent half way along the line
    place(0, MATE_B, 140, -120); // less far forward, free
    const auto pass = best_pass(0, squad_player(0, CARRIER));
    ASSERT_TRUE(pass.has_value());
    EXPECT_EQ(pass->slot, MATE_B);

    // With the opponent gone, the man further forward is the better pass.
    place(1, OPPONENT, 400, 400);
    const auto open = best_pass(0, squad_player(0, CARRIER));
    ASSERT_TRUE(open.has_value());
    EXPECT_EQ(open->slot, MATE_A);
}

TEST_F(EnhancedComputer, NoShotFromBeyondShootingRangeWhenAPassForwardIsFree) {
    t_player& carrier = squad_player(0, CARRIER);
    carrier.sh = carrier.fi = SKILL_TOP;
    give_ball(0, CARRIER, 0, -200); // 440 out: too far even for the best shooter
    place(0, MATE_A, 60, -420);
    EXPECT_FALSE(shooting_chance(0, carrier));
    ball.owned_at = match_status.timer - 2 * LOOK_UP_MS;
    computer_on_the_ball();
    EXPECT_FALSE(ball.owner) << "he played it";
    EXPECT_EQ(ball.events.pass_team, 0) << "as a pass, not a shot";
    const double towards_mate = atan2_deg(-420 - -200, 60 - 0);
    EXPECT_LT(std::fabs(std::remainder(ball.a - towards_mate, 360.0)), 15);

    // In the box with a clear sight of goal he shoots.
    give_ball(0, CARRIER, 20, -540);
    EXPECT_TRUE(shooting_chance(0, carrier));
    // From the corner of the box, level with the post and far wide, there is no angle.
    give_ball(0, CARRIER, 280, -630);
    EXPECT_FALSE(shooting_chance(0, carrier));
}

TEST_F(EnhancedComputer, TheNearestManPressesAndTheNextCoversBetweenTheCarrierAndGoal) {
    // Team 1 carries the ball at team 0's half; team 0 defends the goal at y = +640.
    give_ball(1, CARRIER, 0, 200);
    place(0, 4, 30, 190);  // at the carrier's side: presses
    place(0, 5, -20, 300); // goal-side, a little further: covers
    place(0, 7, 200, 120); // further, on the wrong side
    team_at(0).nearest_1 = ref(0, 4);
    const t_defending_roles r = defending_roles(0);
    EXPECT_EQ(r.presser, 4);
    EXPECT_EQ(r.cover, 5);

    // The cover's target lies between the carrier and the middle of the goal.
    shape_targets();
    const t_player& cover = squad_player(0, 5);
    EXPECT_GT(cover.ty, 200);
    EXPECT_LT(distance(cover.tx, cover.ty, 0, 200 + COVER_BEHIND), 5);
}

TEST_F(EnhancedComputer, NearItsBoxADefenceMarksTheAttackersGoalSide) {
    give_ball(1, CARRIER, 0, 300);
    team_at(0).nearest_1 = ref(0, 4);
    place(0, 4, 10, 290);
    place(1, MATE_A, -100, 470); // attackers in and around team 0's box
    place(1, MATE_B, 120, 500);
    place(0, 5, 0, 350); // covers
    place(0, 2, -60, 420);
    place(0, 3, 80, 420);
    const t_defending_roles r = defending_roles(0);
    EXPECT_EQ(r.marks[2], MATE_A);
    EXPECT_EQ(r.marks[3], MATE_B);
    shape_targets();
    // Each marker's target is goal-side of his man and close to him.
    for (const auto& [marker, attacker] : {std::pair{2, MATE_A}, std::pair{3, MATE_B}}) {
        const t_player& m = squad_player(0, marker);
        const t_player& a = squad_player(1, attacker);
        EXPECT_GT(m.ty, a.y) << "marker " << marker;
        EXPECT_LT(distance(m.tx, m.ty, a.x, a.y), MARK_GOAL_SIDE + 1) << "marker " << marker;
    }
}

TEST_F(EnhancedComputer, AtACornerTheBoxHoldsTheRunnersAndAMarkerForEach) {
    // Team 0 takes a corner at the top right (the goal it attacks at y = -640).
    for (int s = 2; s <= 11; ++s) place(0, s, -200 + 40.0 * s, -100);
    for (int s = 2; s <= 11; ++s) place(1, s, -200 + 40.0 * s, -300);
    squad_player(0, 2).pt = ROLE_DEFENDER;
    squad_player(0, 3).pt = ROLE_DEFENDER;
    squad_player(0, 4).pt = ROLE_DEFENDER;
    squad_player(0, 11).he = SKILL_TOP;
    give_ball(0, 7, 510, -640);
    arrange_corner(0);
    const auto runners = corner_runners(0);
    ASSERT_EQ(static_cast<int>(runners.size()), CORNER_RUNNERS);
    EXPECT_EQ(runners.front(), 11) << "the best in the air goes first";
    int backs_at_home = 0;
    for (int s : {2, 3, 4})
        if (std::find(runners.begin(), runners.end(), s) == runners.end()) ++backs_at_home;
    EXPECT_EQ(backs_at_home, CORNER_STAY_BACK);
    const auto in_box = [](const t_player& p) {
        return std::fabs(p.tx) < PENALTY_AREA_X && p.ty < -PENALTY_AREA_FRONT;
    };
    for (int slot : runners) {
        const t_player& a = squad_player(0, slot);
        EXPECT_TRUE(in_box(a)) << "runner " << slot;
        int markers = 0;
        for (int s = 2; s <= 11; ++s) {
            const t_player& d = squad_player(1, s);
            if (distance(d.tx, d.ty, a.tx, a.ty) > std::hypot(CORNER_MARK_GOAL_SIDE, CORNER_MARK_BALL_SIDE) + 1 ||
                d.ty >= a.ty)
                continue;
            ++markers;
            EXPECT_GT((d.tx - a.tx) * (ball.x < 0 ? -1 : 1), 0) << "the marker stands in the ball's way";
        }
        EXPECT_EQ(markers, 1) << "runner " << slot;
    }
}

TEST_F(EnhancedComputer, ItsLevelChangesHowLongItLooksUpBeforePlayingTheBall) {
    match_settings.computer_level = t_computer_level::easy;
    const int easy = look_up_ms(false);
    match_settings.computer_level = t_computer_level::hard;
    const int hard = look_up_ms(false);
    match_settings.computer_level = t_computer_level::normal;
    const int normal = look_up_ms(false);
    EXPECT_GT(easy, normal);
    EXPECT_LT(hard, normal);

    // Held a moment longer than HARD's look-up: HARD has played it, NORMAL still runs with it.
    for (const auto level : {t_computer_level::normal, t_computer_level::hard}) {
        match_settings.computer_level = level;
        give_ball(0, CARRIER, 0, 0);
        place(0, MATE_A, 0, -150);
        place(1, OPPONENT, 0, -30); // at him, and on the line straight ahead: he passes to the free man
        place(0, MATE_B, 120, -80);
        ball.owned_at = match_status.timer - static_cast<int>(LOOK_UP_PRESSED_MS * (HARD_LOOK_UP + 1) / 2);
        computer_on_the_ball();
        EXPECT_EQ(!ball.owner, level == t_computer_level::hard) << computer_level_key(level);
    }
}

TEST_F(EnhancedComputer, AKickerCannotTouchHisOwnKickAtOnce) {
    give_ball(0, CARRIER, 0, 0);
    t_player& kicker = squad_player(0, CARRIER);
    computer_strike(0, kicker, 270, 40, 0, t_kick_aim::pass);
    ball.x += 2; // still at his feet
    team_at(0).controlled = ref(0, CARRIER);
    enhanced_contest_ball(team_at(0), ref(0, CARRIER));
    EXPECT_FALSE(ball.owner);
    match_status.timer += KICK_LEAVES_FOOT_MS;
    enhanced_contest_ball(team_at(0), ref(0, CARRIER));
    EXPECT_EQ(ball.owner, ref(0, CARRIER)) << "once it has left him he may play it again";
}

TEST_F(EnhancedComputer, WithTheBallInTheLastThirdMenArriveInTheBoxButNeverTheBacks) {
    auto in_box = [](const t_player& p) {
        return std::fabs(p.tx) < PENALTY_AREA_X && p.ty < -PENALTY_AREA_FRONT && p.ty > -GOAL_LINE_Y;
    };
    for (int s = 2; s <= 4; ++s) squad_player(0, s).pt = ROLE_DEFENDER;
    for (int s = 2; s <= 11; ++s) place(0, s, -300 + 50.0 * s, 0); // everyone at halfway
    give_ball(0, CARRIER, 400, -480); // on the right, in the last third
    shape_targets();
    int runners = 0;
    for (int s = 2; s <= 11; ++s) {
        const t_player& p = squad_player(0, s);
        if (!in_box(p)) continue;
        ++runners;
        EXPECT_GT(s, 4) << "a back went into the box";
        EXPECT_NE(s, CARRIER);
    }
    EXPECT_EQ(runners, static_cast<int>(BOX_RUNNERS));

    // Further back nobody is sent.
    give_ball(0, CARRIER, 400, 0);
    for (int s = 2; s <= 11; ++s) place(0, s, -300 + 50.0 * s, 100);
    shape_targets();
    for (int s = 2; s <= 11; ++s) EXPECT_FALSE(in_box(squad_player(0, s))) << s;
}

TEST_F(EnhancedComputer, TheShapeIsWorkedOutOnceAnUpdateAndHeldThroughItsSubSteps) {
    give_ball(1, CARRIER, 0, 200);
    team_at(0).nearest_1 = ref(0, 4);
    place(0, 4, 30, 190);
    place(0, 5, -20, 300);
    held_shape_targets();
    const t_player& cover = squad_player(0, 5);
    const double tx = cover.tx;
    const double ty = cover.ty;
    // The next sub-step starts again from the tactics' targets: the cover keeps this update's.
    place(0, 5, -20, 300);
    held_shape_targets();
    EXPECT_EQ(cover.tx, tx);
    EXPECT_EQ(cover.ty, ty);

    // A man the shape did not move (the carrier) keeps the target the sub-step gave him.
    t_player& carrier = squad_player(1, CARRIER);
    ASSERT_FALSE(carrier.play.shaped);
    carrier.tx = 123;
    held_shape_targets();
    EXPECT_EQ(carrier.tx, 123);

    // The next update works it out again from where the carrier is now.
    give_ball(1, CARRIER, 100, 150);
    place(0, 5, -20, 300);
    match_status.timer += UPDATE_MS;
    held_shape_targets();
    EXPECT_LT(distance(cover.tx, cover.ty, 100, 150), COVER_BEHIND + 1);
    EXPECT_GT(distance(cover.tx, cover.ty, tx, ty), 10);
}

TEST_F(EnhancedComputer, HardClosesTheCarrierDownWithItsSecondMan) {
    team_at(0).control = CONTROL_COMPUTER;
    double gap[2] = {};
    for (const auto level : {t_computer_level::normal, t_computer_level::hard}) {
        match_settings.computer_level = level;
        give_ball(1, CARRIER, 0, 200);
        place(0, 4, 30, 190);
        place(0, 5, -20, 300);
        team_at(0).nearest_1 = ref(0, 4);
        shape_targets();
        const t_player& cover = squad_player(0, 5);
        gap[level == t_computer_level::hard] = distance(cover.tx, cover.ty, 0, 200);
    }
    EXPECT_NEAR(gap[0], COVER_BEHIND, 1);
    EXPECT_NEAR(gap[1], COVER_BEHIND * HARD_COVER_GAP, 1);
}

TEST_F(EnhancedComputer, PressedInHisHalfByMostOfTheOtherSideHeGoesOverThemToTheManFurthestUp) {
    // Team 0 defends y = +640: the carrier 240 out from his goal line, an opponent at him.
    const auto pressed_by = [this](int in_his_half) {
        give_ball(0, CARRIER, 0, 400);
        squad_player(0, CARRIER).pa = SKILL_TOP;
        ball.owned_at = match_status.timer - 2 * LOOK_UP_MS;
        place(1, 2, -12, 410);
        for (int s = 3; s <= 11; ++s) place(1, s, 420, s - 2 < in_his_half ? 80.0 + 40 * s : -300.0);
        place(0, MATE_A, 60, -100); // 500 further up, beyond an ordinary pass
        place(0, MATE_B, 80, 330);  // near and free
        computer_on_the_ball();
    };
    pressed_by(OVER_THE_PRESS_FROM);
    ASSERT_FALSE(ball.owner);
    EXPECT_GT(ball.vz, 0) << "over their heads";
    const double towards_a = atan2_deg(-100 - OVER_THE_PRESS_LEAD - 400, 60 - 0);
    EXPECT_LT(std::fabs(std::remainder(ball.a - towards_a, 360.0)), 8);

    pressed_by(OVER_THE_PRESS_FROM - 1);
    ASSERT_FALSE(ball.owner);
    const double towards_b = atan2_deg(330 - 400, 80 - 0);
    EXPECT_LT(std::fabs(std::remainder(ball.a - towards_b, 360.0)), 15) << "fewer up: the short pass";
}

TEST_F(EnhancedComputer, WithoutTheBallHowHighTheTacticStandsDoesNotDecideHowHighTheBlockStands) {
    // Team 1 carries in midfield; team 0 (defending y = +640) stands in the same places both times, but the
    // second time its tactic puts every man 150 further up.
    const auto shaped = [this](double tactic_higher_by) {
        give_ball(1, CARRIER, 40, 0);
        team_at(0).nearest_1 = ref(0, 4);
        for (int s = 2; s <= 11; ++s) place(0, s, -270 + 60.0 * (s - 2), 120 + 35.0 * (s % 5));
        for (int s = 2; s <= 11; ++s) squad_player(0, s).ty -= tactic_higher_by;
        shape_targets();
        return targets_of(0);
    };
    const auto level = shaped(0);
    const auto higher = shaped(150);
    expect_same_targets(level, higher, 4); // the presser goes for the ball, wherever his tactic puts him
}

TEST_F(EnhancedComputer, TheBackLineIsWhomTheTacticPutsAtTheBackNotWhoIsADefenderByTrade) {
    // The tactic here is 4-4-2: slots 2 to 5 at the back.
    for (int s = 2; s <= 11; ++s) EXPECT_EQ(plays_at_the_back(0, s), s <= 5) << s;
    EXPECT_FALSE(plays_at_the_back(0, GOALKEEPER_SLOT));
    // A defender by trade in midfield stays in midfield; the midfielder the tactic puts at the back holds the line.
    squad_player(0, 7).pt = ROLE_DEFENDER;
    give_ball(1, CARRIER, 0, -300);
    team_at(0).nearest_1 = ref(0, 11);
    for (int s = 2; s <= 11; ++s) place(0, s, -270 + 60.0 * (s - 2), s <= 5 ? 150.0 + 10 * s : 0.0);
    shape_targets();
    const double line = squad_player(0, 2).ty;
    for (int s = 3; s <= 5; ++s) EXPECT_EQ(squad_player(0, s).ty, line) << s;
    EXPECT_NE(squad_player(0, 7).ty, line);
}

TEST_F(EnhancedComputer, WithTheBallTheTacticSaysInWhatOrderMenStandNotHowManyGoForward) {
    // Team 0 carries at the centre spot; its men stand in the same order both times, but the second time its
    // tactic sends the front men much further up.
    const auto shaped = [this](double front_higher_by) {
        give_ball(0, CARRIER, 0, 0);
        for (int s = 2; s <= 11; ++s) {
            if (s == CARRIER) continue;
            place(0, s, -270 + 60.0 * (s - 2), 300 - 60.0 * s - (s >= 9 ? front_higher_by : 0));
        }
        shape_targets();
        return targets_of(0);
    };
    const auto level = shaped(0);
    const auto forward = shaped(250);
    expect_same_targets(level, forward);
    // The deepest stands where the 4-4-2's deepest does, pushed up behind the ball.
    double deepest_442 = GOAL_LINE_Y * 2;
    for (size_t row = 1; row < TACTICS_PLAYERS; ++row)
        deepest_442 = std::min(deepest_442, depth_from_own_goal(0, -team_at(0).side * tactics[0].target[row][CENTRE_ZONE].y));
    EXPECT_NEAR(depth_from_own_goal(0, squad_player(0, 2).ty), deepest_442 + PUSH_UP_WITH_THE_BALL, 1e-6);
    EXPECT_GT(depth_from_own_goal(0, squad_player(0, 11).ty) - deepest_442, 300) << "the shape keeps its depth";
}

TEST_F(EnhancedComputer, ABallInTheAirKeepsTheSideWithoutItInItsBlockAndTheChaserOnHisRun) {
    // Team 1 has just played the ball; it lies loose in midfield. Team 0's tactic stands 150 higher the second time.
    const auto shaped = [this](double tactic_higher_by) {
        give_ball(1, CARRIER, 40, 0);
        ball.set_owner(nullptr);
        ball.v = 0;
        team_at(0).nearest_1 = ref(0, 4);
        for (int s = 2; s <= 11; ++s) place(0, s, -270 + 60.0 * (s - 2), 120 + 35.0 * (s % 5) - tactic_higher_by);
        squad_player(0, 4).tx = 33; // his run to the ball
        squad_player(0, 4).ty = 11;
        shape_targets();
        return targets_of(0);
    };
    const auto level = shaped(0);
    const auto higher = shaped(150);
    expect_same_targets(level, higher);
    EXPECT_EQ(level[4 - 2], std::make_pair(33.0, 11.0)) << "the chaser keeps his run";
}

TEST_F(EnhancedComputer, WithoutTheBallTheBackLineSpansWhat442sSpansInItsTacticsOrder) {
    // Team 1 carries in midfield. Team 0's backs stand bunched in the middle; it plays 4-4-2, then 3-4-3 (whose
    // three stand narrow round a man in the middle). Either way the line spans what 4-4-2's back four spans at this
    // ball, squeezed towards it, left to right as the men stand.
    constexpr int OTHER = 1;
    tactics[OTHER].load_file("tactics/preset/T343.TAC");
    const auto line = [this](int tac) {
        team_at(0).tactics = tac;
        give_ball(1, CARRIER, 40, 0);
        for (int s = 2; s <= 5; ++s) place(0, s, -75 + 30.0 * s, 300);
        for (int s = 6; s <= 9; ++s) place(0, s, -300 + 120.0 * (s - 6), 150);
        place(0, 10, 40, 80); // the cover, behind the carrier
        place(0, 11, 40, 30); // the presser
        team_at(0).nearest_1 = ref(0, 11);
        shape_targets();
        std::vector<double> xs;
        for (int s = 2; s <= 11; ++s)
            if (plays_at_the_back(0, s)) xs.push_back(squad_player(0, s).tx);
        return xs;
    };
    const auto four = line(0);
    const auto three = line(OTHER);
    tactics[OTHER] = t_tactics{};
    const size_t zone = static_cast<size_t>(tactics_zone(0));
    double widest_left = 1e9;
    double widest_right = -1e9;
    for (int s = 2; s <= 5; ++s) {
        const double x = -team_at(0).side * tactics[0].target[static_cast<size_t>(s - 1)][zone].x;
        widest_left = std::min(widest_left, x + (40 - x) * SQUEEZE_TOWARDS_BALL);
        widest_right = std::max(widest_right, x + (40 - x) * SQUEEZE_TOWARDS_BALL);
    }
    ASSERT_EQ(four.size(), 4u);
    ASSERT_EQ(three.size(), 3u);
    for (const auto& xs : {four, three}) {
        EXPECT_NEAR(xs.front(), widest_left, 1e-6);
        EXPECT_NEAR(xs.back(), widest_right, 1e-6);
        EXPECT_TRUE(std::is_sorted(xs.begin(), xs.end()));
    }
}

TEST_F(EnhancedComputer, WithTheBallTwoMenOnOneSpotStepApartAcross) {
    // Team 0 carries at the centre spot. Its two furthest forward stand one behind the other in the middle, as
    // 4-2-4 lines its strikers up; 4-4-2's depths put both as high, and they must not end up on one spot.
    give_ball(0, CARRIER, 0, 0);
    for (int s = 2; s <= 11; ++s)
        if (s != CARRIER) place(0, s, -270 + 60.0 * (s - 2), 300 - 60.0 * s);
    place(0, 10, 5, -330);
    place(0, 11, 5, -360);
    for (int s = 2; s <= 11; ++s) place(1, s, TOUCHLINE_X - 10, 600); // nobody on a passing line
    shape_targets();
    const t_player& a = squad_player(0, 10);
    const t_player& b = squad_player(0, 11);
    EXPECT_NEAR(a.ty, b.ty, ON_ONE_SPOT) << "as high as each other";
    EXPECT_GE(std::fabs(a.tx - b.tx), APART_ACROSS - 1e-6);
    EXPECT_NEAR((a.tx + b.tx) / 2, 5, 1e-6) << "each steps half the way";
}

TEST_F(EnhancedComputer, WithoutTheBallTheTwoWhoWaitForTheBreakSpanWhat442sFrontTwoSpans) {
    // Team 1 carries in midfield; team 0 (defending y = +640) has its two furthest forward one behind the other
    // in the middle.
    give_ball(1, CARRIER, 40, 0);
    team_at(0).nearest_1 = ref(0, 4);
    for (int s = 2; s <= 9; ++s) place(0, s, -270 + 60.0 * (s - 2), 120 + 35.0 * (s % 5));
    place(0, 10, 0, -250);
    place(0, 11, 0, -310);
    shape_targets();
    const int zone = tactics_zone(0);
    std::vector<std::pair<double, double>> reference; // (depth, x) of 4-4-2's men at this ball
    for (int s = 2; s <= 11; ++s) {
        const t_vec2d at = tactic_place(0, tactics[0], s, zone);
        reference.emplace_back(depth_from_own_goal(0, at.y), at.x);
    }
    std::sort(reference.rbegin(), reference.rend());
    std::vector<double> expected;
    for (size_t k = 0; k < STAY_UP_FOR_THE_BREAK; ++k)
        expected.push_back(reference[k].second + (40 - reference[k].second) * SQUEEZE_TOWARDS_BALL);
    std::sort(expected.begin(), expected.end());
    std::vector<double> front{squad_player(0, 10).tx, squad_player(0, 11).tx};
    std::sort(front.begin(), front.end());
    ASSERT_GT(expected.back() - expected.front(), APART_ACROSS) << "4-4-2's front two stand apart";
    EXPECT_NEAR(front[0], expected[0], 1e-6);
    EXPECT_NEAR(front[1], expected[1], 1e-6);
}
