#include "ui/key_button.hpp"

#include "core/globals.hpp"
#include "platform/fatal.hpp"
#include "platform/input.hpp"
#include "ui/menu_input.hpp"

int32_t& key_of_set(t_key_set& set, const std::string& key_name) {
    if (key_name == "key_up") return set.key_up;
    if (key_name == "key_down") return set.key_down;
    if (key_name == "key_left") return set.key_left;
    if (key_name == "key_right") return set.key_right;
    if (key_name == "button_1") return set.button_1;
    if (key_name == "button_2") return set.button_2;
    runtime_error("Unknown key name: " + key_name);
}

std::string key_code_name(int32_t code) {
    return code >= 0 && code < static_cast<int32_t>(keycodes.size()) ? keycodes[static_cast<size_t>(code)].name : "";
}

void t_key_button::set_key(int key_set_, const std::string& key_name_) {
    key_set = key_set_;
    key_name = key_name_;
}

void t_key_button::set_entry_mode(int flag) {
    if (flag != 0 && entry_mode == 0)
        for (size_t i = 1; i < held_at_start_.size(); ++i) held_at_start_[i] = key_down(static_cast<int>(i));
    entry_mode = flag;
    const int32_t code = key_of_set(settings.key.at(static_cast<size_t>(key_set)), key_name);
    text = key_code_name(code);
}

bool t_key_button::key_isfree(int code) const {
    for (const t_key_set& set : settings.key)
        for (const int32_t k : {set.key_up, set.key_down, set.key_left, set.key_right, set.button_1, set.button_2})
            if (k == code) return false;
    return true;
}

void t_key_button::update() {
    if (selected == 0) set_entry_mode(0);
    if (entry_mode == 0) return;
    int32_t& stored = key_of_set(settings.key.at(static_cast<size_t>(key_set)), key_name);
    for (int i = 1; i < 256; ++i) {
        const auto index = static_cast<size_t>(i);
        if (!key_down(i)) {
            held_at_start_[index] = false;
            continue;
        }
        if (held_at_start_[index]) continue;
        if (i == KEY_ESCAPE) {
            set_entry_mode(0);
            hold_back_until_released(KEY_ESCAPE);
            return;
        }
        if (keycodes[static_cast<size_t>(i)].active == 0) continue;
        if (key_isfree(i) || i == stored) {
            stored = i;
            hold_back_until_released(i);
            set_entry_mode(0);
            return;
        }
    }
}

std::string t_key_button::get_text() {
    blinking = entry_mode;
    return entry_mode != 0 ? "?" : text;
}
