#include "match/core/match_mode.hpp"

#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/loaders.hpp"
#include "football/competition.hpp"
#include "match/draw/match_images.hpp"
#include "match/core/match_setup.hpp"
#include "match/sound/match_sound.hpp"
#include "match/core/match_state.hpp"
#include "platform/fatal.hpp"
#include "platform/graphics.hpp"
#include "ui/menu.hpp"

namespace {
constexpr int MODE_REPLAY = 65;
constexpr int MODE_BENCH_ENTER = 60;
constexpr int MODE_REPLAY_MATCH = 19;
constexpr int MODE_PLAY_LEAGUE = 21;
constexpr int MODE_PLAY_CUP = 29;
constexpr int MENU_COMPETITION = 2;
} // namespace

t_match_mode::t_match_mode() : frame0(replay_frame) {}

void t_match_mode::replay() {
    action_queue->push(ACTION_FADE_OUT, 0);
    action_queue->push(ACTION_HOLD_AND_OPEN, MODE_REPLAY);
    action_queue->push(ACTION_FADE_IN, 0);
}

void t_match_mode::bench(int team) {
    bench_status.team = team;
    action_queue->push(ACTION_HOLD_AND_OPEN, MODE_BENCH_ENTER);
}

void t_match_mode::quit_match() {
    stop_match_sounds();
    release_match_sounds();
    release_match_images();
    release_match_objects();
    if (!open_graphics(1024, 768, settings.full_screen != 0 ? 32 : 0, 60)) runtime_error("Cannot open the display");
    screen_w = 1024;
    screen_h = 768;
    hide_mouse();
    font_10 = load_image_from("images", "ucode_10.png", -1, 0x0000FF);
    font_14 = load_image_from("images", "ucode_14.png", -1, 0x0000FF);
    arrow_image = load_image_from("images", "arrow.png", -1, 0x0000FF);
    if (menu.status == MENU_COMPETITION && competition) {
        menu.show_result = 1;
        action_queue->push(ACTION_NEW_SCREEN, competition->typ == COMPETITION_CUP ? MODE_PLAY_CUP : MODE_PLAY_LEAGUE);
    } else {
        action_queue->push(ACTION_NEW_SCREEN, MODE_REPLAY_MATCH);
    }
}
