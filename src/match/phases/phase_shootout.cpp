#include "match/phases/phase_shootout.hpp"

#include <algorithm>
#include <cmath>

#include "core/globals.hpp"
#include "core/menu_status.hpp"
#include "core/screen_modes.hpp"
#include "football/competition.hpp"
#include "football/cup.hpp"
#include "football/match_settings.hpp"
#include "football/penalty_shootout.hpp"
#include "match/core/function_keys.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_main.hpp"
#include "match/enhanced/enhanced_tuning.hpp"
#include "match/enhanced/referee.hpp"
#include "match/phases/phase_common.hpp"
#include "match/players/player_movement.hpp"
#include "match/players/player_refs.hpp"
#include "match/sound/match_sound.hpp"
#include "platform/maths.hpp"
#include "platform/random.hpp"
#include "ui/menu.hpp"

t_shootout shootout;

namespace {
constexpr double HALFWAY_GAP = 24;       // from the centre spot to the first man of each side
constexpr double HALFWAY_SPACING = 18;   // between the men waiting arm in arm
constexpr double TAKER_RUN_UP = 24;      // behind the ball
constexpr double KEEPER_LINE_IN = 6;     // the keeper stands just off his line
constexpr double KEEPER_ASIDE_X = PENALTY_AREA_X + 30; // the other keeper waits beside the area
constexpr double KEEPER_ASIDE_IN = 60;
constexpr double IN_PLACE = 2;
constexpr int POSITIONS_MOST_SUB_STEPS = 2400;
constexpr int KICK_MOST_SUB_STEPS = 1440;   // a kick still rolling after three seconds has missed
constexpr int RESULT_SHOWN_SUB_STEPS = 720; // the crowd's reaction before the next kick
constexpr double DEAD_BALL_SPEED = 25;

bool in_cup() { return menu.status == STATUS_COMPETITION && dynamic_cast<t_cup*>(competition.get()) != nullptr; }

bool in_place(const t_player& p) { return std::fabs(p.tx - p.x) < IN_PLACE && std::fabs(p.ty - p.y) < IN_PLACE; }

void finish_shootout() {
    shootout.on = false;
    // The kicks were no part of the match's figures.
    match_stats = shootout.stats_at_start;
    shootout_result_to_competition();
    play_long_whistle();
    open_phase(MODE_MATCH_END_POSITIONS);
}
} // namespace

bool shootout_due() {
    if (match_settings.gameplay != t_gameplay::enhanced || shootout.played) return false;
    if (in_cup()) {
        auto& cup = dynamic_cast<t_cup&>(*competition);
        const t_match& m = cup.get_match();
        return m.result && !m.result_penalties && !m.qualified && cup.play_penalties() != 0;
    }
    if (menu.status == STATUS_COMPETITION) return false;
    return match_settings.friendly_shootout && match_stats[0].goal == match_stats[1].goal;
}

void start_shootout() {
    shootout = t_shootout{};
    shootout.on = true;
    shootout.played = true;
    shootout.stats_at_start = match_stats;
    shootout.tally = t_shootout_tally(rand(0, 1));
    shootout.goal_side = 3 - 2 * rand(1, 2);
    match_status.period = t_match_status::UNDEFINED;
    match_status.event = t_match_status::PENALTY;
    open_phase(MODE_MATCH_SHOOTOUT_POSITIONS);
}

t_player* shootout_taker(int team, size_t kicks_taken) {
    std::vector<t_player*> order;
    t_player* keeper = nullptr;
    for (int slot = 1; slot <= ON_PITCH_SLOTS && static_cast<size_t>(slot) < squad_of(team).size(); ++slot) {
        t_player& p = squad_player(team, slot);
        if (p.play.sent_off) continue;
        if (slot == GOALKEEPER_SLOT)
            keeper = &p;
        else
            order.push_back(&p);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const t_player* a, const t_player* b) { return penalty_taking(*a) > penalty_taking(*b); });
    if (keeper) order.push_back(keeper);
    return order.empty() ? nullptr : order[kicks_taken % order.size()];
}

void shootout_result_to_competition() {
    if (!in_cup()) return;
    const t_score g = shootout.tally.goals();
    dynamic_cast<t_cup&>(*competition).set_result(g[0], g[1], RESULT_PENALTIES);
}

t_match_shootout_positions::t_match_shootout_positions() : frame0_(replay_frame) {
    display_score = 1;
    match_status.event = t_match_status::PENALTY;
    clear_controllers();
    clear_controlled_players();
    const int taking = shootout.tally.next_side();
    const int defending = 1 - taking;
    const int side = shootout.goal_side;
    // Every kick is at the same end: the defending side's goal is there for this kick.
    team_at(defending).side = side;
    team_at(taking).side = -side;
    ball.set_owner(nullptr);
    ball.v = 0;
    ball.vz = 0;
    ball.set_position(0, side * PENALTY_SPOT_Y, 0);
    ball.update_zone();
    for (int t = 0; t < 2; ++t) {
        int place = 0;
        for (int slot = 1; slot <= ON_PITCH_SLOTS && static_cast<size_t>(slot) < squad_of(t).size(); ++slot) {
            t_player& p = squad_player(t, slot);
            if (p.play.sent_off) continue;
            p.tx = (t == 0 ? -1 : 1) * (HALFWAY_GAP + HALFWAY_SPACING * place++);
            p.ty = 0;
        }
    }
    t_player& keeper = squad_player(defending, GOALKEEPER_SLOT);
    keeper.tx = 0;
    keeper.ty = side * (GOAL_LINE_Y - KEEPER_LINE_IN);
    t_player& other_keeper = squad_player(taking, GOALKEEPER_SLOT);
    other_keeper.tx = -KEEPER_ASIDE_X;
    other_keeper.ty = side * (GOAL_LINE_Y - KEEPER_ASIDE_IN);
    taker_ = shootout_taker(taking, shootout.kicks_taken[static_cast<size_t>(taking)]);
    if (!taker_) return;
    taker_->tx = 0;
    taker_->ty = side * (PENALTY_SPOT_Y - TAKER_RUN_UP);
    ball.set_owner(shared_player(*taker_));
}

void t_match_shootout_positions::update() {
    read_set_up_controllers();
    if (handle_function_keys()) return;
    for (int k = 0; k < SUB_STEPS; ++k) {
        move_players(1, 0);
        referee.follow_play();
        ball.set_position(0, shootout.goal_side * PENALTY_SPOT_Y, 0);
        record_sub_step(CAMERA_FOLLOW);
    }
    const int defending = 1 - shootout.tally.next_side();
    const bool ready = taker_ && in_place(*taker_) && in_place(squad_player(defending, GOALKEEPER_SLOT));
    if (ready || sub_steps_since(frame0_) > POSITIONS_MOST_SUB_STEPS) {
        if (!taker_) {
            // Nobody left to take it: the kick is missed.
            shootout.tally.record(false);
            if (shootout.tally.decided()) finish_shootout();
            else open_phase(MODE_MATCH_SHOOTOUT_POSITIONS);
            return;
        }
        open_phase(MODE_MATCH_PENALTY_KICK);
        return;
    }
    standard_exits(*this, t_exits::escape_replay);
}

t_match_shootout_kick::t_match_shootout_kick()
    : frame0_(replay_frame), taker_team_(shootout.tally.next_side()) {
    display_score = 1;
    // The taker's side has nothing more to do; its keeper, held like a controlled man, stays where he waits.
    team_at(taker_team_).controlled = shared_player(squad_player(taker_team_, GOALKEEPER_SLOT));
    team_at(1 - taker_team_).controlled.reset();
}

int t_match_shootout_kick::outcome() const {
    const t_player& keeper = squad_player(1 - taker_team_, GOALKEEPER_SLOT);
    if (over_goal_line(ball.y, shootout.goal_side)) return in_goal_mouth(ball.x, ball.z) ? 1 : 0;
    if (ball.owner.get() == &keeper) return 0;
    const bool left_the_area = std::fabs(ball.y) < PENALTY_AREA_FRONT || std::fabs(ball.x) > PENALTY_AREA_X;
    const bool dead = ball.v < DEAD_BALL_SPEED && ball.z <= 0;
    if (left_the_area || dead || sub_steps_since(frame0_) > KICK_MOST_SUB_STEPS) return 0;
    return -1;
}

void t_match_shootout_kick::update() {
    if (handle_function_keys()) return;
    clear_controllers();
    t_player& keeper = squad_player(1 - taker_team_, GOALKEEPER_SLOT);
    for (int k = 0; k < SUB_STEPS; ++k) {
        ball.update();
        ball.collision_flagposts();
        ball.collision_goal();
        if (decided_at_ < 0 && ball.side.y != 0 && keeper.keeper_collision() != 0) ball.set_owner(shared_player(keeper));
        if (decided_at_ < 0) {
            if (const int fate = outcome(); fate >= 0) {
                decided_at_ = sub_steps_since(frame0_);
                scored_ = fate == 1;
                if (scored_) play_goal_sounds(true);
            }
        }
        move_players(1, 1);
        referee.follow_play();
        ball.update_zone();
        if (replay_frame % PREDICTION_EVERY == 0) ball.update_prediction();
        record_sub_step(CAMERA_FOLLOW);
    }
    if (decided_at_ >= 0 && sub_steps_since(frame0_) - decided_at_ > RESULT_SHOWN_SUB_STEPS) {
        shootout.tally.record(scored_);
        ++shootout.kicks_taken[static_cast<size_t>(taker_team_)];
        if (shootout.tally.decided())
            finish_shootout();
        else
            open_phase(MODE_MATCH_SHOOTOUT_POSITIONS);
        return;
    }
    standard_exits(*this, t_exits::escape_replay);
}
