#include "screens/friendly/menu_set_team.hpp"

#include "core/backgrounds.hpp"
#include "core/dictionary.hpp"
#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/loaders.hpp"
#include "core/screen_modes.hpp"
#include "core/text.hpp"
#include "football/competition.hpp"
#include "football/kit_colour.hpp"
#include "football/price.hpp"
#include "football/tactics.hpp"
#include "screens/friendly/team_selection.hpp"
#include "ui/menu.hpp"
#include "ui/menu_input.hpp"

namespace {
constexpr int ROW_X = 30;
constexpr int ROW_Y0 = 126;
constexpr int ROW_PITCH = 19;
constexpr int ROW_H = 17;
constexpr int FONT_WHITE = 0xFCFCFC;
constexpr int FONT_YELLOW = 0xFCFC00;

int row_y(int row) { return ROW_Y0 + ROW_PITCH * (row - 1); }

std::string team_code(const t_team& team) {
    if (team.national != 0 && !team.players.empty()) return team.players.front()->nat;
    return to_upper_ascii(team.country);
}
} // namespace

void prepare_team_pictures(t_team& team) {
    for (const auto& p : team.players) {
        if (p->face) continue;
        t_face f = create_face(*p);
        p->face = f.face;
        p->facesh = f.facesh;
    }
    if (!team.clnf) load_clnf(team, 0);
}

int lineup_return_mode() {
    if (menu.status == STATUS_COMPETITION && competition)
        return competition->typ == COMPETITION_CUP ? MODE_PLAY_CUP : MODE_PLAY_LEAGUE;
    return 12;
}

MenuSetTeam::MenuSetTeam() {
    music_muted = 1;
    const auto own_index = static_cast<size_t>(menu.team_to_set == 1 ? 1 : 0);
    own_team = match_teams[own_index];
    opponent_team = match_teams[1 - own_index];
    current_team = own_team;
    if (own_team->dev == -1) own_team->dev = own_index == 1 && match_teams[0]->dev == 1 ? 2 : 1;
    prepare_team_pictures(*own_team);
    prepare_team_pictures(*opponent_team);

    img_background = backgrounds->get("menu_set_team.jpg");
    img_hflag = load_image_from("images/flags/small", match_teams[0]->ext + ".png", -1, CREST_MASK);
    img_aflag = load_image_from("images/flags/small", match_teams[1]->ext + ".png", -1, CREST_MASK);
    img_pflags = load_image_from("images/flags/small", "flags_t.png", -1, CREST_MASK);
    img_stars = load_image_from("images", "stars.png", -1, 0x0000CC);
    img_controls = load_image_from("images", "controls.png", -1, 0xFF00FF);
    img_ucode10y = load_image_from("images", "ucode_10.png", -1, 0x0000FF);
    replace_pixel_colour(img_ucode10y, argb(FONT_WHITE, 255), argb(FONT_YELLOW, 255));

    const t_player_row_look look{ROW_X, ROW_H, 0, ALIGN_CENTRE, img_pflags, img_ucode10y, img_stars};
    for (int row = 1; row <= LINEUP_ROWS; ++row) {
        t_player_row& r = rows[static_cast<size_t>(row - 1)];
        r = t_player_row(*this, look, row_y(row));
        bind_fire(*this, *r.name, "bc_select_player", &MenuSetTeam::bc_select_player, {std::to_string(row)});
    }

    for (size_t i = 0; i < w_tactics.size(); ++i) {
        w_tactics[i] = add_button(*this, TACTICS_OTHER, 904, 126 + 20 * static_cast<int>(i), 90, 18,
                                  tactics_names[i], SMALL_FONT);
        bind_callback(*w_tactics[i], "fire1_down", "bc_tactics", &MenuSetTeam::bc_tactics, {std::to_string(i)});
    }

    w_compare_tactics = add_button(*this, ORANGE_BROWN, 627, 450, 264, 34, "", SMALL_FONT);
    bind_callback(*w_compare_tactics, "fire1_down", "bc_compare_tactics", &MenuSetTeam::bc_compare_tactics);
    w_opponent_team =
        add_button(*this, BRICK, 627, 500, 175, 34, translate("OPPONENT TEAM"), SMALL_FONT);
    bind_callback(*w_opponent_team, "fire1_down", "bc_view_opponent", &MenuSetTeam::bc_view_opponent);
    w_edit_tactics =
        add_button(*this, GOLD, 819, 500, 175, 34, translate("EDIT TACTICS"), SMALL_FONT);
    bind_callback(*w_edit_tactics, "fire1_down", "bc_edit_tactics", &MenuSetTeam::bc_edit_tactics);
    w_control_mode = add_button(*this, NO_COLOURS, 627, 562, 120, 40, "", SMALL_FONT);
    bind_callback(*w_control_mode, "fire1_down", "bc_control_mode", &MenuSetTeam::bc_control_mode);
    w_input_device = add_button(*this, VALUE_BLUE_A, 627, 618, 200, 40, "", SMALL_FONT);
    bind_callback(*w_input_device, "fire1_down", "bc_input_device", &MenuSetTeam::bc_input_device);
    w_how_to_play = add_button(*this, TEAL, 839, 618, 155, 40, translate("HOW TO PLAY"), SMALL_FONT);
    bind_fire(*this, *w_how_to_play, "bc_how_to_play", [] { open_how_to_play(MODE_SET_TEAM); });
    w_play_match = add_button(*this, PLAY_RED, 627, 686, 200, 44, translate("PLAY MATCH"));
    bind_callback(*w_play_match, "fire1_down", "bc_play_match", &MenuSetTeam::bc_play_match);
    w_exit = add_button(*this, EXIT_COLOURS, 849, 688, 145, 40, translate("EXIT"), SMALL_FONT);
    exit_widget = w_exit;
    bind_callback(*w_exit, "fire1_down", "bc_exit", &MenuSetTeam::bc_exit);

    board = std::make_shared<t_board>();
    board->set_position(627, 126);
    board->set_teams(own_team, opponent_team);
    widgets.push_back(board);

    w_team_name = add_caption(*this, HOME_NAME, 212, 45, 601, 41, "");
    w_clnf = std::make_shared<t_picture>();
    widgets.push_back(w_clnf);
    w_cnnc = add_caption(*this, FRAME_DARK, 917, 45, 77, 41, "", SMALL_FONT, ALIGN_RIGHT);
    w_cnnc_flag = std::make_shared<t_picture>();
    w_cnnc_flag->set_geometry(925, 55, 30, 20);
    widgets.push_back(w_cnnc_flag);
    w_coach_name = add_label(*this, 757, 582, "", SMALL_FONT, ALIGN_LEFT);
    w_input_device_icon = std::make_shared<t_picture>();
    w_input_device_icon->image = img_controls;
    w_input_device_icon->set_geometry(629, 620, 36, 36);
    widgets.push_back(w_input_device_icon);

    selected_widget = w_play_match;
    update_player_buttons();
    update_tactics_buttons();
    update_captions();
}

void MenuSetTeam::update_player_buttons() {
    const t_team& team = *current_team;
    const int formation = team_formation(team);
    const t_row_style style{team.size, settings.bench_size, showing_own(), selected_ply};
    for (int row = 1; row <= LINEUP_ROWS; ++row) {
        t_player_row& r = rows[static_cast<size_t>(row - 1)];
        const auto pos = static_cast<size_t>(lineup_list_position(formation, row));
        std::shared_ptr<t_player> p;
        if (row <= team.size && pos < team.players.size()) p = team.players[pos];
        r.show(p, team.national == 0);
        r.name->active = showing_own() && row <= team.size ? 1 : 0;
        r.paint(lineup_row_colours(row, style));
    }
}

void MenuSetTeam::update_tactics_buttons() {
    for (size_t i = 0; i < w_tactics.size(); ++i) {
        const bool current = static_cast<int>(i) == current_team->tactics;
        set_colours(*w_tactics[i], current ? TACTICS_CURRENT : TACTICS_OTHER);
        w_tactics[i]->text = tactics_names[i];
        w_tactics[i]->active = showing_own() ? 1 : 0;
    }
}

void MenuSetTeam::update_captions() {
    const bool own = showing_own();
    const t_team& team = *current_team;
    w_compare_tactics->text = translate(compare_tactics != 0 ? "TACTICS COMPARISON" : "TEAM TACTICS");
    w_control_mode->text = control_caption(team.control);
    set_colours(*w_control_mode, control_colours(team.control));
    w_control_mode->active = own ? 1 : 0;
    w_input_device->text = input_device_caption(own_team->dev);
    w_input_device_icon->frame_x = std::max(0, own_team->dev - 1);
    w_input_device_icon->visible = own ? 1 : 0;
    w_team_name->text = team.name;
    w_team_name->set_text(team.name, ALIGN_CENTRE, LARGE_FONT);
    set_colours(*w_team_name, own ? HOME_NAME : AWAY_NAME);
    w_coach_name->text = team.coach_name;
    w_clnf->image = team.clnf;
    w_clnf->set_geometry(206 - image_width(team.clnf), 65 - image_height(team.clnf) / 2, image_width(team.clnf),
                         image_height(team.clnf));
    w_cnnc->text = team_code(team);
    w_cnnc_flag->image = current_team == match_teams[0] ? img_hflag : img_aflag;
    for (const t_button_ref& b : {w_compare_tactics, w_opponent_team, w_edit_tactics, w_input_device, w_play_match, w_exit})
        b->visible = own ? 1 : 0;
    board->set_view_opponent(own ? 0 : 1);
    board->set_compare_tactics(compare_tactics);
}

void MenuSetTeam::bc_select_player(int row) {
    selected_ply = press_lineup_row(*current_team, selected_ply, row);
    update_player_buttons();
}

void MenuSetTeam::bc_tactics(int index) {
    current_team->tactics = std::clamp(index, 0, TACTICS_SLOTS - 1);
    selected_ply = 0;
    update_tactics_buttons();
    update_player_buttons();
}

void MenuSetTeam::bc_compare_tactics() {
    compare_tactics = compare_tactics == 0 ? 1 : 0;
    update_captions();
}

void MenuSetTeam::bc_view_opponent() {
    current_team = showing_own() ? opponent_team : own_team;
    update_captions();
    update_tactics_buttons();
    update_player_buttons();
}

void MenuSetTeam::bc_edit_tactics() {
    menu.team_to_show = own_team;
    action_queue->push(ACTION_NEW_SCREEN, MODE_SELECT_TACTICS_TO_EDIT);
}

void MenuSetTeam::bc_control_mode() {
    own_team->control = own_team->control == CONTROL_PLAYER ? CONTROL_COACH : CONTROL_PLAYER;
    update_captions();
}

void MenuSetTeam::bc_input_device() {
    own_team->dev = next_input_device(own_team->dev, joystick_count);
    for (int dev = 1; dev <= 4; ++dev) {
        if (device_fire1(dev) != 0) {
            own_team->dev = dev;
            break;
        }
    }
    update_captions();
}

void MenuSetTeam::bc_play_match() {
    const t_route r = after_lineup(menu.team_to_set, opponent_team->control);
    menu.team_to_set = r.team_to_set;
    action_queue->push(ACTION_NEW_SCREEN, r.mode);
}

void MenuSetTeam::bc_exit() { action_queue->push(ACTION_NEW_SCREEN, lineup_return_mode()); }
