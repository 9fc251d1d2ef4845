#include "match/enhanced/enhanced_cards.hpp"

#include <algorithm>
#include <cmath>

#include "core/globals.hpp"
#include "core/settings.hpp"
#include "football/player.hpp"
#include "football/team.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_state.hpp"
#include "match/enhanced/enhanced_tuning.hpp"
#include "match/enhanced/referee.hpp"
#include "match/keeper/keeper_states.hpp"
#include "match/overlays/hud_message.hpp"
#include "match/sound/commentary_extra.hpp"
#include "match/sound/match_sound.hpp"

t_card card_for(const t_foul& f, int yellows) {
    if (f.denied_chance) return t_card::red;
    if (!f.reckless) return t_card::none;
    return yellows >= 1 ? t_card::red : t_card::yellow;
}

namespace {
// A keeper sent off leaves slot 1 to the outfield man best in goal (the nearest his goal among equals), who keeps
// goal from then on; the keeper takes his slot on the way off. Left in slot 1 he went on guarding the goal.
void stand_in_for_the_keeper(const t_player& keeper) {
    for (int team = 0; team < 2; ++team) {
        auto& squad = squad_of(team);
        if (squad.size() <= GOALKEEPER_SLOT || squad[GOALKEEPER_SLOT].get() != &keeper) continue;
        const double own_goal_y = team_at(team).side * GOAL_LINE_Y;
        size_t best = 0;
        for (size_t slot = GOALKEEPER_SLOT + 1; slot <= ON_PITCH_SLOTS && slot < squad.size(); ++slot) {
            const t_player& c = *squad[slot];
            if (c.play.sent_off) continue;
            const auto better = [&](const t_player& b) {
                if (c.skill_keeper != b.skill_keeper) return c.skill_keeper > b.skill_keeper;
                return std::fabs(c.y - own_goal_y) < std::fabs(b.y - own_goal_y);
            };
            if (best == 0 || better(*squad[best])) best = slot;
        }
        if (best == 0) return;
        std::swap(squad[GOALKEEPER_SLOT], squad[best]);
        take_up_role_of_slot(*squad[GOALKEEPER_SLOT], GOALKEEPER_SLOT);
        take_up_role_of_slot(*squad[best], static_cast<int>(best));
        return;
    }
}
} // namespace

void send_off(t_player& p) {
    stand_in_for_the_keeper(p);
    p.play.sent_off = true;
    p.play.slide = 0;
    p.play.down = 0;
    p.tx = SENT_OFF_EXIT_X;
    p.ty = SENT_OFF_EXIT_Y;
    for (int team = 0; team < 2; ++team) {
        t_team& t = team_at(team);
        if (t.controlled.get() == &p) t.controlled.reset();
        if (t.nearest_1.get() == &p) t.nearest_1.reset();
        if (t.nearest_2.get() == &p) t.nearest_2.reset();
    }
    if (ball.owner.get() == &p) ball.set_owner(nullptr);
}

int players_on_pitch(int team) {
    const auto& squad = squad_of(team);
    int n = 0;
    for (size_t slot = 1; slot <= ON_PITCH_SLOTS && slot < squad.size(); ++slot)
        if (!squad[slot]->play.sent_off) ++n;
    return n;
}

void book(const t_foul& f) {
    t_player& p = *f.offender;
    const t_card card = card_for(f, p.play.yellow);
    if (card == t_card::none) return;
    const auto team = static_cast<size_t>(team_of(f.offender));
    referee.card = card;
    referee.card_left = CARD_SHOWN_MS * SUB_STEPS_PER_SECOND / 1000;
    if (card == t_card::yellow) {
        ++p.play.yellow;
        ++match_stats[team].yell;
        show_hud_message("YELLOW CARD", " " + p.get_single_name());
        play_referee_commentary(COMMENTARY_YELLOW_CARD, match_status.timer / UPDATE_MS);
        return;
    }
    ++match_stats[team].reds;
    show_hud_message("RED CARD", " " + p.get_single_name());
    play_referee_commentary(COMMENTARY_RED_CARD, match_status.timer / UPDATE_MS);
    send_off(p);
}
