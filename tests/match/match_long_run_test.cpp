// Computer against computer with the real open-play frame and two shipped
// teams; every stop of play is restarted from the centre.
#include <gtest/gtest.h>

#include <cmath>

#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "football/tactics.hpp"
#include "football/team_file.hpp"
#include "match/keeper/keeper_states.hpp"
#include "match/core/match_main.hpp"
#include "match/core/match_setup.hpp"
#include "match/core/match_start.hpp"
#include "match/core/match_state.hpp"
#include "platform/random.hpp"
#include "ui/menu.hpp"

namespace {
t_team_ref shipped(const std::string& ext, int number) {
    auto t = std::make_shared<t_team>();
    t->ext = ext;
    t->number = number;
    load_team(*t);
    t->control = CONTROL_COMPUTER;
    return t;
}

bool finite(double v) { return std::isfinite(v); }

class MatchLongRun : public ::testing::Test {
protected:
    void SetUp() override {
        if (!action_queue) action_queue = std::make_unique<t_game_action_queue>();
        while (!action_queue->empty()) action_queue->pop();
        tactics[0].load_file("tactics/preset/T442.TAC");
        screen_w = 1024;
        screen_h = 768;
        settings.sound_enabled = 0;
        settings.length = 0;
        menu.status = 1;
        match_settings.pitch_type = 4;
        match_settings.weather_effect = 0;
        match_settings.weather_intensity = 2;
        match_settings.time = 0;
        seed_rnd(20240601);
        match_teams = {shipped("arg", 1), shipped("bra", 1)};
        match_teams[0]->tactics = 0;
        match_teams[1]->tactics = 0;
        build_match_objects();
        keeper_cd = load_pixmap("images/keeper_cd.png");
        for (const auto& squad : match_players)
            for (const t_player_ref& p : squad)
                if (p) init_player_brain(*p);
        place_for_open_play();
    }
    void TearDown() override {
        while (!action_queue->empty()) action_queue->pop();
        release_match_objects();
        keeper_cd.reset();
    }
};

TEST_F(MatchLongRun, InvariantsHoldOverTenMinutesOfPlay) {
    ASSERT_GE(match_players[0].size(), 12u);
    auto phase = std::make_unique<t_match_main>();
    int stops = 0;
    int goals_seen = 0;
    int owned_updates = 0;
    for (int update = 0; update < 24000; ++update) {
        const int32_t clock = match_status.timer;
        const int frame = replay_frame;
        phase->update();
        ASSERT_EQ(match_status.timer, clock + 25);
        if (!action_queue->empty()) {
            const t_game_action_ref next = action_queue->pop();
            ASSERT_EQ(next->typ, ACTION_NEW_SCREEN);
            ASSERT_TRUE(next->mode == 40 || next->mode == 41 || next->mode == 44 || next->mode == 47 ||
                        next->mode == 50 || next->mode == 53 || next->mode == 56)
                << next->mode;
            if (next->mode == 40) ++goals_seen;
            if (next->mode == 53) match_status.period = t_match_status::SECOND_HALF;
            if (next->mode == 56) match_status.timer = 0, match_status.period = t_match_status::FIRST_HALF;
            ++stops;
            place_for_open_play();
            phase = std::make_unique<t_match_main>();
            continue;
        }
        ASSERT_EQ(replay_frame, (frame + 12) % REPLAY_FRAMES);
        if (ball.owner) ++owned_updates;
        // What was recorded in this update stays inside the stadium and the players' bounds.
        for (int k = 0; k < 12; ++k) {
            const size_t f = static_cast<size_t>((frame + 1 + k) % REPLAY_FRAMES);
            const t_data& b = ball.data[f];
            ASSERT_GE(b.x, -565);
            ASSERT_LE(b.x, 572);
            ASSERT_GE(b.y, -700);
            ASSERT_LE(b.y, 698);
            ASSERT_GE(b.z, 0);
        }
        ASSERT_TRUE(finite(ball.x) && finite(ball.y) && finite(ball.z) && finite(ball.v) && finite(ball.a) &&
                    finite(ball.vz) && finite(ball.s));
        for (const auto& squad : match_players)
            for (size_t s = 1; s < squad.size(); ++s) {
                const t_player& p = *squad[s];
                ASSERT_TRUE(finite(p.x) && finite(p.y) && finite(p.z) && finite(p.v) && finite(p.a) && finite(p.tx) &&
                            finite(p.ty));
                if (p.status != STATUS_ON_PITCH) continue;
                ASSERT_LE(std::fabs(p.x), 560.0);
                ASSERT_LE(std::fabs(p.y), 690.0);
            }
    }
    // The computer plays football: the ball changes hands, play stops and goals come.
    EXPECT_GT(stops, 20);
    EXPECT_GT(goals_seen, 0);
    EXPECT_GT(owned_updates, 2000);
    EXPECT_GT(match_stats[0].poss + match_stats[1].poss, 2000);
}
} // namespace
