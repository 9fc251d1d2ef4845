#include "match/set_pieces/set_piece_free_kick.hpp"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "match/core/function_keys.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_rules.hpp"
#include "match/core/match_state.hpp"
#include "match/core/play_events.hpp"
#include "match/enhanced/enhanced_fouls.hpp"
#include "match/enhanced/enhanced_tuning.hpp"
#include "match/enhanced/referee.hpp"
#include "match/phases/phase_common.hpp"
#include "match/players/control_computer.hpp"
#include "match/players/control_kick.hpp"
#include "match/set_pieces/set_piece_aim.hpp"
#include "match/players/player_movement.hpp"
#include "match/players/player_refs.hpp"
#include "match/players/player_targets.hpp"
#include "match/sound/commentary_extra.hpp"
#include "match/sound/match_sound.hpp"
#include "platform/input.hpp"
#include "platform/maths.hpp"
#include "ui/input.hpp"

namespace {
// Sub-steps the players get to take their places before the kick is taken anyway.
constexpr int POSITIONS_MOST_SUB_STEPS = 2400;

double goal_y_of(int defending) { return team_at(defending).side * GOAL_LINE_Y; }

// Keeps everyone of `team` but the wall out of the circle round the ball.
void clear_circle(int team, const std::vector<t_player*>& wall) {
    for (int slot = 2; slot <= ON_PITCH_SLOTS && static_cast<size_t>(slot) < squad_of(team).size(); ++slot) {
        t_player& p = squad_player(team, slot);
        if (std::find(wall.begin(), wall.end(), &p) != wall.end()) continue;
        const double d = distance(p.tx, p.ty, ball.x, ball.y);
        if (d >= WALL_DISTANCE) continue;
        const double a = d > 0 ? atan2_deg(p.ty - ball.y, p.tx - ball.x) : 90.0 * team_at(team).side;
        p.tx = ball.x + cos_deg(a) * WALL_DISTANCE;
        p.ty = ball.y + sin_deg(a) * WALL_DISTANCE;
    }
}

// The taker: the outfield man of `team` nearest the ball who is on his feet.
t_player* nearest_standing(int team) {
    t_player* taker = nullptr;
    double best = 0;
    for (int slot = 2; slot <= ON_PITCH_SLOTS && static_cast<size_t>(slot) < squad_of(team).size(); ++slot) {
        t_player& p = squad_player(team, slot);
        if (on_the_grass(p)) continue;
        const double d = distance(p.x, p.y, ball.x, ball.y);
        if (!taker || d < best) {
            taker = &p;
            best = d;
        }
    }
    return taker;
}
} // namespace

int wall_size(double x, double y, int goal_side) {
    const double to_goal = distance(x, y, 0, goal_side * GOAL_LINE_Y);
    if (to_goal > WALL_NEAR_GOAL) return 0;
    if (to_goal < WALL_FOUR_FROM) return 4;
    return to_goal < WALL_THREE_FROM ? 3 : 2;
}

std::vector<int> form_wall(int team, int men) {
    if (men <= 0) return {};
    const double gy = goal_y_of(team);
    const double a = atan2_deg(gy - ball.y, -ball.x);
    const double cx = ball.x + cos_deg(a) * WALL_DISTANCE;
    const double cy = ball.y + sin_deg(a) * WALL_DISTANCE;
    // The outfield players nearest the wall's spot stand in it.
    std::vector<int> slots;
    for (int slot = 2; slot <= ON_PITCH_SLOTS && static_cast<size_t>(slot) < squad_of(team).size(); ++slot)
        if (!squad_player(team, slot).play.sent_off) slots.push_back(slot);
    const auto to_spot = [&](int slot) {
        const t_player& p = squad_player(team, slot);
        return distance(p.x, p.y, cx, cy);
    };
    std::stable_sort(slots.begin(), slots.end(), [&](int l, int r) { return to_spot(l) < to_spot(r); });
    slots.resize(std::min(slots.size(), static_cast<size_t>(men)));
    std::vector<t_player*> nearest;
    for (int slot : slots) nearest.push_back(&squad_player(team, slot));
    for (size_t k = 0; k < nearest.size(); ++k) {
        const double across = (static_cast<double>(k) - (static_cast<double>(nearest.size()) - 1) / 2) * WALL_SPACING;
        nearest[k]->tx = cx + cos_deg(a + 90) * across;
        nearest[k]->ty = cy + sin_deg(a + 90) * across;
    }
    clear_circle(team, nearest);
    return slots;
}

t_match_free_kick_positions::t_match_free_kick_positions() : frame0_(replay_frame) {
    display_score = 1;
    match_status.event = t_match_status::FREE_KICK;
    const t_foul& f = referee.foul;
    referee.whistled = false;
    // The whistle ends the tackle's aftermath: the restart is nobody's quick retake.
    ball.tackled = nullptr;
    ball.tackle_memory = {};
    // The card's words first; the restart's only when no card was shown.
    if (referee.card == t_card::none) play_referee_commentary(COMMENTARY_FREE_KICK, match_status.timer / UPDATE_MS);
    clear_controllers();
    clear_controlled_players();
    ball.set_owner(nullptr);
    ball.set_position(f.x, f.y, 0);
    ball.update_zone();
    set_tactics_targets(0);
    const int defending = 1 - f.fouled_team;
    const std::vector<int> wall = form_wall(defending, wall_size(f.x, f.y, team_at(defending).side));
    if (t_player* taker = nearest_standing(f.fouled_team)) {
        const double gy = goal_y_of(defending);
        const double a = atan2_deg(gy - ball.y, -ball.x);
        taker->tx = ball.x - cos_deg(a) * FREE_KICK_TAKER_BEHIND;
        taker->ty = ball.y - sin_deg(a) * FREE_KICK_TAKER_BEHIND;
        ball.set_owner(shared_player(*taker));
        match_rules().arrange_free_kick(f.fouled_team, wall);
    }
    clear_circle(defending, {});
}

void t_match_free_kick_positions::update() {
    read_set_up_controllers();
    if (handle_function_keys()) return;
    bool walking = false;
    for (int k = 0; k < SUB_STEPS; ++k) {
        walking = move_players(1, 1);
        referee.follow_play();
        record_sub_step(CAMERA_FOLLOW);
    }
    if (!walking || sub_steps_since(frame0_) > POSITIONS_MOST_SUB_STEPS) {
        open_phase(MODE_MATCH_FREE_KICK);
        return;
    }
    standard_exits(*this, t_exits::escape_replay_bench);
}

t_match_free_kick::t_match_free_kick() : spot_x_(ball.x), spot_y_(ball.y) {
    display_score = 1;
    const int team = taker_steps_up(t_restart_kind::free_kick);
    forget_charged_kicks();
    if (ball.owner) ball.owner->fmx = facing_of(atan2_deg(goal_y_of(1 - team) - ball.y, -ball.x));
}

void t_match_free_kick::update() {
    if (handle_function_keys()) return;
    for (int i = 0; i < 2; ++i) read_taker_controller(i);
    const int team = team_of(ball.owner_last);
    if (ball.owner && match_rules().strike_free_kick(team)) {
        open_phase(MODE_MATCH_MAIN);
        return;
    }
    if (team >= 0) {
        t_input& in = input_of(team);
        const std::optional<double> computer_aim =
            team_at(team).control == CONTROL_PLAYER ? std::nullopt : free_kick_aim(team_at(team));
        in.angle = static_cast<int32_t>(std::lround(computer_aim ? *computer_aim : atan2_deg(in.y1, in.x1)));
        if ((in.x1 != 0 || in.y1 != 0) && in.fired == 0 && ball.owner_last) ball.owner_last->fmx = facing_of(in.angle);
        update_kick(team);
    }
    ball.set_owner(ball.owner_last);
    for (int k = 0; k < SUB_STEPS; ++k) {
        ball.update();
        referee.follow_play();
        record_sub_step(CAMERA_FOLLOW);
    }
    if (distance(ball.x, ball.y, spot_x_, spot_y_) > FREE_KICK_END_DISTANCE) {
        ball.set_owner(nullptr);
        open_phase(MODE_MATCH_MAIN);
        return;
    }
    standard_exits(*this, t_exits::escape_replay_bench);
}
