// The two players of a team nearest the ball.
#include "match/match_helpers.hpp"
#include "match/match_state.hpp"
#include "match/player_refs.hpp"

void t_team::find_nearest() {
    if (players.size() < 3) return;
    const auto far = [](const std::shared_ptr<t_player>& p) { return distance(p->x, p->y, ball.x, ball.y); };
    if (far(players[2]) <= far(players[1])) {
        nearest_1 = players[2];
        nearest_2 = players[1];
    } else {
        nearest_1 = players[1];
        nearest_2 = players[2];
    }
    const auto consider = [&](const std::shared_ptr<t_player>& p) {
        const double d = far(p);
        if (d < far(nearest_2)) {
            if (d < far(nearest_1)) {
                nearest_2 = nearest_1;
                nearest_1 = p;
            } else {
                nearest_2 = p;
            }
        }
    };
    for (size_t pos = 3; pos <= 10 && pos < players.size(); ++pos) consider(players[pos]);
    if (ball.owner_last && ball.owner_last->team == this) consider(players[0]);
}
