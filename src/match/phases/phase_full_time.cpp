#include "match/phases/phase_full_time.hpp"

#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "match/core/function_keys.hpp"
#include "match/replay/highlights.hpp"
#include "match/sound/match_sound.hpp"
#include "match/core/match_state.hpp"
#include "match/phases/phase_common.hpp"
#include "match/phases/phase_half_time.hpp"
#include "match/phases/phase_shootout.hpp"
#include "match/players/player_movement.hpp"
#include "match/replay/replay_save_key.hpp"
#include "platform/input.hpp"
#include "platform/random.hpp"

namespace {
constexpr int KEY_H = 'H';

int32_t clock_at_minute(int minute) {
    return static_cast<int32_t>(static_cast<int64_t>(match_status.length) * minute / 90);
}

// A tie the rules send to penalties is settled on the pitch before the players walk off.
void end_or_shootout() {
    if (shootout_due())
        start_shootout();
    else
        open_phase(MODE_MATCH_END_POSITIONS);
}

void back_to_the_centre() {
    ball.set_position(0, 0, 0);
    camera.offx = 0;
    camera.offy = 0;
}
} // namespace

t_match_period_stop::t_match_period_stop(bool reads_controllers, bool keep_in_bounds)
    : reads_controllers_(reads_controllers), keep_in_bounds_(keep_in_bounds) {
    play_long_whistle();
    ball.set_owner(nullptr);
    clear_controlled_players();
}

void t_match_period_stop::update() {
    if (reads_controllers_) read_set_up_controllers();
    if (handle_function_keys()) return;
    for (int k = 0; k < SUB_STEPS; ++k) {
        ball.update();
        ball.in_field_keep();
        move_players(keep_in_bounds_ ? 1 : 0, 1);
        record_sub_step(CAMERA_SLOW);
    }
    if (sub_steps_since(frame0) >= PERIOD_STOP_SUB_STEPS) {
        leave();
        return;
    }
    standard_exits(*this, t_exits::escape_replay);
}

t_match_full_time_stop::t_match_full_time_stop() : t_match_period_stop(false, false) {
    match_status.timer = match_status.length;
    match_status.event = t_match_status::FULL_TIME;
}

void t_match_full_time_stop::leave() { end_or_shootout(); }

t_match_extra_time_stop::t_match_extra_time_stop() : t_match_period_stop(true, true) {}

void t_match_extra_time_stop::leave() {
    back_to_the_centre();
    match_status.coin_toss = rand(0, 1);
    match_status.kick_off_team = match_status.coin_toss;
    match_teams[0]->side = 3 - 2 * rand(1, 2);
    match_teams[1]->side = -match_teams[0]->side;
    match_status.period = t_match_status::FIRST_EXTRA_TIME;
    match_status.timer = match_status.length;
    open_phase(MODE_MATCH_STARTING_POSITIONS);
}

t_match_half_extra_time_stop::t_match_half_extra_time_stop() : t_match_period_stop(true, true) {}

void t_match_half_extra_time_stop::leave() {
    back_to_the_centre();
    for (const t_team_ref& t : match_teams) t->side = -t->side;
    match_status.kick_off_team = 1 - match_status.coin_toss;
    match_status.period = t_match_status::SECOND_EXTRA_TIME;
    match_status.timer = clock_at_minute(105);
    open_phase(MODE_MATCH_STARTING_POSITIONS);
}

t_match_full_extra_time_stop::t_match_full_extra_time_stop() : t_match_period_stop(false, false) {
    match_status.timer = clock_at_minute(120);
    match_status.event = t_match_status::FULL_EXTRA_TIME;
}

void t_match_full_extra_time_stop::leave() { end_or_shootout(); }

t_match_end_positions::t_match_end_positions() {
    display_statistics = 1;
    match_status.period = t_match_status::UNDEFINED;
    back_to_the_centre();
    clear_controlled_players();
    walk_off_to_halfway_line();
}

void t_match_end_positions::update() {
    bool walking = false;
    for (int k = 0; k < SUB_STEPS; ++k) {
        walking = move_players(0, 1);
        record_sub_step(CAMERA_FOLLOW);
    }
    if (!walking) {
        open_phase(MODE_MATCH_END);
        return;
    }
    standard_exits(*this, t_exits::escape_replay);
}

t_match_end::t_match_end() {
    display_statistics = 1;
    match_status.period = t_match_status::UNDEFINED;
}

void t_match_end::update() {
    // Its highlights or the menus are on their way: fire 1 or the time-out now
    // would leave the match under the highlight screen's feet.
    if (!action_queue->empty()) return;
    for (int k = 0; k < SUB_STEPS; ++k) {
        ++timer;
        record_sub_step(CAMERA_SLOW);
    }
    save_highlights_on_key();
    if (key_down(KEY_H) && highlights_count > 0) {
        highlight_position = 0;
        action_queue->push(ACTION_FADE_OUT, 0);
        action_queue->push(ACTION_NEW_SCREEN, MODE_MATCH_SHOW_HIGHLIGHT);
        action_queue->push(ACTION_FADE_IN, 0);
        return;
    }
    if (fire1_on_any_device() || key_down(KEY_ESCAPE) || timer > MATCH_END_SUB_STEPS) quit_match();
}

void t_match_end::render() {
    t_match_mode::render();
    draw_save_highlights_hint();
}
