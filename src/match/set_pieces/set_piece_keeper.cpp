#include "match/set_pieces/set_piece_keeper.hpp"

#include <cmath>

#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "match/core/function_keys.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_rules.hpp"
#include "match/core/play_events.hpp"
#include "match/core/match_state.hpp"
#include "match/phases/phase_common.hpp"
#include "match/players/player_movement.hpp"
#include "match/players/player_targets.hpp"
#include "match/set_pieces/restart_tuning.hpp"
#include "match/set_pieces/set_piece_aim.hpp"
#include "platform/maths.hpp"
#include "ui/input.hpp"

namespace {
t_player& keeper_of(int team) { return squad_player(team, GOALKEEPER_SLOT); }

void hold_ball_ahead(const t_player& k, double direction) {
    ball.x = k.x + KEEPER_HOLDS_AHEAD * cos_deg(direction);
    ball.y = k.y + KEEPER_HOLDS_AHEAD * sin_deg(direction);
}
} // namespace

int keeper_team() { return ball.side.y == match_teams[0]->side ? 0 : 1; }

bool in_penalty_area(double x, double y, int side_y) {
    const auto depth = static_cast<int>(side_y * y);
    return std::fabs(x) <= PENALTY_AREA_X && depth >= PENALTY_AREA_FRONT && depth <= GOAL_LINE_Y;
}

t_match_keeper_stop::t_match_keeper_stop() : t(keeper_team()) {
    ++match_stats[static_cast<size_t>(1 - t)].shot;
    match_status.event = t_match_status::GOALIE;
    ball.set_owner(squad_of(t)[GOALKEEPER_SLOT]);
    note_control(t);
    for (int i = 0; i < 2; ++i) {
        team_at(i).controlled.reset();
        input_of(i).fired = 0;
        input_of(i).fire_time = 0;
    }
    ball.zone_x = ball.zone_y = 0;
    ball.zone_x_next = ball.zone_y_next = 0;
    ball.mx = ball.my = 0;
    set_tactics_targets(0);
    clear_controllers();
}

void t_match_keeper_stop::update() {
    if (handle_function_keys()) return;
    const t_team& opponents = team_at(1 - t);
    for (int k = 0; k < SUB_STEPS; ++k) {
        move_players(1, 1);
        const t_player& keeper = keeper_of(t);
        hold_ball_ahead(keeper, keeper.a);
        team_at(1 - t).find_nearest();
        record_sub_step(CAMERA_STILL);
    }
    const t_player* nearest = opponents.nearest_1.get();
    const bool area_clear = nearest == nullptr || !in_penalty_area(nearest->x, nearest->y, ball.side.y);
    if (area_clear && keeper_of(t).status == STATUS_ON_PITCH) {
        open_phase(MODE_MATCH_KEEPER_WAIT);
        return;
    }
    standard_exits(*this, t_exits::escape_replay);
}

t_match_keeper_wait::t_match_keeper_wait() : t(keeper_team()) {
    t_player& keeper = keeper_of(t);
    keeper.fmx = 2 * ball.side.y + 4;
    hold_ball_ahead(keeper, 45 * keeper.fmx);
    clear_controllers();
}

void t_match_keeper_wait::update() {
    if (handle_function_keys()) return;
    for (int k = 0; k < SUB_STEPS; ++k) {
        move_players(1, 1);
        record_sub_step(CAMERA_FOLLOW);
    }
    if (sub_steps_since(frame0) > KEEPER_WAIT_SUB_STEPS) {
        open_phase(MODE_MATCH_KEEPER_KICK);
        return;
    }
    standard_exits(*this, t_exits::escape_replay);
}

t_match_keeper_kick::t_match_keeper_kick() : t(keeper_team()) { frame0 = replay_frame; }

void t_match_keeper_kick::update() {
    if (handle_function_keys()) return;
    read_taker_controller(t);
    if (match_rules().release_keeper_ball(t)) {
        open_phase(MODE_MATCH_MAIN);
        return;
    }
    t_input& in = input_of(t);
    in.angle = static_cast<int32_t>(atan2_deg(in.y1, in.x1));
    const bool pushed = in.x1 != 0 || in.y1 != 0;
    t_player& keeper = keeper_of(t);
    bool kicked = false;
    if (pushed && in.fired == 0) {
        in.angle = keeper_kick_angle(in, ball.side.y);
        keeper.fmx = facing_of(in.angle);
        hold_ball_ahead(keeper, 45 * keeper.fmx);
        kicked = in.fire11 != 0;
    }
    for (int k = 0; k < SUB_STEPS; ++k) {
        move_players(1, 1);
        record_sub_step(CAMERA_FOLLOW);
    }
    if (kicked) {
        ball.v = KEEPER_KICK_SPEED;
        ball.vz = KEEPER_KICK_LIFT;
        ball.a = in.angle;
        open_phase(MODE_MATCH_MAIN);
        return;
    }
    team_at(t).controlled = squad_of(t)[GOALKEEPER_SLOT];
    if (sub_steps_since(frame0) > KEEPER_KICK_TIME_OUT) {
        open_phase(MODE_MATCH_MAIN);
        return;
    }
    if (standard_exits(*this, t_exits::escape_replay)) return;
    match_status.event = t_match_status::IN_GAME;
}
