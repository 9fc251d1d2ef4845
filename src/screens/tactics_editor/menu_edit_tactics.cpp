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
#include "ui/player_row.hpp"

namespace {
constexpr int ROW_X = 460;
constexpr int ROW_H = 18;
constexpr int STARS_DY = 1;

int row_y(int row) { return 110 + ROW_H * row; }

t_image_ref load_shadow_sheet(const std::string& name) {
    t_color_replacement_list list;
    list.add(0x404040, FACE_SHADOW);
    return load_recoloured_png("images/player/shadows/" + name, list, MASKED_IMAGE, 0);
}
} // namespace

t_menu_edit_tactics::t_menu_edit_tactics() {
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
            bind_callback(*p, "on_update", "bc_update_player_zone", &t_menu_edit_tactics::bc_update_player_zone, {std::to_string(i)});
        }
        bind_callback(*p, "fire1_down", "bc_player", &t_menu_edit_tactics::bc_player, {std::to_string(i)});
        bind_callback(*p, "fire2_down", "bc_player", &t_menu_edit_tactics::bc_player, {std::to_string(i)});
        widgets.push_back(p);
        w_player[static_cast<size_t>(i)] = p;
    }
    const auto make_ball = [this](const t_image_ref& img) {
        auto b = std::make_shared<t_ball_piece>();
        b->img_ball = img;
        b->set_size(24, 14);
        b->set_ranges(0, 4, 0, 6);
        b->set_grid_geometry(64, 155, 324, 472);
        widgets.push_back(b);
        return b;
    };
    // The balls go over the players so they are never hidden.
    w_ball = make_ball(img_ball);
    bind_callback(*w_ball, "on_update", "bc_update_ball_zone", &t_menu_edit_tactics::bc_update_ball_zone);
    bind_toggle(*this, *w_ball, "bc_ball", &t_menu_edit_tactics::bc_ball);
    w_ball_copy = make_ball(img_copy_ball);
    bind_callback(*w_ball_copy, "on_update", "bc_update_ball_copy_zone", &t_menu_edit_tactics::bc_update_ball_copy_zone);
    bind_toggle(*this, *w_ball_copy, "bc_ball_copy", &t_menu_edit_tactics::bc_ball_copy);

    const t_player_row_look look{ROW_X, ROW_H, STARS_DY, ALIGN_LEFT, img_pflags, img_ucode10y, img_stars};
    for (int r = 0; r < ROWS; ++r) {
        t_player_row& row = rows[static_cast<size_t>(r)];
        row = t_player_row(*this, look, row_y(r));
        bind_fire(*this, *row.face, "bc_pair_player", &t_menu_edit_tactics::bc_pair_player, {std::to_string(r)});
        bind_fire(*this, *row.name, "bc_select_player", &t_menu_edit_tactics::bc_select_player, {std::to_string(r)});
    }

    w_copy = add_action_button(*this, ACTION_BLUE, 10, 710, 140, 34, translate("COPY"), "bc_copy", &t_menu_edit_tactics::bc_copy);
    w_flip = add_action_button(*this, SLATE_BLUE, 154, 710, 150, 34, "", "bc_flip", &t_menu_edit_tactics::bc_flip);
    w_undo = add_action_button(*this, LEMON, 308, 710, 144, 34, translate("UNDO"), "bc_undo", &t_menu_edit_tactics::bc_undo);
    add_action_button(*this, ORCHID, 456, 710, 140, 34, translate("IMPORT"), "bc_import", &t_menu_edit_tactics::bc_import);
    w_save_exit = add_action_button(*this, SAVE_GREEN, 600, 710, 240, 34, translate("SAVE") + "/" + translate("EXIT"),
                                    "bc_save_exit", &t_menu_edit_tactics::bc_save_exit);
    add_action_button(*this, EXIT_COLOURS, 844, 710, 170, 34, translate("ABORT"), "bc_abort", &t_menu_edit_tactics::bc_abort);
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
        // The match gives target i to the squad list's i-th player, whatever the formation.
        const auto place = static_cast<size_t>(i);
        piece.player = team && place < team->players.size() ? team->players[place] : nullptr;
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
    // Pairs belong to the tactical places: the row's player stands on his list place's targets.
    const t_tactics& tac = menu.edited_tactics;
    const int v = row >= 1 && row <= 10 ? tac.pairs[static_cast<size_t>(list_place_of_row(tac, row))] : NOT_PAIRED;
    set_colours(widget, pair_colours(v));
}

void t_menu_edit_tactics::update_player_buttons() {
    const t_tactics& tac = menu.edited_tactics;
    const int size = team ? static_cast<int>(team->players.size()) : 0;
    const bool club = team && team->national == 0;
    for (int r = 0; r < ROWS; ++r) {
        t_player_row& row = rows[static_cast<size_t>(r)];
        row.show(team ? team->player_at_position(r, &tac) : nullptr, club);
        if (menu.tactics_flip == 1) {
            row.face->active = r >= 1 && r <= 10 ? 1 : 0;
            set_player_flip_color(*row.face, r);
        } else {
            row.face->active = 0;
            set_player_widget_color(*row.face, r);
        }
        row.name->active = r < size ? 1 : 0;
        set_player_widget_color(*row.name, r);
    }
}

void t_menu_edit_tactics::push_undo_stack() {
    menu.tactics_undo.push(menu.edited_tactics);
    update_undo_button();
}

void t_menu_edit_tactics::update_copy_button() {
    w_copy->active = copy_mode == 1 ? 0 : 1;
    set_colours(*w_copy, copy_mode == 1 ? CHOICE_GREY : ACTION_BLUE);
}

void t_menu_edit_tactics::update_flip_button() {
    w_flip->text = translate(menu.tactics_flip == 1 ? "FLIP ON" : "FLIP OFF");
}

void t_menu_edit_tactics::update_undo_button() {
    const bool empty = menu.tactics_undo.empty();
    w_undo->active = empty ? 0 : 1;
    set_colours(*w_undo, empty ? CHOICE_GREY : LEMON);
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
            const t_tactics& tac = menu.edited_tactics;
            menu.edited_tactics.add_delete_pair(list_place_of_row(tac, selected_for_pair), list_place_of_row(tac, row));
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
            const auto a = static_cast<size_t>(list_place_of_row(menu.edited_tactics, selected_for_swap));
            const auto b = static_cast<size_t>(list_place_of_row(menu.edited_tactics, row));
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
