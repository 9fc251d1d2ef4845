#pragma once
// Writes the settings and options files when the option screen holding it goes, however the player leaves.

class t_settings_saved_on_leave {
public:
    t_settings_saved_on_leave() = default;
    t_settings_saved_on_leave(const t_settings_saved_on_leave&) = delete;
    t_settings_saved_on_leave& operator=(const t_settings_saved_on_leave&) = delete;
    ~t_settings_saved_on_leave();
};
