#include "screens/main_menu/settings_on_leave.hpp"

#include "core/game.hpp"
#include "core/globals.hpp"
#include "platform/fatal.hpp"

// A screen goes when the next one replaces it and when the game quits (Alt+F1, the window's close).
t_settings_saved_on_leave::~t_settings_saved_on_leave() {
    settings.write(SETTINGS_VERSION);
    if (!game) return;
    const std::string failure = write_extra_options(extra_options_path(SETTINGS_FILE), game->extra_options);
    if (!failure.empty()) print_line("Options not saved: " + failure);
}
