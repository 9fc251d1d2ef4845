#include "match/set_pieces/set_piece_goal_kick.hpp"

#include <cmath>

#include "core/screen_modes.hpp"
#include "core/settings.hpp"
#include "match/players/control_kick.hpp"
#include "match/core/function_keys.hpp"
#include "match/core/match_helpers.hpp"
#include "match/sound/match_sound.hpp"
#include "match/core/match_state.hpp"
#include "match/phases/phase_common.hpp"
#include "match/players/player_movement.hpp"
#include "match/set_pieces/restart_tuning.hpp"
#include "match/set_pieces/set_piece_aim.hpp"
#include "match/core/state_machine.hpp"
#include "platform/input.hpp"
#include "platform/maths.hpp"
#include "ui/input.hpp"

t_match_goal_kick_stop::t_match_goal_kick_stop() : side_x(ball.side.x), side_y(ball.side.y) {
    play_whistle();
    clear_controlled_players();
    set_kick_off_positions(match_status.coin_toss);
}

void t_match_goal_kick_stop::update() {
    read_set_up_controllers();
    if (handle_function_keys()) return;
    for (int k = 0; k < SUB_STEPS; ++k) {
        ball.update();
        ball.in_field_keep();
        ball.collision_goal();
        ball.collision_jumpers();
        ball.collision_net_out();
        move_players(1, 0);
        record_sub_step(CAMERA_ROLL_OUT);
    }
    if (ball.v < RESTART_BALL_STILL && ball.vz < RESTART_BALL_STILL) {
        // A ball that went out right behind the middle of the goal is taken from the right.
        const int x = side_x != 0 ? side_x : 1;
        ball.set_position(GOAL_KICK_SPOT_X * x, GOAL_KICK_SPOT_Y * side_y, 0);
        open_phase(MODE_MATCH_GOAL_KICK_POSITIONS);
        return;
    }
    standard_exits(*this, t_exits::escape_replay_bench);
}

t_match_goal_kick_positions::t_match_goal_kick_positions() {
    display_score = 1;
    camera.offx = -RESTART_CAMERA_OFFSET * sign(ball.x);
    camera.offy = -RESTART_CAMERA_OFFSET * sign(ball.y);
    match_status.kick_off_team = team_not_last_touching();
    keeper = squad_of(match_status.kick_off_team)[GOALKEEPER_SLOT];
    ball.set_owner(keeper);
    keeper->tx = ball.x;
    keeper->ty = ball.y + GOAL_KICK_BEHIND * sign(ball.y);
}

void t_match_goal_kick_positions::update() {
    read_set_up_controllers();
    if (handle_function_keys()) return;
    for (int k = 0; k < SUB_STEPS; ++k) {
        move_players(1, 0);
        record_sub_step(CAMERA_FOLLOW);
    }
    if (round_half_away(std::fabs(keeper->tx - keeper->x)) == 0 && round_half_away(std::fabs(keeper->ty - keeper->y)) == 0) {
        open_phase(MODE_MATCH_GOAL_KICK);
        return;
    }
    standard_exits(*this, t_exits::escape_replay_bench);
}

t_match_goal_kick::t_match_goal_kick() : side_x_(sign(ball.x)), side_y_(sign(ball.y)) {
    display_score = 1;
    play_whistle();
    flush_keys();
    flush_joy();
    clear_controllers();
    keeper = squad_of(match_status.kick_off_team)[GOALKEEPER_SLOT];
    ball.set_owner(keeper);
    keeper->fmx = 2 * side_y_ + 4;
}

void t_match_goal_kick::update() {
    if (handle_function_keys()) return;
    for (int i = 0; i < 2; ++i) read_taker_controller(i);
    const int team = match_status.kick_off_team;
    t_input& in = input_of(team);
    in.angle = static_cast<int32_t>(atan2_deg(in.y1, in.x1));
    if ((in.x1 != 0 || in.y1 != 0) && in.fired == 0) {
        in.angle = goal_kick_angle(in, side_y_);
        keeper->tx = ball.x - GOAL_KICK_BEHIND * cos_deg(in.angle);
        keeper->ty = ball.y - GOAL_KICK_BEHIND * sin_deg(in.angle);
        keeper->fmx = facing_of(in.angle);
    }
    update_kick(team);
    for (int k = 0; k < SUB_STEPS; ++k) {
        ball.update();
        move_players(1, 0);
        match_teams[0]->find_nearest();
        match_teams[1]->find_nearest();
        record_sub_step(CAMERA_FOLLOW);
    }
    if (distance(ball.x, ball.y, GOAL_KICK_SPOT_X * side_x_, GOAL_KICK_SPOT_Y * side_y_) > GOAL_KICK_END_DISTANCE) {
        if (keeper->brain) keeper->brain->set_state("state_positioning");
        open_phase(MODE_MATCH_MAIN);
        return;
    }
    standard_exits(*this, t_exits::escape_replay_bench);
}
