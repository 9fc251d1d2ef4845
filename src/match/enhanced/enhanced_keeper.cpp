#include "match/enhanced/enhanced_keeper.hpp"

#include <algorithm>
#include <cmath>

#include "core/game.hpp"
#include "football/player.hpp"
#include "football/team.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_state.hpp"
#include "match/core/play_events.hpp"
#include "match/core/state_machine.hpp"
#include "match/enhanced/enhanced_fouls.hpp"
#include "match/enhanced/enhanced_tuning.hpp"
#include "match/players/player_refs.hpp"
#include "match/sound/match_sound.hpp"
#include "platform/maths.hpp"
#include "platform/random.hpp"

namespace {
int skill(int value) { return std::clamp(value, 0, SKILL_TOP); }

// Straight back up the pitch from the goal `team` defends.
double up_the_pitch(int team) { return team_at(team).side > 0 ? 270 : 90; }

bool standing_guard(const t_player& k) {
    return k.brain && k.state_positioning && k.brain->active_state == k.state_positioning.get();
}

// In front of the goal `team` defends, where its keeper's hands are first to a cross.
bool in_claim_zone(int team, double x, double y) {
    const double from_line = GOAL_LINE_Y - team_at(team).side * y;
    return std::fabs(x) <= CLAIM_ZONE_X && from_line >= 0 && from_line <= CLAIM_ZONE_DEPTH;
}

// Round the post: away to his side, past the post and on behind his goal line, never into his net.
void tip_round_post(int team, const t_player& k) {
    const double away = ball.x == k.x ? 1 : sign(ball.x - k.x);
    const double line_y = team_at(team).side * GOAL_LINE_Y;
    const double past_post_x = away * (GOAL_MOUTH_X + TIP_PAST_POST);
    ball.a = std::fmod(atan2_deg(line_y - ball.y, past_post_x - ball.x) + 360, 360);
    ball.v *= REFLEX_TIP_SPEED_KEPT;
}

void reflex_save(int team) {
    const auto& squad = squad_of(team);
    if (squad.size() <= GOALKEEPER_SLOT) return;
    const std::shared_ptr<t_player>& keeper = squad[GOALKEEPER_SLOT];
    t_player& k = *keeper;
    if (ball.owner || ball.v < REFLEX_MIN_SPEED || ball.z > REFLEX_HEIGHT) return;
    if (team_of(ball.owner_last) != 1 - team || k.play.sent_off || !standing_guard(k)) return;
    // Only a ball on its way to his goal.
    if (sin_deg(ball.a) * team_at(team).side <= 0) return;
    if (distance(k.x, k.y, ball.x, ball.y) > REFLEX_REACH + skill(k.skill_keeper)) return;
    if (ball.tackle_memory.challenged.within(&k, match_status.timer, REFLEX_RETRY_MS)) return;
    ball.tackle_memory.challenged.remember(&k, match_status.timer);
    if (rnd() >= REFLEX_BASE + REFLEX_PER_SKILL * skill(k.skill_keeper)) return;
    if (rnd() < REFLEX_TIPPED_WIDE) {
        tip_round_post(team, k);
    } else {
        ball.a = std::fmod(up_the_pitch(team) + rnd_range(-REFLEX_SPREAD, REFLEX_SPREAD) + 360, 360);
        ball.v *= REFLEX_SPEED_KEPT;
    }
    ball.vz = REFLEX_LIFT * rnd();
    ball.s = 0;
    ball.owner_last = keeper;
    ball.events.pass_team = -1;
    ball.events.touch = t_goal_kind::open_play;
}
} // namespace

void keeper_reflex_saves() {
    reflex_save(0);
    reflex_save(1);
}

bool keeper_tips_hard_shot(t_player& k) {
    int team = -1;
    for (int t = 0; t < 2; ++t)
        if (squad_of(t).size() > GOALKEEPER_SLOT && squad_of(t)[GOALKEEPER_SLOT].get() == &k) team = t;
    if (team < 0 || ball.v < TIP_FROM_SPEED || team_of(ball.owner_last) != 1 - team) return false;
    if (rnd() < HOLD_HARD_SHOT_BASE + HOLD_HARD_SHOT_PER_SKILL * skill(k.skill_keeper)) return false;
    tip_round_post(team, k);
    ball.vz = REFLEX_LIFT * rnd();
    ball.s = 0;
    ball.owner_last = squad_of(team)[GOALKEEPER_SLOT];
    ball.events.pass_team = -1;
    ball.events.touch = t_goal_kind::open_play;
    return true;
}

bool keeper_gathers_loose_ball() {
    if (ball.owner || ball.z > KEEPER_GATHER_HEIGHT || ball.v > KEEPER_GATHER_SPEED) return false;
    for (int team = 0; team < 2; ++team) {
        const auto& squad = squad_of(team);
        if (squad.size() <= GOALKEEPER_SLOT) continue;
        const t_player& k = *squad[GOALKEEPER_SLOT];
        // His own side's pass back is for his feet.
        if (team_of(ball.owner_last) == team || k.play.sent_off || !standing_guard(k)) continue;
        if (!in_own_penalty_area(team, ball.x, ball.y) || !in_own_penalty_area(team, k.x, k.y)) continue;
        if (distance(k.x, k.y, ball.x, ball.y) < KEEPER_GATHER_REACH) return true;
    }
    return false;
}

void keeper_comes_for_cross(const t_player& k, double& x, double& y) {
    const int team = k.team ? k.team->index : -1;
    if (team >= 0 && !ball.owner && team_of(ball.owner_last) == 1 - team) {
        for (size_t i = 1; i < ball.prediction.size(); ++i) {
            const t_vec3d& q = ball.prediction[i];
            if (q.z < CLAIM_LOW || q.z > CLAIM_HIGH || q.z > ball.prediction[i - 1].z) continue;
            if (!in_claim_zone(team, q.x, q.y)) continue;
            const double reach = k.speed_running * CLAIM_RUN_SHARE * static_cast<double>(i) / FRAMES_PER_SECOND + CLAIM_REACH;
            if (distance(k.x, k.y, q.x, q.y) > reach) continue;
            x = q.x;
            y = q.y;
            break;
        }
    }
    // The predicted ball may be beyond the goal line: walking into the net for it, he never stood still and a
    // restart waiting for everyone to stand never came.
    y = std::clamp(y, -GOAL_LINE_Y, GOAL_LINE_Y);
}

bool keeper_claims_cross() {
    if (ball.owner || ball.z < CLAIM_LOW || ball.z > CLAIM_HIGH || ball.vz > 0) return false;
    for (int team = 0; team < 2; ++team) {
        const auto& squad = squad_of(team);
        if (squad.size() <= GOALKEEPER_SLOT) continue;
        const t_player& k = *squad[GOALKEEPER_SLOT];
        if (team_of(ball.owner_last) != 1 - team || k.play.sent_off || !standing_guard(k)) continue;
        if (!in_claim_zone(team, ball.x, ball.y)) continue;
        if (distance(k.x, k.y, ball.x, ball.y) > CLAIM_REACH) continue;
        if (ball.tackle_memory.challenged.within(&k, match_status.timer, CLAIM_RETRY_MS)) continue;
        ball.tackle_memory.challenged.remember(&k, match_status.timer);
        if (rnd() < CLAIM_BASE + CLAIM_PER_SKILL * skill(k.skill_keeper)) return true;
    }
    return false;
}

void keep_keepers_in_their_area() {
    for (int team = 0; team < 2; ++team) {
        t_team& t = team_at(team);
        const auto& squad = squad_of(team);
        if (!t.controlled || squad.size() <= GOALKEEPER_SLOT || t.controlled != squad[GOALKEEPER_SLOT]) continue;
        const std::shared_ptr<t_player> keeper = t.controlled;
        if (in_own_penalty_area(team, keeper->x, keeper->y)) continue;
        if (ball.owner == keeper) {
            const double a = up_the_pitch(team) + rnd_range(-KEEPER_CLEARANCE_SPREAD, KEEPER_CLEARANCE_SPREAD);
            ball.set_owner(nullptr);
            ball.owner_last = keeper;
            ball.a = std::fmod(a + 360, 360);
            ball.v = KEEPER_CLEARANCE_SPEED;
            ball.vz = KEEPER_CLEARANCE_LIFT;
            ball.s = 0;
            note_kick(team);
            play_kick();
        }
        t.controlled = t.nearest_1 && t.nearest_1 != keeper ? t.nearest_1 : t.nearest_2;
    }
}
