#include "match/players/kick_tuning.hpp"
#include "match/phases/phase_common.hpp"

#include <cmath>

#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/settings.hpp"
#include "football/team.hpp"
#include "match/players/control_computer.hpp"
#include "match/players/control_newcomer.hpp"
#include "match/core/function_keys.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_state.hpp"
#include "platform/input.hpp"
#include "platform/maths.hpp"
#include "ui/input.hpp"
#include "ui/menu_input.hpp"
#include "match/enhanced/referee.hpp"

namespace {
constexpr int KEY_R = 'R';
} // namespace

const std::array<t_formation_spot, 22> kick_off_formation{{
    {0, -630},   {-240, -180}, {-120, -320}, {120, -320}, {240, -180}, {-378, 0},
    {-100, -140}, {100, -140}, {212, 0},     {-58, 0},    {10, -10},
    {0, -630},   {-240, -370}, {-120, -480}, {120, -480}, {240, -370}, {-320, -150},
    {-60, -240}, {60, -240},   {320, -150},  {-100, -86}, {100, -86},
}};

void set_kick_off_positions(int team) {
    for (int t = 0; t < 2; ++t) {
        const double side = team_at(t).side;
        const size_t rows = t == team ? 0 : 11;
        for (int slot = 1; slot <= ON_PITCH_SLOTS; ++slot) {
            const t_formation_spot& spot = kick_off_formation[rows + static_cast<size_t>(slot - 1)];
            t_player& p = squad_player(t, slot);
            p.tx = spot.x * -side;
            p.ty = spot.y * -side;
        }
    }
}

void open_phase(int mode) { action_queue->push(ACTION_NEW_SCREEN, mode); }

void read_set_up_controllers() {
    for (int i = 0; i < 2; ++i) {
        input_shift(i);
        if (team_at(i).control != CONTROL_COMPUTER) read_player_controller(i, t_play::stopped);
    }
}

void read_taker_controller(int team) {
    input_shift(team);
    if (team_at(team).control == CONTROL_PLAYER)
        read_player_controller(team, t_play::stopped);
    else
        computer_controller(team);
}

bool fire1_on_any_device() {
    for (const t_input& in : inputs)
        if (device_fire1(in.dev) != 0) return true;
    return false;
}

void clear_controllers() {
    input_reset(0);
    input_reset(1);
}

void forget_charged_kicks() {
    for (int i = 0; i < 2; ++i) {
        t_input& in = input_of(i);
        in.fired = 0;
        in.fire_time = 0;
        in.atouch = AFTER_TOUCH_OFF;
    }
}

void clear_controlled_players() {
    for (const t_team_ref& t : match_teams) t->controlled.reset();
}

void record_sub_step(const t_camera_args& camera_args) {
    replay_frame = next_replay_frame();
    record_in_place(camera_args);
}

void record_in_place(const t_camera_args& c) {
    ball.save(replay_frame);
    match_teams[0]->save(replay_frame);
    match_teams[1]->save(replay_frame);
    if (referee.on_pitch) referee.save(replay_frame);
    const auto f = static_cast<size_t>(replay_frame);
    replay_camera_x[f] = static_cast<int32_t>(camera.updatex(c.x_mode, c.x_speed, c.x_target, c.x_limit));
    replay_camera_y[f] = static_cast<int32_t>(camera.updatey(c.y_mode, c.y_speed, c.y_target));
}

int sub_steps_since(int32_t frame0) { return replay_frames_between(replay_frame, frame0); }

int team_defending(int side_y) {
    for (int t = 0; t < 2; ++t)
        if (team_at(t).side == side_y) return t;
    return -1;
}

int team_not_last_touching() {
    const int last = team_of(ball.owner_last);
    return last == 0 ? 1 : 0;
}

int facing_of(double angle) { return (static_cast<int>(round_half_away(angle / 45)) + 8) % 8; }

bool standard_exits(t_match_mode& phase, t_exits exits) {
    if (escape_ends_match()) {
        phase.quit_match();
        return true;
    }
    if (key_down(KEY_R)) {
        phase.replay();
        return true;
    }
    if (exits != t_exits::escape_replay_bench) return false;
    for (int i = 0; i < 2; ++i)
        if (input_of(i).fire21 != 0) {
            phase.bench(i);
            return true;
        }
    return false;
}
