#include "screens/main_menu/menu_control.hpp"

#include "core/backgrounds.hpp"
#include "core/dictionary.hpp"
#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "screens/main_menu/menu_building.hpp"
#include "ui/key_button.hpp"
#include "ui/menu_input.hpp"

namespace {
constexpr t_colours TITLE_COLOURS{0xA905A3, 0xE808E0, 0x5A0259};
constexpr int ROW_Y[] = {280, 330, 380, 430, 480, 530};
constexpr int COLUMN_X[] = {402, 642};
const char* const KEY_NAMES[] = {"key_up", "key_down", "key_left", "key_right", "button_1", "button_2"};
const char* const KEY_CAPTIONS[] = {"UP", "DOWN", "LEFT", "RIGHT", "BUTTON A", "BUTTON B"};
} // namespace

MenuControl::MenuControl() {
    define_void_method("bc_key_button", [this] { bc_key_button(); });

    img_background = backgrounds->get("menu_control.jpg");
    add_title(widgets, TITLE_COLOURS, translate("CONTROL"));
    add_caption(widgets, {0x548854, 0x70A870, 0x263E26}, 92, 210, 280, 34, translate("KEYS"));
    add_caption(widgets, CAPTION_RED, 402, 210, 220, 34, "1");
    add_caption(widgets, CAPTION_RED, 642, 210, 220, 34, "2");
    for (size_t row = 0; row < std::size(ROW_Y); ++row)
        add_caption(widgets, CAPTION_RED, 92, ROW_Y[row], 280, 34, translate(KEY_CAPTIONS[row]));

    for (size_t set = 0; set < std::size(COLUMN_X); ++set) {
        for (size_t row = 0; row < std::size(ROW_Y); ++row) {
            auto k = std::make_shared<t_key_button>();
            set_colours(*k, row % 2 == 0 ? VALUE_BLUE_A : VALUE_BLUE_B);
            k->set_geometry(COLUMN_X[set], ROW_Y[row], 220, 34);
            k->set_key(static_cast<int>(set), KEY_NAMES[row]);
            k->set_entry_mode(0); // the caption: the name of the key now assigned
            k->set_text(k->text, ALIGN_CENTRE, LARGE_FONT);
            k->bind("fire1_down", "bc_key_button");
            widgets.push_back(k);
            if (!selected_widget) selected_widget = k;
        }
    }
    add_exit_button(widgets, "bc_set_menu", {std::to_string(MODE_MAIN_MENU)});
}

void MenuControl::bc_key_button() {
    auto key = std::dynamic_pointer_cast<t_key_button>(selected_widget);
    if (!key) return;
    // The fire key that starts a capture must not be taken as the new key.
    if (key->entry_mode == 0) wait_input_release();
    key->toggle_entry_mode();
}
