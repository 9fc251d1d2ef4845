#include "match/bench/bench_lineup.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

#include "football/tactics.hpp"
#include "football/team.hpp"
#include "match/keeper/keeper_states.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_state.hpp"

namespace {
constexpr double TOUCHLINE_WAIT_X = -530;
constexpr double BENCH_ROW_STEP = 14;

t_player* squad_slot(int team, int slot) {
    const auto& squad = squad_of(team);
    if (slot < 1 || static_cast<size_t>(slot) >= squad.size()) return nullptr;
    return squad[static_cast<size_t>(slot)].get();
}
} // namespace


int team_based_on(int team) {
    const int slot = std::clamp(team_at(team).tactics, 0, TACTICS_SLOTS - 1);
    return std::clamp(tactics[static_cast<size_t>(slot)].based_on, 0, PRESET_COUNT - 1);
}

int slot_of_position(int based_on, int position) {
    return tactics_player_order[static_cast<size_t>(based_on)][static_cast<size_t>(position - 1)] + 1;
}

int last_bench_slot(int team, int bench_size) { return std::min(ON_PITCH_SLOTS + bench_size, last_slot(team)); }

double bench_seat_y(int team, int row) {
    return BENCH_ROW_STEP * row + (1 - 2 * team == bench_side ? COACH_BENCH_Y : COACH_OTHER_Y);
}

void highlight_bench_row(int team, int bench_size, int row) {
    const int last = last_bench_slot(team, bench_size);
    for (int s = FIRST_BENCH_SLOT; s <= last; ++s) {
        t_player* p = squad_slot(team, s);
        if (p == nullptr || p->status != STATUS_ON_BENCH) continue;
        p->x = p->tx = BENCH_SEATED_X;
    }
    if (row == 0) return;
    t_player* chosen = squad_slot(team, ON_PITCH_SLOTS + row);
    if (chosen == nullptr || ON_PITCH_SLOTS + row > last || chosen->status != STATUS_ON_BENCH) return;
    chosen->x = chosen->tx = BENCH_STANDING_X;
    t_coach& coach = coaches[static_cast<size_t>(team)];
    coach.status = COACH_POINTING;
    coach.timer = POINTING_SUB_STEPS;
}

void sit_down_waiting_players(int team, int bench_size) {
    const int last = last_bench_slot(team, bench_size);
    for (int s = FIRST_BENCH_SLOT; s <= last; ++s) {
        t_player* p = squad_slot(team, s);
        if (p == nullptr || p->status != STATUS_ON_PITCH) continue;
        p->status = STATUS_ON_BENCH;
        p->tx = BENCH_STANDING_X;
        p->ty = bench_seat_y(team, s - ON_PITCH_SLOTS);
    }
}

void send_to_touchline(int team, int slot) {
    t_player* p = squad_slot(team, slot);
    if (p == nullptr) return;
    p->status = STATUS_ON_PITCH;
    p->tx = TOUCHLINE_WAIT_X;
    p->ty = (24 * team - 12) * bench_side;
}

void walk_back_to_bench(int team, int slot) {
    t_player* p = squad_slot(team, slot);
    if (p == nullptr) return;
    p->tx = BENCH_STANDING_X;
    p->ty = bench_seat_y(team, slot - ON_PITCH_SLOTS);
}

void exchange_players(int team, int g, int h) {
    auto& squad = squad_of(team);
    auto& list = team_at(team).players;
    if (g == h || g < 1 || h < 1 || static_cast<size_t>(std::max(g, h)) >= squad.size()) return;
    t_player& a = *squad[static_cast<size_t>(g)];
    t_player& b = *squad[static_cast<size_t>(h)];
    const double atx = std::trunc(a.tx), aty = std::trunc(a.ty);
    a.tx = std::trunc(b.tx);
    a.ty = std::trunc(b.ty);
    b.tx = atx;
    b.ty = aty;
    std::swap(squad[static_cast<size_t>(g)], squad[static_cast<size_t>(h)]);
    if (static_cast<size_t>(std::max(g, h)) <= list.size())
        std::swap(list[static_cast<size_t>(g - 1)], list[static_cast<size_t>(h - 1)]);
    if (g == GOALKEEPER_SLOT || h == GOALKEEPER_SLOT) {
        take_up_role_of_slot(*squad[static_cast<size_t>(g)], g);
        take_up_role_of_slot(*squad[static_cast<size_t>(h)], h);
    }
}
