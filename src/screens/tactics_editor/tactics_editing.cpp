#include "screens/tactics_editor/tactics_editing.hpp"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <unistd.h>

#include "core/menu_status.hpp"
#include "core/screen_modes.hpp"
#include "core/text.hpp"
#include "football/ball_zone.hpp"
#include "football/safe_save.hpp"
#include "platform/fatal.hpp"
#include "platform/files.hpp"
#include "platform/stream.hpp"
#include "ui/menu.hpp"
#include "ui/player_row.hpp"

namespace {
// Control characters: 0-31, DEL and the C1 block that follows it.
constexpr uint32_t FIRST_PRINTABLE = 32;
constexpr uint32_t DELETE_CHAR = 127;
constexpr uint32_t FIRST_LATIN1_PRINTABLE = 160;

t_vec2d mirrored(const t_vec2d& v) {
    // x = 544 has no mirror on the lattice; keep it on the board.
    return {std::clamp(-v.x, -476, 544), v.y};
}

bool ends_with(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}
} // namespace

int target_zone(const t_vec2d& zone) { return zone_index(zone.x, zone.y); }
int side_mirror_zone(const t_vec2d& zone) { return 5 * zone.y - zone.x + 17; }

t_vec2d ball_cell_of_zone(const t_vec2d& zone) { return {2 - zone.x, 3 - zone.y}; }
t_vec2d zone_of_ball_cell(const t_vec2d& cell) { return {2 - cell.x, 3 - cell.y}; }

t_vec2d place_of_cell(const t_vec2d& cell) { return {476 - 68 * cell.x, 600 - 80 * cell.y}; }
t_vec2d cell_of_place(const t_vec2d& place) { return {7 - place.x / 68, 15 - (place.y / 40 + 15) / 2}; }

int list_place_of_row(const t_tactics& tac, int row) {
    const int b = tac.based_on >= 0 && tac.based_on < PRESET_COUNT ? tac.based_on : 0;
    const auto& order = tactics_player_order[static_cast<size_t>(b)];
    if (row < 0 || row >= static_cast<int>(order.size())) return row;
    return order[static_cast<size_t>(row)];
}

int mirror_partner(const t_tactics& tac, int p) {
    const int id = tac.pairs[static_cast<size_t>(p)];
    if (id == NOT_PAIRED) return p;
    for (int q = 1; q < TACTICS_PLAYERS; ++q)
        if (q != p && tac.pairs[static_cast<size_t>(q)] == id) return q;
    return p;
}

void move_player(t_tactics& tac, int p, const t_vec2d& zone, const t_vec2d& place, bool flip) {
    const auto z = static_cast<size_t>(target_zone(zone));
    tac.target[static_cast<size_t>(p)][z] = place;
    if (!flip || zone.x == 0) return;
    const auto m = static_cast<size_t>(side_mirror_zone(zone));
    for (int q = 1; q < TACTICS_PLAYERS; ++q)
        tac.target[static_cast<size_t>(q)][m] = mirrored(tac.target[static_cast<size_t>(mirror_partner(tac, q))][z]);
}

void copy_zone(t_tactics& tac, const t_vec2d& from, const t_vec2d& to, bool flip) {
    const auto s = static_cast<size_t>(target_zone(from));
    const auto d = static_cast<size_t>(target_zone(to));
    const bool across = flip && from.x * to.x < 0;
    // Read the source before writing: the destination may be its own mirror.
    std::array<t_vec2d, TACTICS_PLAYERS> source{};
    for (int p = 1; p < TACTICS_PLAYERS; ++p) source[static_cast<size_t>(p)] = tac.target[static_cast<size_t>(p)][s];
    for (int p = 1; p < TACTICS_PLAYERS; ++p)
        tac.target[static_cast<size_t>(p)][d] =
            across ? mirrored(source[static_cast<size_t>(mirror_partner(tac, p))]) : source[static_cast<size_t>(p)];
    if (!flip || from.x * to.x == 0) return;
    const auto m = static_cast<size_t>(side_mirror_zone(to));
    for (int p = 1; p < TACTICS_PLAYERS; ++p)
        tac.target[static_cast<size_t>(p)][m] = mirrored(tac.target[static_cast<size_t>(mirror_partner(tac, p))][d]);
}

t_colours player_row_colours(int row, int squad_size, int bench_size, int marked_for_swap, int marked_for_pair) {
    if (row == marked_for_swap) return ROW_MARKED;
    if (row == marked_for_pair) return ROW_PAIR_MARKED;
    // Rows here count from 0.
    return squad_row_colours(row + 1, squad_size, bench_size, false);
}

t_colours pair_colours(int pair_value) {
    switch (pair_value) {
    case 0: return {0x5FC24A, 0x78F55D, 0x468F36};
    case 1: return {0xCC3E4C, 0xFF4E5F, 0x992F39};
    case 2: return {0x9D9A98, 0xD1CDCA, 0x6B6968};
    case 3: return {0xBE8445, 0xF2A858, 0x8C6133};
    case 4: return {0xBD4DB8, 0xF062E9, 0x8A3886};
    case NOT_PAIRED: return {0, 0, 0};
    default: runtime_error("invalid pair value");
    }
}

std::vector<std::string> tactics_file_names_in(const std::string& folder) {
    std::vector<std::string> out;
    for (const std::string& name : list_dir(folder))
        if (ends_with(name, ".TAC") && name.size() > 4 && file_type(folder + "/" + name) == 1)
            out.push_back(name.substr(0, name.size() - 4));
    return out;
}

std::vector<t_point> tactics_file_grid(int n) {
    std::vector<t_point> out;
    if (n <= 8) {
        for (int k = 1; k <= n; ++k) out.push_back({392, 266 - 16 * n + 32 * k});
        return out;
    }
    const int c1 = n / 3 + (n % 3 == 2 ? 1 : 0);
    const int c2 = n / 3 + (n % 3 > 0 ? 1 : 0);
    const int top = 266 - 16 * c2;
    for (int k = 1; k <= n; ++k) {
        if (k <= c1) out.push_back({92, top + 32 * k});
        else if (k <= c1 + c2) out.push_back({392, top + 32 * (k - c1)});
        else out.push_back({692, top + 32 * (k - c1 - c2)});
    }
    return out;
}

bool is_file_name_char(uint32_t code) {
    const bool control = code < FIRST_PRINTABLE || (code >= DELETE_CHAR && code < FIRST_LATIN1_PRINTABLE);
    return !control && code != '/' && code != '\\' && code != '.';
}

std::string file_name_from(const std::string& name) {
    std::vector<uint32_t> kept;
    for (const uint32_t code : decode_utf8(name))
        if (is_file_name_char(code) && kept.size() < FILE_NAME_LIMIT) kept.push_back(code);
    return encode_utf8(kept);
}

bool load_tactics_checked(t_tactics& tac, const std::string& path) {
    std::vector<uint8_t> bytes;
    if (!load_file_bytes(path, bytes) || bytes.size() != TACTICS_FILE_SIZE) return false;
    tac.load_file(path);
    return true;
}

std::string save_tactics_safely(const t_tactics& tac, const std::string& path) {
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
    if (file_type(folder) != 2) return folder + ": " + std::strerror(ENOENT);
    if (::access(folder.c_str(), W_OK) != 0) return folder + ": " + std::strerror(errno);
    return save_replacing_reporting(path, [&tac](t_stream& out) { tac.write(out); });
}

int tactics_leave_mode() { return menu.status != STATUS_NONE ? MODE_SET_TEAM : MODE_MAIN_MENU; }
