#include "core/keycodes.hpp"

#include "core/globals.hpp"
#include "core/text.hpp"
#include "platform/fatal.hpp"
#include "platform/stream.hpp"

void parse_key_names(const std::vector<uint8_t>& bytes, t_keycode_table& table) {
    // UTF-16LE units after the two-byte mark.
    std::vector<uint32_t> units;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) units.push_back(bytes[i] | (bytes[i + 1] << 8));
    size_t pos = 0;
    const auto next_line = [&] {
        std::vector<uint32_t> line;
        while (pos < units.size()) {
            const uint32_t u = units[pos++];
            if (u == 10) break;
            line.push_back(u);
        }
        return line;
    };
    next_line(); // header
    for (t_keycode& entry : table) {
        std::vector<uint32_t> line = next_line();
        if (!line.empty() && line.back() == 13) line.pop_back();
        // Columns are 1-based: 6..20 the name, 22 the flag.
        std::vector<uint32_t> name;
        for (size_t c = 5; c < 20 && c < line.size(); ++c) name.push_back(line[c]);
        entry.name = trim(encode_utf8(name));
        entry.active = line.size() > 21 && line[21] == '1' ? 1 : 0;
    }
}

void load_key_names(const std::string& language) {
    const std::string file = language + ".qsk";
    std::vector<uint8_t> bytes;
    if (!load_file_bytes("keycodes/" + file, bytes)) runtime_error("Cannot load: keycodes/" + file);
    parse_key_names(bytes, keycodes);
}
