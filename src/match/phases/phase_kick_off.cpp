#include "match/phases/phase_kick_off.hpp"

#include <cmath>

#include "core/screen_modes.hpp"
#include "core/settings.hpp"
#include "match/players/control_kick.hpp"
#include "match/core/function_keys.hpp"
#include "match/keeper/keeper_states.hpp"
#include "match/core/match_helpers.hpp"
#include "match/sound/match_sound.hpp"
#include "match/core/match_state.hpp"
#include "match/phases/phase_common.hpp"
#include "match/core/match_rules.hpp"
#include "match/players/player_movement.hpp"
#include "platform/maths.hpp"
#include "ui/input.hpp"

namespace {
constexpr double KICKER_BEHIND = 6;
constexpr double AIM_BEHIND_X = 7;
constexpr double AIM_BEHIND_Y = 5;

} // namespace

t_match_starting_positions::t_match_starting_positions() {
    match_status.event = t_match_status::INTRO;
    set_kick_off_positions(match_status.kick_off_team);
    for (int t = 0; t < 2; ++t)
        for (int slot = 1; slot <= last_slot(t); ++slot) {
            t_player& p = squad_player(t, slot);
            p.speed = p.speed_running = match_rules().running_speed(p);
            if (slot <= ON_PITCH_SLOTS) take_up_role_of_slot(p, slot);
        }
}

void t_match_starting_positions::update() {
    read_set_up_controllers();
    if (handle_function_keys()) return;
    for (int k = 0; k < SUB_STEPS; ++k) {
        move = move_players(0, 1) ? 1 : 0;
        record_sub_step(CAMERA_FOLLOW);
    }
    if (move == 0) {
        open_phase(MODE_MATCH_KICK_OFF);
        return;
    }
    standard_exits(*this, t_exits::escape_replay_bench);
}

t_match_kick_off::t_match_kick_off() : t(match_status.kick_off_team) {
    display_score = 1;
    play_whistle();
    match_status.event = t_match_status::KICK_OFF;
    pick_kicker();
    clear_controllers();
}

void t_match_kick_off::pick_kicker() {
    t_team& kicking = team_at(t);
    kicking.find_nearest();
    kicker_ = kicking.nearest_1;
    ball.set_owner(kicker_);
    if (t_player* kicker = kicker_.get()) {
        kicker->tx = ball.x - KICKER_BEHIND * kicking.side;
        kicker->ty = ball.y;
        kicker->fmx = 2 * kicking.side * (2 * t - 1) + 4;
    }
}

// A human kicker turns round the ball to the direction he pushes, never towards his own goal line.
void t_match_kick_off::aim() {
    t_team& kicking = team_at(t);
    t_input& in = input_of(t);
    if (kicking.control == CONTROL_PLAYER) in.angle = static_cast<int32_t>(atan2_deg(in.y1, in.x1));
    t_player* kicker = kicker_.get();
    if (kicker == nullptr || (in.x1 == 0 && in.y1 == 0) || in.fired != 0) return;
    int y1 = in.y1;
    if (y1 == kicking.side) y1 = 0;
    if (in.x1 != 0 || y1 != 0)
        in.angle = static_cast<int32_t>(atan2_deg(y1, in.x1));
    else
        in.angle = static_cast<int32_t>(std::fmod(atan2_deg(kicking.side, 0) + 180, 360));
    kicker->tx = ball.x - AIM_BEHIND_X * cos_deg(in.angle);
    kicker->ty = ball.y - AIM_BEHIND_Y * sin_deg(in.angle);
    kicker->fmx = facing_of(in.angle);
}

void t_match_kick_off::update() {
    read_set_up_controllers();
    if (handle_function_keys()) return;
    // Counted in frames, not read off the clock: a match is the same whatever the machine's speed.
    waited_ms += UPDATE_MS;
    // The kicker may have been taken off from the bench while this phase was held.
    if (kicker_ && kicker_->status == STATUS_SUBSTITUTED) pick_kicker();
    aim();
    t_team& kicking = team_at(t);
    if (kicking.control != CONTROL_PLAYER && waited_ms > AUTOMATIC_KICK_OFF_MS && kicker_) {
        ball.a = 45 * kicker_->fmx;
        ball.v = KICK_OFF_SPEED;
    }
    update_kick(t);
    for (int k = 0; k < SUB_STEPS; ++k) {
        ball.update();
        move_players(1, 0);
        match_teams[0]->find_nearest();
        match_teams[1]->find_nearest();
        record_sub_step(CAMERA_FOLLOW);
    }
    if (distance(ball.x, ball.y, 0, 0) > KICK_OFF_RADIUS) {
        open_phase(MODE_MATCH_MAIN);
        return;
    }
    standard_exits(*this, t_exits::escape_replay_bench);
}
