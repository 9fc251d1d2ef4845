#include "ui/input_button.hpp"

#include <vector>

#include "core/text.hpp"
#include "platform/input.hpp"
#include "ui/menu_input.hpp"

bool is_entry_char(uint32_t code) {
    if (code == ' ' || code == '\'' || code == '-' || code == '.') return true;
    if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z')) return true;
    return code >= 192 && code <= 255;
}

uint32_t entry_upper(uint32_t code) { return latin1_upper(code); }

t_input_button::t_input_button() { bind("fire1_down", "bc_widget_edit"); }

void t_input_button::set_entry_mode(int flag) {
    if (entry_mode == 0 && flag == 1) {
        entry_string = text;
        // The key that opened the entry must not type or commit.
        flush_keys();
    } else if (entry_mode == 1 && flag == 0 && entry_string != text) {
        set_changed(1);
        text = entry_string;
    }
    entry_mode = flag;
}

void t_input_button::update() {
    if (entry_mode != 1) return;
    if (backspace_wait > 0) --backspace_wait;
    for (int k = 1; k < 256; ++k) {
        if (!key_down(k)) continue;
        if (k == KEY_ESCAPE) {
            entry_mode = 0; // leaves without committing: text keeps its old value
            hold_back_until_released(KEY_ESCAPE); // or the screen would take it as its EXIT
            return;
        }
        if (k == KEY_BACKSPACE && backspace_wait == 0) {
            std::vector<uint32_t> codes = decode_utf8(entry_string);
            if (!codes.empty()) codes.pop_back();
            entry_string = encode_utf8(codes);
            backspace_wait = 4;
        }
        if (k == KEY_ENTER) {
            set_entry_mode(0);
            hold_back_until_released(KEY_ENTER); // or the menus would take it as fire 1 and edit again
            return;
        }
    }
    const int c = get_char();
    if (c <= 0) return;
    const auto code = static_cast<uint32_t>(c);
    if (is_entry_char(code) && static_cast<int>(text_length(entry_string)) < entry_limit)
        entry_string += encode_utf8(entry_upper(code));
}

std::string t_input_button::get_text() { return entry_mode == 1 ? entry_string + "_" : text; }
