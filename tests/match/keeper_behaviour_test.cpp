#include <gtest/gtest.h>

#include "core/globals.hpp"
#include "match/keeper/keeper_collision.hpp"
#include "match/keeper/keeper_states.hpp"
#include "match/players/player_movement.hpp"
#include "platform/maths.hpp"
#include "player_test_support.hpp"

using namespace player_test;

namespace {

// Team 1 defends the top goal; its keeper stands on his line at (0, -632).
class KeeperBehaviour : public ::testing::Test {
protected:
    void SetUp() override {
        build_match();
        keeper().x = 0;
        keeper().y = -632;
        keeper().brain->set_state("state_positioning");
        ball.set_position(0, -400, 0);
    }
    t_player& keeper() { return squad_player(1, 1); }
    State* active() { return keeper().brain->active_state; }
    // A shot whose predicted path crosses the keeper's line in frame `i`
    // at (x, z) and then enters the goal.
    void shot(int i, int x, int z) {
        for (auto& q : ball.prediction) q = {0, -400, 0};
        ball.prediction[static_cast<size_t>(i)] = {x, -640, z};
        for (size_t j = static_cast<size_t>(i) + 1; j < ball.prediction.size(); ++j)
            ball.prediction[j] = {x, -645, z};
    }
    std::string think_until_switch(int limit) {
        for (int n = 1; n <= limit; ++n) {
            keeper().brain->think();
            if (!keeper().brain->in_state("state_positioning")) return active()->name + "@" + std::to_string(n);
        }
        return "none";
    }
};

} // namespace

TEST_F(KeeperBehaviour, ReactionTimeFollowsSkill) {
    keeper().skill_keeper = 7;
    shot(16, 10, 3);
    EXPECT_EQ(think_until_switch(500), "state_diving_low_double@44");
    SetUp();
    keeper().skill_keeper = 0;
    shot(16, 10, 3);
    EXPECT_EQ(think_until_switch(500), "state_diving_low_double@145");
}

TEST_F(KeeperBehaviour, DangerNeedsAFreeBallInHisHalfHeadingForGoal) {
    keeper().skill_keeper = 7;
    shot(16, 10, 3);
    ball.set_owner(ref(0, 9));
    EXPECT_EQ(think_until_switch(200), "none");
    SetUp();
    shot(16, 10, 3);
    ball.y = -300; // not beyond the 320 line
    EXPECT_EQ(think_until_switch(200), "none");
    SetUp();
    shot(16, 200, 3); // wide of the goal
    EXPECT_EQ(think_until_switch(200), "none");
    // Danger must last: an interruption starts the count again.
    SetUp();
    keeper().skill_keeper = 7;
    shot(16, 10, 3);
    for (int n = 0; n < 40; ++n) keeper().brain->think();
    ball.set_owner(ref(0, 9));
    keeper().brain->think();
    ball.set_owner(nullptr);
    EXPECT_EQ(think_until_switch(200), "state_diving_low_double@44");
}

TEST_F(KeeperBehaviour, LowDoubleDiveAndItsThrust) {
    keeper().skill_keeper = 7;
    shot(16, 10, 3);
    think_until_switch(100);
    EXPECT_DOUBLE_EQ(keeper().thrust_x, 2.0 / 63);
    EXPECT_EQ(keeper().a, 0);
    SetUp();
    keeper().skill_keeper = 7;
    shot(16, -10, 3);
    think_until_switch(100);
    EXPECT_EQ(keeper().a, 180);
}

TEST(KeeperChoice, EverySaveByHeightSideAndTime) {
    build_match();
    t_player& k = squad_player(1, 1);
    const auto name = [&](double dx, double h, int t) {
        State* s = choose_save(k, dx, h, t);
        return s ? s->name : std::string("none");
    };
    // Wide low shots: a single dive only in its time window.
    EXPECT_EQ(name(80, 3, 96), "none");
    EXPECT_EQ(name(80, 3, 120), "none");
    EXPECT_EQ(name(80, 3, 132), "state_diving_low_single");
    EXPECT_DOUBLE_EQ(k.thrust_x, 9.0 / 55);
    EXPECT_EQ(name(80, 3, 336), "none");
    // Near low shots: the double dive, early enough.
    EXPECT_EQ(name(10, 3, 192), "state_diving_low_double");
    EXPECT_EQ(name(71, 6.9, 0), "state_diving_low_double");
    EXPECT_EQ(name(10, 3, 240), "none");
    // Middle heights.
    EXPECT_EQ(name(40, 14, 200), "state_diving_middle_two");
    EXPECT_DOUBLE_EQ(k.thrust_x, 32.0 / 63);
    EXPECT_DOUBLE_EQ(k.thrust_z, 0.5);
    EXPECT_EQ(name(40, 14, 100), "none");
    EXPECT_EQ(name(40, 23, 200), "state_diving_middle_one");
    EXPECT_DOUBLE_EQ(k.thrust_x, 32.0 / 79);
    EXPECT_DOUBLE_EQ(k.thrust_z, 1.0);
    EXPECT_EQ(name(-40, 35, 200), "state_diving_high_one");
    EXPECT_DOUBLE_EQ(k.thrust_z, 1.0);
    EXPECT_EQ(k.a, 180);
    EXPECT_EQ(name(40, 29, 200), "state_diving_high_one");
    EXPECT_DOUBLE_EQ(k.thrust_z, 0.25);
    // Out of reach.
    EXPECT_EQ(name(86, 30, 200), "none");  // sqrt(86^2 + 30^2) >= 88
    EXPECT_EQ(name(87.5, 22, 200), "none"); // too wide for middle one
    EXPECT_EQ(name(0, 66, 100), "none");
    EXPECT_EQ(name(20, 50, 200), "none");
    // Straight at him.
    EXPECT_EQ(name(3, 35, 200), "state_catching_high");
    EXPECT_EQ(name(3, 35, 288), "none");
    EXPECT_EQ(name(3, 25, 200), "none");
    EXPECT_EQ(name(3, 3, 100), "none");
}

TEST(KeeperChoice, ReactionDelayInSubSteps) {
    EXPECT_NEAR(keeper_reaction_sub_steps(7), 43.2, 1e-9);
    EXPECT_NEAR(keeper_reaction_sub_steps(0), 144, 1e-9);
}

namespace {
class KeeperSave : public KeeperBehaviour {
protected:
    void dive(const std::string& state, double thrust_x, double thrust_z = 0, double a = 0) {
        keeper().thrust_x = thrust_x;
        keeper().thrust_z = thrust_z;
        keeper().a = a;
        keeper().brain->set_state(state);
        ball.set_position(300, 0, 0); // far from him: no collision
    }
    void steps(int n) {
        for (int i = 0; i < n; ++i) move_players(1, 1);
    }
};
} // namespace

TEST_F(KeeperSave, LowSinglePhasesAndSlide) {
    dive("state_diving_low_single", 0.5);
    steps(1);
    EXPECT_EQ(keeper().v, 120);
    EXPECT_EQ(keeper().fmx, 0);
    EXPECT_EQ(keeper().fmy, 8);
    steps(23); // timer 24
    EXPECT_EQ(keeper().v, 110);
    EXPECT_EQ(keeper().fmx, 4);
    EXPECT_EQ(keeper().fmy, 12);
    steps(168); // 192
    EXPECT_EQ(keeper().fmy, 14);
    steps(96); // 288: the slide
    EXPECT_NEAR(keeper().v, 110 * 0.8958333, 1e-9);
    steps(191); // 479
    EXPECT_TRUE(keeper().brain->in_state("state_diving_low_single"));
    steps(1);
    EXPECT_TRUE(keeper().brain->in_state("state_positioning"));
}

TEST_F(KeeperSave, DiveTowardsMinusXInTheBottomGoalUsesOrientationThree) {
    squad_player(0, 1).brain->set_state("state_diving_low_double");
    squad_player(0, 1).a = 180;
    squad_player(0, 1).y = 632;
    squad_player(0, 1).thrust_x = 1;
    squad_player(0, 1).skill_keeper = 4;
    ball.set_position(300, 0, 0);
    for (int i = 0; i < 48; ++i) move_players(1, 1);
    EXPECT_EQ(squad_player(0, 1).fmx, 7);
    EXPECT_EQ(squad_player(0, 1).fmy, 12);
    EXPECT_EQ(squad_player(0, 1).v, 20 + 144);
    const double x = squad_player(0, 1).x;
    move_players(1, 1);
    EXPECT_LT(squad_player(0, 1).x, x);
}

TEST_F(KeeperSave, HighDiveRisesAndFallsBack) {
    keeper().skill_keeper = 7;
    dive("state_diving_high_one", 1, 1);
    double top = 0;
    for (int i = 0; i < 744; ++i) {
        steps(1);
        top = std::max(top, keeper().z);
        if (keeper().brain->active_state->timer == 200) {
            EXPECT_EQ(keeper().vz, 30 - 0.8125);
        }
    }
    EXPECT_GT(top, 10);
    EXPECT_EQ(keeper().z, 0);
    EXPECT_TRUE(keeper().brain->in_state("state_positioning"));
}

TEST_F(KeeperSave, CaughtBallTravelsInHisHands) {
    dive("state_diving_middle_one", 0.5, 0, 0);
    steps(100);
    ball.set_owner(ref(1, 1));
    steps(1);
    EXPECT_DOUBLE_EQ(ball.x, keeper().x - cos_deg(0) * keeper().v / 480 + 10);
    EXPECT_DOUBLE_EQ(ball.y, keeper().y);
    EXPECT_EQ(ball.z, 24);
}

TEST_F(KeeperSave, HighCatchKeepsTheCatchingPictureWhileHolding) {
    dive("state_catching_high", 0);
    steps(300);
    EXPECT_EQ(keeper().fmy, 16);
    SetUp();
    dive("state_catching_high", 0);
    steps(100);
    ball.set_owner(ref(1, 1));
    steps(200);
    EXPECT_EQ(keeper().fmy, 18);
    EXPECT_EQ(keeper().fmx, 0);
}

namespace {
// First offset (ex, ey) of the keeper picture (fmx, fmy) painted in `colour`.
bool find_colour(double fmx, double fmy, uint32_t colour, int& ex, int& ey) {
    for (ey = -34; ey <= 15; ++ey)
        for (ex = -24; ex <= 25; ++ex)
            if (keeper_collision_colour(fmx, fmy, ex, ey) == colour) return true;
    return false;
}

class KeeperCollision : public KeeperBehaviour {
protected:
    // The ball arrives at the keeper's depth at offset (ex, ey) from his feet, moving up the screen.
    void arrive(int ex, int ey, double speed = 300) {
        ball.x0 = keeper().x + ex;
        ball.y0 = keeper().y + ey + 3;
        ball.x = keeper().x + ex;
        ball.y = keeper().y + ey + 1;
        ball.z = 0;
        ball.v = speed;
        ball.a = 270;
        ball.s = 2;
        ++replay_frame;
    }
};
} // namespace

TEST_F(KeeperCollision, CatchColourCatches) {
    int ex = 0, ey = 0;
    keeper().fmx = 2;
    keeper().fmy = 1;
    ASSERT_TRUE(find_colour(2, 1, 0xC00000, ex, ey));
    // The collision is taken at the ball's screen offset; put it at depth 0 and lift it.
    arrive(ex, 0);
    ball.y = keeper().y + 1;
    ball.y0 = keeper().y + 3;
    ball.z = -ey + 1;
    EXPECT_EQ(keeper().keeper_collision(), 1);
    EXPECT_EQ(ball.v, 0);
    EXPECT_EQ(ball.vz, 0);
    EXPECT_TRUE(ball.owner == ref(1, 1));
}

TEST_F(KeeperCollision, BlockColourSendsTheBallBackSlower) {
    int ex = 0, ey = 0;
    keeper().fmx = 4;
    keeper().fmy = 12;
    ASSERT_TRUE(find_colour(4, 12, 0xC0C000, ex, ey));
    ball.owner = ref(0, 9);
    arrive(ex, 0);
    ball.z = -ey + 1;
    EXPECT_EQ(keeper().keeper_collision(), 0);
    EXPECT_EQ(ball.v, 75);
    EXPECT_EQ(ball.a, -270); // reflected: now heading down the screen
    EXPECT_EQ(ball.s, -2);
    EXPECT_EQ(ball.owner, nullptr);
    EXPECT_TRUE(ball.owner_last == ref(1, 1));
    // Asked again in the same sub-step (the save state after open play): nothing more.
    EXPECT_EQ(keeper().keeper_collision(), 0);
    EXPECT_EQ(ball.v, 75);
    EXPECT_EQ(ball.a, -270);
}

TEST_F(KeeperCollision, ParryColourPushesTheBallWide) {
    int ex = 0, ey = 0;
    keeper().fmx = 4;
    keeper().fmy = 12;
    keeper().v = 40;
    keeper().a = 0;
    keeper().vz = 10;
    ASSERT_TRUE(find_colour(4, 12, 0x0000C0, ex, ey));
    arrive(ex, 0, 300);
    // A ball coming in at an angle: 30 in x for every 40 in y over the sub-step.
    ball.x0 = ball.x - 30 * 0.05;
    ball.y0 = ball.y + 40 * 0.05;
    ball.z = -ey + 1;
    EXPECT_EQ(keeper().keeper_collision(), 0);
    // m from (30, -40): vx = 180, vy = -240 -> vx' = 90 + 60 + 40, and knocked
    // back out of the goal, vy' = +168.
    EXPECT_NEAR(ball.v, std::hypot(190, 168), 1e-6);
    EXPECT_NEAR(ball.a, atan2_deg(168, 190), 1e-6);
    EXPECT_EQ(ball.vz, 15);
    EXPECT_EQ(ball.owner, nullptr);
    EXPECT_TRUE(ball.owner_last == ref(1, 1));
}

// Near his post the same parry carries the ball on round it, over the line for a corner.
TEST_F(KeeperCollision, ParryNearThePostCarriesTheBallRoundIt) {
    int ex = 0, ey = 0;
    keeper().fmx = 4;
    keeper().fmy = 12;
    keeper().v = 40;
    keeper().a = 0;
    ASSERT_TRUE(find_colour(4, 12, 0x0000C0, ex, ey));
    keeper().x = 70 - ex; // the ball meets him one unit inside the post
    arrive(ex, 0, 300);
    ball.x0 = ball.x - 30 * 0.05;
    ball.y0 = ball.y + 40 * 0.05;
    ball.z = -ey + 1;
    EXPECT_EQ(keeper().keeper_collision(), 0);
    EXPECT_NEAR(ball.a, atan2_deg(-168, 190), 1e-6) << "on towards the line, wide of the post";
    const double crossing_x = ball.x + 190 * (-640 - ball.y) / -168;
    EXPECT_GT(crossing_x, 77);
}

TEST_F(KeeperCollision, OnlyWhenTheBallReachesHisDepthWithinThePicture) {
    int ex = 0, ey = 0;
    keeper().fmx = 2;
    keeper().fmy = 1;
    ASSERT_TRUE(find_colour(2, 1, 0xC00000, ex, ey));
    arrive(ex, 0);
    ball.z = -ey + 1;
    ball.y0 = keeper().y + 1.5; // already at his depth before
    EXPECT_EQ(keeper().keeper_collision(), 0);
    arrive(ex, 0);
    ball.z = -ey + 1;
    ball.x = keeper().x + 26; // beside the picture
    EXPECT_EQ(keeper().keeper_collision(), 0);
    EXPECT_EQ(ball.owner, nullptr);
    EXPECT_EQ(keeper_collision_colour(2, 1, 25, 15), 0u);
}

TEST(KeeperCollisionMap, CellsWrapAndRowsUseTheFloor) {
    build_match();
    int ex = 0, ey = 0;
    ASSERT_TRUE(find_colour(4, 12, 0xC0C000, ex, ey));
    EXPECT_EQ(keeper_collision_colour(4.4, 12.9, ex, ey), 0xC0C000u);
    EXPECT_EQ(keeper_collision_colour(4 + 24, 12 + 24, ex, ey), 0xC0C000u);
}

// The two-handed middle dive is in the air when the ball comes: it meets him a
// few pixels above his own height (logged in whole matches), and the picture
// must save there, on the side he dives to, in every orientation.
TEST(KeeperCollisionMap, MiddleDiveSavesWhereTheBallArrives) {
    build_match();
    const struct {
        int fmy, ey_from, ey_to;
    } bands[] = {{10, -5, 0}, {11, -14, -7}};
    for (const auto& band : bands)
        for (int fmx = 4; fmx <= 7; ++fmx) {
            const int side = fmx % 2 == 0 ? 1 : -1;
            int saving = 0, cells = 0;
            for (int ey = band.ey_from; ey <= band.ey_to; ++ey)
                for (int ex = 8; ex <= 16; ++ex, ++cells)
                    if (keeper_collision_colour(fmx, band.fmy, side * ex, ey) != 0) ++saving;
            EXPECT_GT(saving, cells * 3 / 4) << "fmx " << fmx << " fmy " << band.fmy;
            // ...and not far beyond his hands: no wall.
            EXPECT_EQ(keeper_collision_colour(fmx, band.fmy, side * 24, band.ey_from), 0u) << fmx;
            EXPECT_EQ(keeper_collision_colour(fmx, band.fmy, 0, -30), 0u) << fmx;
        }
}

// A ball along the ground straight at a standing or walking keeper meets him up
// to two pixels in front of or behind his line, so on the picture a little above
// or below his feet, whichever goal he keeps: he gathers it. Beside him he can
// only push it wide, and beyond his reach it passes.
TEST(KeeperCollisionMap, UprightKeeperGathersGroundBallsAtHimAndPushesWideOnesAway) {
    build_match();
    for (int fmy = 0; fmy <= 2; ++fmy)
        for (int fmx = 0; fmx <= 7; ++fmx) {
            for (int ey = -3; ey <= 2; ++ey)
                for (int ex = -4; ex <= 4; ++ex)
                    EXPECT_EQ(keeper_collision_colour(fmx, fmy + 0.5, ex, ey), 0xC00000u)
                        << fmx << "," << fmy << " at " << ex << "," << ey;
            for (int side : {-1, 1}) {
                EXPECT_EQ(keeper_collision_colour(fmx, fmy, side * 8, 2), 0x0000C0u) << fmx << "," << fmy;
                EXPECT_EQ(keeper_collision_colour(fmx, fmy, side * 8, -16), 0x0000C0u) << fmx << "," << fmy;
                EXPECT_EQ(keeper_collision_colour(fmx, fmy, side * 14, 0), 0u) << fmx << "," << fmy;
            }
            EXPECT_EQ(keeper_collision_colour(fmx, fmy, 0, -34), 0u) << "over his reach";
        }
}

// Diving, the hands hold the ball, the arms and body push it wide and only the
// legs stop it dead: a stopped ball lies in front of the goal for the next shot.
TEST(KeeperCollisionMap, DivingKeeperParriesWithHisBodyAndBlocksOnlyWithHisLegs) {
    build_match();
    for (int fmy : {9, 10, 11, 12, 13})
        for (int fmx = 4; fmx <= 7; ++fmx) {
            int catches = 0, parries = 0, blocks = 0;
            for (int ey = -34; ey <= 15; ++ey)
                for (int ex = -24; ex <= 25; ++ex) {
                    const uint32_t c = keeper_collision_colour(fmx, fmy, ex, ey);
                    catches += c == 0xC00000u;
                    parries += c == 0x0000C0u;
                    blocks += c == 0xC0C000u;
                }
            EXPECT_GT(catches, 20) << fmx << "," << fmy;
            EXPECT_GT(parries, blocks / 2) << fmx << "," << fmy;
            EXPECT_GT(blocks, 0) << fmx << "," << fmy;
        }
}
