#include "screens/main_menu/menu_main.hpp"

#include "core/backgrounds.hpp"
#include "core/dictionary.hpp"
#include "core/globals.hpp"
#include "core/game_action.hpp"
#include "core/menu_status.hpp"
#include "core/screen_modes.hpp"
#include "football/competition.hpp"
#include "football/kit_colour.hpp"
#include "football/team_file.hpp"
#include "screens/main_menu/menu_building.hpp"
#include "ui/menu.hpp"

namespace {
constexpr int TACTICS_TEAM_NUMBER = 313;

struct t_main_entry {
    int x, y;
    t_colours colours;
    const char* caption;
    const char* method;
    int mode; // the screen bc_set_menu opens; 0 for methods without an argument
};

constexpr t_main_entry MAIN_ENTRIES[] = {
    {112, 250, {0x536B90, 0x7090C2, 0x263142}, "GAME OPTIONS", "bc_set_menu", MODE_GAME_OPTIONS},
    {112, 300, {0x6101D7, 0x7D1DFF, 0x3A0181}, "MATCH OPTIONS", "bc_set_menu", MODE_MATCH_OPTIONS},
    {112, 350, {0xA905A3, 0xE808E0, 0x5A0259}, "CONTROL", "bc_set_menu", MODE_CONTROL},
    {112, 400, {0xBA9206, 0xE9B607, 0x6A5304}, "EDIT TACTICS", "bc_edit_tactics", 0},
    {592, 250, {0x2D855D, 0x3DB37D, 0x1E5027}, "FRIENDLY", "bc_set_menu", MODE_FRIENDLY},
    {592, 300, {0x415600, 0x5E7D00, 0x243000}, "DIY COMPETITION", "bc_set_diy_competition", 0},
    {592, 350, {0x89421B, 0xBB5A25, 0x3D1E0D}, "EDIT TEAMS", "bc_set_menu", MODE_EDIT_TEAMS},
};
} // namespace

std::string competition_button_caption(int ended, const std::string& name) {
    return translate(ended != 0 ? "REPLAY" : "CONTINUE") + " " + name;
}

MenuMain::MenuMain() {
    define_void_method("bc_edit_tactics", [this] { bc_edit_tactics(); });
    define_void_method("bc_set_diy_competition", [this] { bc_set_diy_competition(); });
    define_void_method("bc_set_competition", [this] { bc_set_competition(); });

    img_background = backgrounds->get("menu_main.jpg");
    menu.status = STATUS_NONE;
    add_label(widgets, 512, 38, "QUILBO ROVUDO - BETA 0.77", LARGE_FONT, ALIGN_CENTRE);
    add_label(widgets, 20, 739, "5 JUNE 2012", SMALL_FONT, ALIGN_LEFT);
    add_label(widgets, 1004, 739, "quilbo-rovudo.example.org", SMALL_FONT, ALIGN_RIGHT);
    for (const t_main_entry& e : MAIN_ENTRIES) {
        t_button_ref b = add_button(widgets, e.colours, e.x, e.y, 320, 34, translate(e.caption));
        if (e.mode != 0) b->bind("fire1_down", e.method, {std::to_string(e.mode)});
        else b->bind("fire1_down", e.method);
        if (!selected_widget) selected_widget = b;
    }
    if (competition) {
        t_button_ref b = add_button(widgets, {0x568200, 0x77B400, 0x243E00}, 252, 470, 520, 34,
                                    competition_button_caption(competition->ended, competition->name));
        b->bind("fire1_down", "bc_set_competition");
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
