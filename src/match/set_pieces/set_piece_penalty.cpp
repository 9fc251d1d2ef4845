#include "match/set_pieces/set_piece_penalty.hpp"

#include <cmath>

#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "match/core/function_keys.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_state.hpp"
#include "match/core/play_events.hpp"
#include "match/enhanced/enhanced_fouls.hpp"
#include "match/enhanced/enhanced_tuning.hpp"
#include "match/enhanced/referee.hpp"
#include "match/phases/phase_common.hpp"
#include "match/phases/phase_shootout.hpp"
#include "match/players/control_newcomer.hpp"
#include "match/players/player_movement.hpp"
#include "match/players/player_refs.hpp"
#include "match/players/player_targets.hpp"
#include "match/sound/commentary_extra.hpp"
#include "match/sound/match_sound.hpp"
#include "platform/input.hpp"
#include "platform/maths.hpp"
#include "platform/random.hpp"
#include "ui/input.hpp"

namespace {
constexpr int POSITIONS_MOST_SUB_STEPS = 2400;
constexpr double OUTSIDE_THE_AREA = 14;     // beyond its front line
constexpr double TAKER_RUN_UP = 24;         // behind the ball
constexpr double PENALTY_LIFT = 40;
constexpr double SHOOTING_PACE = 12;        // per point of shooting
constexpr int SKILL_MASK = 7;
constexpr double KEEPER_LINE_IN = 6;        // the keeper stands just off his line

int pick_side() { return rand(-1, 1); }
} // namespace

double penalty_aim_x(int aim) { return aim * PENALTY_AIM_X; }

void clear_penalty_area(int defending_side) {
    for_each_on_pitch([&](int, int slot, t_player& p) {
        if (slot == GOALKEEPER_SLOT) return;
        if (std::fabs(p.tx) <= PENALTY_AREA_X && p.ty * defending_side >= PENALTY_AREA_FRONT)
            p.ty = defending_side * (PENALTY_AREA_FRONT - OUTSIDE_THE_AREA);
        // Just outside the area is still too near the spot in the middle: out to the arc.
        const double spot_y = defending_side * PENALTY_SPOT_Y;
        const double d = distance(p.tx, p.ty, 0, spot_y);
        if (d >= PENALTY_ARC_CLEAR) return;
        const double a = d > 0 ? atan2_deg(p.ty - spot_y, p.tx) : -90.0 * defending_side;
        p.tx = cos_deg(a) * (PENALTY_ARC_CLEAR + 1);
        p.ty = spot_y + sin_deg(a) * (PENALTY_ARC_CLEAR + 1);
    });
}

t_match_penalty_positions::t_match_penalty_positions() : frame0_(replay_frame) {
    display_score = 1;
    match_status.event = t_match_status::PENALTY;
    const t_foul& f = referee.foul;
    referee.whistled = false;
    // The whistle ends the tackle's aftermath: the restart is nobody's quick retake.
    ball.tackled = nullptr;
    ball.tackle_memory = {};
    // The card's words first; the restart's only when no card was shown.
    if (referee.card == t_card::none) play_referee_commentary(COMMENTARY_PENALTY, match_status.timer / UPDATE_MS);
    clear_controllers();
    clear_controlled_players();
    const int defending = 1 - f.fouled_team;
    const int side = team_at(defending).side;
    ++match_stats[static_cast<size_t>(f.fouled_team)].penalties;
    ball.set_owner(nullptr);
    ball.set_position(0, side * PENALTY_SPOT_Y, 0);
    ball.update_zone();
    set_tactics_targets(0);
    clear_penalty_area(side);
    t_player& keeper = squad_player(defending, GOALKEEPER_SLOT);
    keeper.tx = 0;
    keeper.ty = side * (GOAL_LINE_Y - KEEPER_LINE_IN);
    // The taker: the best shooter on his feet.
    t_player* taker = nullptr;
    for (int slot = 2; slot <= ON_PITCH_SLOTS && static_cast<size_t>(slot) < squad_of(f.fouled_team).size(); ++slot) {
        t_player& p = squad_player(f.fouled_team, slot);
        if (on_the_grass(p)) continue;
        if (!taker || (p.sh & SKILL_MASK) > (taker->sh & SKILL_MASK)) taker = &p;
    }
    if (!taker) return;
    taker->tx = 0;
    taker->ty = side * (PENALTY_SPOT_Y - TAKER_RUN_UP);
    ball.set_owner(shared_player(*taker));
}

void t_match_penalty_positions::update() {
    read_set_up_controllers();
    if (handle_function_keys()) return;
    bool walking = false;
    for (int k = 0; k < SUB_STEPS; ++k) {
        walking = move_players(1, 0);
        referee.follow_play();
        ball.set_position(0, ball.y, 0);
        record_sub_step(CAMERA_FOLLOW);
    }
    if (!walking || sub_steps_since(frame0_) > POSITIONS_MOST_SUB_STEPS) {
        open_phase(MODE_MATCH_PENALTY_KICK);
        return;
    }
    standard_exits(*this, t_exits::escape_replay_bench);
}

t_match_penalty_kick::t_match_penalty_kick()
    : frame0_(replay_frame), taker_team_(std::max(0, team_of(ball.owner))) {
    display_score = 1;
    play_whistle();
    flush_keys();
    flush_joy();
    clear_controllers();
    forget_charged_kicks();
    team_at(taker_team_).controlled = ball.owner;
    // A shoot-out kick is no part of the match's figures.
    if (!shootout.on) note_restart(taker_team_, t_restart_kind::penalty);
    computer_aim_ = pick_side();
    keeper_guess_ = pick_side();
    if (ball.owner) ball.owner->fmx = facing_of(90.0 * -team_at(taker_team_).side);
}

void t_match_penalty_kick::update() {
    if (handle_function_keys()) return;
    for (int i = 0; i < 2; ++i) {
        input_shift(i);
        if (team_at(i).control == CONTROL_PLAYER) read_player_controller(i, t_play::stopped);
    }
    const bool human_taker = team_at(taker_team_).control == CONTROL_PLAYER;
    const t_input& in = input_of(taker_team_);
    const bool struck = human_taker ? in.fire11 != 0 && in.fire10 == 0
                                    : sub_steps_since(frame0_) > PENALTY_AIM_SUB_STEPS / 4;
    const bool out_of_time = sub_steps_since(frame0_) > PENALTY_AIM_SUB_STEPS;
    for (int k = 0; k < SUB_STEPS; ++k) {
        referee.follow_play();
        record_sub_step(CAMERA_FOLLOW);
    }
    if (!struck && !out_of_time) {
        standard_exits(*this, t_exits::escape_replay);
        return;
    }
    const int defending = 1 - taker_team_;
    const double goal_y = team_at(defending).side * GOAL_LINE_Y;
    const int aim = human_taker ? sign(in.x1) : computer_aim_;
    // A human keeper guesses with his stick as the ball is struck.
    const t_input& keeper_in = input_of(defending);
    const int guess = team_at(defending).control == CONTROL_PLAYER ? sign(keeper_in.x1) : keeper_guess_;
    t_player& keeper = squad_player(defending, GOALKEEPER_SLOT);
    keeper.x += guess * KEEPER_GUESS_STEP;
    const t_player* taker = ball.owner.get();
    const int shooting = taker ? taker->sh & SKILL_MASK : 0;
    ball.set_owner(nullptr);
    ball.a = atan2_deg(goal_y - ball.y, penalty_aim_x(aim) - ball.x);
    ball.v = PENALTY_SPEED + SHOOTING_PACE * shooting;
    ball.vz = aim == 0 ? PENALTY_LIFT : PENALTY_LIFT / 2;
    if (taker) ball.owner_last = shared_player(*taker);
    if (!shootout.on) note_kick(taker_team_);
    play_match_sound("kick", match_settings.sound_vol);
    open_phase(shootout.on ? MODE_MATCH_SHOOTOUT_KICK : MODE_MATCH_MAIN);
}
