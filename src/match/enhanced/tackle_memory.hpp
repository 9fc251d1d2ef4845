#pragma once
// The few players who lately lost the ball or tried to win it, and when.
#include <array>
#include <cstddef>
#include <cstdint>

class t_player;

class t_player_times {
public:
    // Records `player` at match clock `now`, replacing his older entry, an empty one or the oldest one.
    void remember(const t_player* player, int32_t now);
    // Whether `player` was recorded less than `span` ms before `now`.
    bool within(const t_player* player, int32_t now, int32_t span) const;

private:
    static constexpr std::size_t SIZE = 12;
    struct t_entry {
        const t_player* player = nullptr;
        int32_t at = 0;
    };
    std::array<t_entry, SIZE> entries_{};
};

class t_tackle_memory {
public:
    t_player_times lost;       // lost the ball to a tackle
    t_player_times challenged; // tried a tackle from the side or behind
};
