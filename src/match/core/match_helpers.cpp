#include "match/core/match_helpers.hpp"

#include <cmath>

#include "core/globals.hpp"
#include "core/settings.hpp"
#include "match/core/match_state.hpp"
#include "match/overlays/scorers_text.hpp"
#include "ui/input.hpp"

int next_replay_frame() { return (replay_frame + 1) % REPLAY_FRAMES; }

int replay_frames_between(int a, int b) { return (a - b + REPLAY_FRAMES) % REPLAY_FRAMES; }

bool is_off_screen(double x, double y) {
    const auto f = static_cast<size_t>(replay_frame);
    const double sx = round_half_away(x) + PITCH_ORIGIN_X - replay_camera_x[f];
    const double sy = round_half_away(y) + PITCH_ORIGIN_Y - replay_camera_y[f];
    return sx < 0 || sx > screen_w || sy < 0 || sy > screen_h;
}

int match_minute() {
    if (match_status.length <= 0) return 0;
    const int minute = static_cast<int>(static_cast<int64_t>(match_status.timer) * 90 / match_status.length);
    switch (match_status.period) {
    case t_match_status::FIRST_HALF: return std::min(minute, 45);
    case t_match_status::SECOND_HALF: return std::min(minute, 90);
    case t_match_status::FIRST_EXTRA_TIME: return std::min(minute, 105);
    case t_match_status::SECOND_EXTRA_TIME: return std::min(minute, 120);
    default: return minute;
    }
}

void record_goal(int team) {
    t_goal g;
    g.player = ball.owner_last;
    g.mnt = match_minute();
    if (g.player && team_of(g.player) == team) {
        g.typ = 0;
        ++g.player->goals;
    } else {
        g.typ = 1;
    }
    const t_play_events& e = ball.events;
    g.kind = g.typ == 1 ? t_goal_kind::own_goal : e.touch;
    g.set_piece = e.restart_team == team && e.restart != t_restart_kind::none;
    goals.push_back(g);
    update_scorers_text();
}

double distance(double x1, double y1, double x2, double y2) { return std::hypot(x2 - x1, y2 - y1); }

bool between(double v, double a, double b) { return a <= b ? (v >= a && v <= b) : (v >= b && v <= a); }

int sign(double v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }

int team_of(const std::shared_ptr<t_player>& player) {
    if (!player) return -1;
    for (size_t i = 0; i < 2; ++i)
        if (match_teams[i] && player->team == match_teams[i].get()) return static_cast<int>(i);
    return -1;
}

t_team& team_at(int team) { return *match_teams[static_cast<size_t>(team)]; }

std::vector<std::shared_ptr<t_player>>& squad_of(int team) { return match_players[static_cast<size_t>(team)]; }

t_player& squad_player(int team, int slot) { return *squad_of(team)[static_cast<size_t>(slot)]; }

t_input& input_of(int team) { return inputs[static_cast<size_t>(team)]; }
