#pragma once
// ENHANCED corners: the attackers best in the air go into the box, the defenders mark them and guard the near
// post, and the computer's taker aims at the near post or a man in the box.
#include <vector>

// Where everyone runs for the corner `taking` side is about to take, after the tactics' targets.
void arrange_corner(int taking);
// The computer taking a corner for `taking` strikes it itself: true when it did.
bool computer_strikes_corner(int taking);
// The slots of `taking` sent into the box for its corner, best in the air first.
std::vector<int> corner_runners(int taking);
