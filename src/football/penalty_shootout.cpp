#include "football/penalty_shootout.hpp"

#include <algorithm>
#include <vector>

#include "football/shootout_tally.hpp"
#include "platform/random.hpp"

namespace {
// Beyond this many sudden-death pairs a drawn lot settles it, so the loop always ends.
constexpr int SUDDEN_DEATH_LIMIT = 200;

// The outfield players of the first eleven, best shooters first; the whole squad if none.
std::vector<const t_player*> takers(const t_team& team) {
    std::vector<const t_player*> out;
    const size_t eleven = std::min<size_t>(11, team.players.size());
    for (size_t i = 0; i < eleven; ++i)
        if (!team.players[i]->is_goalkeeper()) out.push_back(team.players[i].get());
    if (out.empty())
        for (const auto& p : team.players) out.push_back(p.get());
    std::stable_sort(out.begin(), out.end(),
                     [](const t_player* a, const t_player* b) { return penalty_taking(*a) > penalty_taking(*b); });
    return out;
}

const t_player* keeper(const t_team& team) {
    const size_t eleven = std::min<size_t>(11, team.players.size());
    for (size_t i = 0; i < eleven; ++i)
        if (team.players[i]->is_goalkeeper()) return team.players[i].get();
    return team.players.empty() ? nullptr : team.players.front().get();
}

class t_side {
public:
    t_side(const t_team& own, const t_team& opponent) : takers_(takers(own)), keeper_(keeper(opponent)) {}

    // One kick; true when it goes in.
    bool kick() {
        const t_player* taker = takers_.empty() ? nullptr : takers_[next_ % takers_.size()];
        ++next_;
        const int chance = taker ? penalty_chance(*taker, keeper_) : 50;
        return rand(1, 100) <= chance;
    }

private:
    std::vector<const t_player*> takers_;
    const t_player* keeper_;
    size_t next_ = 0;
};
} // namespace

int penalty_taking(const t_player& p) { return (p.sh & SKILL_VALUE_MASK) + (p.fi & SKILL_VALUE_MASK); }

int penalty_chance(const t_player& taker, const t_player* keeper_player) {
    const int saving = keeper_player ? std::clamp(keeper_player->skill_keeper, 0, 7) : 0;
    return std::clamp(66 + 2 * penalty_taking(taker) - 2 * saving, 5, 95);
}

t_score penalty_shootout(const t_team& home, const t_team& away) {
    t_side sides[2] = {t_side(home, away), t_side(away, home)};
    t_shootout_tally tally;
    while (!tally.decided()) {
        const int pairs_beyond = static_cast<int>(tally.kicks(1).size()) - t_shootout_tally::KICKS;
        if (pairs_beyond >= SUDDEN_DEATH_LIMIT && tally.next_side() == tally.first()) {
            t_score goals = tally.goals();
            ++goals[static_cast<size_t>(rand(0, 1))];
            return goals;
        }
        tally.record(sides[tally.next_side()].kick());
    }
    return tally.goals();
}
