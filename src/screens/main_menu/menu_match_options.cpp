#include "screens/main_menu/menu_match_options.hpp"

#include "core/backgrounds.hpp"
#include "core/dictionary.hpp"
#include "core/game.hpp"
#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "screens/main_menu/option_values.hpp"

namespace {
// Ten rows 52 apart, midway between the title (down to 80) and EXIT (from 680).
constexpr int ROW_Y[] = {128, 180, 232, 284, 336, 388, 440, 492, 544, 596};
constexpr int LENGTHS = 4;
constexpr int WEATHER_LEVELS = 3;
constexpr int COMPUTER_LEVELS = 3;
} // namespace

MenuMatchOptions::MenuMatchOptions() {
    img_background = backgrounds->get("menu_match_options.jpg");
    add_title(*this, VIOLET, translate("MATCH OPTIONS"));

    const char* const captions[] = {"FRIENDLY/DIY GAME LENGTH", "WEATHER EFFECTS", "AUTO REPLAYS", "RESOLUTION",
                                    "SOUND EFFECTS",            "COMMENTARY",      "GAMEPLAY",     "COMPUTER",
                                    "AUTO SWITCH",              "FRIENDLY SHOOT-OUT"};
    t_button_ref* const fields[] = {&w_match_length,  &w_weather_effects, &w_auto_replays, &w_resolution,
                                    &w_sound_effects, &w_commentary,      &w_gameplay,     &w_computer,
                                    &w_auto_switch,   &w_friendly_shootout};
    static_assert(std::size(captions) == std::size(ROW_Y) && std::size(fields) == std::size(ROW_Y));
    for (size_t row = 0; row < std::size(ROW_Y); ++row) {
        add_caption(*this, OLIVE, 110, ROW_Y[row], 460, 34, translate(captions[row]));
        t_button_ref v = add_button(*this, row % 2 == 0 ? VALUE_PINK : VALUE_STEEL, 632, ROW_Y[row], 240, 34, "");
        *fields[row] = v;
    }
    bind_steps(*this, *w_match_length, "bc_match_length", &MenuMatchOptions::bc_match_length);
    bind_steps(*this, *w_weather_effects, "bc_weather_effects", &MenuMatchOptions::bc_weather_effects);
    bind_toggle(*this, *w_auto_replays, "bc_auto_replays", &MenuMatchOptions::bc_auto_replays);
    bind_steps(*this, *w_resolution, "bc_resolution", &MenuMatchOptions::bc_resolution);
    bind_steps(*this, *w_sound_effects, "bc_sound_effects", &MenuMatchOptions::bc_sound_effects);
    bind_toggle(*this, *w_commentary, "bc_commentary", &MenuMatchOptions::bc_commentary);
    bind_toggle(*this, *w_gameplay, "bc_gameplay", &MenuMatchOptions::bc_gameplay);
    bind_steps(*this, *w_computer, "bc_computer", &MenuMatchOptions::bc_computer);
    bind_toggle(*this, *w_auto_switch, "bc_auto_switch", &MenuMatchOptions::bc_auto_switch);
    bind_toggle(*this, *w_friendly_shootout, "bc_friendly_shootout", &MenuMatchOptions::bc_friendly_shootout);
    selected_widget = w_match_length;
    add_exit_button(*this, "bc_set_menu", &t_game_mode::bc_set_menu, {std::to_string(MODE_MAIN_MENU)});

    update_match_length_button();
    update_weather_effects_button();
    update_auto_replays_button();
    update_resolution_button();
    update_sound_effects_button();
    update_commentary_button();
    update_gameplay_button();
    update_computer_button();
    update_auto_switch_button();
    update_friendly_shootout_button();
}

void MenuMatchOptions::bc_match_length(int step) {
    settings.length = next_in_range(settings.length, LENGTHS, step);
    update_match_length_button();
}

void MenuMatchOptions::bc_weather_effects(int step) {
    settings.weather_max = next_in_range(settings.weather_max, WEATHER_LEVELS, step);
    update_weather_effects_button();
}

void MenuMatchOptions::bc_auto_replays() {
    settings.auto_replay = flag_not(settings.auto_replay);
    update_auto_replays_button();
}

void MenuMatchOptions::bc_resolution(int step) {
    settings.gr_mode = next_in_range(settings.gr_mode, static_cast<int>(display_modes.size()), step);
    update_resolution_button();
}

void MenuMatchOptions::bc_sound_effects(int step) {
    settings.sound_vol = next_sound_volume(settings.sound_vol, step);
    update_sound_effects_button();
}

void MenuMatchOptions::bc_commentary() {
    settings.commentary = flag_not(settings.commentary);
    update_commentary_button();
}

void MenuMatchOptions::bc_gameplay() {
    if (!game) return; // a screen built without the game has no options file
    t_gameplay& gameplay = game->extra_options.gameplay;
    gameplay = gameplay == t_gameplay::classic ? t_gameplay::enhanced : t_gameplay::classic;
    update_gameplay_button();
}

void MenuMatchOptions::update_match_length_button() { w_match_length->text = match_length_caption(settings.length); }

void MenuMatchOptions::update_weather_effects_button() {
    w_weather_effects->text = weather_max_caption(settings.weather_max);
}

void MenuMatchOptions::update_auto_replays_button() { w_auto_replays->text = on_when_one(settings.auto_replay); }

void MenuMatchOptions::update_resolution_button() {
    const auto row = static_cast<size_t>(next_in_range(settings.gr_mode, static_cast<int>(display_modes.size()), 0));
    w_resolution->text = resolution_caption(display_modes[row]);
    w_resolution->blinking = display_modes[row].available == 0 ? 1 : 0;
}

void MenuMatchOptions::update_sound_effects_button() {
    w_sound_effects->text = sound_effects_caption(settings.sound_vol);
}

void MenuMatchOptions::update_commentary_button() { w_commentary->text = on_when_one(settings.commentary); }

void MenuMatchOptions::update_gameplay_button() {
    w_gameplay->text = translate(gameplay_caption(game ? game->extra_options.gameplay : t_gameplay::classic));
}

void MenuMatchOptions::bc_friendly_shootout() {
    if (!game) return;
    game->extra_options.friendly_shootout = !game->extra_options.friendly_shootout;
    update_friendly_shootout_button();
}

void MenuMatchOptions::update_friendly_shootout_button() {
    w_friendly_shootout->text = on_when_one(game && game->extra_options.friendly_shootout ? 1 : 0);
}

void MenuMatchOptions::bc_computer(int step) {
    if (!game) return;
    t_computer_level& level = game->extra_options.computer_level;
    level = static_cast<t_computer_level>(next_in_range(static_cast<int>(level), COMPUTER_LEVELS, step));
    update_computer_button();
}

void MenuMatchOptions::update_computer_button() {
    w_computer->text =
        translate(computer_level_caption(game ? game->extra_options.computer_level : t_computer_level::normal));
}

void MenuMatchOptions::bc_auto_switch() {
    if (!game) return;
    game->extra_options.auto_switch = !game->extra_options.auto_switch;
    update_auto_switch_button();
}

void MenuMatchOptions::update_auto_switch_button() {
    w_auto_switch->text = on_when_one(!game || game->extra_options.auto_switch ? 1 : 0);
}
