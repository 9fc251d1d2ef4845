#include "football/catalogue.hpp"

#include <algorithm>

#include "core/text.hpp"
#include "platform/fatal.hpp"
#include "platform/stream.hpp"

std::array<t_file, CATALOGUE_ENTRIES> team_files;
std::array<std::string, CATALOGUE_ENTRIES> team_names;
const std::array<std::string, 6> confederation_names = {"UEFA", "CONCACAF", "CONMEBOL", "CAF", "AFC", "OFC"};

namespace {
constexpr int LAST_SECTION_LINE = 8;
constexpr size_t CODE_LENGTH = 3;
constexpr size_t NAME_LENGTH = 18;

std::vector<uint32_t> utf16_codes(const std::vector<uint8_t>& bytes) {
    const size_t start = bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE ? 2 : 0;
    return decode_utf8(utf16le_to_utf8(bytes, start));
}

void add_entry(const std::vector<uint32_t>& line, int section, int& entry) {
    if (line.empty() || entry >= CATALOGUE_ENTRIES - 1) return;
    ++entry;
    const auto code_end = line.begin() + static_cast<long>(std::min(CODE_LENGTH, line.size()));
    t_file& file = team_files[static_cast<size_t>(entry)];
    file.ext = to_lower_ascii(encode_utf8(std::vector<uint32_t>(line.begin(), code_end)));
    file.confederation = section;
    file.avail = 0;
    const size_t name_start = CODE_LENGTH + 1;
    if (line.size() > name_start) {
        const size_t name_end = std::min(line.size(), name_start + NAME_LENGTH);
        // Names are padded to 18 in the file; the padding is not part of them.
        team_names[static_cast<size_t>(entry)] =
            trim(encode_utf8(std::vector<uint32_t>(line.begin() + static_cast<long>(name_start),
                                                   line.begin() + static_cast<long>(name_end))));
    }
}
} // namespace

void read_team_catalogue(const std::vector<uint8_t>& bytes) {
    team_files.fill(t_file{});
    team_names.fill(std::string());
    const std::vector<uint32_t> codes = utf16_codes(bytes);
    int section = -1;
    int section_lines = 0;
    int entry = 0;
    std::vector<uint32_t> line;
    auto end_line = [&]() -> bool {
        if (!line.empty() && line.front() == '>') {
            ++section_lines;
            ++section;
        } else if (section >= 0) {
            add_entry(line, section, entry);
        }
        line.clear();
        return section_lines >= LAST_SECTION_LINE;
    };
    for (size_t i = 0; i < codes.size(); ++i) {
        const uint32_t c = codes[i];
        if (c == '\r') {
            ++i; // the character after a CR goes with it
            if (end_line()) return;
        } else if (c == '\n') {
            if (end_line()) return;
        } else {
            line.push_back(c);
        }
    }
    end_line();
}

void read_team_catalogue_file(const std::string& path) {
    std::vector<uint8_t> bytes;
    if (!load_file_bytes(path, bytes)) runtime_error("Cannot load: " + path);
    read_team_catalogue(bytes);
}
