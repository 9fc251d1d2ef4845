#include "match/players/control_newcomer.hpp"

#include <cmath>

#include "core/settings.hpp"
#include "football/match_settings.hpp"
#include "football/team.hpp"
#include "match/ball/ball.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_state.hpp"
#include "match/players/player_refs.hpp"
#include "platform/maths.hpp"
#include "ui/input.hpp"

namespace {
// He lets fly this far from the opponents' goal line.
constexpr double SHOOTING_DISTANCE = 120;
// Updates he holds fire 1 for a shot: let go now, the kick leaves in the early window, aimed.
constexpr int SHOT_CHARGE_UPDATES = 6;
// He slides at a carrier this near his man...
constexpr double SLIDE_REACH = 12;
// ...only in the first moments of each second of the match clock, so once a second at most.
constexpr int SLIDE_EVERY_MS = 1000;
constexpr int SLIDE_WINDOW_MS = 2 * UPDATE_MS;

void stick_towards(t_input& in, double direction) {
    in.x0 = static_cast<int>(round_half_away(cos_deg(direction)));
    in.y0 = static_cast<int>(round_half_away(sin_deg(direction)));
}

void let_go(t_input& in) {
    in.x0 = 0;
    in.y0 = 0;
    in.fire10 = 0;
}

double opponents_goal_y(const t_team& t) { return -t.side * GOAL_LINE_Y; }

bool restart_event(int32_t event) {
    switch (event) {
    case t_match_status::THROW_IN:
    case t_match_status::CORNER:
    case t_match_status::GOAL_KICK:
    case t_match_status::GOALIE:
    case t_match_status::FREE_KICK:
    case t_match_status::KICK_OFF:
    case t_match_status::PENALTY: return true;
    default: return false;
    }
}

// His own keeper holding the ball is a restart too: the keeper's kick reads open play's event.
bool takes_restart(int side) {
    if (!team_owns_ball(side)) return false;
    return restart_event(match_status.event) || is_keeper_slot(side, ball.owner);
}

// Whatever the restart, towards their goal and a tap of fire 1: pressed one update, let go the next.
void take_restart(const t_team& t, t_input& in) {
    stick_towards(in, atan2_deg(opponents_goal_y(t) - ball.y, -ball.x));
    in.fire10 = in.fire11 != 0 ? 0 : 1;
}

// The far corner, diagonally: a newcomer's stick knows no finer aim. Square in front of goal, the side
// the keeper leaves open.
int shooting_corner_x(int side) {
    if (const int s = sign(ball.x); s != 0) return -s;
    const auto& squad = squad_of(1 - side);
    if (squad.size() <= GOALKEEPER_SLOT || !squad[GOALKEEPER_SLOT]) return 1;
    return squad[GOALKEEPER_SLOT]->x > ball.x ? -1 : 1;
}

void attack(int side, const t_team& t, t_input& in) {
    if (in.fired == 1) {
        // Charging: the stick stays on the kick's line until fire is let go.
        in.x0 = in.x1;
        in.y0 = in.y1;
        in.fire10 = in.fire_time < SHOT_CHARGE_UPDATES ? 1 : 0;
        return;
    }
    const double goal_y = opponents_goal_y(t);
    if (std::fabs(goal_y - ball.y) <= SHOOTING_DISTANCE) {
        in.x0 = shooting_corner_x(side);
        in.y0 = -t.side;
        in.fire10 = 1;
        return;
    }
    const t_player* carrier = ball.owner.get();
    stick_towards(in, atan2_deg(goal_y - carrier->y, -carrier->x));
    in.fire10 = 0;
}

// At the ball with whoever he steers; a slide now and then at a carrier within reach.
void chase(int side, const t_team& t, t_input& in) {
    const t_player* me = t.controlled ? t.controlled.get() : t.nearest_1.get();
    if (me == nullptr) {
        let_go(in);
        return;
    }
    stick_towards(in, atan2_deg(ball.y - me->y, ball.x - me->x));
    in.fire10 = 0;
    const t_player* carrier = ball.owner.get();
    const bool carried_by_them = carrier != nullptr && team_of(ball.owner) == 1 - side;
    const bool in_slide_window = match_status.timer % SLIDE_EVERY_MS < SLIDE_WINDOW_MS;
    if (match_settings.gameplay == t_gameplay::enhanced && t.controlled && carried_by_them && in_slide_window &&
        in.fire21 == 0 && distance(me->x, me->y, carrier->x, carrier->y) <= SLIDE_REACH)
        in.fire20 = 1;
}
} // namespace

void newcomer_controller(int side) {
    const t_team& t = team_at(side);
    t_input& in = input_of(side);
    in.fire20 = 0;
    if (takes_restart(side)) {
        take_restart(t, in);
    } else if (match_status.event != t_match_status::IN_GAME) {
        let_go(in);
    } else if (team_owns_ball(side)) {
        attack(side, t, in);
    } else {
        chase(side, t, in);
    }
}

void read_player_controller(int side, t_play play) {
    t_input& in = input_of(side);
    if (in.dev != NEWCOMER_DEVICE) {
        input_read(side);
        return;
    }
    newcomer_controller(side);
    // His fire 2 is a slide: a tap left over from open play must not call for the bench at the whistle.
    if (play == t_play::stopped) in.fire21 = 0;
}
