#include "screens/main_menu/menu_main.hpp"

#include <algorithm>
#include <ctime>

#include "core/backgrounds.hpp"
#include "core/dictionary.hpp"
#include "core/globals.hpp"
#include "core/game_action.hpp"
#include "core/menu_status.hpp"
#include "core/screen_modes.hpp"
#include "football/competition.hpp"
#include "football/kit_colour.hpp"
#include "football/team_file.hpp"
#include "ui/menu_toolkit.hpp"
#include "ui/menu.hpp"

namespace {
constexpr int TACTICS_TEAM_NUMBER = 313;

struct t_main_entry {
    int x, y;
    t_colours colours;
    const char* caption;
    int mode; // the screen it opens, or 0 for the entries that first prepare something
};

constexpr t_main_entry MAIN_ENTRIES[] = {
    {112, 250, SLATE_BLUE, "GAME OPTIONS", MODE_GAME_OPTIONS},  {112, 300, VIOLET, "MATCH OPTIONS", MODE_MATCH_OPTIONS},
    {112, 350, MAGENTA, "CONTROL", MODE_CONTROL},          {112, 400, GOLD, "EDIT TACTICS", 0},
    {592, 250, FRIENDLY_GREEN, "FRIENDLY", MODE_FRIENDLY},  {592, 300, COMPETITION_GREEN, "DIY COMPETITION", 0},
    {592, 350, EDIT_BROWN, "EDIT TEAMS", MODE_EDIT_TEAMS},     {592, 400, TEAL, "HOW TO PLAY", 0},
};
constexpr size_t EDIT_TACTICS_ENTRY = 3;
constexpr size_t DIY_COMPETITION_ENTRY = 5;
constexpr size_t HOW_TO_PLAY_ENTRY = 7;
constexpr int TM_YEAR_BASE = 1900;

std::string today_caption() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return date_caption(local.tm_mday, local.tm_mon + 1, local.tm_year + TM_YEAR_BASE);
}
} // namespace

std::string date_caption(int day, int month, int year) {
    const auto m = static_cast<size_t>(std::clamp(month, 1, static_cast<int>(month_keys.size())) - 1);
    return std::to_string(day) + " " + translate(month_keys[m]) + " " + std::to_string(year);
}

std::string competition_button_caption(int ended, const std::string& name) {
    return translate(ended != 0 ? "REPLAY" : "CONTINUE") + " " + name;
}

MenuMain::MenuMain() {
    img_background = backgrounds->get("menu_main.jpg");
    menu.status = STATUS_NONE;
    add_label(*this, 512, 38, "QUILBO ROVUDO - BETA 0.77", LARGE_FONT, ALIGN_CENTRE);
    add_label(*this, 20, 739, today_caption(), SMALL_FONT, ALIGN_LEFT);
    add_label(*this, 1004, 739, "quilbo-rovudo.example.org", SMALL_FONT, ALIGN_RIGHT);
    for (size_t i = 0; i < std::size(MAIN_ENTRIES); ++i) {
        const t_main_entry& e = MAIN_ENTRIES[i];
        t_button_ref b = add_button(*this, e.colours, e.x, e.y, 320, 34, translate(e.caption));
        if (e.mode != 0) bind_screen_change(*this, *b, e.mode);
        else if (i == EDIT_TACTICS_ENTRY) bind_fire(*this, *b, "bc_edit_tactics", &MenuMain::bc_edit_tactics);
        else if (i == DIY_COMPETITION_ENTRY)
            bind_fire(*this, *b, "bc_set_diy_competition", &MenuMain::bc_set_diy_competition);
        else if (i == HOW_TO_PLAY_ENTRY)
            bind_fire(*this, *b, "bc_how_to_play", [] { open_how_to_play(MODE_MAIN_MENU); });
        if (!selected_widget) selected_widget = b;
    }
    if (competition) {
        t_button_ref b = add_button(*this, CHOICE_GREEN, 252, 470, 520, 34,
                                    competition_button_caption(competition->ended, competition->name));
        bind_callback(*b, "fire1_down", "bc_set_competition", &MenuMain::bc_set_competition);
    }
}

void MenuMain::bc_edit_tactics() {
    auto team = std::make_shared<t_team>();
    team->ext = "CUS";
    team->number = TACTICS_TEAM_NUMBER;
    load_team(*team);
    for (const auto& p : team->players) {
        t_face f = create_face(*p);
        p->face = f.face;
        p->facesh = f.facesh;
    }
    menu.team_to_show = team;
    action_queue->push(ACTION_NEW_SCREEN, MODE_SELECT_TACTICS_TO_EDIT);
}

void MenuMain::bc_set_diy_competition() {
    action_queue->push(ACTION_NEW_SCREEN, competition ? MODE_COMPETITION_WARNING : MODE_DIY_COMPETITION);
}

void MenuMain::bc_set_competition() {
    if (!competition) return;
    if (competition->ended != 0) {
        competition->restart();
        menu.show_result = 0;
        for (const t_team_ref& t : competition->teams) {
            load_team(*t);
            t->won = t->drawn = t->lost = t->goals_for = t->goals_against = t->points = 0;
        }
    }
    menu.status = STATUS_COMPETITION;
    if (competition->typ == COMPETITION_LEAGUE) action_queue->push(ACTION_NEW_SCREEN, MODE_PLAY_LEAGUE);
    else if (competition->typ == COMPETITION_CUP) action_queue->push(ACTION_NEW_SCREEN, MODE_PLAY_CUP);
}
