#pragma once
// A button that takes typed text.
#include <cstdint>
#include <string>

#include "ui/button.hpp"

// Characters a typed name may hold: space ' - . digits letters and Latin-1 192..255.
bool is_entry_char(uint32_t code);
// How an accepted character is stored.
uint32_t entry_upper(uint32_t code);

// A button whose caption is typed in: fire starts entry, Enter commits, Escape discards.
class t_input_button : public t_button {
public:
    t_input_button();

    void set_entry_mode(int flag) override;
    void update() override;
    std::string get_text() override;
    virtual void set_entry_limit(int n) { entry_limit = n; }

    std::string entry_string;
    int entry_limit = 0;
    int backspace_wait = 0;
};
