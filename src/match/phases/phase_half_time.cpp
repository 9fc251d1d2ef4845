#include "match/phases/phase_half_time.hpp"

#include "core/screen_modes.hpp"
#include "match/core/function_keys.hpp"
#include "match/sound/match_sound.hpp"
#include "match/core/match_state.hpp"
#include "match/phases/phase_common.hpp"
#include "match/players/player_movement.hpp"
#include "platform/input.hpp"

namespace {
constexpr double OFF_PITCH_STEP = 20;
} // namespace

void walk_off_to_halfway_line() {
    for_each_on_pitch([](int, int slot, t_player& p) {
        p.tx = TOUCHLINE_X + OFF_PITCH_STEP * slot;
        p.ty = 0;
    });
}

t_match_half_time_stop::t_match_half_time_stop() {
    play_long_whistle();
    ball.set_owner(nullptr);
    clear_controlled_players();
}

void t_match_half_time_stop::update() {
    read_set_up_controllers();
    if (handle_function_keys()) return;
    for (int k = 0; k < SUB_STEPS; ++k) {
        ball.update();
        ball.in_field_keep();
        move_players(1, 1);
        record_sub_step(CAMERA_SLOW);
    }
    if (sub_steps_since(frame0) >= PERIOD_STOP_SUB_STEPS) {
        open_phase(MODE_MATCH_HALF_TIME_POSITIONS);
        return;
    }
    standard_exits(*this, t_exits::escape_replay_bench);
}

t_match_half_time_positions::t_match_half_time_positions() {
    display_statistics = 1;
    ball.set_position(0, 0, 0);
    camera.offx = 0;
    camera.offy = 0;
    match_status.period = t_match_status::UNDEFINED;
    match_status.timer = static_cast<int32_t>(static_cast<int64_t>(match_status.length) * 45 / 90);
    match_status.event = t_match_status::HALF_TIME;
    clear_controlled_players();
    walk_off_to_halfway_line();
}

void t_match_half_time_positions::update() {
    read_set_up_controllers();
    if (handle_function_keys()) return;
    bool walking = false;
    for (int k = 0; k < SUB_STEPS; ++k) {
        walking = move_players(0, 0);
        record_sub_step(CAMERA_FOLLOW);
    }
    if (!walking) {
        open_phase(MODE_MATCH_HALF_TIME_WAIT);
        return;
    }
    standard_exits(*this, t_exits::escape_replay_bench);
}

t_match_half_time_wait::t_match_half_time_wait() {
    display_statistics = 1;
    for (const t_team_ref& t : match_teams) t->side = -t->side;
    match_status.kick_off_team = 1 - match_status.coin_toss;
}

void t_match_half_time_wait::update() {
    for (int k = 0; k < SUB_STEPS; ++k) record_sub_step(CAMERA_SLOW);
    // Escape here does not leave the match: it ends the break.
    if (fire1_on_any_device() || key_down(KEY_ESCAPE) || sub_steps_since(frame0) > HALF_TIME_WAIT_SUB_STEPS) {
        match_status.period = t_match_status::SECOND_HALF;
        open_phase(MODE_MATCH_STARTING_POSITIONS);
    }
}
