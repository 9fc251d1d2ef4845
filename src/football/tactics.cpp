#include "football/tactics.hpp"

#include <cstdio>

#include "core/dictionary.hpp"
#include "football/safe_save.hpp"
#include "platform/fatal.hpp"
#include "platform/stream.hpp"

std::array<t_tactics, TACTICS_SLOTS> tactics;
std::array<std::string, TACTICS_SLOTS> tactics_names;

const std::array<std::string, TACTICS_SLOTS> tactics_file_names = {
    "T442", "T541", "T451", "T532",    "T352", "T433", "T424", "T343", "TLIBERO",
    "T523", "TATTACK", "TDEFEND", "T442", "T442", "T442", "T442", "T442", "T442",
};

namespace {
using t_order = std::array<int, 32>;
constexpr t_order order(std::array<int, 11> first) {
    t_order o{};
    for (int i = 0; i < 32; ++i) o[static_cast<size_t>(i)] = i < 11 ? first[static_cast<size_t>(i)] : i;
    return o;
}
} // namespace

const std::array<std::array<int, 32>, PRESET_COUNT> tactics_player_order = {
    order({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), order({0, 1, 2, 3, 6, 4, 5, 7, 9, 8, 10}),
    order({0, 1, 2, 3, 4, 5, 6, 7, 9, 8, 10}), order({0, 1, 2, 3, 6, 4, 5, 7, 8, 9, 10}),
    order({0, 1, 2, 4, 5, 3, 6, 7, 8, 9, 10}), order({0, 1, 2, 3, 4, 5, 6, 8, 7, 9, 10}),
    order({0, 1, 2, 3, 4, 6, 7, 5, 9, 10, 8}), order({0, 1, 2, 4, 5, 3, 6, 8, 7, 9, 10}),
    order({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), order({0, 1, 2, 3, 6, 4, 7, 9, 5, 10, 8}),
    order({0, 1, 2, 4, 3, 6, 5, 7, 9, 10, 8}), order({0, 5, 1, 2, 3, 4, 8, 6, 7, 9, 10}),
};

namespace {
using t_layout = std::array<std::array<int, 2>, TACTICS_PLAYERS>;
constexpr t_layout LAYOUT_442 = {{{0, 0}, {-2, 2}, {-1, 1}, {1, 1}, {2, 2}, {-2, 6}, {0, 4}, {0, 5}, {2, 6}, {-1, 8}, {1, 8}}};
} // namespace

const std::array<std::array<std::array<int, 2>, TACTICS_PLAYERS>, TACTICS_SLOTS> tactics_board_layout = {{
    LAYOUT_442,
    {{{0, 0}, {-2, 3}, {0, 1}, {1, 2}, {2, 3}, {-1, 5}, {-1, 2}, {0, 4}, {1, 5}, {0, 6}, {0, 8}}},
    {{{0, 0}, {-2, 2}, {-1, 1}, {1, 1}, {2, 2}, {-2, 6}, {0, 4}, {1, 5}, {2, 6}, {-1, 5}, {0, 8}}},
    {{{0, 0}, {-2, 3}, {0, 1}, {1, 2}, {2, 3}, {-2, 5}, {-1, 2}, {0, 6}, {2, 5}, {-1, 8}, {1, 8}}},
    {{{0, 0}, {-1, 2}, {0, 1}, {1, 4}, {1, 2}, {-2, 5}, {-1, 4}, {0, 6}, {2, 5}, {-1, 8}, {1, 8}}},
    {{{0, 0}, {-2, 2}, {-1, 1}, {1, 1}, {2, 2}, {-2, 5}, {0, 4}, {1, 7}, {2, 5}, {-1, 7}, {0, 8}}},
    {{{0, 0}, {-2, 2}, {-1, 1}, {1, 1}, {2, 2}, {-2, 6}, {-1, 4}, {1, 4}, {2, 6}, {0, 7}, {0, 8}}},
    {{{0, 0}, {-1, 2}, {0, 1}, {0, 4}, {1, 2}, {-2, 5}, {0, 6}, {1, 7}, {2, 5}, {-1, 7}, {0, 8}}},
    {{{0, 0}, {-2, 3}, {0, 1}, {0, 2}, {2, 3}, {-2, 6}, {0, 4}, {0, 5}, {2, 6}, {-1, 8}, {1, 8}}},
    {{{0, 0}, {-2, 3}, {0, 1}, {1, 2}, {2, 3}, {-2, 7}, {-1, 2}, {1, 5}, {2, 7}, {-1, 5}, {0, 8}}},
    {{{0, 0}, {-1, 2}, {0, 1}, {-1, 5}, {1, 2}, {-2, 7}, {1, 5}, {0, 6}, {2, 7}, {-1, 8}, {1, 8}}},
    {{{0, 0}, {-1, 2}, {-1, 1}, {1, 1}, {1, 2}, {-2, 3}, {-1, 5}, {1, 5}, {2, 3}, {0, 6}, {0, 8}}},
    LAYOUT_442, LAYOUT_442, LAYOUT_442, LAYOUT_442, LAYOUT_442, LAYOUT_442,
}};

void fill_tactics_names() {
    static const std::array<const char*, 12> fixed = {"4-4-2", "5-4-1", "4-5-1", "5-3-2", "3-5-2", "4-3-3",
                                                      "4-2-4", "3-4-3", "",      "5-2-3", "",      ""};
    for (size_t i = 0; i < fixed.size(); ++i) tactics_names[i] = fixed[i];
    tactics_names[8] = translate("SWEEP");
    tactics_names[10] = translate("ATTACK");
    tactics_names[11] = translate("DEFEND");
    for (size_t i = 12; i < TACTICS_SLOTS; ++i) tactics_names[i] = translate("USER") + " " + std::to_string(i - 11);
}

int tactics_target_byte(const t_vec2d& target) {
    return 16 * (target.x / 68) + (target.y / 40 + 15) / 2 + 112;
}

t_vec2d tactics_target_from_byte(int byte) {
    const int h = (byte >> 4) & 15;
    const int l = byte & 15;
    return {68 * h - 476, 80 * l - 600};
}

void t_tactics::load_file(const std::string& path) {
    auto in = read_file(path);
    if (!in) runtime_error("Cannot load from: " + path);
    uint8_t raw_name[TACTICS_NAME_BYTES];
    in->read_bytes(raw_name, TACTICS_NAME_BYTES);
    name.clear();
    for (const uint8_t c : raw_name) {
        if (c == 0) break;
        name.push_back(static_cast<char>(c));
    }
    for (size_t p = 1; p < TACTICS_PLAYERS; ++p) {
        for (auto& t : target[p]) t = tactics_target_from_byte(in->read_byte());
    }
    for (size_t p = 1; p < TACTICS_PLAYERS; ++p) pairs[p] = in->read_byte();
    based_on = in->read_byte();
}

void t_tactics::write(t_stream& out) const {
    uint8_t raw_name[TACTICS_NAME_BYTES] = {};
    for (size_t i = 0; i < name.size() && i < TACTICS_NAME_BYTES; ++i) raw_name[i] = static_cast<uint8_t>(name[i]);
    out.write_bytes(raw_name, TACTICS_NAME_BYTES);
    for (size_t p = 1; p < TACTICS_PLAYERS; ++p) {
        for (const auto& t : target[p]) out.write_byte(static_cast<uint8_t>(tactics_target_byte(t)));
    }
    for (size_t p = 1; p < TACTICS_PLAYERS; ++p) out.write_byte(static_cast<uint8_t>(pairs[p]));
    out.write_byte(static_cast<uint8_t>(based_on));
}

void t_tactics::save_file(const std::string& path) const {
    if (!save_replacing(path, [this](t_stream& out) { write(out); })) runtime_error("Cannot save to: " + path);
}

void t_tactics::copy(const t_tactics& other) {
    name = other.name;
    for (size_t p = 1; p < TACTICS_PLAYERS; ++p) {
        target[p] = other.target[p];
        pairs[p] = other.pairs[p];
    }
    based_on = other.based_on;
}

void t_tactics::add_delete_pair(int a, int b) {
    const auto ua = static_cast<size_t>(a);
    const auto ub = static_cast<size_t>(b);
    if (pairs[ua] == pairs[ub] && pairs[ua] != NOT_PAIRED) {
        pairs[ua] = NOT_PAIRED;
        pairs[ub] = NOT_PAIRED;
        return;
    }
    const int old_a = pairs[ua];
    const int old_b = pairs[ub];
    for (size_t p = 1; p < TACTICS_PLAYERS; ++p) {
        if (pairs[p] != NOT_PAIRED && (pairs[p] == old_a || pairs[p] == old_b)) pairs[p] = NOT_PAIRED;
    }
    int id = 0;
    for (;; ++id) {
        bool used = false;
        for (size_t p = 1; p < TACTICS_PLAYERS; ++p) used = used || pairs[p] == id;
        if (!used) break;
    }
    pairs[ua] = id;
    pairs[ub] = id;
}

bool t_tactics::is_paired(int p) const { return pairs[static_cast<size_t>(p)] != NOT_PAIRED; }

int t_tactics::get_paired(int p) const {
    const int id = pairs[static_cast<size_t>(p)];
    if (id == NOT_PAIRED) runtime_error("this player is not paired");
    for (int q = 1; q < TACTICS_PLAYERS; ++q) {
        if (q != p && pairs[static_cast<size_t>(q)] == id) return q;
    }
    runtime_error("paired player not found");
}

std::string t_tactics::to_string() const {
    char buf[16];
    std::string s = name;
    if (s.size() < 8) s.append(8 - s.size(), ' ');
    s += " \n";
    for (size_t z = 0; z < BALL_ZONES; ++z) {
        std::snprintf(buf, sizeof buf, "%02d:", static_cast<int>(z));
        s += buf;
        for (size_t p = 1; p < TACTICS_PLAYERS; ++p) {
            const int byte = tactics_target_byte(target[p][z]);
            std::snprintf(buf, sizeof buf, " %02d-%02d", (byte >> 4) & 15, byte & 15);
            s += buf;
        }
        s += "\n";
    }
    s += "Pairs:";
    for (size_t p = 1; p < TACTICS_PLAYERS; ++p) {
        std::snprintf(buf, sizeof buf, " %02d", pairs[p] == NOT_PAIRED ? 0 : pairs[p] + 1);
        s += buf;
    }
    s += "\nBased on: " + std::to_string(based_on) + "\n";
    return s;
}

void t_tactics_stack::push(const t_tactics& tac) {
    auto entry = std::make_shared<t_tactics>();
    entry->copy(tac);
    entries_.push_front(entry);
}

std::shared_ptr<t_tactics> t_tactics_stack::pop() {
    if (entries_.empty()) return nullptr;
    auto front = entries_.front();
    entries_.pop_front();
    return front;
}
