#include "screens/friendly/lineup.hpp"

#include <algorithm>

#include "core/dictionary.hpp"
#include "core/settings.hpp"
#include "football/tactics.hpp"

namespace {
constexpr t_colours OWN_KEEPER{0x00A7DE, 0x33CCFF, 0x005F7E};
constexpr t_colours OWN_STARTER{0x003FDE, 0x255EFF, 0x00247E};
constexpr t_colours OWN_BENCH{0x111188, 0x2D2DB3, 0x001140};
constexpr t_colours OPPONENT_KEEPER{0xE60000, 0xFF4141, 0xB40000};
constexpr t_colours OPPONENT_STARTER{0xB40000, 0xE60000, 0x780000};
constexpr t_colours OPPONENT_BENCH{0x780000, 0xB40000, 0x3C0000};
constexpr t_colours BEYOND_SQUAD{0x202020, 0x404040, 0x101010};
constexpr t_colours RESERVE{0x404040, 0x606060, 0x202020};
constexpr t_colours MARKED{0x993333, 0xC24242, 0x5A1E1E};
} // namespace

int lineup_list_position(int based_on, int row) {
    if (row > STARTERS) return row - 1;
    const auto formation = static_cast<size_t>(std::clamp(based_on, 0, PRESET_COUNT - 1));
    return tactics_player_order[formation][static_cast<size_t>(std::clamp(row, 1, STARTERS) - 1)];
}

int team_formation(const t_team& team) {
    const auto slot = static_cast<size_t>(std::clamp(team.tactics, 0, TACTICS_SLOTS - 1));
    return tactics[slot].based_on;
}

int press_lineup_row(t_team& team, int marked, int row) {
    if (marked == 0) return row;
    if (marked != row) {
        const int formation = team_formation(team);
        const auto a = static_cast<size_t>(lineup_list_position(formation, marked));
        const auto b = static_cast<size_t>(lineup_list_position(formation, row));
        if (a < team.players.size() && b < team.players.size()) std::swap(team.players[a], team.players[b]);
    }
    return 0;
}

t_colours lineup_row_colours(int row, const t_row_style& style) {
    if (style.own && style.marked == row) return MARKED;
    if (row > style.squad_size) return BEYOND_SQUAD;
    if (row == 1) return style.own ? OWN_KEEPER : OPPONENT_KEEPER;
    if (row <= STARTERS) return style.own ? OWN_STARTER : OPPONENT_STARTER;
    if (row <= STARTERS + style.bench_size) return style.own ? OWN_BENCH : OPPONENT_BENCH;
    return RESERVE;
}

int next_input_device(int dev, int joysticks) { return rotate_value(dev, 1, joysticks + 2, 1); }

std::string input_device_caption(int dev) {
    switch (dev) {
    case 1: return translate("KEYBOARD") + " 1";
    case 2: return translate("KEYBOARD") + " 2";
    case 3: return translate("JOYSTICK") + " 1";
    case 4: return translate("JOYSTICK") + " 2";
    default: return "";
    }
}

std::string control_caption(int control) {
    switch (control) {
    case CONTROL_COMPUTER: return translate("COMPUTER");
    case CONTROL_PLAYER: return translate("PLAYER");
    case CONTROL_COACH: return translate("COACH");
    default: return "";
    }
}

std::string lineup_player_name(const t_player& player) {
    if (!player.name.empty() && !player.surname.empty()) return player.name + " " + player.surname;
    return player.name + player.surname;
}
