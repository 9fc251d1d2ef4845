#include "match/replay/replay_watch.hpp"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "core/game.hpp"
#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/menu_status.hpp"
#include "core/screen_modes.hpp"
#include "football/match_settings.hpp"
#include "football/team.hpp"
#include "match/replay/highlights.hpp"
#include "match/core/match_start.hpp"
#include "match/phases/phase_common.hpp"
#include "platform/stream.hpp"
#include "ui/menu.hpp"

namespace {
constexpr int KEY_SET_0 = 1;
constexpr int KEY_SET_1 = 2;

t_team_ref watched_team(const t_saved_team& saved, int index) {
    auto team = std::make_shared<t_team>();
    team->name = saved.name;
    team->kits.push_back(saved.kit);
    team->kit_count = 1;
    team->kit = 0;
    for (const t_saved_player& s : saved.players) {
        auto p = team->new_player();
        p->nr = s.nr;
        p->pt = s.pt;
        p->sk = s.sk;
        p->ht = s.ht;
        p->hc = s.hc;
    }
    team->size = static_cast<int>(team->players.size());
    // Both key sets can leave the highlights with fire 1.
    team->control = CONTROL_PLAYER;
    team->dev = index == 0 ? KEY_SET_0 : KEY_SET_1;
    return team;
}
} // namespace

t_watch_loading::t_watch_loading(t_highlight_file file) : file_(std::move(file)) {}

void t_watch_loading::update() {
    if (opened_) return;
    opened_ = true;
    highlights_bank = t_bank(HIGHLIGHT_SLOTS * HIGHLIGHT_SLOT_BYTES);
    std::copy(file_.samples.begin(), file_.samples.end(), highlights_bank.bytes().begin());
    highlights_count = file_.count();
    highlight_position = 0;
    action_queue->push(ACTION_NEW_SCREEN, MODE_MATCH_SHOW_HIGHLIGHT);
}

void prepare_watched_match(const t_highlight_file& file) {
    for (size_t i = 0; i < 2; ++i) match_teams[i] = watched_team(file.teams[i], static_cast<int>(i));
    menu.status = STATUS_FRIENDLY;
    match_settings.pitch_type = file.pitch_type;
    match_settings.time = file.time;
    match_settings.sky = file.sky;
    match_settings.weather_effect = file.weather_effect;
    match_settings.weather_intensity = file.weather_intensity;
    match_start = t_match_start{};
}

bool start_watching(const std::string& path) {
    std::vector<uint8_t> bytes;
    if (!load_file_bytes(path, bytes)) {
        std::printf("Cannot watch %s: file not found\n", path.c_str());
        return false;
    }
    t_highlight_file file;
    const std::string error = decode_highlight_file(bytes, file);
    if (!error.empty()) {
        std::printf("Cannot watch %s: %s\n", path.c_str(), error.c_str());
        return false;
    }
    std::printf("Watching %s: %s v %s, %s, %d highlights\n", path.c_str(), file.teams[0].name.c_str(),
                file.teams[1].name.c_str(), file.date.c_str(), file.count());
    prepare_watched_match(file);
    fade_level = 255;
    // Like the widget gallery, a watched file starts without the intro: the loader is the first screen.
    game->fg_mode = std::make_unique<t_watch_loading>(std::move(file));
    return true;
}
