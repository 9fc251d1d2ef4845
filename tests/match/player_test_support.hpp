#pragma once
// A small match built in memory: two squads standing in their 4-4-2, the
// ball at the centre spot, both controllers idle.
#include <cmath>
#include <memory>

#include "core/settings.hpp"
#include "football/tactics.hpp"
#include "football/team.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_setup.hpp"
#include "match/core/match_state.hpp"
#include "match/keeper/keeper_states.hpp"
#include "platform/pixmap.hpp"
#include "platform/random.hpp"
#include "ui/input.hpp"

namespace player_test {

constexpr int SQUAD = 16;

// Stick and fire as the match acts on them (after the glitch filter).
inline void hold(int team, int x, int y, int fire) {
    t_input& in = input_of(team);
    in.x1 = x;
    in.y1 = y;
    in.fire11 = fire;
    in.angle = static_cast<int>(std::trunc(std::atan2(y, x) * 180.0 / 3.14159265358979323846));
}

inline std::shared_ptr<t_player> ref(int team, int s) { return squad_of(team)[static_cast<size_t>(s)]; }

// Team 0 defends the bottom goal (side +1), team 1 the top one.
inline void build_match(int bench = 5) {
    static bool tactics_loaded = false;
    if (!tactics_loaded) {
        tactics[0].load_file("tactics/preset/T442.TAC");
        tactics_loaded = true;
    }
    if (!keeper_cd) keeper_cd = load_pixmap("images/keeper_cd.png");
    reset_match_state();
    for (int t = 0; t < 2; ++t) {
        auto squad = std::make_shared<t_team>();
        squad->index = t;
        squad->side = t == 0 ? 1 : -1;
        squad->control = CONTROL_COMPUTER;
        squad->tactics = 0;
        auto& list = squad_of(t);
        list.assign(1, nullptr);
        for (int s = 1; s <= 11 + bench; ++s) {
            auto p = squad->new_player();
            p->pt = s == 1 ? ROLE_GOALKEEPER : ROLE_MIDFIELD;
            p->speed = p->speed_running = 120;
            p->ac = 0.004;
            p->status = s <= 11 ? STATUS_ON_PITCH : STATUS_ON_BENCH;
            init_player_brain(*p);
            list.push_back(p);
        }
        squad->size = static_cast<int>(squad->players.size());
        match_teams[static_cast<size_t>(t)] = squad;
    }
    ball.set_position(0, 0, 0);
    ball.a = 0;
    ball.owner = nullptr;
    ball.owner_last = nullptr;
    ball.prediction = {};
    ball.update_zone();
    match_status.event = t_match_status::IN_GAME;
    grass.friction = 0.4;
    grass.bounce = 65;
    // Players on their tactical places for the centre zone, keepers on their lines.
    for (int t = 0; t < 2; ++t) {
        const double side = team_at(t).side;
        for (int s = 1; s <= 11 + bench; ++s) {
            t_player& p = squad_player(t, s);
            if (s == 1) {
                p.x = 0;
                p.y = 632 * side;
            } else if (s <= 11) {
                const auto& target = tactics[0].target[static_cast<size_t>(s - 1)][17];
                p.x = -side * target.x;
                p.y = -side * target.y;
            } else {
                p.x = -546;
                p.y = 14.0 * s - 154;
            }
            p.tx = p.x;
            p.ty = p.y;
        }
    }
}

// Gives the ball to a player standing at (x, y) who becomes his team's controlled nearest player.
// Seeds one of many random trials. The generator's first draw after a small seed is small as well
// (it is the seed times 16807), so trial numbers are spread over the whole range first.
inline void seed_trial(int k) { seed_rnd(int64_t{k} * 1000003 + 123456789); }

inline void give_ball(int t, int s, double x, double y) {
    t_player& p = squad_player(t, s);
    p.x = x;
    p.y = y;
    ball.set_position(x, y, 0);
    ball.set_owner(ref(t, s));
    team_at(t).controlled = ref(t, s);
    team_at(t).nearest_1 = ref(t, s);
}

} // namespace player_test
