#include "match/enhanced/enhanced_cards.hpp"

#include "core/globals.hpp"
#include "core/settings.hpp"
#include "football/player.hpp"
#include "football/team.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_state.hpp"
#include "match/enhanced/enhanced_tuning.hpp"
#include "match/enhanced/referee.hpp"
#include "match/overlays/hud_message.hpp"
#include "match/sound/commentary_extra.hpp"
#include "match/sound/match_sound.hpp"

t_card card_for(const t_foul& f, int yellows) {
    if (f.denied_chance) return t_card::red;
    if (!f.reckless) return t_card::none;
    return yellows >= 1 ? t_card::red : t_card::yellow;
}

void send_off(t_player& p) {
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
