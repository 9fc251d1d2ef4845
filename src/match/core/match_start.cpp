#include "match/core/match_start.hpp"

#include "core/globals.hpp"
#include "match/keeper/keeper_states.hpp"
#include "match/core/match_rules.hpp"
#include "match/core/match_state.hpp"
#include "match/players/player_targets.hpp"

t_match_start match_start;

namespace {
constexpr double CHARGE_DECELERATION = 0.004;
constexpr double KEEPER_LINE = 630;
} // namespace

void place_for_open_play() {
    set_tactics_targets(1);
    for (size_t t = 0; t < 2; ++t) {
        const int side = match_teams[t]->side;
        for (size_t slot = 1; slot < match_players[t].size(); ++slot) {
            t_player& p = *match_players[t][slot];
            p.speed = p.speed_running = match_rules().running_speed(p);
            p.ac = CHARGE_DECELERATION;
            if (slot > ON_PITCH_SLOTS) {
                p.status = STATUS_ON_BENCH;
                p.x = p.tx = COACH_X;
                p.y = p.ty = 14.0 * static_cast<double>(slot) - 154 +
                             (1 - 2 * static_cast<int>(t) == bench_side ? COACH_BENCH_Y : COACH_OTHER_Y);
                continue;
            }
            p.status = STATUS_ON_PITCH;
            if (slot == GOALKEEPER_SLOT) {
                p.tx = 0;
                p.ty = KEEPER_LINE * side;
            }
            p.x = p.tx;
            p.y = p.ty;
            p.fmx = side > 0 ? 6 : 2;
            p.fmy = 1;
            take_up_role_of_slot(p, static_cast<int>(slot));
        }
    }
    ball.set_position(0, 0, 0);
    ball.set_owner(nullptr);
    ball.update_zone();
    ball.update_prediction();
    match_status.event = t_match_status::IN_GAME;
    // The camera starts over the centre spot, as after a kick-off.
    camera.x = PITCH_ORIGIN_X - screen_w / 2;
    camera.y = PITCH_ORIGIN_Y - screen_h / 2;
    camera.x = camera.updatex(CAMERA_TO_TARGET, 0, 0, 1);
    camera.y = camera.updatey(CAMERA_TO_TARGET, 0, 0);
    replay_camera_x.fill(static_cast<int32_t>(camera.x));
    replay_camera_y.fill(static_cast<int32_t>(camera.y));
    ball.save(replay_frame);
    match_teams[0]->save(replay_frame);
    match_teams[1]->save(replay_frame);
}
