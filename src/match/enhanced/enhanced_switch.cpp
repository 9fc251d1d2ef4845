#include "match/enhanced/enhanced_switch.hpp"

#include <algorithm>
#include <cmath>

#include "football/match_settings.hpp"
#include "football/player.hpp"
#include "football/team.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_state.hpp"
#include "match/enhanced/enhanced_fouls.hpp"
#include "match/enhanced/enhanced_tuning.hpp"
#include "platform/maths.hpp"
#include "ui/input.hpp"

namespace {
// Below this difference of squared speeds the man runs as fast as the ball.
constexpr double SAME_SPEED = 1e-9;

// Where the ball is and how it moves on: along its carrier's run, or its own course when loose.
struct t_course {
    double x, y, v, a;
};

t_course ball_course() {
    const t_player* carrier = ball.owner.get();
    return {ball.x, ball.y, carrier ? carrier->v : ball.v, carrier ? carrier->a : ball.a};
}

double time_to_meet(const t_player& p, const t_course& c) { return time_to_meet(p, c.x, c.y, c.v, c.a); }

// Whether control may go to `p` at all.
bool may_take_control(const t_player& p) {
    return p.status == STATUS_ON_PITCH && !p.play.sent_off && !on_the_grass(p) &&
           !is_off_screen(std::trunc(p.x), std::trunc(p.y));
}

// Whether `rival` meets the ball so much sooner than the controlled man `now` that control goes to him.
bool clearly_sooner(const t_player& rival, const t_player& now, const t_course& c) {
    if (!may_take_control(now)) return true;
    const double current = time_to_meet(now, c);
    if (std::isinf(current)) return true;
    return (current - time_to_meet(rival, c)) * now.speed >= AUTO_SWITCH_MARGIN;
}
} // namespace

double time_to_meet(const t_player& p, double x, double y, double v, double a) {
    const double speed = p.speed;
    const double rx = x - p.x;
    const double ry = y - p.y;
    const double gap = rx * rx + ry * ry;
    if (gap == 0) return 0;
    if (speed <= 0) return NEVER_REACHES;
    // The first t > 0 with |r + u t| = speed t.
    const double ux = v * cos_deg(a);
    const double uy = v * sin_deg(a);
    const double qa = ux * ux + uy * uy - speed * speed;
    const double qb = 2 * (rx * ux + ry * uy);
    if (std::fabs(qa) < SAME_SPEED) return qb < 0 ? -gap / qb : NEVER_REACHES; // as fast as the ball: only head on
    const double discriminant = qb * qb - 4 * qa * gap;
    if (discriminant < 0) return NEVER_REACHES;
    const double root = std::sqrt(discriminant);
    const double first = std::min((-qb - root) / (2 * qa), (-qb + root) / (2 * qa));
    const double second = std::max((-qb - root) / (2 * qa), (-qb + root) / (2 * qa));
    if (first > 0) return first;
    return second > 0 ? second : NEVER_REACHES;
}

std::shared_ptr<t_player> best_placed_to_win_ball(int team) {
    const t_course course = ball_course();
    const auto& squad = squad_of(team);
    std::shared_ptr<t_player> best;
    double soonest = NEVER_REACHES;
    for (size_t slot = GOALKEEPER_SLOT + 1; slot <= ON_PITCH_SLOTS && slot < squad.size(); ++slot) {
        const std::shared_ptr<t_player>& p = squad[slot];
        if (!p || !may_take_control(*p)) continue;
        if (const double t = time_to_meet(*p, course); t < soonest) {
            soonest = t;
            best = p;
        }
    }
    return best;
}

void auto_switch_control(int team) {
    t_team& t = team_at(team);
    if (t.control != CONTROL_PLAYER || !match_settings.auto_switch) return;
    t_control_hold& hold = ball.control_holds[static_cast<size_t>(team)];
    hold.note(t.controlled.get(), match_status.timer);
    if (team_of(ball.owner) != 1 - team) return;
    const t_input& in = input_of(team);
    if (in.fire11 != 0 || in.fired != 0 || in.fire_time != 0) return; // his own switch, or a kick
    if (t.controlled && t.controlled->play.slide > 0) return;
    if (!hold.held_for(match_status.timer, AUTO_SWITCH_HOLD_MS)) return;
    const std::shared_ptr<t_player> best = best_placed_to_win_ball(team);
    if (!best || best == t.controlled) return;
    if (t.controlled && !clearly_sooner(*best, *t.controlled, ball_course())) return;
    t.controlled = best;
    hold.note(best.get(), match_status.timer);
}
