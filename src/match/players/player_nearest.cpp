// The two players of a team nearest the ball.
#include <algorithm>
#include <array>
#include <utility>

#include "match/core/match_helpers.hpp"
#include "match/core/match_state.hpp"
#include "match/players/player_refs.hpp"

void t_team::find_nearest() {
    if (players.size() < 3) return;
    // Each distance once: the comparisons below ask for them again and again.
    constexpr size_t MOST = 11;
    std::array<double, MOST> far{};
    const size_t count = std::min(players.size(), MOST);
    // A man sent off is never the one to go for the ball.
    constexpr double SENT_OFF_FAR = 1e9;
    for (size_t pos = 0; pos < count; ++pos)
        far[pos] = players[pos]->play.sent_off ? SENT_OFF_FAR : distance(players[pos]->x, players[pos]->y, ball.x, ball.y);
    size_t n1 = 1, n2 = 2;
    if (far[2] <= far[1]) std::swap(n1, n2);
    const auto consider = [&](size_t pos) {
        if (far[pos] < far[n2]) {
            if (far[pos] < far[n1]) {
                n2 = n1;
                n1 = pos;
            } else {
                n2 = pos;
            }
        }
    };
    for (size_t pos = 3; pos < count; ++pos) consider(pos);
    if (ball.owner_last && ball.owner_last->team == this) consider(0);
    nearest_1 = players[n1];
    nearest_2 = players[n2];
}
