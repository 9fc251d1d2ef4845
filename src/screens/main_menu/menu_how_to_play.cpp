#include "screens/main_menu/menu_how_to_play.hpp"

#include "core/backgrounds.hpp"
#include "core/dictionary.hpp"
#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "platform/input.hpp"
#include "ui/key_button.hpp"
#include "ui/menu.hpp"
#include "ui/menu_toolkit.hpp"

namespace {
constexpr int TABLE_Y = 96;
constexpr int ROW_STEP = 30;
constexpr int ROW_H = 28;
constexpr int CAPTION_X = 92;
constexpr int CAPTION_W = 200;
constexpr int COLUMN_X[] = {302, 512, 722};
constexpr int COLUMN_W = 200;
constexpr int PANEL_X = 62;
constexpr int PANEL_W = 900;
constexpr int LINE_STEP = 22;
constexpr int TEXT_X = PANEL_X + 16;
constexpr int KICKS_Y = 318;
constexpr int KEYS_GAP = 18;
constexpr t_colours PANEL_DARK{0x181818, 0x404040, 0x0C0C0C};

const char* const KEY_FIELDS[] = {"key_up", "key_down", "key_left", "key_right", "button_1", "button_2"};
const char* const ROW_CAPTIONS[] = {"UP", "DOWN", "LEFT", "RIGHT", "BUTTON A", "BUTTON B"};
constexpr size_t FIRST_FIRE_ROW = 4;

// The pads move with their D-pad or left stick; fire 1 and 2 are the buttons of the first pad.
std::string pad_caption(size_t row) {
    if (row < FIRST_FIRE_ROW) return translate("D-PAD / STICK");
    return pad_button_name(pad_fire_button(0, row == FIRST_FIRE_ROW ? 1 : 2));
}

int add_text_panel(t_game_mode& screen, int y, const std::vector<std::string>& lines) {
    const int h = static_cast<int>(lines.size()) * LINE_STEP + 12;
    add_caption(screen, PANEL_DARK, PANEL_X, y, PANEL_W, h, "");
    for (size_t i = 0; i < lines.size(); ++i)
        add_label(screen, TEXT_X, y + 4 + static_cast<int>(i) * LINE_STEP, translate(lines[i]), SMALL_FONT, ALIGN_LEFT);
    return y + h;
}
} // namespace

const std::vector<std::string>& how_to_play_lines() {
    static const std::vector<std::string> lines = {
        "FIRE 1 ON THE BALL: A TAP PASSES, HELD LONGER IT SHOOTS",
        "HELD WITH THE STICK ASIDE OR LET GO: A LOB; PULLED BACK: A CLEARANCE",
        "AFTER-TOUCH: RIGHT AFTER THE KICK, PUSH THE STICK SIDEWAYS TO BEND THE BALL",
        "FIRE 1 WITHOUT THE BALL: TAKE OVER THE PLAYER NEAREST TO IT",
        "FIRE 2 AT A RESTART: THE BENCH (SUBSTITUTES, FORMATION, TACTICS)",
        "FIRE 2 WITHOUT THE BALL (ENHANCED): SLIDE TACKLE",
        "PENALTIES (ENHANCED): AIM WITH THE STICK, FIRE 1 SHOOTS; IN GOAL THE STICK GUESSES",
    };
    return lines;
}

const std::vector<std::string>& match_key_lines() {
    static const std::vector<std::string> lines = {
        "FIRE: SKIP THE WALK-ON",
        "P OR START: PAUSE    R: REPLAY    SPACE: KEEP A HIGHLIGHT",
        "ESC TWICE: END THE MATCH",
        "F5 / F6: EFFECTS VOLUME    F8: COMMENTARY    F10: CROWD CHANTS    F12: AUTO REPLAYS",
        "AFTER THE MATCH: H HIGHLIGHTS, S SAVE THEM, FIRE: CONTINUE",
    };
    return lines;
}

MenuHowToPlay::MenuHowToPlay() {
    img_background = backgrounds->get("menu_control.jpg");
    add_title(*this, TEAL, translate("HOW TO PLAY"));
    add_caption(*this, CAPTION_RED, COLUMN_X[0], TABLE_Y, COLUMN_W, ROW_H, translate("KEYBOARD") + " 1", SMALL_FONT);
    add_caption(*this, CAPTION_RED, COLUMN_X[1], TABLE_Y, COLUMN_W, ROW_H, translate("KEYBOARD") + " 2", SMALL_FONT);
    add_caption(*this, CAPTION_RED, COLUMN_X[2], TABLE_Y, COLUMN_W, ROW_H, translate("JOYSTICK"), SMALL_FONT);
    for (size_t row = 0; row < w_controls.size(); ++row) {
        const int y = TABLE_Y + ROW_STEP * static_cast<int>(row + 1);
        add_caption(*this, SAGE, CAPTION_X, y, CAPTION_W, ROW_H, translate(ROW_CAPTIONS[row]), SMALL_FONT);
        const t_colours value = row % 2 == 0 ? VALUE_BLUE_A : VALUE_BLUE_B;
        for (size_t set = 0; set < settings.key.size(); ++set) {
            const int32_t code = key_of_set(settings.key[set], KEY_FIELDS[row]);
            w_controls[row][set] =
                add_caption(*this, value, COLUMN_X[set], y, COLUMN_W, ROW_H, key_code_name(code), SMALL_FONT);
        }
        w_controls[row][2] = add_caption(*this, value, COLUMN_X[2], y, COLUMN_W, ROW_H, pad_caption(row), SMALL_FONT);
    }
    const int kicks_end = add_text_panel(*this, KICKS_Y, how_to_play_lines());
    add_text_panel(*this, kicks_end + KEYS_GAP, match_key_lines());
    const int back = menu.help_return;
    selected_widget = add_exit_button(*this, "bc_set_menu", &t_game_mode::bc_set_menu, {std::to_string(back)});
}
