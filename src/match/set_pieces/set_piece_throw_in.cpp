#include "match/set_pieces/set_piece_throw_in.hpp"

#include <algorithm>
#include <cmath>

#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "match/core/function_keys.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_rules.hpp"
#include "match/core/play_events.hpp"
#include "match/sound/match_sound.hpp"
#include "match/core/match_state.hpp"
#include "match/phases/phase_common.hpp"
#include "match/players/player_movement.hpp"
#include "match/players/player_targets.hpp"
#include "match/set_pieces/restart_tuning.hpp"
#include "match/set_pieces/set_piece_aim.hpp"
#include "platform/input.hpp"
#include "platform/maths.hpp"
#include "ui/input.hpp"

namespace {
constexpr int ARMS_CYCLE = 160;
constexpr int ARMS_UP_AFTER = 80;
constexpr int ARMS_DOWN_ROW = 8;
constexpr int ARMS_UP_ROW = 9;
} // namespace

t_match_throw_in_stop::t_match_throw_in_stop()
    : throw_in_x(static_cast<int32_t>(TOUCHLINE_X * ball.side.x)), throw_in_y(static_cast<int32_t>(ball.y)) {
    match_status.event = t_match_status::THROW_IN;
    play_whistle();
    clear_controllers();
    clear_controlled_players();
}

void t_match_throw_in_stop::update() {
    read_set_up_controllers();
    if (handle_function_keys()) return;
    bool walking = false;
    for (int k = 0; k < SUB_STEPS; ++k) {
        ball.update();
        ball.in_field_keep();
        walking = move_players(1, 1);
        set_tactics_targets(0);
        record_sub_step(CAMERA_STILL);
    }
    if (!walking) {
        ball.set_position(throw_in_x, throw_in_y, 0);
        open_phase(MODE_MATCH_THROW_IN_POSITIONS);
        return;
    }
    standard_exits(*this, t_exits::escape_replay_bench);
}

t_match_throw_in_positions::t_match_throw_in_positions() {
    display_score = 1;
    match_teams[0]->find_nearest();
    match_teams[1]->find_nearest();
    const t_player_ref thrower = team_at(team_not_last_touching()).nearest_1;
    ball.set_owner(thrower);
    if (thrower) {
        thrower->tx = ball.x;
        thrower->ty = ball.y;
    }
    match_rules().arrange_throw_in(team_of(thrower));
}

void t_match_throw_in_positions::update() {
    read_set_up_controllers();
    if (handle_function_keys()) return;
    bool walking = false;
    for (int k = 0; k < SUB_STEPS; ++k) {
        walking = move_players(1, 1);
        record_sub_step(CAMERA_FOLLOW);
    }
    if (!walking) {
        open_phase(MODE_MATCH_THROW_IN);
        return;
    }
    standard_exits(*this, t_exits::escape_replay_bench);
}

t_match_throw_in::t_match_throw_in() : t(std::max(0, team_of(ball.owner_last))) {
    display_score = 1;
    play_whistle();
    flush_keys();
    flush_joy();
    const int side_x = sign(ball.x);
    ball.x = THROW_BALL_X * side_x;
    ball.z = THROW_BALL_Z;
    if (const t_player_ref& thrower = team_at(t).nearest_1) {
        thrower->x = THROWER_X * side_x;
        thrower->fmx = 2 * side_x + 2;
        thrower->fmy = ARMS_DOWN_ROW;
    }
    clear_controllers();
    note_restart(t, t_restart_kind::throw_in);
}

void t_match_throw_in::update() {
    if (handle_function_keys()) return;
    read_taker_controller(t);
    if (match_rules().throw_in(t)) {
        open_phase(MODE_MATCH_MAIN);
        return;
    }
    t_input& in = input_of(t);
    in.angle = static_cast<int32_t>(atan2_deg(in.y1, in.x1));
    const int side_x = sign(ball.x);
    const bool pushed = in.x1 != 0 || in.y1 != 0;
    const t_player_ref& thrower = team_at(t).nearest_1;
    if (pushed && in.fired == 0) {
        in.angle = throw_in_angle(in, side_x);
        if (thrower) thrower->fmx = facing_of(in.angle);
    }
    if (thrower) thrower->fmy = replay_frame % ARMS_CYCLE > ARMS_UP_AFTER ? ARMS_UP_ROW : ARMS_DOWN_ROW;
    const bool thrown = pushed && in.fire11 != 0;
    for (int k = 0; k < SUB_STEPS; ++k) record_sub_step(CAMERA_FOLLOW);
    if (thrown) {
        ball.v = THROW_SPEED;
        ball.vz = THROW_LIFT;
        ball.a = in.angle;
        ball.set_owner(nullptr);
        open_phase(MODE_MATCH_MAIN);
        return;
    }
    standard_exits(*this, t_exits::escape_replay_bench);
}
