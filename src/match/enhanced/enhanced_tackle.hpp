#pragma once
// ENHANCED tackles: the ball knocked loose, a moment to recover, challenges from the side and behind.
#include <memory>

class t_player;
class t_team;

// Where a challenger stands against the carrier.
enum class t_challenge_side { front, side, behind };

// The nearest player of `t` contests a free or an opponent's ball.
void enhanced_contest_ball(t_team& t, const std::shared_ptr<t_player>& nearest);
// The tackler pokes the ball away along his run instead of taking it.
void knock_ball_loose(t_team& t, const std::shared_ptr<t_player>& tackler);
// Whether `p` lost the ball to a tackle too lately to touch it.
bool recovering_from_tackle(const t_player& p);
t_challenge_side challenge_side(const t_player& challenger, const t_player& carrier);
// The chance that one challenge from `side` wins the ball: tackling (`ta`) against ball control (`bc`).
double challenge_chance(t_challenge_side side, int ta, int bc);
