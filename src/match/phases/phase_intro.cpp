#include "match/phases/phase_intro.hpp"

#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "match/core/function_keys.hpp"
#include "match/core/match_state.hpp"
#include "match/overlays/overlay_presentation.hpp"
#include "match/phases/phase_common.hpp"
#include "match/players/player_movement.hpp"
#include "platform/input.hpp"
#include "platform/random.hpp"

namespace {
constexpr double WALK_ON_SPEED = 158;
constexpr double CHARGE_DECELERATION = 0.004;
constexpr int CAMERA_MOVES_AFTER = 480;
constexpr double TUNNEL_X = 480;
constexpr double TUNNEL_STEP = 14;
constexpr int ROW_0_MAX_INDEX = 5;
constexpr int ROW_1_SIZE = 5;
constexpr double SHIRT_SHOWN_TX = 397;
constexpr int POSE_ROW = 14;
constexpr int KEEPER_POSE_ROW = 16;
constexpr int FACING_DOWN = 2;

void walk_out(int team) {
    const int side = team_at(team).side;
    for (int slot = 1; slot <= last_slot(team); ++slot) {
        t_player& p = squad_player(team, slot);
        p.speed = p.speed_running = WALK_ON_SPEED;
        p.ac = CHARGE_DECELERATION;
        p.z = 0;
        if (slot <= ON_PITCH_SLOTS) {
            p.status = STATUS_ON_PITCH;
            p.x = TUNNEL_X + TUNNEL_STEP * slot;
            p.y = 20 + 10 * side;
            continue;
        }
        p.status = STATUS_ON_BENCH;
        p.x = COACH_X;
        p.y = TUNNEL_STEP * slot - 154 + (1 - 2 * team == bench_side ? COACH_BENCH_Y : COACH_OTHER_Y);
        p.tx = p.x;
        p.ty = p.y;
    }
}

// Two rows facing the camera: the goalkeeper and up to five more in front, the rest behind.
void line_up(int team) {
    const int side = team_at(team).side;
    int j = 0;
    int k = 0;
    for (int slot = 1; slot <= ON_PITCH_SLOTS; ++slot) {
        t_player& p = squad_player(team, slot);
        const bool front = slot == 1 || (j <= ROW_0_MAX_INDEX && rand(0, 1) == 1) || k == ROW_1_SIZE;
        if (front) {
            p.tx = 330 + 15 * j;
            p.ty = (60 + 2 * j) * side - 20;
            p.flag = 0;
            ++j;
        } else {
            p.tx = 337 + 15 * k;
            p.ty = (60 + 2 * k) * side;
            p.flag = 1;
            ++k;
        }
    }
}

void take_line_up_pose() {
    for_each_on_pitch([](int, int, t_player& p) {
        p.fmx = p.tx == SHIRT_SHOWN_TX ? FACING_DOWN : p.flag;
        p.fmy = POSE_ROW;
        if (p.pt == ROLE_GOALKEEPER) {
            p.fmx = FACING_DOWN;
            p.fmy = KEEPER_POSE_ROW;
        }
    });
}
} // namespace

t_match_intro::t_match_intro() {
    display_time = 0;
    display_wind_vane = 0;
    flush_keys();
    fade_level = 255;
    match_status.event = t_match_status::PRESENTATION;
    for (int t = 0; t < 2; ++t) walk_out(t);
    for (int t = 0; t < 2; ++t) line_up(t);
}

void t_match_intro::update() {
    if (handle_function_keys()) return;
    for (int k = 0; k < SUB_STEPS; ++k) {
        if (!move_players(0, 0)) {
            ++dly;
            take_line_up_pose();
        }
        ++dly2;
        t_camera_args c = CAMERA_STILL;
        c.y_mode = dly2 >= CAMERA_MOVES_AFTER ? 1 : 0;
        record_sub_step(c);
    }
    if (fire1_on_any_device() || dly >= INTRO_LINED_UP_SUB_STEPS) {
        open_phase(MODE_MATCH_STARTING_POSITIONS);
        return;
    }
    standard_exits(*this, t_exits::escape_replay);
}

void t_match_intro::render() {
    t_match_mode::render();
    draw_presentation();
}
