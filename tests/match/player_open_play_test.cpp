#include <gtest/gtest.h>

#include <cmath>

#include "player_open_play_sim.hpp"

using namespace player_test;

namespace {
bool finite_player(const t_player& p) {
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z) && std::isfinite(p.v) &&
           std::isfinite(p.a) && std::isfinite(p.tx) && std::isfinite(p.ty) && std::isfinite(p.fmx) &&
           std::isfinite(p.fmy);
}
} // namespace

// Ten minutes of play (24000 updates): everyone stays in bounds and finite,
// and the game looks like football: passes, shots, saves and changes of
// possession both ways.
TEST(PlayerOpenPlay, LongComputerMatchStaysInBoundsAndPlaysFootball) {
    open_play_sim sim(7);
    for (int u = 0; u < 24000; ++u) {
        sim.update();
        ASSERT_TRUE(std::isfinite(ball.x) && std::isfinite(ball.y) && std::isfinite(ball.z) && std::isfinite(ball.v) &&
                    std::isfinite(ball.a) && std::isfinite(ball.s))
            << u;
        ASSERT_GE(ball.z, 0);
        for (int t = 0; t < 2; ++t)
            for (int s = 1; s <= 11; ++s) {
                const t_player& p = squad_player(t, s);
                ASSERT_TRUE(finite_player(p)) << u << " " << t << " " << s;
                ASSERT_LE(std::fabs(p.x), 560) << u;
                ASSERT_LE(std::fabs(p.y), 690) << u;
                ASSERT_GE(p.fmx, 0);
                ASSERT_LT(p.fmx, 8);
                if (s > 1) {
                    ASSERT_GE(p.fmy, -1);
                    ASSERT_LT(p.fmy, 3);
                }
            }
    }
    std::cout << "kicks " << sim.kicks << " passes " << sim.passes << " lobs " << sim.lobs << " shots " << sim.shots << " goals " << sim.goals << " wide " << sim.wide
              << " catches " << sim.catches << " blocks/parries " << sim.saves << " dives " << sim.dives
              << " throw-ins " << sim.throw_ins << " owner changes " << sim.owner_changes << " team changes "
              << sim.team_changes << " possession " << sim.owned_updates[0] << "/" << sim.owned_updates[1] << "\n";
    EXPECT_GT(sim.kicks, 100);
    EXPECT_GT(sim.shots, 5);
    EXPECT_GT(sim.team_changes, 50);
    EXPECT_GT(sim.dives + sim.catches, 3);
    EXPECT_GT(sim.owned_updates[0], 1000);
    EXPECT_GT(sim.owned_updates[1], 1000);
}
