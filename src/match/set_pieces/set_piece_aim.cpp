#include "match/set_pieces/set_piece_aim.hpp"

#include <cmath>

#include "football/team.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_state.hpp"
#include "match/phases/phase_common.hpp"
#include "match/sound/match_sound.hpp"
#include "platform/input.hpp"
#include "platform/maths.hpp"
#include "ui/input.hpp"

namespace {
constexpr double INTO_PITCH_LEAN = 0.1;

int truncated(double degrees) { return static_cast<int>(degrees); }

int away_from(int side_x, int side_y) { return truncated(std::fmod(atan2_deg(side_y, side_x) + 180, 360)); }
} // namespace

t_stick drop_outward(const t_input& in, int out_x, int out_y) {
    t_stick s{in.x1, in.y1};
    if (out_x != 0 && s.x == out_x) s.x = 0;
    if (out_y != 0 && s.y == out_y) s.y = 0;
    return s;
}

int throw_in_angle(const t_input& in, int side_x) {
    const t_stick s = drop_outward(in, side_x, 0);
    if (s.x == 0) return truncated(atan2_deg(s.y, -INTO_PITCH_LEAN * side_x));
    return in.angle;
}

int corner_angle(const t_input& in, int side_x, int side_y) {
    const t_stick s = drop_outward(in, side_x, side_y);
    return s.pushed() ? in.angle : away_from(side_x, side_y);
}

int goal_kick_angle(const t_input& in, int side_y) {
    const t_stick s = drop_outward(in, 0, side_y);
    return s.pushed() ? in.angle : away_from(0, side_y);
}

int keeper_kick_angle(const t_input& in, int side_y) {
    const t_stick s = drop_outward(in, 0, side_y);
    if (s.y != 0) return in.angle;
    if (s.x == 0) return away_from(0, side_y);
    return truncated(atan2_deg(-INTO_PITCH_LEAN * side_y, s.x));
}

int taker_steps_up(t_restart_kind kind) {
    play_whistle();
    flush_keys();
    flush_joy();
    clear_controllers();
    const int team = team_of(ball.owner);
    if (team >= 0) team_at(team).controlled = ball.owner;
    note_restart(team, kind);
    return team;
}
