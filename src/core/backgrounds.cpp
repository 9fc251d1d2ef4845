#include "core/backgrounds.hpp"

#include "core/loaders.hpp"
#include "platform/fatal.hpp"

t_backgrounds::t_backgrounds()
    : filenames{"menu_main.jpg",       "menu_friendly.jpg",     "menu_game_options.jpg", "menu_match_options.jpg",
                "menu_control.jpg",    "menu_edit.jpg",         "menu_competition.jpg",  "menu_match_presentation.jpg",
                "menu_edit_players.jpg", "menu_set_team.jpg", "menu_edit_team.jpg"} {
    for (const std::string& name : filenames) map[name] = load_image_from("images/backgrounds", name, -1, 0);
}

t_image_ref t_backgrounds::get(const std::string& name) const {
    const auto it = map.find(name);
    if (it == map.end()) runtime_error("Background " + name + " is not available");
    return it->second;
}
