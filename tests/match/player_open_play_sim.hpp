#pragma once
// Open play between two computer sides, in the order of the real match
// frame, with a simple restart whenever play would stop. Counts what
// happened, so tests can judge the football as well as the invariants.
#include <chrono>
#include <cmath>

#include "match/players/control_computer.hpp"
#include "match/players/control_kick.hpp"
#include "match/keeper/keeper_collision.hpp"
#include "match/core/match_helpers.hpp"
#include "match/players/player_movement.hpp"
#include "match/players/player_possession.hpp"
#include "match/players/player_refs.hpp"
#include "match/players/player_targets.hpp"
#include "platform/maths.hpp"
#include "platform/random.hpp"
#include "player_test_support.hpp"

namespace player_test {

class open_play_sim {
public:
    bool trace_goals = false;
    int sub_steps = 0;
    int kicks = 0;
    int passes = 0;     // kicks below shot speed
    int lobs = 0;
    int shots = 0;      // kicks in the last 261 units before the opponents' goal
    int goals = 0;
    int wide = 0;       // over the goal line beside the goal
    int catches = 0;
    int saves = 0;      // blocks and parries
    int dives = 0;
    int throw_ins = 0;
    int owner_changes = 0;
    int team_changes = 0;
    std::array<int, 2> owned_updates{};
    // CPU time spent in the players' and keepers' steps during the last update.
    std::chrono::nanoseconds player_time{};

    explicit open_play_sim(int seed) {
        build_match(0);
        seed_rnd(seed);
        for (int t = 0; t < 2; ++t) {
            for (int s = 1; s <= 11; ++s) {
                t_player& p = squad_player(t, s);
                p.speed = p.speed_running = (s % 3 == 0) ? 148 : 120;
                p.sh = rand(0, 7);
                p.fi = rand(0, 7);
                p.bc = rand(0, 1);
                p.skill_keeper = rand(0, 7);
            }
            squad_player(t, 1).brain->set_state("state_positioning");
        }
        restart(0, 0);
    }

    // One update of 12 sub-steps.
    void update() {
        player_time = {};
        const auto t0 = clock::now();
        for (int i = 0; i < 2; ++i) {
            t_input& in = input_of(i);
            input_shift(i);
            computer_controller(i);
            in.angle = static_cast<int>(atan2_deg(in.y1, in.x1));
        }
        player_time += clock::now() - t0;
        for (int i = 0; i < 2; ++i) {
            const t_input& in = input_of(i);
            const auto& c = team_at(i).controlled;
            if (team_of(ball.owner) != i || (in.x1 == 0 && in.y1 == 0) || !c) continue;
            ball.v = c->v;
            const double d = distance(c->x, c->y, ball.x, ball.y);
            if (d <= 7) ball.v += 10;
            if (d <= 8) ball.a = in.angle;
        }
        for (int i = 0; i < 2; ++i) {
            t_input& in = input_of(i);
            const int before = in.fired;
            const auto k0 = clock::now();
            update_kick(i);
            player_time += clock::now() - k0;
            if (before == 0 && in.fired == 1)
                kick_depth[static_cast<size_t>(i)] = static_cast<int>(std::trunc(-team_at(i).side * ball.y));
            // A kick ends struck, or early when the ball it sped up runs away from the kicker.
            if (before == 1 && in.fired != 1 && ball.v >= PASS_SPEED) {
                ++kicks;
                if (ball.v < SHOT_SPEED) ++passes;
                if (ball.vz >= LOB_LIFT) ++lobs;
                if (kick_depth[static_cast<size_t>(i)] >= 379) ++shots;
            }
        }
        for (int k = 0; k < SUB_STEPS; ++k)
            if (!sub_step()) break;
        const auto f0 = clock::now();
        for (int t = 0; t < 2; ++t)
            for (int s = 1; s <= 11; ++s) squad_player(t, s).update_frame_distance();
        player_time += clock::now() - f0;
        if (ball.owner) ++owned_updates[static_cast<size_t>(team_of(ball.owner))];
    }

private:
    using clock = std::chrono::steady_clock;
    std::shared_ptr<t_player> last_owner;
    std::array<int, 2> kick_depth{};

    void restart(double x, double y) {
        ball.set_position(x, y, 0);
        ball.owner = nullptr;
        ball.update_zone();
        ball.update_prediction();
        for (int i = 0; i < 2; ++i) {
            t_input& in = input_of(i);
            in = t_input{};
            team_at(i).controlled = nullptr;
        }
    }

    bool sub_step() {
        ++sub_steps;
        const auto before_last = ball.owner_last;
        ball.update();
        if (ball.side.y != 0) {
            const int defending = match_teams[0]->side == ball.side.y ? 0 : 1;
            const t_player& kp = squad_player(defending, 1);
            if (trace_goals && std::fabs(ball.y - kp.y) < 2 && std::fabs(ball.y0 - kp.y) >= 2) {
                const int ex = static_cast<int>(round_half_away(ball.x - kp.x));
                const int ey = static_cast<int>(round_half_away(ball.y - kp.y - ball.z + kp.z));
                std::cout << "cross ex " << ex << " ey " << ey << " fmx " << kp.fmx << " fmy " << kp.fmy << " colour "
                          << std::hex << keeper_collision_colour(kp.fmx, kp.fmy, ex, ey) << std::dec << "\n";
            }
            const bool caught = squad_player(defending, 1).keeper_collision() != 0;
            if (!caught && ball.owner_last != before_last && ball.owner_last && ball.owner_last->pt == 0) ++saves;
            if (caught) {
                ++catches;
                restart(0, 300.0 * ball.side.y);
                return false;
            }
        }
        ball.collision_flagposts();
        ball.collision_goal();
        if (ball.side.y != 0 && ball.y * ball.side.y >= 644) {
            if (static_cast<int>(ball.x) >= -71 && static_cast<int>(ball.x) <= 71 && ball.z <= 33) {
                ++goals;
                if (trace_goals) {
                    const t_player& k = squad_player(match_teams[0]->side == ball.side.y ? 0 : 1, 1);
                    std::cout << "goal x " << ball.x << " z " << ball.z << " v " << ball.v << " owner "
                              << (ball.owner ? team_of(ball.owner) : -1) << " last keeper "
                              << (ball.owner_last && ball.owner_last->pt == 0) << " keeper " << k.x << "," << k.y
                              << " state " << k.brain->active_state->name << ":" << k.brain->active_state->timer
                              << " skill " << k.skill_keeper << "\n";
                }
            }
            else
                ++wide;
            restart(rand(-200, 200), rand(-100, 100));
            return false;
        }
        if (std::fabs(ball.x) > 514) {
            ++throw_ins;
            restart(sign(ball.x) * 450, ball.y);
            return false;
        }
        const std::array<bool, 2> keeper_diving{!squad_player(0, 1).brain->in_state("state_positioning"),
                                                !squad_player(1, 1).brain->in_state("state_positioning")};
        const auto m0 = clock::now();
        move_players(1, 1);
        player_time += clock::now() - m0;
        for (int t = 0; t < 2; ++t)
            if (!keeper_diving[static_cast<size_t>(t)] && !squad_player(t, 1).brain->in_state("state_positioning")) ++dives;
        if (ball.owner_last != before_last && ball.owner_last && ball.owner_last->pt == 0 && !ball.owner) ++saves;
        const auto n0 = clock::now();
        match_teams[0]->find_nearest();
        match_teams[1]->find_nearest();
        player_time += clock::now() - n0;
        for (int i = 0; i < 2; ++i) {
            t_team& t = team_at(i);
            const t_input& in = input_of(i);
            if (team_of(ball.owner) != i && in.fire11 != 0 && in.fired == 0) t.controlled = t.nearest_1;
            // Off-screen switching, with a 1024 x 768 view centred on the ball.
            if (t.controlled && (std::fabs(t.controlled->x - ball.x) > 512 || std::fabs(t.controlled->y - ball.y) > 384))
                t.controlled = t.nearest_1;
        }
        const auto p0 = clock::now();
        update_possession(0);
        update_possession(1);
        player_time += clock::now() - p0;
        ball.update_zone();
        const auto g0 = clock::now();
        set_tactics_targets(0);
        set_chase_targets();
        player_time += clock::now() - g0;
        if (sub_steps % 40 == 0) ball.update_prediction();
        if (ball.owner && ball.owner != last_owner) {
            ++owner_changes;
            if (last_owner && team_of(last_owner) != team_of(ball.owner)) ++team_changes;
            last_owner = ball.owner;
        }
        return true;
    }
};

} // namespace player_test
