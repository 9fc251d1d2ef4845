#include "match/core/match_mode.hpp"

#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/loaders.hpp"
#include "core/menu_display.hpp"
#include "core/menu_status.hpp"
#include "core/screen_modes.hpp"
#include "football/competition.hpp"
#include "match/draw/match_images.hpp"
#include "match/core/match_setup.hpp"
#include "match/sound/match_sound.hpp"
#include "match/core/match_state.hpp"
#include "platform/fatal.hpp"
#include "platform/graphics.hpp"
#include "ui/menu.hpp"

namespace {
} // namespace

t_match_mode::t_match_mode() : frame0(replay_frame) {}

void t_match_mode::replay() {
    action_queue->push(ACTION_FADE_OUT, 0);
    action_queue->push(ACTION_HOLD_AND_OPEN, MODE_MATCH_REPLAY);
    action_queue->push(ACTION_FADE_IN, 0);
}

void t_match_mode::bench(int team) {
    bench_status.team = team;
    action_queue->push(ACTION_HOLD_AND_OPEN, MODE_MATCH_BENCH_ENTER);
}

void t_match_mode::quit_match() {
    stop_match_sounds();
    release_match_sounds();
    release_match_images();
    release_match_objects();
    open_menu_display();
    if (menu.status == STATUS_COMPETITION && competition) {
        menu.show_result = 1;
        action_queue->push(ACTION_NEW_SCREEN, competition->typ == COMPETITION_CUP ? MODE_PLAY_CUP : MODE_PLAY_LEAGUE);
    } else {
        action_queue->push(ACTION_NEW_SCREEN, MODE_REPLAY_MATCH);
    }
}
