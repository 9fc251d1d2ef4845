#include "screens/main_menu/menu_control.hpp"

#include "core/backgrounds.hpp"
#include "core/dictionary.hpp"
#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "ui/menu_toolkit.hpp"
#include "ui/key_button.hpp"

namespace {
constexpr int ROW_Y[] = {280, 330, 380, 430, 480, 530};
constexpr int COLUMN_X[] = {402, 642};
const char* const KEY_NAMES[] = {"key_up", "key_down", "key_left", "key_right", "button_1", "button_2"};
const char* const KEY_CAPTIONS[] = {"UP", "DOWN", "LEFT", "RIGHT", "BUTTON A", "BUTTON B"};
} // namespace

MenuControl::MenuControl() {
    img_background = backgrounds->get("menu_control.jpg");
    add_title(*this, MAGENTA, translate("CONTROL"));
    add_caption(*this, SAGE, 92, 210, 280, 34, translate("KEYS"));
    add_caption(*this, CAPTION_RED, 402, 210, 220, 34, "1");
    add_caption(*this, CAPTION_RED, 642, 210, 220, 34, "2");
    for (size_t row = 0; row < std::size(ROW_Y); ++row)
        add_caption(*this, CAPTION_RED, 92, ROW_Y[row], 280, 34, translate(KEY_CAPTIONS[row]));

    for (size_t set = 0; set < std::size(COLUMN_X); ++set) {
        for (size_t row = 0; row < std::size(ROW_Y); ++row) {
            auto k = std::make_shared<t_key_button>();
            set_colours(*k, row % 2 == 0 ? VALUE_BLUE_A : VALUE_BLUE_B);
            k->set_geometry(COLUMN_X[set], ROW_Y[row], 220, 34);
            k->set_key(static_cast<int>(set), KEY_NAMES[row]);
            k->set_entry_mode(0); // the caption: the name of the key now assigned
            k->set_text(k->text, ALIGN_CENTRE, LARGE_FONT);
            bind_callback(*k, "fire1_down", "bc_key_button", &MenuControl::bc_key_button);
            widgets.push_back(k);
            if (!selected_widget) selected_widget = k;
        }
    }
    add_exit_button(*this, "bc_set_menu", &t_game_mode::bc_set_menu, {std::to_string(MODE_MAIN_MENU)});
}

void MenuControl::bc_key_button() {
    auto key = std::dynamic_pointer_cast<t_key_button>(selected_widget);
    if (!key) return;
    // The fire key that starts a capture is still down: the key button skips every key held
    // when the capture starts, so the screen never has to stop and wait for it.
    key->toggle_entry_mode();
}
