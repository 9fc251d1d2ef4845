#include "match/overlays/scorers_text.hpp"

#include "core/fonts.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_state.hpp"

std::array<std::string, 2> scorers_text;

namespace {
constexpr int32_t OWN_GOAL = 1;
constexpr int32_t PENALTY = 2;

// An own goal counts for the other side.
int credited_side(const t_goal& g) {
    const int team = team_of(g.player);
    if (team < 0) return -1;
    return g.typ == OWN_GOAL ? 1 - team : team;
}

std::string minute_text(const t_goal& g) {
    std::string s = std::to_string(g.mnt);
    if (g.typ == OWN_GOAL) s += "(OG)";
    if (g.typ == PENALTY) s += "(PEN)";
    return s;
}

bool same_entry(const t_goal& a, const t_goal& b) { return a.player == b.player && credited_side(a) == credited_side(b); }
} // namespace

void update_scorers_text() {
    scorers_text = {};
    for (size_t i = 0; i < goals.size(); ++i) {
        const t_goal& g = goals[i];
        const int side = credited_side(g);
        if (side < 0) continue;
        bool listed = false;
        for (size_t e = 0; e < i && !listed; ++e) listed = same_entry(goals[e], g);
        if (listed) continue;
        std::string& text = scorers_text[static_cast<size_t>(side)];
        if (!text.empty()) text += "\r\n";
        text += g.player->get_single_name() + " " + minute_text(g);
        for (size_t later = i + 1; later < goals.size(); ++later)
            if (same_entry(goals[later], g)) text += "," + minute_text(goals[later]);
    }
    for (size_t side = 0; side < 2; ++side) {
        const t_team_ref& t = match_teams[side];
        const bool national = t && t->national != 0;
        scorers_text[side] = wrap_text(scorers_text[side], national ? SCORERS_LINE_NATIONAL : SCORERS_LINE);
    }
}
