#pragma once
// A button that takes a key for a key set.
#include <bitset>
#include <cstdint>
#include <string>

#include "core/settings.hpp"
#include "ui/button.hpp"

// The stored key of a key set by its name ("key_up" ... "button_2"); fatal for another name.
int32_t& key_of_set(t_key_set& set, const std::string& key_name);
// The name a key code shows under ("" for a code without one).
std::string key_code_name(int32_t code);

// Shows one key of one keyboard key set and captures a new one.
class t_key_button : public t_button {
public:
    void set_entry_mode(int flag) override;
    void toggle_entry_mode() override { set_entry_mode(entry_mode != 0 ? 0 : 1); }
    void update() override;
    std::string get_text() override;
    bool takes_keys() const override { return entry_mode != 0; }
    virtual void set_key(int key_set_, const std::string& key_name_);
    // No key of either key set uses `code`.
    virtual bool key_isfree(int code) const;

    // Capture in progress. Deliberately hides the inherited flag: the selection
    // keeps moving while a key button captures, and leaving it cancels the capture.
    int entry_mode = 0;
    int key_set = 0;
    std::string key_name = "key_up";

private:
    // Keys already down when the capture started (the fire key that started it): taken only when
    // pressed again, or the fire key would at once be given back to the button it started.
    std::bitset<256> held_at_start_;
};
