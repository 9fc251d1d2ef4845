#pragma once
// ENHANCED corners and free kicks near goal: the attackers best in the air go into the box, the defenders mark
// them and guard the near post, and the computer's taker aims at the near post or a man in the box.
#include <vector>

// Where everyone runs for the corner `taking` side is about to take, after the tactics' targets.
void arrange_corner(int taking);
// The computer taking a corner for `taking` strikes it itself: true when it did.
bool computer_strikes_corner(int taking);
// The slots of `taking` sent into the box for its corner or free kick, best in the air first.
std::vector<int> corner_runners(int taking);
// Whether a free kick of `taking` from where the ball lies is one to shoot from: near enough, not too wide.
bool free_kick_at_goal(int taking);
// Where everyone runs for a free kick of `taking` near goal, the defenders' `wall` (slots) already placed:
// runners and markers, or a few men waiting for the rebound of a shot.
void arrange_free_kick(int taking, const std::vector<int>& wall);
// The computer taking a free kick for `taking` near goal but not at it crosses it: true when it did.
bool computer_crosses_free_kick(int taking);
