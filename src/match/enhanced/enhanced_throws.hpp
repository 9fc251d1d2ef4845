#pragma once
// ENHANCED throws: the computer's throw-in to a free team-mate, with one of them coming short to offer, and its
// keeper's throw or roll to a free back.
#include <optional>

class t_player;

// A team-mate a throw could find, and how good a throw to him would be.
struct t_throw_choice {
    int slot = 0;
    double score = 0;
};

// The best free team-mate of `team` for `thrower` to throw to: within `range`, no opponent on the line nor within
// `free_within` of him, gaining ground first; only backs when `backs_only`.
std::optional<t_throw_choice> free_man_to_throw_to(int team, const t_player& thrower, double range, double free_within,
                                                   bool backs_only);
// While `taking` sets up its throw-in, its man nearest the ball comes a few steps towards the thrower.
void come_short_for_throw_in(int taking);
// The computer throwing in for `taking` throws itself: to a free man, or down the line. True when it threw.
bool computer_throws_in(int taking);
// The computer's keeper of `team` throws or rolls the ball to a free back: true when he did; none free, he kicks.
bool keeper_throws_to_free_back(int team);
