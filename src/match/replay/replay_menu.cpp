#include "match/replay/replay_menu.hpp"

#include "core/backgrounds.hpp"
#include "core/dictionary.hpp"
#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "ui/menu_toolkit.hpp"

namespace {
constexpr int EXIT_Y = 700;
} // namespace

MenuReplayMatch::MenuReplayMatch() {
    img_background = backgrounds->get("menu_match_presentation.jpg");
    add_title(*this, VIOLET, translate("FRIENDLY"));
    t_button_ref play = add_button(*this, PLAY_RED, 382, 350, 260, 44, translate("PLAY MATCH"));
    bind_screen_change(*this, *play, MODE_MATCH_LOADING);
    selected_widget = play;
    add_exit_button(*this, "bc_set_menu", &t_game_mode::bc_set_menu, {std::to_string(MODE_MAIN_MENU)}, EXIT_Y);
}
