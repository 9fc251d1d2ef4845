#include "screens/not_built_screen.hpp"

#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "platform/graphics.hpp"
#include "platform/input.hpp"
#include "screens/notice/notice_text.hpp"
#include "ui/menu_input.hpp"

t_not_built_screen::t_not_built_screen(int mode_, std::string class_name_)
    : mode(mode_), class_name(std::move(class_name_)) {}

void t_not_built_screen::update() {
    if (key_down(KEY_ESCAPE)) {
        wait_input_release();
        while (get_char() != 0) {
        }
        action_queue->push(ACTION_NEW_SCREEN, MODE_INTRO);
    }
}

void t_not_built_screen::render() {
    cls();
    set_color(fade_level, fade_level, fade_level);
    draw_text_aligned("The screen " + class_name + " (mode " + std::to_string(mode) + ") is not built yet.", 512, 372, 0);
    draw_text_aligned("Press 'ESC' to return", 512, 400, 0);
}
