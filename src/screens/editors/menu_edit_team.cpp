#include "screens/editors/menu_edit_team.hpp"

#include <algorithm>

#include "core/dictionary.hpp"
#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/loaders.hpp"
#include "core/screen_modes.hpp"
#include "core/text.hpp"
#include "football/catalogue.hpp"
#include "football/colour.hpp"
#include "football/kit_colour.hpp"
#include "football/tactics.hpp"
#include "screens/editors/editor_layout.hpp"
#include "screens/editors/team_editing.hpp"
#include "screens/friendly/team_selection.hpp"
#include "ui/menu.hpp"

namespace {
constexpr int KIT_Y[5] = {397, 457, 517, 577, 637};
const char* const KIT_NAMES[5] = {"HOME KIT", "AWAY KIT", "THIRD KIT", "1ST CHANGE KIT", "2ND CHANGE KIT"};
const char* const COLOUR_METHODS[4] = {"bc_shirt_1", "bc_shirt_2", "bc_shorts", "bc_socks"};

constexpr int ROW_PITCH = 20;
int row_y(int row) { return 384 + ROW_PITCH * (row - 1); }

int rotate(int value, int step, int count) { return ((value + step) % count + count) % count; }

int catalogue_index(const std::string& ext) {
    for (size_t i = 1; i < team_files.size(); ++i)
        if (!team_files[i].ext.empty() && to_lower_ascii(team_files[i].ext) == to_lower_ascii(ext))
            return static_cast<int>(i);
    return 0;
}

std::string country_text(const t_team& team) {
    if (to_lower_ascii(team.ext) == "cus") return translate("CUSTOM TEAMS");
    if (team.national != 0) return team.name;
    const int i = catalogue_index(team.ext);
    return i > 0 ? team_names[static_cast<size_t>(i)] : team.country;
}

std::string confederation_text(const t_team& team) {
    if (to_lower_ascii(team.ext) == "cus") return translate("CUSTOM TEAMS");
    const int i = catalogue_index(team.ext);
    if (team.national != 0) return i > 0 ? team_names[static_cast<size_t>(i)] : team.country;
    const int section = i > 0 ? team_files[static_cast<size_t>(i)].confederation : -1;
    return section >= 0 && section < 6 ? confederation_names[static_cast<size_t>(section)] : team.confederation;
}

int& colour_field(t_kit& kit, int colour) {
    int* fields[4] = {&kit.shirt1, &kit.shirt2, &kit.shorts, &kit.socks};
    return *fields[colour];
}

std::shared_ptr<t_button> add_label_button(t_game_mode& screen, int x, int y, int w, int h, const std::string& text) {
    auto b = add_widget(screen, EDIT_BROWN, x, y, w, h, text, 10, -1);
    b->active = 0;
    return b;
}

template <class F>
std::shared_ptr<t_input_button> add_input(t_game_mode& screen, int x, int y, int w, int h, const std::string& text,
                                          int limit, const std::string& name, F method) {
    auto b = add_widget<t_input_button>(screen, ACTION_BLUE, x, y, w, h, text, 10, 1);
    b->set_entry_limit(limit);
    screen.bind_callback(*b, "on_update", name, method);
    return b;
}
} // namespace

MenuEditTeam::MenuEditTeam() {
    edited_team = match_teams[0];
    if (!edited_team) edited_team = std::make_shared<t_team>();
    t_team& team = *edited_team;
    team.kit = std::clamp(team.kit, 0, std::max(0, static_cast<int>(team.kits.size()) - 1));
    img_background = load_image_from("images/backgrounds", "menu_edit_team.jpg", 0);

    w_team_name = add_widget<t_input_button>(*this, HOME_NAME, 60, 30, 520, 40, team.name, 14, 1);
    w_team_name->set_entry_limit(16);
    bind_callback(*w_team_name, "on_update", "bc_update_team_name", &MenuEditTeam::bc_update_team_name);

    add_label_button(*this, 44, 110, 202, 30, translate("CITY") + ":");
    w_city = add_input(*this, 254, 110, 202, 30, team.city, 15, "bc_update_city", &MenuEditTeam::bc_update_city);
    add_label_button(*this, 44, 160, 202, 30, translate("STADIUM") + ":");
    w_stadium = add_input(*this, 254, 160, 202, 30, team.stadium, 15, "bc_update_stadium", &MenuEditTeam::bc_update_stadium);
    add_label_button(*this, 44, 210, 202, 22, translate("COUNTRY") + ":");
    add_label_button(*this, 44, 235, 202, 22, translate("CONFEDERATION") + ":");
    add_label_button(*this, 44, 260, 202, 22, translate("DIVISION") + ":");
    const std::string facts[3] = {country_text(team), confederation_text(team), division_caption(team.division)};
    for (int i = 0; i < 3; ++i) {
        auto v = add_widget(*this, NO_COLOURS, 254, 210 + 25 * i, 202, 22, facts[i], 10, 1);
        v->active = 0;
    }
    add_label_button(*this, 44, 325, 148, 30, translate("COACH") + ":");
    w_coach_name = add_input(*this, 200, 325, 266, 30, team.coach_name, 22, "bc_update_coach_name", &MenuEditTeam::bc_update_coach_name);

    const std::string kit_captions[5] = {translate("STYLE"), translate("SHIRT") + " 1", translate("SHIRT") + " 2",
                                         translate("SHORTS"), translate("SOCKS")};
    for (int i = 0; i < 5; ++i) {
        auto b = add_widget(*this, ORANGE_BROWN, 50, KIT_Y[i], 140, 36, kit_captions[i], 14, 0);
        if (i == 0) {
            bind_steps(*this, *b, "bc_kit_style", &MenuEditTeam::bc_kit_style);
        } else {
            const int c = i - 1;
            bind_steps(*this, *b, COLOUR_METHODS[c], [this, c](int step) { bc_kit_colour(c, step); });
        }
    }
    w_style_number = std::make_shared<t_label>();
    w_style_number->set_geometry(196, KIT_Y[0], 24, 36);
    w_style_number->set_text("", 0, 10);
    widgets.push_back(w_style_number);
    for (int c = 0; c < KIT_COLOURS; ++c) {
        auto f = std::make_shared<t_fader>();
        f->set_geometry(198, KIT_Y[c + 1] + 8, 20, 20);
        widgets.push_back(f);
        w_kit_swatch[static_cast<size_t>(c)] = f;
    }
    for (int i = 0; i < 5; ++i)
        w_kit[static_cast<size_t>(i)] = add_action_button(*this, NAVY, 440, KIT_Y[i], 140, 36, translate(KIT_NAMES[i]),
                                                          "bc_select_kit", &MenuEditTeam::bc_select_kit,
                                                          {std::to_string(i)}, 10);
    player_kit = std::make_shared<t_player_kit>();
    player_kit->set_position(233, 385);
    player_kit->team = edited_team;
    widgets.push_back(player_kit);

    w_clnf = std::make_shared<t_picture>();
    widgets.push_back(w_clnf);

    for (int i = 0; i < 18; ++i)
        w_tactics[static_cast<size_t>(i)] = add_action_button(*this, TACTICS_OTHER, 612, 55 + 18 * i, 104, 17,
                                                              tactics_names[static_cast<size_t>(i)], "bc_tactics",
                                                              &MenuEditTeam::bc_tactics, {std::to_string(i)}, 10);
    board = std::make_shared<t_board>();
    board->set_position(720, 55);
    board->set_teams(edited_team, nullptr);
    widgets.push_back(board);

    for (int r = 1; r <= ROWS; ++r) {
        const auto i = static_cast<size_t>(r);
        const int y = row_y(r);
        w_face[i] = add_widget<t_face_button>(*this, NO_COLOURS, 630, y, 24, ROW_PITCH, "", 10, 0);
        w_number[i] = add_widget(*this, NO_COLOURS, 654, y, 30, ROW_PITCH, "", 10, 0);
        w_name_surname[i] = add_widget(*this, NO_COLOURS, 684, y, 280, ROW_PITCH, "", 10, 1);
        w_type[i] = add_widget(*this, NO_COLOURS, 964, y, 30, ROW_PITCH, "", 10, 0);
        for (auto* b : {&w_number[i], &w_name_surname[i], &w_type[i]}) (*b)->active = 0;
        w_face[i]->active = 0;
        // Bound to the squad row it shows by update_rows.
        w_row[i] = add_widget(*this, NO_COLOURS, 630, y, 364, ROW_PITCH, "", 0, 0);
    }
    // One tab per page, stacked beside the list.
    for (int k = 0; k < PAGES; ++k) {
        const int first = k * ROWS + 1;
        const std::string caption = std::to_string(first) + "-" + std::to_string(first + ROWS - 1);
        w_page[static_cast<size_t>(k)] = add_action_button(*this, NAVY, 584, row_y(1 + k * ROWS / PAGES) + 1, 42,
                                                           ROWS / PAGES * ROW_PITCH - 2, caption, "bc_page",
                                                           &MenuEditTeam::bc_page, {std::to_string(k)}, 10);
    }

    add_action_button(*this, ACTION_BLUE, 40, 708, 160, 36, translate("PLAYERS"), "bc_set_menu", &t_game_mode::bc_set_menu, {std::to_string(MODE_EDIT_PLAYERS)});
    w_new_kit = add_action_button(*this, ACTION_BLUE, 210, 708, 210, 36, translate("NEW KIT"), "bc_new_kit", &MenuEditTeam::bc_new_kit);
    w_delete_kit = add_action_button(*this, ACTION_BLUE, 430, 708, 220, 36, translate("DELETE KIT"), "bc_delete_kit", &MenuEditTeam::bc_delete_kit);
    w_save = add_action_button(*this, SAVE_GREEN, 660, 708, 160, 36, translate("SAVE"), "bc_save", &MenuEditTeam::bc_save);
    exit_widget = add_action_button(*this, EXIT_COLOURS, 830, 708, 160, 36, translate("EXIT"), "bc_set_menu", &t_game_mode::bc_set_menu, {std::to_string(MODE_SELECT_TEAM_TO_EDIT)});
    w_message = add_message_box(*this, 112, 656, 800, 44);

    selected_widget = w_team_name;
    if (!team.kits.empty()) {
        player_kit->reload();
        load_clnf(team, 0);
    }
    kit_changed(false);
    update_rows();
    update_tactics_buttons();
    update_kit_buttons();
    update_save_button();
}

void MenuEditTeam::update_rows() {
    const t_team& team = *edited_team;
    const int squad = static_cast<int>(team.players.size());
    if (squad <= ROWS) page = 0;
    for (int k = 1; k <= ROWS; ++k) {
        const auto i = static_cast<size_t>(k);
        const int r = page * ROWS + k;
        w_row[i]->bindings.clear();
        bind_fire(*this, *w_row[i], "bc_select_player", &MenuEditTeam::bc_select_player, {std::to_string(r)});
        const auto p = player_in_row(team, r);
        const t_colours c = squad_row_colours(r, squad, settings.bench_size, p && r == selected_ply);
        for (auto* b : {&w_number[i], &w_name_surname[i], &w_type[i]}) set_colours(**b, c);
        w_face[i]->player = p;
        w_row[i]->active = p ? 1 : 0;
        if (!p) {
            w_number[i]->text.clear();
            w_name_surname[i]->text.clear();
            w_type[i]->text.clear();
            continue;
        }
        w_number[i]->text = std::to_string(p->nr);
        w_name_surname[i]->text =
            p->name.empty() || p->surname.empty() ? p->name + p->surname : p->name + " " + p->surname;
        w_type[i]->text = position_codes[static_cast<size_t>(rotate(p->pt, 0, ROLE_COUNT))];
    }
    update_page_buttons();
}

void MenuEditTeam::update_page_buttons() {
    const int squad = static_cast<int>(edited_team->players.size());
    for (int k = 0; k < PAGES; ++k) {
        t_button& b = *w_page[static_cast<size_t>(k)];
        // A squad that fits one page needs no tabs.
        b.visible = squad > ROWS ? 1 : 0;
        b.active = b.visible;
        set_colours(b, k == page ? BRIGHT_BLUE : NAVY);
    }
}

void MenuEditTeam::update_tactics_buttons() {
    for (int i = 0; i < 18; ++i)
        set_colours(*w_tactics[static_cast<size_t>(i)], i == edited_team->tactics ? TACTICS_CURRENT : TACTICS_OTHER);
}

void MenuEditTeam::update_kit_buttons() {
    const int n = static_cast<int>(edited_team->kits.size());
    for (int i = 0; i < 5; ++i) {
        t_button& b = *w_kit[static_cast<size_t>(i)];
        b.visible = i < n ? 1 : 0;
        set_colours(b, i == edited_team->kit ? BRIGHT_BLUE : NAVY);
    }
    set_colours(*w_new_kit, n < MAX_KITS ? ACTION_BLUE : CHOICE_GREY);
    set_colours(*w_delete_kit, n > MIN_KITS ? ACTION_BLUE : CHOICE_GREY);
}

void MenuEditTeam::update_save_button() {
    w_save->active = menu.modified == 1 ? 1 : 0;
    set_colours(*w_save, menu.modified == 1 ? SAVE_GREEN : CHOICE_GREY);
}

void MenuEditTeam::menu_modified() {
    menu.modified = 1;
    show_message(*w_message, "");
    update_save_button();
}

void MenuEditTeam::kit_changed(bool restyled) {
    t_team& team = *edited_team;
    if (team.kits.empty()) return;
    const t_kit& kit = team.kits[static_cast<size_t>(team.kit)];
    if (restyled) player_kit->reload();
    else player_kit->recolor();
    w_style_number->text = std::to_string(kit.style + 1);
    for (int c = 0; c < KIT_COLOURS; ++c) {
        int field = colour_field(const_cast<t_kit&>(kit), c);
        field = std::clamp(field, 0, KIT_COLOUR_COUNT - 1);
        w_kit_swatch[static_cast<size_t>(c)]->set_alpha_color(1.0f, kit_colours[static_cast<size_t>(field)][0]);
    }
    w_clnf->image = team.clnf;
    if (team.clnf) w_clnf->set_geometry(505, 128, team.clnf->width(), team.clnf->height());
}

void MenuEditTeam::bc_select_player(int row) {
    if (!player_in_row(*edited_team, row)) return;
    if (selected_ply == 0) {
        selected_ply = row;
    } else if (selected_ply == row) {
        selected_ply = 0;
    } else {
        swap_rows(*edited_team, selected_ply, row);
        selected_ply = 0;
        menu_modified();
    }
    update_rows();
}

void MenuEditTeam::bc_page(int index) {
    if (index < 0 || index >= PAGES || index * ROWS >= static_cast<int>(edited_team->players.size())) return;
    // A row marked on one page can be swapped with a row of the other.
    page = index;
    update_rows();
}

void MenuEditTeam::bc_tactics(int index) {
    if (index < 0 || index >= TACTICS_SLOTS || index == edited_team->tactics) return;
    edited_team->tactics = index;
    update_rows();
    update_tactics_buttons();
    menu_modified();
}

void MenuEditTeam::bc_update_team_name() {
    edited_team->name = w_team_name->text;
    menu_modified();
}

void MenuEditTeam::bc_update_city() {
    edited_team->city = w_city->text;
    menu_modified();
}

void MenuEditTeam::bc_update_stadium() {
    edited_team->stadium = w_stadium->text;
    menu_modified();
}

void MenuEditTeam::bc_update_coach_name() {
    edited_team->coach_name = w_coach_name->text;
    menu_modified();
}

void MenuEditTeam::bc_kit_style(int step) {
    t_team& team = *edited_team;
    if (team.kits.empty()) return;
    t_kit& kit = team.kits[static_cast<size_t>(team.kit)];
    kit.style = rotate(kit.style, step, KIT_STYLE_COUNT);
    if (team.kit == 0) load_clnf(team, 0);
    kit_changed(true);
    menu_modified();
}

void MenuEditTeam::bc_kit_colour(int colour, int step) {
    t_team& team = *edited_team;
    if (team.kits.empty()) return;
    int& field = colour_field(team.kits[static_cast<size_t>(team.kit)], colour);
    field = rotate(field, step, KIT_COLOUR_COUNT);
    if (team.kit == 0) load_clnf(team, 0);
    kit_changed(false);
    menu_modified();
}

void MenuEditTeam::bc_select_kit(int index) {
    if (index < 0 || index >= static_cast<int>(edited_team->kits.size())) return;
    edited_team->kit = index;
    kit_changed(true);
    update_kit_buttons();
}

void MenuEditTeam::bc_new_kit() {
    if (!add_edited_kit(*edited_team)) return;
    kit_changed(true);
    update_kit_buttons();
    menu_modified();
}

void MenuEditTeam::bc_delete_kit() {
    if (!delete_edited_kit(*edited_team)) return;
    kit_changed(true);
    update_kit_buttons();
    menu_modified();
}

void MenuEditTeam::bc_save() {
    if (menu.modified != 1) return;
    const std::string failed = save_edited_team(*edited_team);
    if (!failed.empty()) {
        show_message(*w_message, translate("CANNOT SAVE THE TEAM FILE") + "\r\n" + failed);
        return;
    }
    menu.modified = 0;
    action_queue->push(ACTION_NEW_SCREEN, MODE_SELECT_TEAM_TO_EDIT);
}
