#include "screens/friendly/lineup.hpp"

#include <algorithm>

#include "core/dictionary.hpp"
#include "core/settings.hpp"
#include "football/tactics.hpp"

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
    if (style.own) return squad_row_colours(row, style.squad_size, style.bench_size, style.marked == row);
    if (row > style.squad_size) return ROW_BEYOND_SQUAD;
    if (row == 1) return OPPONENT_KEEPER;
    if (row <= STARTERS) return OPPONENT_STARTER;
    if (row <= STARTERS + style.bench_size) return OPPONENT_BENCH;
    return ROW_RESERVE;
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
