#include "screens/tactics_editor/menu_edit_tactics.hpp"

#include <algorithm>

#include "core/dictionary.hpp"
#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/loaders.hpp"
#include "core/screen_modes.hpp"
#include "football/colour.hpp"
#include "football/kit_colour.hpp"
#include "football/price.hpp"
#include "screens/tactics_editor/tactics_editing.hpp"
#include "screens/tactics_editor/tactics_screen_style.hpp"
#include "ui/menu.hpp"

namespace {
int row_y(int row) { return 110 + 18 * row; }

std::shared_ptr<t_label> add_label(t_game_mode& screen, int x, int y, int w, int align) {
    auto l = std::make_shared<t_label>();
    l->set_geometry(x, y, w, 18);
    l->set_text("", align, 10);
    screen.widgets.push_back(l);
    return l;
}

t_image_ref load_shadow_sheet(const std::string& name) {
    t_color_replacement_list list;
    list.add(0x404040, FACE_SHADOW);
    return load_recoloured_png("images/player/shadows/" + name, list, MASKED_IMAGE, 0);
}

int based_on(const t_tactics& tac) { return tac.based_on >= 0 && tac.based_on < PRESET_COUNT ? tac.based_on : 0; }
} // namespace

t_menu_edit_tactics::t_menu_edit_tactics() {
    define_void_method("bc_update_ball_zone", [this] { bc_update_ball_zone(); });
    define_void_method("bc_ball", [this] { bc_ball(); });
    define_void_method("bc_update_ball_copy_zone", [this] { bc_update_ball_copy_zone(); });
    define_void_method("bc_ball_copy", [this] { bc_ball_copy(); });
    define_int_method("bc_update_player_zone", [this](int i) { bc_update_player_zone(i); });
    define_int_method("bc_player", [this](int i) { bc_player(i); });
    define_int_method("bc_pair_player", [this](int r) { bc_pair_player(r); });
    define_int_method("bc_select_player", [this](int r) { bc_select_player(r); });
    define_void_method("bc_copy", [this] { bc_copy(); });
    define_void_method("bc_flip", [this] { bc_flip(); });
    define_void_method("bc_undo", [this] { bc_undo(); });
    define_void_method("bc_import", [this] { bc_import(); });
    define_void_method("bc_save_exit", [this] { bc_save_exit(); });
    define_void_method("bc_abort", [this] { bc_abort(); });

    team = menu.team_to_show;
    const bool club = team && team->national == 0;
    if (club) img_pflags = load_image_from("images/flags/small", "flags_t.png", -1, CREST_MASK);
    img_number = load_image_from("images", "number.png", -1, 0x0000FF);
    img_ball = load_image_from("images", "ball.png", -1, 0x00FF00);
    img_copy_ball = load_image_from("images", "ballsnow.png", -1, 0x00FF00);
    // The shadow markers are for the pitch's own shadow colour; here they are plain shadow.
    for (const t_image_ref& ball : {img_ball, img_copy_ball}) {
        replace_pixel_colour(ball, argb(0x005200, 255), argb(FACE_SHADOW, 255));
        replace_pixel_colour(ball, argb(0x001800, 255), argb(FACE_SHADOW, 255));
    }
    img_pieces = load_image_from("images", "pieces.png", -1, 0x00FF00);
    img_stars = load_image_from("images", "stars.png", -1, 0x0000CC);
    img_ucode10y = load_image_from("images", "ucode_10.png", -1, 0x0000FF);
    replace_pixel_colour(img_ucode10y, argb(0xFCFCFC, 255), argb(0xFCFC00, 255));
    img_player_shadow = load_shadow_sheet("player_0.png");
    img_keeper_shadow = load_shadow_sheet("keeper_0.png");

    add_tactics_backdrop(*this, translate("EDIT TACTICS") + " (" +
                                    tactics_names[static_cast<size_t>(menu.tactics_to_edit % TACTICS_SLOTS)] + ")");

    w_tactics_board = std::make_shared<t_picture>();
    w_tactics_board->image = load_image_from("images", "tactics_board.png", 0);
    w_tactics_board->set_geometry(40, 110, 396, 576);
    widgets.push_back(w_tactics_board);

    for (int i = 0; i < 11; ++i) {
        auto p = std::make_shared<t_player_piece>();
        p->img_number = img_number;
        p->img_pieces = img_pieces;
        p->set_size(24, 14);
        p->set_ranges(0, 14, 0, 15);
        if (i == 0) {
            p->set_grid_geometry(40, 110, 372, 562);
            p->active = 0;
        } else {
            p->set_grid_geometry(44, 130, 364, 522);
            p->bind("on_update", "bc_update_player_zone", {std::to_string(i)});
        }
        p->bind("fire1_down", "bc_player", {std::to_string(i)});
        p->bind("fire2_down", "bc_player", {std::to_string(i)});
        widgets.push_back(p);
        w_player[static_cast<size_t>(i)] = p;
    }
    const auto make_ball = [this](const t_image_ref& img, const std::string& on_update, const std::string& fire) {
        auto b = std::make_shared<t_ball_piece>();
        b->img_ball = img;
        b->set_size(24, 14);
        b->set_ranges(0, 4, 0, 6);
        b->set_grid_geometry(64, 155, 324, 472);
        b->bind("on_update", on_update);
        b->bind("fire1_down", fire);
        b->bind("fire2_down", fire);
        widgets.push_back(b);
        return b;
    };
    // The balls go over the players so they are never hidden.
    w_ball = make_ball(img_ball, "bc_update_ball_zone", "bc_ball");
    w_ball_copy = make_ball(img_copy_ball, "bc_update_ball_copy_zone", "bc_ball_copy");

    for (int r = 0; r < ROWS; ++r) {
        const auto i = static_cast<size_t>(r);
        const int y = row_y(r);
        auto face = std::make_shared<t_face_button>();
        face->set_geometry(460, y, 24, 18);
        face->bind("fire1_down", "bc_pair_player", {std::to_string(r)});
        widgets.push_back(face);
        w_face[i] = face;
        w_number[i] = add_label(*this, 484, y, 30, 0);
        auto name = add_widget(*this, NO_COLOURS, 514, y, 276, 18, "", 1, 10);
        name->bind("fire1_down", "bc_select_player", {std::to_string(r)});
        w_name[i] = name;
        auto flag = std::make_shared<t_flag_button>();
        flag->set_geometry(790, y, 24, 18);
        flag->img_pflags = img_pflags;
        flag->active = 0;
        widgets.push_back(flag);
        w_nat_flag[i] = flag;
        w_nat_code[i] = add_label(*this, 793, y, 54, 1);
        w_type[i] = add_label(*this, 821, y, 30, 0);
        for (size_t s = 0; s < 3; ++s) {
            auto b = add_widget(*this, NO_COLOURS, 852 + 12 * static_cast<int>(s), y, 12, 18, "", 0, 10);
            b->img_ucode = img_ucode10y;
            b->active = 0;
            w_skill[i][s] = b;
        }
        auto stars = std::make_shared<t_picture>();
        stars->image = img_stars;
        stars->set_geometry(892, y + 1, 64, 16);
        widgets.push_back(stars);
        w_stars[i] = stars;
    }

    w_copy = add_button(*this, BLUE_BUTTON, 10, 710, 140, 34, translate("COPY"), "bc_copy");
    w_flip = add_button(*this, FLIP_BUTTON, 154, 710, 150, 34, "", "bc_flip");
    w_undo = add_button(*this, UNDO_BUTTON, 308, 710, 144, 34, translate("UNDO"), "bc_undo");
    add_button(*this, IMPORT_BUTTON, 456, 710, 140, 34, translate("IMPORT"), "bc_import");
    w_save_exit = add_button(*this, SAVE_BUTTON, 600, 710, 240, 34, translate("SAVE") + "/" + translate("EXIT"),
                             "bc_save_exit");
    add_button(*this, EXIT_BUTTON, 844, 710, 170, 34, translate("ABORT"), "bc_abort");
    selected_widget = w_save_exit;

    update_ball_piece();
    update_ball_copy_piece();
    update_player_pieces();
    update_player_buttons();
    update_copy_button();
    update_flip_button();
    update_undo_button();
}

const t_menu_edit_tactics::t_look& t_menu_edit_tactics::look_of(const std::shared_ptr<t_player>& p) {
    auto it = looks_.find(p.get());
    if (it != looks_.end()) return it->second;
    t_look look;
    look.body = load_player_image(*p, *team);
    look.hair = load_hair(*p);
    return looks_.emplace(p.get(), look).first->second;
}

void t_menu_edit_tactics::update_ball_piece() {
    const t_vec2d c = ball_cell_of_zone(ball_zone);
    w_ball->set_square(c.x, c.y);
}

void t_menu_edit_tactics::update_ball_copy_piece() {
    const t_vec2d c = ball_cell_of_zone(ball_copy_zone);
    w_ball_copy->set_square(c.x, c.y);
    w_ball_copy->visible = copy_mode;
}

void t_menu_edit_tactics::update_player_pieces() {
    const t_tactics& tac = menu.edited_tactics;
    const auto z = static_cast<size_t>(target_zone(ball_zone));
    for (int i = 0; i < 11; ++i) {
        t_player_piece& piece = *w_player[static_cast<size_t>(i)];
        piece.player = team ? team->player_at_position(i, &tac) : nullptr;
        if (piece.player) {
            const t_look& look = look_of(piece.player);
            piece.img_body = look.body;
            piece.img_hair = look.hair;
            piece.img_shadow = piece.player->is_goalkeeper() ? img_keeper_shadow : img_player_shadow;
        }
        if (i == 0) {
            piece.set_square(7, 15);
            continue;
        }
        const t_vec2d c = cell_of_place(tac.target[static_cast<size_t>(i)][z]);
        piece.set_square(std::clamp(c.x, piece.xmin, piece.xmax), std::clamp(c.y, piece.ymin, piece.ymax));
    }
}

void t_menu_edit_tactics::set_player_widget_color(t_widget& widget, int row) {
    const int size = team ? static_cast<int>(team->players.size()) : 0;
    set_colours(widget, player_row_colours(row, size, settings.bench_size, selected_for_swap, selected_for_pair));
}

void t_menu_edit_tactics::set_player_flip_color(t_widget& widget, int row) {
    if (row == selected_for_pair) {
        set_player_widget_color(widget, row);
        return;
    }
    // Pairs belong to the tactical places, which are the list's rows 1-10.
    const int v = row >= 1 && row <= 10 ? menu.edited_tactics.pairs[static_cast<size_t>(row)] : NOT_PAIRED;
    set_colours(widget, pair_colours(v));
}

void t_menu_edit_tactics::update_player_buttons() {
    const t_tactics& tac = menu.edited_tactics;
    const int size = team ? static_cast<int>(team->players.size()) : 0;
    const bool club = team && team->national == 0;
    const bool flags = club && settings.use_flags == 1;
    const int type_x = !club ? 793 : (flags ? 821 : 847);
    for (int r = 0; r < ROWS; ++r) {
        const auto i = static_cast<size_t>(r);
        const auto p = team ? team->player_at_position(r, &tac) : nullptr;
        t_face_button& face = *w_face[i];
        face.player = p;
        if (menu.tactics_flip == 1) {
            face.active = r >= 1 && r <= 10 ? 1 : 0;
            set_player_flip_color(face, r);
        } else {
            face.active = 0;
            set_player_widget_color(face, r);
        }
        w_number[i]->text = p ? std::to_string(p->nr) : "";
        t_button& name = *w_name[i];
        name.text = !p ? "" : (p->name.empty() || p->surname.empty() ? p->name + p->surname : p->name + " " + p->surname);
        name.active = r < size ? 1 : 0;
        set_player_widget_color(name, r);
        w_nat_flag[i]->player = flags ? p : nullptr;
        w_nat_flag[i]->visible = flags ? 1 : 0;
        w_nat_code[i]->text = club && !flags && p ? "(" + p->nat + ")" : "";
        w_type[i]->set_position(type_x, row_y(r));
        w_type[i]->text = p ? position_codes[static_cast<size_t>(std::clamp(p->pt, 0, ROLE_COUNT - 1))] : "";
        for (size_t s = 0; s < 3; ++s) {
            w_skill[i][s]->set_position(type_x + 31 + 12 * static_cast<int>(s), row_y(r));
            w_skill[i][s]->text = p ? p->get_best_skill(static_cast<int>(s) + 1) : "";
        }
        t_picture& stars = *w_stars[i];
        stars.set_position(type_x + 71, row_y(r) + 1);
        stars.visible = p ? 1 : 0;
        stars.frame_y = p ? price_table[static_cast<size_t>(std::clamp(p->price, 0, PRICE_COUNT - 1))].stars : 0;
    }
}

void t_menu_edit_tactics::push_undo_stack() {
    menu.tactics_undo.push(menu.edited_tactics);
    update_undo_button();
}

void t_menu_edit_tactics::update_copy_button() {
    w_copy->active = copy_mode == 1 ? 0 : 1;
    set_colours(*w_copy, copy_mode == 1 ? GREY_BUTTON : BLUE_BUTTON);
}

void t_menu_edit_tactics::update_flip_button() {
    w_flip->text = translate(menu.tactics_flip == 1 ? "FLIP ON" : "FLIP OFF");
}

void t_menu_edit_tactics::update_undo_button() {
    const bool empty = menu.tactics_undo.empty();
    w_undo->active = empty ? 0 : 1;
    set_colours(*w_undo, empty ? GREY_BUTTON : UNDO_BUTTON);
}

void t_menu_edit_tactics::bc_update_ball_zone() {
    ball_zone = zone_of_ball_cell(w_ball->square);
    update_player_pieces();
}

void t_menu_edit_tactics::bc_ball() { w_ball->toggle_entry_mode(); }

void t_menu_edit_tactics::bc_update_ball_copy_zone() { ball_copy_zone = zone_of_ball_cell(w_ball_copy->square); }

void t_menu_edit_tactics::bc_ball_copy() {
    if (copy_mode == 0) return;
    if (!(ball_copy_zone == ball_zone)) {
        push_undo_stack();
        copy_zone(menu.edited_tactics, ball_zone, ball_copy_zone, menu.tactics_flip == 1);
    }
    copy_mode = 0;
    selected_widget = w_ball;
    w_ball_copy->set_entry_mode(0);
    ball_zone = ball_copy_zone;
    update_copy_button();
    update_ball_copy_piece();
    update_ball_piece();
    update_player_pieces();
}

void t_menu_edit_tactics::bc_update_player_zone(int i) {
    if (i < 1 || i > 10) return;
    push_undo_stack();
    move_player(menu.edited_tactics, i, ball_zone, place_of_cell(w_player[static_cast<size_t>(i)]->square),
                menu.tactics_flip == 1);
    // With flip on, the partners of this zone's mirror moved too; their pieces show this zone only.
    update_player_pieces();
}

void t_menu_edit_tactics::bc_player(int i) {
    if (i < 0 || i > 10) return;
    w_player[static_cast<size_t>(i)]->toggle_entry_mode();
}

void t_menu_edit_tactics::bc_pair_player(int row) {
    if (selected_for_swap != -1 || row < 1 || row > 10) return;
    if (selected_for_pair == -1) {
        selected_for_pair = row;
    } else {
        if (row != selected_for_pair) {
            push_undo_stack();
            menu.edited_tactics.add_delete_pair(selected_for_pair, row);
        }
        selected_for_pair = -1;
    }
    update_player_buttons();
}

void t_menu_edit_tactics::bc_select_player(int row) {
    if (selected_for_pair != -1 || !team || row < 0 || row >= static_cast<int>(team->players.size())) return;
    if (selected_for_swap == -1) {
        selected_for_swap = row;
    } else {
        if (row != selected_for_swap) {
            const auto& order = tactics_player_order[static_cast<size_t>(based_on(menu.edited_tactics))];
            const auto a = static_cast<size_t>(order[static_cast<size_t>(selected_for_swap)]);
            const auto b = static_cast<size_t>(order[static_cast<size_t>(row)]);
            if (a < team->players.size() && b < team->players.size()) std::swap(team->players[a], team->players[b]);
            update_player_pieces();
        }
        selected_for_swap = -1;
    }
    update_player_buttons();
}

void t_menu_edit_tactics::bc_copy() {
    if (copy_mode == 1) return;
    w_ball->set_entry_mode(0);
    copy_mode = 1;
    ball_copy_zone = ball_zone;
    selected_widget = w_ball_copy;
    w_ball_copy->set_entry_mode(1);
    update_copy_button();
    update_ball_copy_piece();
}

void t_menu_edit_tactics::bc_flip() {
    menu.tactics_flip = menu.tactics_flip == 1 ? 0 : 1;
    if (menu.tactics_flip == 0) selected_for_pair = -1;
    update_flip_button();
    update_player_buttons();
}

void t_menu_edit_tactics::bc_undo() {
    const auto previous = menu.tactics_undo.pop();
    if (!previous) return;
    menu.edited_tactics = *previous;
    update_player_pieces();
    update_player_buttons();
    update_undo_button();
}

void t_menu_edit_tactics::bc_import() { action_queue->push(ACTION_NEW_SCREEN, MODE_TACTICS_IMPORT); }

void t_menu_edit_tactics::bc_save_exit() {
    action_queue->push(ACTION_NEW_SCREEN, menu.tactics_undo.empty() ? tactics_leave_mode() : MODE_TACTICS_SAVE_WARNING);
}

void t_menu_edit_tactics::bc_abort() {
    action_queue->push(ACTION_NEW_SCREEN,
                       menu.tactics_undo.empty() ? tactics_leave_mode() : MODE_TACTICS_ABORT_WARNING);
}
