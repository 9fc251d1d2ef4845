#include "football/result_simulator.hpp"

#include <algorithm>
#include <cmath>

#include "platform/random.hpp"

const std::array<std::array<int, 7>, 11> goal_distribution = {{
    {1000, 0, 0, 0, 0, 0, 0},
    {870, 100, 25, 4, 1, 0, 0},
    {730, 210, 50, 7, 2, 1, 0},
    {510, 320, 140, 20, 6, 4, 0},
    {390, 370, 180, 40, 10, 7, 3},
    {220, 410, 190, 150, 15, 10, 5},
    {130, 390, 240, 200, 18, 15, 7},
    {40, 300, 380, 230, 25, 15, 10},
    {20, 220, 240, 220, 120, 100, 80},
    {10, 150, 190, 190, 170, 150, 140},
    {0, 100, 150, 200, 200, 200, 150},
}};

double simulation_strength(const t_team& team, const t_team& opponent) {
    int attack = 0;
    for (size_t i = 0; i < std::min<size_t>(11, team.players.size()); ++i) {
        const t_player& p = *team.players[i];
        if (p.pt >= ROLE_RIGHT_WING && p.pt <= ROLE_ATTACK)
            attack += (p.he & 7) + (p.fi & 7) + (p.sp & 7) + (p.sh & 7) + (p.bc & 7);
    }
    int defence = 0;
    for (size_t i = 0; i < std::min<size_t>(11, opponent.players.size()); ++i) {
        const t_player& p = *opponent.players[i];
        if (p.pt <= ROLE_DEFENDER || p.pt == ROLE_MIDFIELD)
            defence += (p.ta & 7) + (p.he & 7) + (p.pa & 7) + (p.sp & 7) + (p.bc & 7);
    }
    // The table only covers 0..10; squads far off balance are held at its ends.
    return std::clamp((attack - defence + 300) / 60.0, 0.0, 10.0);
}

int simulate_goals(const t_team& team, const t_team& opponent, bool extra_time) {
    const double s = simulation_strength(team, opponent);
    const auto low = static_cast<size_t>(std::floor(s));
    const auto high = static_cast<size_t>(std::ceil(s));
    const double frac = s - std::floor(s);
    std::array<int, 7> p{};
    int sum = 0;
    for (size_t k = 0; k < 6; ++k) {
        const double v = goal_distribution[low][k] + (goal_distribution[high][k] - goal_distribution[low][k]) * frac;
        p[k] = static_cast<int>(std::round(v));
        sum += p[k];
    }
    p[6] = 1000 - sum;
    const int r = rand(1, 1000);
    int running = 0;
    int goals = 6;
    for (int k = 0; k < 7; ++k) {
        running += p[static_cast<size_t>(k)];
        if (running >= r) {
            goals = k;
            break;
        }
    }
    return extra_time ? goals / 3 : goals;
}
