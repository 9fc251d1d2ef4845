// How fast each man runs: CLASSIC knows a fast runner from the rest; ENHANCED counts every point of speed.
#include <gtest/gtest.h>

#include "football/match_settings.hpp"
#include "match/core/match_rules.hpp"
#include "match/core/match_start.hpp"
#include "match/enhanced/enhanced_tuning.hpp"
#include "player_test_support.hpp"

using namespace player_test;

namespace {
class RunningSpeed : public ::testing::Test {
protected:
    void SetUp() override { build_match(); }
    void TearDown() override { match_settings.gameplay = t_gameplay::classic; }

    // Gives team 0's outfield men speed 0 to 7 in turn (the star bit on the best), places everyone for open play
    // and returns the running speed of each.
    std::vector<double> speeds_by_skill(t_gameplay g) {
        match_settings.gameplay = g;
        for (int s = 0; s <= SKILL_TOP; ++s) squad_player(0, GOALKEEPER_SLOT + 1 + s).sp = s;
        squad_player(0, GOALKEEPER_SLOT + 1 + SKILL_TOP).sp |= SKILL_STAR;
        place_for_open_play();
        std::vector<double> v;
        for (int s = 0; s <= SKILL_TOP; ++s) {
            const t_player& p = squad_player(0, GOALKEEPER_SLOT + 1 + s);
            EXPECT_EQ(p.speed, p.speed_running) << "speed " << s;
            v.push_back(p.speed_running);
        }
        return v;
    }
};
} // namespace

TEST_F(RunningSpeed, ClassicKnowsOnlyFastRunnersWhileEnhancedCountsEveryPoint) {
    const std::vector<double> classic = speeds_by_skill(t_gameplay::classic);
    for (int s = 2; s <= SKILL_TOP; ++s) EXPECT_EQ(classic[s], classic[1]) << "speed " << s;
    EXPECT_LT(classic[0], classic[1]);
    const double classic_keeper = squad_player(0, GOALKEEPER_SLOT).speed_running;

    const std::vector<double> enhanced = speeds_by_skill(t_gameplay::enhanced);
    for (int s = 1; s <= SKILL_TOP; ++s)
        EXPECT_NEAR(enhanced[s] - enhanced[s - 1], RUNNER_SPEED_PER_POINT, 1e-9) << "speed " << s << ", the star too";
    // The usual three points run as CLASSIC's fast runner, so the two gameplays feel alike on average.
    EXPECT_EQ(enhanced[3], classic[3]);
    EXPECT_EQ(squad_player(0, GOALKEEPER_SLOT).speed_running, classic_keeper) << "the keeper keeps his pace";
}
