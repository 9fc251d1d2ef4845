#include "football/shootout_tally.hpp"

#include <algorithm>

int t_shootout_tally::next_side() const {
    const size_t taken = kicks_[0].size() + kicks_[1].size();
    return taken % 2 == 0 ? first_ : 1 - first_;
}

void t_shootout_tally::record(bool scored) { kicks_[static_cast<size_t>(next_side())].push_back(scored); }

t_score t_shootout_tally::goals() const {
    t_score g{0, 0};
    for (size_t s = 0; s < 2; ++s) g[s] = static_cast<int>(std::count(kicks_[s].begin(), kicks_[s].end(), true));
    return g;
}

bool t_shootout_tally::decided() const {
    const t_score g = goals();
    const auto n0 = static_cast<int>(kicks_[0].size());
    const auto n1 = static_cast<int>(kicks_[1].size());
    if (n0 <= KICKS && n1 <= KICKS) {
        // Decided as soon as one side could not draw level with every kick it has left.
        return g[0] > g[1] + (KICKS - n1) || g[1] > g[0] + (KICKS - n0);
    }
    return n0 == n1 && g[0] != g[1];
}
