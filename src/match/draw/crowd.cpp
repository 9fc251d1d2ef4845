#include "match/draw/crowd.hpp"

#include <cstdint>
#include <sstream>

#include "platform/fatal.hpp"
#include "platform/stream.hpp"

namespace {
constexpr size_t COLUMN = 6;
constexpr const char* CROWD_PATH = "images/stadium/crowd.txt";

std::string column(const std::string& line, size_t index) {
    const size_t from = index * COLUMN;
    return from < line.size() ? line.substr(from, COLUMN) : std::string();
}

int number(const std::string& field) {
    try {
        return std::stoi(field);
    } catch (...) {
        return 0;
    }
}
} // namespace

std::vector<t_crowd> parse_crowd_layout(const std::string& text) {
    std::vector<t_crowd> pieces;
    std::istringstream in(text);
    std::string line;
    bool header = true;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (header) {
            header = false;
            continue;
        }
        if (line.find_first_not_of(' ') == std::string::npos) continue;
        t_crowd c;
        c.x = number(column(line, 0));
        c.y = number(column(line, 1));
        const std::string letter = column(line, 2);
        const size_t at = letter.find_first_not_of(' ');
        c.typ = at == std::string::npos ? 0 : letter[at] - 'a';
        c.rank = number(column(line, 3));
        pieces.push_back(c);
    }
    return pieces;
}

std::vector<t_crowd> load_crowd_layout() {
    std::vector<uint8_t> bytes;
    if (!load_file_bytes(CROWD_PATH, bytes)) runtime_error(std::string("Cannot load: ") + CROWD_PATH);
    return parse_crowd_layout(std::string(bytes.begin(), bytes.end()));
}
