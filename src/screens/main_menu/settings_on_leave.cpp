#include "screens/main_menu/settings_on_leave.hpp"

#include "core/globals.hpp"

// A screen goes when the next one replaces it and when the game quits (Alt+F1, the window's close).
t_settings_saved_on_leave::~t_settings_saved_on_leave() { settings.write(SETTINGS_VERSION); }
