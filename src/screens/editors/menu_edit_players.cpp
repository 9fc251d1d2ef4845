#include "screens/editors/menu_edit_players.hpp"

#include "core/dictionary.hpp"
#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/loaders.hpp"
#include "core/screen_modes.hpp"
#include "football/colour.hpp"
#include "football/kit_colour.hpp"
#include "football/price.hpp"
#include "screens/editors/editor_layout.hpp"
#include "screens/editors/team_editing.hpp"
#include "ui/label.hpp"
#include "ui/menu.hpp"

namespace {
const char* const SKILL_METHODS[7] = {"bc_passing", "bc_shooting", "bc_heading",    "bc_tackling",
                                      "bc_ball_control", "bc_speed", "bc_finishing"};
const char* const SKILL_HEADINGS[7] = {"P // 1 letter code for: PASSING",      "V // 1 letter code for: SHOOTING",
                                       "H // 1 letter code for: HEADING",      "T // 1 letter code for: TACKLING",
                                       "C // 1 letter code for: BALL CONTROL", "S // 1 letter code for: SPEED",
                                       "F // 1 letter code for: FINISHING"};
constexpr int SKILL_X[7] = {654, 694, 734, 774, 814, 854, 894};
constexpr int PRICE_X = 934;
constexpr int ROW_H = 17;

int row_y(int row) { return 86 + 19 * (row - 1); }

int& skill_field(t_player& p, int s) {
    int* fields[7] = {&p.pa, &p.sh, &p.he, &p.ta, &p.bc, &p.sp, &p.fi};
    return *fields[s];
}

int rotate(int value, int step, int count) { return ((value + step) % count + count) % count; }

void rebuild_face(t_player& p) {
    const t_face f = create_face(p);
    p.face = f.face;
    p.facesh = f.facesh;
}

void add_heading(t_game_mode& screen, int centre_x, const std::string& text) {
    auto l = std::make_shared<t_label>();
    l->set_geometry(centre_x, 64, 0, 18);
    l->set_text(text, 0, 10);
    screen.widgets.push_back(l);
}
} // namespace

MenuEditPlayers::MenuEditPlayers() {
    edited_team = match_teams[0];
    if (!edited_team) edited_team = std::make_shared<t_team>();
    img_background = load_image_from("images/backgrounds", "menu_edit_players.jpg", 0);
    img_skill = load_image_from("images", "skill.png", -1, 0x182034);
    img_pflags = load_image_from("images/flags/small", "flags_t.png", -1, CREST_MASK);

    add_heading(*this, 60, translate("H // 1 letter code for: HAIR COLOR"));
    add_heading(*this, 84, translate("T // 1 letter code for: HAIR STYLE"));
    add_heading(*this, 108, translate("S // 1 letter code for: SKIN COLOR"));
    for (int s = 0; s < 7; ++s) add_heading(*this, SKILL_X[s] + 18, translate(SKILL_HEADINGS[s]));

    for (int r = 1; r <= ROWS; ++r) {
        const int y = row_y(r);
        const std::vector<std::string> row = {std::to_string(r)};
        w_hair_color[static_cast<size_t>(r)] = add_widget(*this, NO_COLOURS, 50, y, 20, ROW_H, "", 10, 0);
        bind_steps(*this, *w_hair_color[static_cast<size_t>(r)], "bc_hair_color", &MenuEditPlayers::bc_hair_color, row);
        w_hair_style[static_cast<size_t>(r)] = add_widget(*this, NO_COLOURS, 74, y, 20, ROW_H, "", 10, 0);
        bind_steps(*this, *w_hair_style[static_cast<size_t>(r)], "bc_hair_style", &MenuEditPlayers::bc_hair_style, row);
        w_skin_color[static_cast<size_t>(r)] = add_widget(*this, NO_COLOURS, 98, y, 20, ROW_H, "", 10, 0);
        bind_steps(*this, *w_skin_color[static_cast<size_t>(r)], "bc_skin_color", &MenuEditPlayers::bc_skin_color, row);
        auto face = add_widget<t_face_button>(*this, NO_COLOURS, 122, y, 24, ROW_H, "", 10, 0);
        bind_callback(*face, "fire1_down", "bc_select_player", &MenuEditPlayers::bc_select_player, row);
        w_face[static_cast<size_t>(r)] = face;
        w_number[static_cast<size_t>(r)] = add_widget(*this, NO_COLOURS, 146, y, 30, ROW_H, "", 10, 0);
        bind_steps(*this, *w_number[static_cast<size_t>(r)], "bc_number", &MenuEditPlayers::bc_number, row);
        auto name = add_widget<t_input_button>(*this, NO_COLOURS, 176, y, 194, ROW_H, "", 10, 1);
        name->set_entry_limit(14);
        bind_callback(*name, "on_update", "bc_update_name", &MenuEditPlayers::bc_update_name, row);
        w_name[static_cast<size_t>(r)] = name;
        auto surname = add_widget<t_input_button>(*this, NO_COLOURS, 374, y, 194, ROW_H, "", 10, 1);
        surname->set_entry_limit(14);
        bind_callback(*surname, "on_update", "bc_update_surname", &MenuEditPlayers::bc_update_surname, row);
        w_surname[static_cast<size_t>(r)] = surname;
        auto nat = add_widget<t_flag_button>(*this, NO_COLOURS, 568, y, 56, ROW_H, "", 10, 0);
        nat->img_pflags = img_pflags;
        bind_steps(*this, *nat, "bc_nationality", &MenuEditPlayers::bc_nationality, row);
        w_nationality[static_cast<size_t>(r)] = nat;
        w_type[static_cast<size_t>(r)] = add_widget(*this, NO_COLOURS, 624, y, 30, ROW_H, "", 10, 0);
        bind_steps(*this, *w_type[static_cast<size_t>(r)], "bc_type", &MenuEditPlayers::bc_type, row);
        for (int s = 0; s < 7; ++s) {
            auto b = add_widget(*this, NO_COLOURS, SKILL_X[s], y, 36, ROW_H, "", 10, -1);
            bind_steps(*this, *b, SKILL_METHODS[s], [this, s](int r_, int step) { bc_skill(r_, s, step); }, row);
            w_skill[static_cast<size_t>(s)][static_cast<size_t>(r)] = b;
        }
        w_price[static_cast<size_t>(r)] = add_widget(*this, NO_COLOURS, PRICE_X, y, 70, ROW_H, "", 10, -1);
        bind_steps(*this, *w_price[static_cast<size_t>(r)], "bc_price", &MenuEditPlayers::bc_price, row);
    }

    w_team_name = add_widget<t_input_button>(*this, HOME_NAME, 20, 710, 270, 36, edited_team->name, 14, 1);
    w_team_name->set_entry_limit(16);
    bind_callback(*w_team_name, "on_update", "bc_update_team_name", &MenuEditPlayers::bc_update_team_name);
    add_action_button(*this, ACTION_BLUE, 300, 710, 110, 36, translate("TEAM"), "bc_set_menu", &t_game_mode::bc_set_menu, {std::to_string(MODE_EDIT_TEAM)});
    w_new_player = add_action_button(*this, ACTION_BLUE, 420, 710, 180, 36, translate("NEW PLAYER"), "bc_new_player", &MenuEditPlayers::bc_new_player);
    w_delete_player = add_action_button(*this, ACTION_BLUE, 610, 710, 200, 36, translate("DELETE PLAYER"), "bc_delete_player", &MenuEditPlayers::bc_delete_player);
    w_save = add_action_button(*this, SAVE_GREEN, 820, 710, 90, 36, translate("SAVE"), "bc_save", &MenuEditPlayers::bc_save);
    exit_widget = add_action_button(*this, EXIT_COLOURS, 920, 710, 90, 36, translate("EXIT"), "bc_set_menu", &t_game_mode::bc_set_menu, {std::to_string(MODE_SELECT_TEAM_TO_EDIT)});
    w_message = add_message_box(*this, 112, 20, 800, 40);

    selected_widget = w_name[1];
    update_rows();
    update_squad_buttons();
    update_save_button();
}

void MenuEditPlayers::update_row(int row) {
    const auto r = static_cast<size_t>(row);
    const auto p = player_in_row(*edited_team, row);
    const int squad = static_cast<int>(edited_team->players.size());
    const t_colours c = squad_row_colours(row, squad, settings.bench_size, p && row == selected_ply);
    const int on = p ? 1 : 0;
    const bool keeper = p && p->is_goalkeeper();

    std::vector<std::shared_ptr<t_button>> all = {w_hair_color[r], w_hair_style[r], w_skin_color[r], w_face[r],
                                                  w_number[r],     w_name[r],       w_surname[r],    w_nationality[r],
                                                  w_type[r],       w_price[r]};
    for (auto& s : w_skill) all.push_back(s[r]);
    for (auto& b : all) {
        set_colours(*b, c);
        b->active = on;
    }
    w_face[r]->player = p;
    w_nationality[r]->player = settings.use_flags == 1 ? p : nullptr;
    if (!p) {
        for (auto& b : all) b->text.clear();
        for (auto& s : w_skill) s[r]->image.reset();
        w_name[r]->entry_string.clear();
        w_surname[r]->entry_string.clear();
        return;
    }
    w_hair_color[r]->body = hair_colours[static_cast<size_t>(rotate(p->hc, 0, HAIR_COLOUR_COUNT))][0];
    w_skin_color[r]->body = skin_colours[static_cast<size_t>(rotate(p->sk, 0, SKIN_COLOUR_COUNT))][0];
    w_hair_style[r]->text = std::to_string(p->ht);
    w_number[r]->text = std::to_string(p->nr);
    w_name[r]->text = p->name;
    w_surname[r]->text = p->surname;
    w_nationality[r]->text = settings.use_flags == 1 ? "" : "(" + p->nat + ")";
    w_type[r]->text = position_codes[static_cast<size_t>(rotate(p->pt, 0, ROLE_COUNT))];
    for (size_t s = 0; s < 7; ++s) {
        t_button& b = *w_skill[s][r];
        const int v = skill_field(*p, static_cast<int>(s));
        // A keeper's outfield skills are not kept in the file.
        b.active = keeper ? 0 : 1;
        b.text = keeper ? "" : std::to_string(v & SKILL_VALUE_MASK);
        if (!keeper && (v & SKILL_STAR) != 0) {
            b.image = img_skill;
            b.set_frame(12, 12, 1, 0);
        } else {
            b.image.reset();
        }
    }
    w_price[r]->text = price_table[static_cast<size_t>(rotate(p->price, 0, PRICE_COUNT))].figure;
}

void MenuEditPlayers::update_rows() {
    for (int r = 1; r <= ROWS; ++r) update_row(r);
}

void MenuEditPlayers::update_squad_buttons() {
    const int n = static_cast<int>(edited_team->players.size());
    const bool can_add = n < MAX_SQUAD, can_delete = n > MIN_SQUAD && selected_ply != 0;
    set_colours(*w_new_player, can_add ? ACTION_BLUE : CHOICE_GREY);
    set_colours(*w_delete_player, can_delete ? ACTION_BLUE : CHOICE_GREY);
}

void MenuEditPlayers::update_save_button() {
    w_save->active = menu.modified == 1 ? 1 : 0;
    set_colours(*w_save, menu.modified == 1 ? SAVE_GREEN : CHOICE_GREY);
}

void MenuEditPlayers::menu_modified() {
    menu.modified = 1;
    show_message(*w_message, "");
    update_save_button();
}

void MenuEditPlayers::bc_hair_color(int row, int step) {
    const auto p = player_in_row(*edited_team, row);
    if (!p) return;
    p->hc = rotate(p->hc, step, HAIR_COLOUR_COUNT);
    rebuild_face(*p);
    update_row(row);
    menu_modified();
}

void MenuEditPlayers::bc_hair_style(int row, int step) {
    const auto p = player_in_row(*edited_team, row);
    if (!p) return;
    p->ht = rotate(p->ht, step, HAIR_TYPE_COUNT);
    rebuild_face(*p);
    update_row(row);
    menu_modified();
}

void MenuEditPlayers::bc_skin_color(int row, int step) {
    const auto p = player_in_row(*edited_team, row);
    if (!p) return;
    p->sk = rotate(p->sk, step, 7);
    rebuild_face(*p);
    update_row(row);
    menu_modified();
}

void MenuEditPlayers::bc_select_player(int row) {
    const auto p = player_in_row(*edited_team, row);
    if (!p) return;
    if (selected_ply == 0) {
        selected_ply = row;
        player_clipboard = std::make_shared<t_player>();
        copy_player_values(*p, *player_clipboard);
        update_row(row);
    } else if (selected_ply == row) {
        selected_ply = 0;
        player_clipboard.reset();
        update_row(row);
    } else {
        const int other = selected_ply;
        swap_rows(*edited_team, other, row);
        selected_ply = 0;
        update_row(other);
        update_row(row);
        menu_modified();
    }
    update_squad_buttons();
}

void MenuEditPlayers::bc_number(int row, int step) {
    const auto p = player_in_row(*edited_team, row);
    if (!p) return;
    p->change_number(step);
    update_row(row);
    menu_modified();
}

void MenuEditPlayers::bc_update_name(int row) {
    const auto p = player_in_row(*edited_team, row);
    if (!p) return;
    p->name = w_name[static_cast<size_t>(row)]->text;
    menu_modified();
}

void MenuEditPlayers::bc_update_surname(int row) {
    const auto p = player_in_row(*edited_team, row);
    if (!p) return;
    p->surname = w_surname[static_cast<size_t>(row)]->text;
    menu_modified();
}

void MenuEditPlayers::bc_nationality(int row, int step) {
    const auto p = player_in_row(*edited_team, row);
    if (!p) return;
    p->nat = step_nationality(flag_codes, p->nat, step);
    update_row(row);
    menu_modified();
}

void MenuEditPlayers::bc_type(int row, int step) {
    const auto p = player_in_row(*edited_team, row);
    if (!p) return;
    p->pt = rotate(p->pt, step, ROLE_COUNT);
    p->order_skills();
    if (p->is_goalkeeper()) p->skill_keeper = p->price / 7;
    else p->update_price();
    update_row(row);
    menu_modified();
}

void MenuEditPlayers::bc_skill(int row, int skill, int step) {
    const auto p = player_in_row(*edited_team, row);
    if (!p || p->is_goalkeeper()) return;
    int& field = skill_field(*p, skill);
    const int next = toggle_diamond(*p, field, step > 0);
    if (next == field) return;
    field = next;
    p->update_price();
    p->order_skills();
    update_row(row);
    menu_modified();
}

void MenuEditPlayers::bc_price(int row, int step) {
    const auto p = player_in_row(*edited_team, row);
    if (!p) return;
    p->price = rotate(p->price, step, PRICE_COUNT);
    if (p->is_goalkeeper()) p->skill_keeper = p->price / 7;
    update_row(row);
    menu_modified();
}

void MenuEditPlayers::bc_update_team_name() {
    edited_team->name = w_team_name->text;
    menu_modified();
}

void MenuEditPlayers::bc_new_player() {
    const bool pasting = player_clipboard != nullptr;
    if (!add_edited_player(*edited_team)) return;
    if (pasting) selected_ply = 0;
    update_rows();
    update_squad_buttons();
    menu_modified();
}

void MenuEditPlayers::bc_delete_player() {
    if (selected_ply == 0) return;
    if (!delete_row_player(*edited_team, selected_ply)) return;
    selected_ply = 0;
    update_rows();
    update_squad_buttons();
    menu_modified();
}

void MenuEditPlayers::bc_save() {
    if (menu.modified != 1) return;
    const std::string failed = save_edited_team(*edited_team);
    if (!failed.empty()) {
        show_message(*w_message, translate("CANNOT SAVE THE TEAM FILE") + "\r\n" + failed);
        return;
    }
    menu.modified = 0;
    action_queue->push(ACTION_NEW_SCREEN, MODE_SELECT_TEAM_TO_EDIT);
}
