#include "screens/main_menu/menu_control.hpp"

#include "core/backgrounds.hpp"
#include "core/dictionary.hpp"
#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "ui/menu_toolkit.hpp"
#include "ui/key_button.hpp"
#include "ui/pad_button.hpp"

namespace {
constexpr int ROW_Y[] = {280, 330, 380, 430, 480, 530};
constexpr int COLUMN_X[] = {402, 642};
const char* const KEY_NAMES[] = {"key_up", "key_down", "key_left", "key_right", "button_1", "button_2"};
const char* const KEY_CAPTIONS[] = {"UP", "DOWN", "LEFT", "RIGHT", "BUTTON A", "BUTTON B"};
constexpr int PAD_X = 874;
constexpr int PAD_W = 140;
constexpr int PAD_PORTS = 2;
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
    // The pads' fire buttons, A and B unless redefined here: a column of their own, beside the key sets.
    for (int port = 0; port < PAD_PORTS; ++port) {
        const int top = ROW_Y[static_cast<size_t>(port * 3)];
        add_caption(*this, SAGE, PAD_X, top, PAD_W, 34, translate("JOYSTICK") + " " + std::to_string(port + 1),
                    SMALL_FONT);
        for (int fire = 1; fire <= 2; ++fire) {
            auto b = std::make_shared<t_pad_button>();
            set_colours(*b, fire == 1 ? VALUE_BLUE_A : VALUE_BLUE_B);
            b->set_geometry(PAD_X, ROW_Y[static_cast<size_t>(port * 3 + fire)], PAD_W, 34);
            b->set_pad(port, fire);
            b->set_text(b->text, ALIGN_CENTRE, SMALL_FONT);
            bind_callback(*b, "fire1_down", "bc_pad_button", &MenuControl::bc_pad_button);
            widgets.push_back(b);
        }
    }
    add_exit_button(*this, "bc_set_menu", &t_game_mode::bc_set_menu, {std::to_string(MODE_MAIN_MENU)});
}

void MenuControl::bc_pad_button() {
    if (auto pad = std::dynamic_pointer_cast<t_pad_button>(selected_widget)) pad->toggle_capture();
}

void MenuControl::bc_key_button() {
    auto key = std::dynamic_pointer_cast<t_key_button>(selected_widget);
    if (!key) return;
    // The fire key that starts a capture is still down: the key button skips every key held
    // when the capture starts, so the screen never has to stop and wait for it.
    key->toggle_entry_mode();
}
