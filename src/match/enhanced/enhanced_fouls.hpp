#pragma once
// ENHANCED slide tackles and fouls: who slides, what a slide meets, and what the referee gives.
#include <memory>

class t_player;
class t_team;

// Sends `p` sliding along his run, unless he is already on the grass.
bool start_slide(t_player& p);
// Fire 2 for humans, a judgement for the computer: who goes to ground this update.
void choose_slides();
// One sub-step of `p` while he moves by himself (a slide, on the grass, in the air after a header), in
// every phase of the match; a foul in open play is left with the referee. False when he steers himself.
bool step_by_himself(t_player& p, int team);
// The same for everyone of both squads.
void update_slides();
// Whether (x, y) lies in the penalty area `team` defends.
bool in_own_penalty_area(int team, double x, double y);
// Whether `p` is on the grass (sliding, fallen or getting up) or sent off: he cannot play the ball.
bool on_the_grass(const t_player& p);
// Whether the slide, the fall or the header moves him this sub-step rather than his steering.
bool moves_by_himself(const t_player& p);
// The referee blows: statistics, the card, the fouled player down, the restart waiting.
void call_foul(const std::shared_ptr<t_player>& offender, const std::shared_ptr<t_player>& fouled, bool reckless);
// Whether a foul on `fouled` stops a clear chance: near goal with no defender but the keeper in the way.
bool denies_clear_chance(const t_player& fouled, const t_player& offender);
