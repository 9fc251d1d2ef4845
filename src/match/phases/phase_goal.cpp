#include "match/phases/phase_goal.hpp"

#include <algorithm>
#include <cmath>

#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "core/settings.hpp"
#include "match/core/function_keys.hpp"
#include "match/replay/highlights.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_state.hpp"
#include "match/phases/phase_common.hpp"
#include "match/players/player_movement.hpp"
#include "platform/fatal.hpp"
#include "platform/maths.hpp"
#include "platform/random.hpp"

namespace {
constexpr double RUN_OFF = 500;
constexpr int CHEER_FIRST_ROW = 11;
constexpr int HEAD_DOWN_FACING = 3;
constexpr int HEAD_DOWN_ROW = 14;
constexpr int STANDING_ROW = 1;

bool towards_the_net(int cel, int side_y) { return (cel == 2 && side_y == 1) || (cel == 6 && side_y == -1); }
} // namespace

t_match_goal::t_match_goal() {
    display_goal_scorer = 1;
    const int conceded = team_defending(ball.side.y);
    if (conceded < 0) runtime_error("cannot decide kick_off_team!");
    match_status.kick_off_team = conceded;
    ball.set_owner(nullptr);
    clear_controlled_players();
    clear_controllers();
    for_each_on_pitch([](int, int, t_player& p) {
        p.tx = p.x;
        p.ty = p.y;
    });
    if (!goals.empty()) {
        scorer_ = goals.back().player;
        own_goal_ = goals.back().typ == 1;
    }
    cel = rand(0, 7);
    while (scorer_ && std::fabs(scorer_->x) < GOAL_MOUTH_X && towards_the_net(cel, ball.side.y)) cel = rand(0, 7);
    if (scorer_) {
        if (own_goal_) {
            scorer_->fmx = HEAD_DOWN_FACING;
            scorer_->fmy = HEAD_DOWN_ROW + 0.5 * (1 - ball.side.y);
        } else {
            scorer_->tx = scorer_->x + RUN_OFF * cos_deg(45.0 * cel);
            scorer_->ty = scorer_->y + RUN_OFF * sin_deg(45.0 * cel);
        }
    }
}

void t_match_goal::celebrate() {
    t_player& s = *scorer_;
    const int side_y = ball.side.y;
    if (own_goal_) {
        if (s.pt == ROLE_GOALKEEPER) {
            s.fmx = 4 - 2 * side_y;
            s.fmy = 1;
        } else {
            s.fmx = HEAD_DOWN_FACING;
            s.fmy = HEAD_DOWN_ROW + 0.5 * (1 - side_y);
        }
        return;
    }
    s.fmx = cel;
    s.fmy = std::fmod(round_half_away(0.25 * replay_frame / SUB_STEPS), 3) + CHEER_FIRST_ROW;
    const int team = team_of(scorer_);
    if (team < 0) return;
    const int64_t minute = static_cast<int64_t>(match_status.timer) * 90 / std::max(1, match_status.length);
    for (int slot = 1; slot <= ON_PITCH_SLOTS; ++slot) {
        t_player& p = squad_player(team, slot);
        if (&p == &s) continue;
        if ((minute + p.nr) % 2 == 0) {
            p.tx = s.x + cos_deg(30.0 * p.nr) * 10 * p.nr;
            p.ty = s.y + sin_deg(30.0 * p.nr) * 10 * p.nr;
        }
        if (std::fabs(p.x) > 530 - 2 * p.nr || std::fabs(p.y) > 650 - p.nr) {
            p.tx = p.x;
            p.ty = p.y;
            p.fmx = std::fmod(round_half_away((atan2_deg(p.y, p.x) + 360) / 45), 8);
            p.fmy = STANDING_ROW;
        }
    }
}

void t_match_goal::update() {
    if (handle_function_keys()) return;
    // Counted in frames, not read off the clock: a match is the same whatever the machine's speed.
    waited_ms += UPDATE_MS;
    for (int k = 0; k < SUB_STEPS; ++k) {
        ball.update();
        ball.collision_goal();
        ball.collision_net();
        move_players(1, 1);
        if (scorer_) celebrate();
        const bool rolling = ball.v > 0 || ball.vz != 0;
        if (rolling || !scorer_)
            record_sub_step(CAMERA_STILL);
        else
            record_sub_step({2, 1, scorer_->x, 1, 2, 1, scorer_->y});
    }
    if (ball.v == 0 && ball.vz == 0 && waited_ms > GOAL_CELEBRATION_MS) {
        if (match_settings.auto_replay == 1 && replay_done == 0) {
            replay();
            replay_done = 1;
            return;
        }
        record_highlight();
        ball.set_position(0, 0, 0);
        camera.offx = 0;
        camera.offy = 0;
        open_phase(MODE_MATCH_STARTING_POSITIONS);
        return;
    }
    standard_exits(*this, t_exits::escape_replay);
}
