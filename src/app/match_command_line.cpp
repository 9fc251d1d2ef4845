#include "app/match_command_line.hpp"

#include <algorithm>
#include <cctype>
#include <memory>

#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/menu_status.hpp"
#include "core/screen_modes.hpp"
#include "football/match_settings.hpp"
#include "football/tactics.hpp"
#include "football/team.hpp"
#include "football/team_file.hpp"
#include "match/draw/grass.hpp"
#include "match/core/match_setup.hpp"
#include "match/core/match_start.hpp"
#include "match/players/control_newcomer.hpp"
#include "platform/fatal.hpp"
#include "ui/menu.hpp"

namespace {
constexpr int KEY_SET_0 = 1;
constexpr int KEY_SET_1 = 2;

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

bool parse_int(const std::string& s, int& out) {
    if (s.empty() || s.find_first_not_of("0123456789") != std::string::npos) return false;
    out = std::stoi(s);
    return true;
}

t_team_ref load_command_line_team(const std::string& code) {
    const size_t colon = code.find(':');
    int number = 0;
    if (colon == std::string::npos || !parse_int(code.substr(colon + 1), number))
        runtime_error("--match wants EXT:NUMBER, not " + code);
    auto team = std::make_shared<t_team>();
    team->ext = lower(code.substr(0, colon));
    team->number = number;
    load_team(*team);
    if (team->players.empty()) runtime_error("No team " + code + " in " + team_file_path(team->ext));
    require_full_squad(*team);
    return team;
}
} // namespace

int parse_control(const std::string& name) {
    const std::string n = lower(name);
    if (n == "computer") return CONTROL_COMPUTER;
    if (n == "player") return CONTROL_PLAYER;
    if (n == "coach") return CONTROL_COACH;
    return 0;
}

int parse_pitch(const std::string& name) {
    const std::string n = lower(name);
    if (n == "random") return PITCH_TYPE_RANDOM;
    int v = -1;
    if (parse_int(n, v)) return v >= 0 && v <= PITCH_TYPE_RANDOM ? v : -1;
    for (size_t k = 0; k < grass_table.size(); ++k)
        if (n == grass_table[k].name) return static_cast<int>(k);
    return -1;
}

bool parse_weather(const std::string& text, int& effect, int& intensity) {
    const std::string t = lower(text);
    const size_t colon = t.find(':');
    const std::string name = t.substr(0, colon);
    intensity = 2;
    if (colon != std::string::npos && (!parse_int(t.substr(colon + 1), intensity) || intensity > 2)) return false;
    if (name == "clear") {
        effect = WEATHER_WIND;
        intensity = 0;
    } else if (name == "wind") {
        effect = WEATHER_WIND;
    } else if (name == "rain") {
        effect = WEATHER_RAIN;
    } else if (name == "snow") {
        effect = WEATHER_SNOW;
    } else if (name == "fog") {
        effect = WEATHER_FOG;
    } else if (name == "random") {
        effect = WEATHER_RANDOM;
        intensity = 0;
    } else {
        return false;
    }
    return true;
}

int parse_display_mode(const std::string& text) {
    for (size_t k = 0; k < display_modes.size(); ++k)
        if (text == std::to_string(display_modes[k].width) + "x" + std::to_string(display_modes[k].height))
            return static_cast<int>(k);
    return -1;
}

int parse_time(const std::string& name) {
    const std::string n = lower(name);
    if (n == "day") return TIME_DAY;
    if (n == "night") return TIME_NIGHT;
    if (n == "random") return TIME_RANDOM;
    return -1;
}

int parse_tactics(const std::string& name) {
    std::string file = "T";
    for (const char c : name) file += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (int slot = 0; slot < PRESET_COUNT; ++slot)
        if (tactics_file_names[static_cast<size_t>(slot)] == file) return slot;
    return -1;
}

std::optional<bool> parse_on_off(const std::string& text) {
    const std::string n = lower(text);
    if (n == "on") return true;
    if (n == "off") return false;
    return std::nullopt;
}

std::optional<int> parse_side(const std::string& text) {
    const std::string n = lower(text);
    if (n == "home") return 0;
    if (n == "away") return 1;
    return std::nullopt;
}

void start_command_line_match(const t_match_request& request) {
    match_teams[0] = load_command_line_team(request.home);
    match_teams[1] = load_command_line_team(request.away);
    if (request.home_tactics >= 0) match_teams[0]->tactics = request.home_tactics;
    if (request.away_tactics >= 0) match_teams[1]->tactics = request.away_tactics;
    match_teams[0]->control = request.home_control;
    match_teams[1]->control = request.away_control;
    const bool two_humans = request.home_control == CONTROL_PLAYER && request.away_control == CONTROL_PLAYER;
    match_teams[0]->dev = two_humans ? KEY_SET_0 : KEY_SET_1;
    match_teams[1]->dev = KEY_SET_1;
    if (request.newcomer) {
        t_team& newcomer = *match_teams[static_cast<size_t>(*request.newcomer)];
        newcomer.control = CONTROL_PLAYER;
        newcomer.dev = NEWCOMER_DEVICE;
    }
    // The visitors wear their second kit, as in a friendly between two clubs.
    match_teams[0]->kit = 0;
    match_teams[1]->kit = match_teams[1]->kits.size() > 1 ? 1 : 0;
    menu.status = STATUS_FRIENDLY;
    if (request.display_mode >= 0) settings.gr_mode = request.display_mode;
    if (request.length >= 0) settings.length = std::min(request.length, 3);
    if (game) {
        if (request.gameplay) game->extra_options.gameplay = *request.gameplay;
        if (request.computer_level) game->extra_options.computer_level = *request.computer_level;
        if (request.auto_switch) game->extra_options.auto_switch = *request.auto_switch;
    }
    match_settings.pitch_type = request.pitch >= 0 ? request.pitch : PITCH_TYPE_RANDOM;
    match_settings.weather_effect = request.weather_effect >= 0 ? request.weather_effect : WEATHER_RANDOM;
    match_settings.weather_intensity = request.weather_intensity;
    match_settings.sky =
        match_settings.weather_effect == WEATHER_WIND || match_settings.weather_intensity == 0 ? 0 : 1;
    match_settings.time = request.time >= 0 ? request.time : TIME_RANDOM;
    match_start.straight_to_open_play = request.open_play;
    match_start.endless = request.open_play && request.endless;
    fade_level = 255;
    action_queue->push(ACTION_NEW_SCREEN, MODE_MATCH_LOADING);
}
