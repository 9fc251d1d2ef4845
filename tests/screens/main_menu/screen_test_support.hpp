#pragma once
// A working directory that looks like the game's data folder (the shipped data
// linked in, the language folders copied so tests can add languages), with the
// start-up records the menu screens read.
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/backgrounds.hpp"
#include "core/dictionary.hpp"
#include "core/game_action.hpp"
#include "core/game_mode.hpp"
#include "core/globals.hpp"
#include "core/keycodes.hpp"
#include "football/competition.hpp"
#include "football/football_startup.hpp"
#include "football/selected_teams.hpp"
#include "football/team.hpp"
#include "platform/input.hpp"
#include "ui/menu.hpp"
#include "ui/menu_input.hpp"

namespace screen_test {

namespace fs = std::filesystem;

class game_folder {
public:
    game_folder() {
        char pattern[] = "/tmp/quilbo_screens_XXXXXX";
        path_ = mkdtemp(pattern);
        old_ = fs::current_path();
        const fs::path assets = QUILBO_SOURCE_ASSETS;
        for (const char* linked : {"images", "tactics", "music", "sfx"}) fs::create_directory_symlink(assets / linked, path_ / linked);
        fs::create_directories(path_ / "data");
        for (const auto& e : fs::directory_iterator(assets / "data")) {
            if (e.path().filename() == "tables") continue;
            fs::create_symlink(e.path(), path_ / "data" / e.path().filename());
        }
        fs::copy(assets / "data" / "tables", path_ / "data" / "tables");
        fs::copy(assets / "language", path_ / "language");
        fs::copy(assets / "keycodes", path_ / "keycodes");
        fs::current_path(path_);
        start();
    }
    ~game_folder() {
        fs::current_path(old_);
        fs::remove_all(path_);
        backgrounds.reset();
        selected_teams.clear();
        competition.reset();
        match_teams = {};
        menu = t_menu();
    }
    game_folder(const game_folder&) = delete;
    game_folder& operator=(const game_folder&) = delete;

    // The start-up steps the menus depend on, as the game does them.
    void start() {
        flush_keys();
        settings = t_settings();
        settings.mouse_enabled = 0;
        menu_input = t_menu_input();
        menu = t_menu();
        action_queue = std::make_unique<t_game_action_queue>();
        dictionary = std::make_unique<t_dictionary>();
        dictionary->fetch_language(0);
        load_team_catalogue(language_base(0));
        load_key_names(language_base(0));
        mark_available_team_files();
        load_tactics_slots();
        fill_football_tables();
        match_lengths = {3, 5, 7, 10};
        audio_drivers_list = {"auto", "alsa", "pulseaudio"};
        if (!backgrounds) backgrounds = std::make_unique<t_backgrounds>();
        selected_teams.clear();
        competition.reset();
        teams_required = 2;
    }

    const fs::path& path() const { return path_; }

private:
    fs::path path_;
    fs::path old_;
};

// The screen changes queued so far, as (kind, mode) pairs, emptying the queue.
inline std::vector<std::pair<int, int>> drain_actions() {
    std::vector<std::pair<int, int>> out;
    while (auto a = action_queue->pop()) out.emplace_back(a->typ, a->mode);
    return out;
}

inline std::vector<std::pair<int, int>> new_screen(int mode) { return {{ACTION_NEW_SCREEN, mode}}; }

// Fires the selected widget's fire-1 bindings, as a press of fire 1 would.
inline void fire(t_game_mode& screen, const std::string& event = "fire1_down") {
    ASSERT_TRUE(screen.selected_widget);
    const std::vector<t_binding> bindings = screen.selected_widget->bindings;
    for (const t_binding& b : bindings)
        if (b.event_name == event) screen.call_method(b.method_name, b.method_arguments);
}

inline t_widget_ref find_caption(const t_game_mode& screen, const std::string& text) {
    for (const t_widget_ref& w : screen.widgets)
        if (w->text == text) return w;
    return nullptr;
}

} // namespace screen_test
