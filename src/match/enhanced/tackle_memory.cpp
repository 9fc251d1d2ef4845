#include "match/enhanced/tackle_memory.hpp"

void t_player_times::remember(const t_player* player, int32_t now) {
    for (t_entry& e : entries_)
        if (e.player == player) {
            e.at = now;
            return;
        }
    entries_[next_] = {player, now};
    next_ = (next_ + 1) % SIZE;
}

bool t_player_times::within(const t_player* player, int32_t now, int32_t span) const {
    for (const t_entry& e : entries_)
        // A clock set back (a new match) frees everyone.
        if (e.player == player && now - e.at >= 0 && now - e.at < span) return true;
    return false;
}
