#pragma once
// Key names by key code, read from the key-name files.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

class t_keycode {
public:
    std::string name;
    int32_t active = 0;
};

using t_keycode_table = std::array<t_keycode, 256>;

// Fills the table from "keycodes/" + language + ".qsk" (fatal when missing).
void load_key_names(const std::string& language);
// Parses the bytes of a .qsk file (after its byte-order mark and header line).
void parse_key_names(const std::vector<uint8_t>& bytes, t_keycode_table& table);
