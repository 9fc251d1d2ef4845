#include "screens/tactics_editor/file_name_input.hpp"

#include "core/text.hpp"
#include "screens/tactics_editor/tactics_editing.hpp"

void t_file_name_input::update() {
    if (entry_mode != 1) {
        t_input_button::update();
        return;
    }
    const std::string before = entry_string;
    t_input_button::update();
    if (entry_mode != 1 || entry_string == before) return;
    // A refused character never shows: the text goes back to what it was.
    for (const uint32_t c : decode_utf8(entry_string))
        if (!is_file_name_char(c)) {
            entry_string = before;
            return;
        }
}
