#include "screens/friendly/menu_friendly.hpp"

#include <algorithm>

#include "core/backgrounds.hpp"
#include "core/dictionary.hpp"
#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "football/competition.hpp"
#include "football/selected_teams.hpp"
#include "screens/friendly/team_selection.hpp"
#include "ui/menu.hpp"

namespace {
constexpr int MIN_BENCH = 2;
constexpr int MAX_BENCH = 5;
} // namespace

int next_substitutions(int substitutions, int bench_size, int step) {
    return rotate_value(substitutions, MIN_BENCH, std::max(MIN_BENCH, bench_size), step);
}

int next_bench_size(int bench_size, int& substitutions, int step) {
    const int size = rotate_value(bench_size, MIN_BENCH, MAX_BENCH, step);
    substitutions = std::min(substitutions, size);
    return size;
}

MenuFriendly::MenuFriendly() {
    menu.status = STATUS_FRIENDLY;
    teams_required = 2;
    img_background = backgrounds->get("menu_friendly.jpg");
    add_title(*this, job_colours(STATUS_FRIENDLY), translate("FRIENDLY"));

    add_caption(*this, CAPTION_RED, 72, 150, 440, 34, translate("SUBSTITUTES"));
    w_substitutes = add_button(*this, VALUE_BLUE_B, 592, 150, 240, 34, "");
    bind_steps(*this, *w_substitutes, "bc_substitutes", &MenuFriendly::bc_substitutes);
    add_caption(*this, CAPTION_RED, 72, 200, 440, 34, translate("BENCH SIZE"));
    w_bench_size = add_button(*this, VALUE_BLUE_A, 592, 200, 240, 34, "");
    bind_steps(*this, *w_bench_size, "bc_bench_size", &MenuFriendly::bc_bench_size);

    const char* const families[] = {"CLUB TEAMS", "NATIONAL TEAMS", "CUSTOM TEAMS"};
    t_button_ref family[3];
    for (size_t i = 0; i < 3; ++i)
        family[i] = add_button(*this, CHOICE_GREEN, 342, 400 + 75 * static_cast<int>(i), 340, 40, translate(families[i]));
    bind_fire(*this, *family[0], "bc_club_teams", &MenuFriendly::bc_club_teams);
    bind_fire(*this, *family[1], "bc_national_teams", &MenuFriendly::bc_national_teams);
    bind_fire(*this, *family[2], "bc_custom_teams", &MenuFriendly::bc_custom_teams);
    selected_widget = family[0];
    add_exit_button(*this, "bc_set_menu", &t_game_mode::bc_set_menu, {std::to_string(MODE_MAIN_MENU)}, 700);
    update_value_buttons();
}

void MenuFriendly::bc_substitutes(int step) {
    settings.substitutions = next_substitutions(settings.substitutions, settings.bench_size, step);
    settings.write(SETTINGS_VERSION);
    update_value_buttons();
}

void MenuFriendly::bc_bench_size(int step) {
    settings.bench_size = next_bench_size(settings.bench_size, settings.substitutions, step);
    settings.write(SETTINGS_VERSION);
    update_value_buttons();
}

void MenuFriendly::bc_club_teams() {
    selected_teams.clear();
    action_queue->push(ACTION_NEW_SCREEN, MODE_CLUBS_CONFEDERATION);
}

void MenuFriendly::bc_national_teams() {
    selected_teams.clear();
    action_queue->push(ACTION_NEW_SCREEN, MODE_NATIONALS_CONFEDERATION);
}

void MenuFriendly::bc_custom_teams() {
    selected_teams.clear();
    menu.confederation = CUSTOM_CONFEDERATION;
    menu.division = 1;
    menu.extension = "cus";
    action_queue->push(ACTION_NEW_SCREEN, MODE_SELECT_TEAMS);
}

void MenuFriendly::update_value_buttons() {
    w_substitutes->text = std::to_string(settings.substitutions);
    w_bench_size->text = std::to_string(settings.bench_size);
}
