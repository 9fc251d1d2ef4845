#include "match/core/match_main.hpp"

#include <algorithm>
#include <cmath>

#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/menu_status.hpp"
#include "core/screen_modes.hpp"
#include "core/settings.hpp"
#include "football/competition.hpp"
#include "football/cup.hpp"
#include "football/league.hpp"
#include "match/players/control_computer.hpp"
#include "match/players/control_newcomer.hpp"
#include "app/match_benchmark.hpp"
#include "match/players/control_kick.hpp"
#include "match/core/function_keys.hpp"
#include "match/core/match_helpers.hpp"
#include "match/sound/match_sound.hpp"
#include "match/core/match_start.hpp"
#include "match/core/match_state.hpp"
#include "match/phases/phase_common.hpp"
#include "match/players/player_movement.hpp"
#include "match/players/player_possession.hpp"
#include "match/players/player_targets.hpp"
#include "platform/input.hpp"
#include "platform/maths.hpp"
#include "platform/timer.hpp"
#include "ui/input.hpp"
#include "ui/menu.hpp"
#include "match/core/match_rules.hpp"

namespace {
constexpr int KEY_D = 'D';
constexpr int KEY_R = 'R';
constexpr double DRIBBLE_PUSH = 10;
constexpr double DRIBBLE_PUSH_REACH = 7;
constexpr double DRIBBLE_STEER_REACH = 8;

void open(int mode) {
    if (match_start.endless)
        place_for_open_play();
    else
        action_queue->push(ACTION_NEW_SCREEN, mode);
}


void read_controllers() {
    for (int i = 0; i < 2; ++i) {
        input_shift(i);
        if (team_at(i).control == CONTROL_PLAYER)
            read_player_controller(i, t_play::on);
        else
            computer_controller(i);
        t_input& in = input_of(i);
        in.angle = static_cast<int32_t>(atan2_deg(in.y1, in.x1));
    }
}

// The controlled player carries the ball along while the stick is pushed.
void dribble_carry() {
    for (int i = 0; i < 2; ++i) {
        const t_input& in = input_of(i);
        const t_player_ref& c = team_at(i).controlled;
        if (team_of(ball.owner) != i || (in.x1 == 0 && in.y1 == 0) || !c) continue;
        ball.v = c->v;
        const double d = distance(c->x, c->y, ball.x, ball.y);
        if (d <= DRIBBLE_PUSH_REACH) ball.v += DRIBBLE_PUSH;
        if (d <= DRIBBLE_STEER_REACH) ball.a = in.angle;
    }
}

bool in_competition() { return menu.status == STATUS_COMPETITION && competition != nullptr; }

// The competition takes the result at the end of normal time; a cup may ask for extra time.
int end_of_normal_time_mode() {
    if (!in_competition()) return MODE_MATCH_FULL_TIME_STOP;
    const int g0 = match_stats[0].goal;
    const int g1 = match_stats[1].goal;
    if (auto* cup = dynamic_cast<t_cup*>(competition.get())) {
        cup->set_result(g0, g1, 0);
        return cup->play_extra_time() != 0 ? MODE_MATCH_EXTRA_TIME_STOP : MODE_MATCH_FULL_TIME_STOP;
    }
    if (auto* league = dynamic_cast<t_league*>(competition.get())) league->set_result(g0, g1);
    return MODE_MATCH_FULL_TIME_STOP;
}

int end_of_extra_time_mode() {
    if (in_competition())
        if (auto* cup = dynamic_cast<t_cup*>(competition.get())) cup->set_result(match_stats[0].goal, match_stats[1].goal, 1);
    return MODE_MATCH_FULL_EXTRA_TIME_STOP;
}
} // namespace

bool in_goal_mouth(double x, double z) {
    const auto tx = static_cast<int>(x);
    return tx >= -GOAL_MOUTH_X && tx <= GOAL_MOUTH_X && z <= GOAL_MOUTH_Z;
}

bool over_goal_line(double y, int side_y) { return side_y != 0 && y * side_y >= GOAL_CROSSED_Y; }

int32_t period_limit(int32_t period, int32_t length) {
    const int64_t l = length;
    switch (period) {
    case t_match_status::FIRST_HALF: return static_cast<int32_t>(l * 45 / 90);
    case t_match_status::SECOND_HALF: return length;
    case t_match_status::FIRST_EXTRA_TIME: return static_cast<int32_t>(l * 105 / 90);
    case t_match_status::SECOND_EXTRA_TIME: return static_cast<int32_t>(l * 120 / 90);
    default: return INT32_MAX;
    }
}

t_match_main::t_match_main() {
    display_ball_owner = 1;
    match_status.event = t_match_status::IN_GAME;
}

void t_match_main::update() {
    // A pause freezes the clock as well.
    if (match_paused() && handle_function_keys()) return;
    note_update_started();
    update_chant(millisecs());
    match_status.timer += UPDATE_MS;
    if (key_down(KEY_LEFT_ALT) && key_down(KEY_D)) {
        match_debug = !match_debug;
        delay(100);
        flush_keys();
    }
    if (handle_function_keys()) return;
    read_controllers();
    match_rules().choose_actions();
    dribble_carry();
    update_kick(0);
    update_kick(1);
    for (int k = 0; k < SUB_STEPS; ++k)
        if (!sub_step()) return;
    for (size_t t = 0; t < 2; ++t)
        for (size_t slot = 1; slot <= ON_PITCH_SLOTS && slot < match_players[t].size(); ++slot)
            match_players[t][slot]->update_frame_distance();
    const int owner_team = team_of(ball.owner);
    if (owner_team >= 0) ++match_stats[static_cast<size_t>(owner_team)].poss;
    note_update_finished();
    if (escape_ends_match())
        quit_match();
    else if (key_down(KEY_R))
        replay();
}

bool t_match_main::sub_step() {
    ball.update();
    ball.zmax = std::max(ball.zmax, ball.z);
    if (keeper_holds_ball()) return false;
    const int attacking = match_teams[0]->side == -ball.side.y ? 0 : 1;
    ball.collision_flagposts();
    ++sub_steps_;
    if (ball.collision_goal() != 0 && ball.side.y != 0) {
        if (sub_steps_ - last_frame_hit_ > FRAME_HIT_SHOT_GAP) ++match_stats[static_cast<size_t>(attacking)].shot;
        last_frame_hit_ = sub_steps_;
    }
    if (goal_line_crossed()) return false;
    near_miss();
    if (std::fabs(ball.x) > THROW_IN_X) {
        open(MODE_MATCH_THROW_IN_STOP);
        return false;
    }
    if (period_over()) {
        open_period_end();
        return false;
    }
    move_players(1, 1);
    match_teams[0]->find_nearest();
    match_teams[1]->find_nearest();
    switch_players();
    update_possession(0);
    update_possession(1);
    ball.update_zone();
    set_tactics_targets(0);
    set_chase_targets();
    match_rules().choose_targets();
    if (const int restart = match_rules().referee_step(); restart != 0) {
        open(restart);
        return false;
    }
    if (replay_frame % PREDICTION_EVERY == 0) ball.update_prediction();
    record_sub_step(CAMERA_SLOW);
    return true;
}

bool t_match_main::keeper_holds_ball() {
    if (ball.side.y == 0) return false;
    const int defending = match_teams[0]->side == ball.side.y ? 0 : 1;
    const auto& squad = squad_of(defending);
    if (squad.size() <= GOALKEEPER_SLOT || squad[GOALKEEPER_SLOT]->keeper_collision() == 0) return false;
    open(MODE_MATCH_KEEPER_STOP);
    return true;
}

bool t_match_main::goal_line_crossed() {
    if (!over_goal_line(ball.y, ball.side.y)) return false;
    const int attacking = match_teams[0]->side == -ball.side.y ? 0 : 1;
    const int defending = 1 - attacking;
    if (in_goal_mouth(ball.x, ball.z)) {
        match_status.event = t_match_status::GOAL;
        t_stats& s = match_stats[static_cast<size_t>(attacking)];
        ++s.goal;
        ++s.shot;
        record_goal(attacking);
        play_goal_sounds(team_of(ball.owner_last) == attacking);
        open(MODE_MATCH_GOAL);
    } else if (team_of(ball.owner_last) == defending) {
        match_status.event = t_match_status::CORNER;
        open(MODE_MATCH_CORNER_STOP);
    } else {
        match_status.event = t_match_status::GOAL_KICK;
        open(MODE_MATCH_GOAL_KICK_STOP);
    }
    return true;
}

void t_match_main::near_miss() {
    const int s = ball.side.y;
    const auto tx = static_cast<int>(ball.x);
    const bool close = s != 0 && std::fabs(ball.y * s - GOAL_LINE_Y) < NEAR_MISS_DEPTH && tx >= -NEAR_MISS_X &&
                       tx <= NEAR_MISS_X && ball.z < NEAR_MISS_Z;
    update_near_miss(close, missed_goal);
}

bool t_match_main::period_over() const {
    if (match_status.timer <= period_limit(match_status.period, match_status.length)) return false;
    const bool danger = std::abs(ball.zone_x) <= DANGER_ZONE_X && std::abs(ball.zone_y) == DANGER_ZONE_Y;
    const bool not_towards_halfway = std::fabs(ball.y) >= std::fabs(ball.y0);
    return !danger && !not_towards_halfway;
}

void t_match_main::open_period_end() {
    switch (match_status.period) {
    case t_match_status::FIRST_HALF: open(MODE_MATCH_HALF_TIME_STOP); break;
    case t_match_status::SECOND_HALF: open(end_of_normal_time_mode()); break;
    case t_match_status::FIRST_EXTRA_TIME: open(MODE_MATCH_HALF_EXTRA_TIME_STOP); break;
    default: open(end_of_extra_time_mode()); break;
    }
}

void t_match_main::switch_players() {
    for (int i = 0; i < 2; ++i) {
        t_team& t = team_at(i);
        const t_input& in = input_of(i);
        if (team_of(ball.owner) != i && in.fire11 != 0 && in.fired == 0) t.controlled = t.nearest_1;
        match_rules().auto_switch(i);
        if (!t.controlled || !is_off_screen(std::trunc(t.controlled->x), std::trunc(t.controlled->y))) continue;
        const auto& squad = squad_of(i);
        const bool own_keeper = squad.size() > GOALKEEPER_SLOT && t.nearest_1 == squad[GOALKEEPER_SLOT];
        if (own_keeper && team_of(ball.owner_last) == 1 - i) continue;
        t.controlled = t.nearest_1;
    }
}
