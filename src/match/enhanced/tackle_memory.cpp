#include "match/enhanced/tackle_memory.hpp"

void t_player_times::remember(const t_player* player, int32_t now) {
    t_entry* slot = &entries_[0];
    for (t_entry& e : entries_) {
        if (e.player == player) {
            e.at = now;
            return;
        }
        // An empty slot, else the one recorded longest ago: a player updated in place keeps his slot
        // young, so a round-robin turn could hand it to the next one while he is still recovering.
        if (slot->player != nullptr && (e.player == nullptr || e.at < slot->at)) slot = &e;
    }
    *slot = {player, now};
}

bool t_player_times::within(const t_player* player, int32_t now, int32_t span) const {
    for (const t_entry& e : entries_)
        // A clock set back (a new match) frees everyone.
        if (e.player == player && now - e.at >= 0 && now - e.at < span) return true;
    return false;
}
