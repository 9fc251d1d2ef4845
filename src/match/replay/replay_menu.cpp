#include "match/replay/replay_menu.hpp"

#include "core/backgrounds.hpp"
#include "core/dictionary.hpp"
#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "screens/main_menu/menu_building.hpp"

namespace {
constexpr t_colours TITLE_COLOURS{0x6101D7, 0x7D1DFF, 0x3A0181};
constexpr t_colours PLAY_COLOURS{0xDC0000, 0xFF4141, 0x8C0000};
constexpr int EXIT_Y = 700;
} // namespace

MenuReplayMatch::MenuReplayMatch() {
    img_background = backgrounds->get("menu_match_presentation.jpg");
    add_title(widgets, TITLE_COLOURS, translate("FRIENDLY"));
    t_button_ref play = add_button(widgets, PLAY_COLOURS, 382, 350, 260, 44, translate("PLAY MATCH"));
    play->bind("fire1_down", "bc_set_menu", {std::to_string(MODE_MATCH_LOADING)});
    selected_widget = play;
    add_exit_button(widgets, "bc_set_menu", {std::to_string(MODE_MAIN_MENU)}, EXIT_Y);
}
