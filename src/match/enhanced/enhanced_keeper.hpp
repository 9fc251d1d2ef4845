#pragma once
// ENHANCED goalkeeping beyond the dives: reflexes at close range, and a keeper who stays a keeper.

class t_player;

// A shot too fast to dive for, at the keeper's body: he may get a hand or a leg to it and it flies back out.
void keeper_reflex_saves();
// A hard shot in keeper `k`'s gloves: a good keeper holds it more often; otherwise he pushes it round his post.
// True when he did.
bool keeper_tips_hard_shot(t_player& k);
// A slow ball at a standing keeper's feet in his area, last played by the other side (a ball rolling along his
// line, which his dives never meet): he gathers it. True when he did; play stops for his kick.
bool keeper_gathers_loose_ball();
// A cross coming down in front of his goal within a standing keeper's reach, at a height his hands reach
// before anyone's head: a good keeper claims it more often. True when one did; play stops for his kick.
bool keeper_claims_cross();
// Keeper `k`'s target (x, y), his positioning's choice: he comes for a cross he can reach where it comes down in
// front of his goal, and never walks beyond his goal line.
void keeper_comes_for_cross(const t_player& k, double& x, double& y);
// A keeper outside his penalty area is never the man his side steers; with the ball there, he boots it clear.
void keep_keepers_in_their_area();
