#include "match/enhanced/enhanced_fouls.hpp"

#include <algorithm>
#include <cmath>

#include "football/player.hpp"
#include "football/team.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_state.hpp"
#include "match/enhanced/enhanced_cards.hpp"
#include "match/enhanced/enhanced_tackle.hpp"
#include "match/enhanced/enhanced_tuning.hpp"
#include "match/enhanced/referee.hpp"
#include "match/phases/phase_common.hpp"
#include "match/draw/sprite_frames_extra.hpp"
#include "match/sound/match_sound.hpp"
#include "match/players/player_possession.hpp"
#include "match/players/player_refs.hpp"
#include "platform/maths.hpp"
#include "platform/random.hpp"
#include "ui/input.hpp"

namespace {
// The first share of a slide shows him going down.
constexpr double SLIDE_GOING_DOWN = 0.8;
constexpr int STANDING_ROW = 1;

double to_ball(const t_player& p) { return distance(p.x, p.y, ball.x, ball.y); }

// The opponent the slider may meet: the carrier, or the one who just played the ball away.
std::shared_ptr<t_player> target_of(int team) {
    if (ball.owner && team_of(ball.owner) == 1 - team) return ball.owner;
    if (ball.owner_last && team_of(ball.owner_last) == 1 - team && !ball.owner) return ball.owner_last;
    return nullptr;
}

void knock_on(t_player& slider) {
    if (ball.owner) {
        ball.tackle_memory.lost.remember(ball.owner.get(), match_status.timer);
        count_tackle(*ball.owner, shared_player(slider));
    }
    ball.set_owner(nullptr);
    ball.owner_last = shared_player(slider);
    ball.a = slider.a;
    ball.v = std::max(ball.v, SLIDE_KNOCK_SPEED * slider.play.slide_v);
    ball.vz = 0;
    ball.s = 0;
}

// One sub-step of one slide: along his line, slowing to a stop, then on the grass a moment.
void slide_step(t_player& p, int team) {
    t_player_play& s = p.play;
    const double fraction = static_cast<double>(s.slide) / SLIDE_SUB_STEPS;
    p.fmx = facing_of(p.a);
    p.fmy = SLIDE_TACKLE_ROW + (fraction > SLIDE_GOING_DOWN ? 0 : 1);
    p.v = s.slide_v * fraction;
    p.x += cos_deg(p.a) * p.v / SUB_STEPS_PER_SECOND;
    p.y += sin_deg(p.a) * p.v / SUB_STEPS_PER_SECOND;
    if (--s.slide == 0) {
        p.v = 0;
        s.down = std::max(s.down, SLIDE_GET_UP_SUB_STEPS);
    }
    // Out of play the slide runs its course, but meets nobody the referee would see.
    if (s.slide_fouled || match_status.event != t_match_status::IN_GAME) return;
    const double feet_x = p.x + SLIDE_FEET_AHEAD * cos_deg(p.a);
    const double feet_y = p.y + SLIDE_FEET_AHEAD * sin_deg(p.a);
    const std::shared_ptr<t_player> target = target_of(team);
    const bool reaches_ball = distance(feet_x, feet_y, ball.x, ball.y) < SLIDE_BALL_REACH && ball.z < TAKE_BALL_HEIGHT;
    if (reaches_ball && !s.slide_won) {
        const bool behind = target && ball.owner == target && challenge_side(p, *target) == t_challenge_side::behind;
        knock_on(p);
        s.slide_won = true;
        if (behind) {
            s.slide_fouled = true;
            call_foul(shared_player(p), target, true);
        }
        return;
    }
    if (!target || distance(p.x, p.y, target->x, target->y) >= SLIDE_BODY_REACH || s.slide_won) return;
    // His legs before the ball: a foul; after the ball has gone, a late one.
    const bool late = ball.owner != target && match_status.timer - ball.events.kicked_at > LATE_CHALLENGE_MS;
    const bool behind = challenge_side(p, *target) == t_challenge_side::behind;
    s.slide_fouled = true;
    call_foul(shared_player(p), target, late || behind || s.slide_v > RECKLESS_SLIDE_SPEED);
}

bool computer_should_slide(const t_player& p, int team) {
    const std::shared_ptr<t_player> carrier = ball.owner;
    if (!carrier || team_of(carrier) != 1 - team || p.is_goalkeeper()) return false;
    const double gap = to_ball(p);
    if (gap > COMPUTER_SLIDE_REACH || gap < SLIDE_BALL_REACH) return false;
    // Only at a ball he can reach first, roughly along his run.
    if (to_ball(p) > distance(carrier->x, carrier->y, ball.x, ball.y) + SLIDE_BALL_REACH) return false;
    // Never through the man from behind: the computer knows that is a card.
    if (challenge_side(p, *carrier) == t_challenge_side::behind) return false;
    const double off = std::fabs(std::remainder(atan2_deg(ball.y - p.y, ball.x - p.x) - p.a, 360.0));
    return off < COMPUTER_SLIDE_CONE && rnd() < COMPUTER_SLIDE_CHANCE;
}
// A diving header's flight, slowing to a landing on his front.
void dive_step(t_player& p) {
    t_player_play& s = p.play;
    const double share = static_cast<double>(s.heading) / DIVING_HEADER_SUB_STEPS;
    p.x += cos_deg(p.a) * DIVING_SPEED * share / SUB_STEPS_PER_SECOND;
    p.y += sin_deg(p.a) * DIVING_SPEED * share / SUB_STEPS_PER_SECOND;
    p.v = 0;
    p.fmx = facing_of(p.a);
    p.fmy = DIVING_HEADER_ROW + (share > DIVING_LAUNCH_SHARE ? 0 : 1);
    if (--s.heading == 0) s.down = DIVING_HEADER_DOWN_SUB_STEPS;
}
} // namespace

bool in_own_penalty_area(int team, double x, double y) {
    const double side = team_at(team).side;
    return std::fabs(x) <= PENALTY_AREA_X && y * side >= PENALTY_AREA_FRONT && y * side <= GOAL_LINE_Y;
}

bool on_the_grass(const t_player& p) { return p.play.slide > 0 || p.play.down > 0 || p.play.sent_off; }

bool moves_by_himself(const t_player& p) {
    return (p.play.slide > 0 || p.play.down > 0 || p.play.heading > 0) && !p.play.sent_off;
}

bool start_slide(t_player& p) {
    if (on_the_grass(p) || p.is_goalkeeper()) return false;
    t_player_play& s = p.play;
    s.slide = SLIDE_SUB_STEPS;
    s.slide_v = std::max(SLIDE_MIN_SPEED, SLIDE_START_SHARE * p.v);
    s.slide_won = false;
    s.slide_fouled = false;
    return true;
}

void choose_slides() {
    for (int team = 0; team < 2; ++team) {
        t_team& t = team_at(team);
        if (!t.controlled || team_owns_ball(team)) continue;
        t_player& p = *t.controlled;
        const t_input& in = input_of(team);
        const bool wants = t.control == CONTROL_PLAYER ? in.fire20 != 0 && in.fire21 == 0
                                                       : computer_should_slide(p, team);
        if (!wants) continue;
        if (t.control != CONTROL_PLAYER) p.a = atan2_deg(ball.y - p.y, ball.x - p.x);
        start_slide(p);
    }
}

bool step_by_himself(t_player& p, int team) {
    if (!moves_by_himself(p)) return false;
    t_player_play& s = p.play;
    if (s.slide > 0) {
        slide_step(p, team);
    } else if (s.down > 0) {
        p.fmy = s.fallen ? FALLEN_ROW : s.diving ? DIVING_HEADER_ROW + 1 : SLIDE_TACKLE_ROW + 1;
        if (--s.down == 0) {
            s.fallen = false;
            s.diving = false;
            p.fmy = STANDING_ROW;
        }
    } else if (s.diving) {
        dive_step(p);
    } else {
        p.fmy = HEADER_ROW + (s.heading > HEADER_SUB_STEPS / 2 ? 1 : 0);
        if (--s.heading == 0) p.fmy = STANDING_ROW;
    }
    return true;
}

void update_slides() {
    for (int team = 0; team < 2; ++team) {
        const auto& squad = squad_of(team);
        for (size_t slot = 1; slot < squad.size(); ++slot) step_by_himself(*squad[slot], team);
    }
}

bool denies_clear_chance(const t_player& fouled, const t_player& offender) {
    const int attacking = team_of(shared_player(fouled));
    if (attacking < 0 || ball.owner.get() != &fouled) return false;
    const double goal_y = -team_at(attacking).side * GOAL_LINE_Y;
    if (std::fabs(goal_y - fouled.y) > CLEAR_CHANCE_RANGE) return false;
    // Any other defender nearer his goal than the attacker would still have covered.
    const auto& defenders = squad_of(1 - attacking);
    for (size_t slot = GOALKEEPER_SLOT + 1; slot <= ON_PITCH_SLOTS && slot < defenders.size(); ++slot) {
        const t_player& d = *defenders[slot];
        if (&d == &offender || d.play.sent_off || on_the_grass(d)) continue;
        if (std::fabs(goal_y - d.y) < std::fabs(goal_y - fouled.y)) return false;
    }
    return true;
}

void call_foul(const std::shared_ptr<t_player>& offender, const std::shared_ptr<t_player>& fouled, bool reckless) {
    if (referee.whistled || !offender || !fouled) return;
    const int offending = team_of(offender);
    const int fouled_team = team_of(fouled);
    if (offending < 0 || fouled_team < 0) return;
    ++match_stats[static_cast<size_t>(offending)].foul;
    t_foul f;
    f.offender = offender;
    f.fouled = fouled;
    f.fouled_team = fouled_team;
    f.x = std::clamp(fouled->x, -TOUCHLINE_X, TOUCHLINE_X);
    f.y = std::clamp(fouled->y, -GOAL_LINE_Y + 1, GOAL_LINE_Y - 1);
    f.penalty = in_own_penalty_area(offending, f.x, f.y);
    f.reckless = reckless;
    f.denied_chance = denies_clear_chance(*fouled, *offender);
    fouled->play.down = FOULED_DOWN_SUB_STEPS;
    fouled->play.fallen = true;
    fouled->play.heading = 0;
    fouled->play.diving = false;
    fouled->play.slide = 0;
    fouled->v = 0;
    if (ball.owner == fouled) ball.set_owner(nullptr);
    referee.foul = f;
    referee.whistled = true;
    play_foul_whistle();
    book(f);
}
