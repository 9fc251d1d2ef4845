#include "ui/pad_button.hpp"

#include "platform/input.hpp"
#include "ui/menu_input.hpp"

void t_pad_button::set_pad(int port_, int fire_) {
    port = port_;
    fire = fire_;
    text = pad_button_name(pad_fire_button(port, fire));
}

void t_pad_button::toggle_capture() {
    capturing = capturing != 0 ? 0 : 1;
    wait_release_ = pad_button_held(port) >= 0;
}

void t_pad_button::update() {
    if (selected == 0) capturing = 0;
    if (capturing == 0) return;
    const int held = pad_button_held(port);
    if (held < 0) {
        wait_release_ = false;
        return;
    }
    if (wait_release_) return;
    set_pad(port, fire);
    set_pad_fire_button(port, fire, held);
    text = pad_button_name(held);
    capturing = 0;
    // The new button is still down: the menus must not take it as a fresh press.
    menu_input.fa = menu_input.fb = 1;
}

std::string t_pad_button::get_text() {
    blinking = capturing;
    return std::to_string(fire) + ": " + (capturing != 0 ? "?" : text);
}
