#include "match/set_pieces/set_piece_corner.hpp"

#include <cmath>

#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "core/settings.hpp"
#include "match/players/control_kick.hpp"
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

t_match_corner_stop::t_match_corner_stop() : side_x(ball.side.x), side_y(ball.side.y) {
    const int attacking = match_teams[0]->side != ball.side.y ? 0 : 1;
    ++match_stats[static_cast<size_t>(attacking)].corn;
    play_whistle();
    clear_controlled_players();
}

void t_match_corner_stop::update() {
    read_set_up_controllers();
    if (handle_function_keys()) return;
    for (int k = 0; k < SUB_STEPS; ++k) {
        ball.update();
        ball.in_field_keep();
        ball.collision_goal();
        ball.collision_jumpers();
        ball.collision_net_out();
        set_tactics_targets(0);
        move_players(1, 1);
        record_sub_step(CAMERA_ROLL_OUT);
    }
    if (ball.v < RESTART_BALL_STILL && ball.vz < RESTART_BALL_STILL) {
        ball.set_position(CORNER_SPOT_X * side_x, CORNER_SPOT_Y * side_y, 0);
        ball.update_zone();
        set_tactics_targets(0);
        open_phase(MODE_MATCH_CORNER_POSITIONS);
        return;
    }
    standard_exits(*this, t_exits::escape_replay_bench);
}

t_match_corner_positions::t_match_corner_positions() {
    display_score = 1;
    const int side_x = sign(ball.x);
    const int side_y = sign(ball.y);
    camera.offx = -RESTART_CAMERA_OFFSET * side_x;
    camera.offy = -RESTART_CAMERA_OFFSET * side_y;
    if (settings.sound_enabled != 0) play_corner_commentary();
    match_teams[0]->find_nearest();
    match_teams[1]->find_nearest();
    const t_player_ref taker = team_at(team_not_last_touching()).nearest_1;
    ball.set_owner(taker);
    if (taker) {
        taker->tx = ball.x + CORNER_TAKER_OUTSIDE * side_x;
        taker->ty = ball.y + CORNER_TAKER_OUTSIDE * side_y;
    }
    match_rules().arrange_corner(team_of(taker));
}

void t_match_corner_positions::update() {
    read_set_up_controllers();
    if (handle_function_keys()) return;
    bool walking = false;
    for (int k = 0; k < SUB_STEPS; ++k) {
        walking = move_players(0, 1);
        record_sub_step(CAMERA_FOLLOW);
    }
    if (!walking) {
        open_phase(MODE_MATCH_CORNER_KICK);
        return;
    }
    standard_exits(*this, t_exits::escape_replay_bench);
}

t_match_corner_kick::t_match_corner_kick() : side_x_(sign(ball.x)), side_y_(sign(ball.y)) {
    display_score = 1;
    taker_steps_up(t_restart_kind::corner);
    if (ball.owner) {
        const int into_pitch = static_cast<int>(atan2_deg(side_y_, side_x_) / 45);
        ball.owner->fmx = (into_pitch + 4 + 8) % 8;
    }
}

void t_match_corner_kick::update() {
    if (handle_function_keys()) return;
    const int side_x = side_x_;
    const int side_y = side_y_;
    for (int i = 0; i < 2; ++i) read_taker_controller(i);
    const int team = team_of(ball.owner_last);
    if (ball.owner && match_rules().strike_corner(team)) {
        open_phase(MODE_MATCH_MAIN);
        return;
    }
    if (team >= 0) {
        t_input& in = input_of(team);
        in.angle = static_cast<int32_t>(atan2_deg(in.y1, in.x1));
        if ((in.x1 != 0 || in.y1 != 0) && in.fired == 0) {
            in.angle = corner_angle(in, side_x, side_y);
            if (ball.owner_last) ball.owner_last->fmx = facing_of(in.angle);
        }
        update_kick(team);
    }
    ball.set_owner(ball.owner_last);
    for (int k = 0; k < SUB_STEPS; ++k) {
        ball.update();
        record_sub_step(CAMERA_FOLLOW);
    }
    if (distance(ball.x, ball.y, TOUCHLINE_X * side_x, GOAL_LINE_Y * side_y) > CORNER_END_DISTANCE) {
        ball.set_owner(nullptr);
        open_phase(MODE_MATCH_MAIN);
        return;
    }
    standard_exits(*this, t_exits::escape_replay_bench);
}
