#include "screens/gallery/widget_gallery.hpp"

#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/loaders.hpp"
#include "core/screen_modes.hpp"
#include "platform/files.hpp"
#include "platform/input.hpp"
#include "ui/flag_button.hpp"
#include "ui/key_button.hpp"
#include "ui/label.hpp"
#include "ui/menu_toolkit.hpp"
#include "ui/picture.hpp"

namespace {
t_team_ref gallery_team() {
    auto team = std::make_shared<t_team>();
    const char* names[16] = {"Arvalo", "Brenn", "Castemir", "Dovak", "Elmquist", "Farrowdalene", "Gorsk",
                             "Hallam", "Ivers", "Jurado", "Kettleborough", "Lund", "Moss", "Nial", "Ost", "Pike"};
    for (int i = 0; i < 16; ++i) {
        auto p = team->new_player();
        p->surname = names[i];
        p->nr = i + 1 + (i > 8 ? 2 : 0);
    }
    return team;
}
} // namespace

t_widget_gallery::t_widget_gallery() {
    img_background = load_image_from("images/backgrounds", "menu_main.jpg", 0);

    auto title = std::make_shared<t_button>();
    title->set_colors(0x1E4B8C, 0x3C73C8, 0x0F2846);
    title->set_geometry(212, 40, 600, 44);
    title->set_text("MENU TOOLKIT", 0, 14);
    title->active = 0;
    widgets.push_back(title);

    panel = std::make_shared<t_fader>();
    panel->set_geometry(40, 110, 420, 600);
    panel->set_alpha_color(0.45f, 0x000000);
    widgets.push_back(panel);

    const t_colours colours[4] = {{0x2A7A32, 0x46B050, 0x14401A}, BRICK, GOLD, ORANGE_BROWN};
    const char* captions[4] = {"FRIENDLY", "DIY COMPETITION", "EDIT TACTICS", "GAME OPTIONS"};
    for (int i = 0; i < 4; ++i) {
        auto b = add_button(*this, colours[i], 70, 140 + 60 * i, 360, 44, captions[i]);
        if (i == 0) selected_button = b;
    }
    auto left = std::make_shared<t_button>();
    left->set_colors(0x303030, 0x606060, 0x181818);
    left->set_geometry(70, 400, 175, 30);
    left->set_text("LEFT ALIGNED", 1, 10);
    widgets.push_back(left);
    auto right = std::make_shared<t_button>();
    right->set_colors(0x303030, 0x606060, 0x181818);
    right->set_geometry(255, 400, 175, 30);
    right->set_text("RIGHT ALIGNED", -1, 10);
    widgets.push_back(right);

    auto caption = std::make_shared<t_label>();
    caption->set_text("NAME:", -1, 10);
    caption->set_geometry(70, 450, 100, 30);
    widgets.push_back(caption);
    entry = std::make_shared<t_input_button>();
    entry->set_colors(0x1A1A5A, 0x4040A0, 0x0A0A30);
    entry->set_geometry(180, 450, 250, 30);
    entry->set_text("ROVUDO", 1, 10);
    entry->set_entry_limit(14);
    widgets.push_back(entry);

    auto key = std::make_shared<t_key_button>();
    key->set_colors(0x5A1A5A, 0x9A40A0, 0x300A30);
    key->set_geometry(70, 500, 360, 30);
    key->set_key(0, "button_1");
    key->set_entry_mode(0);
    key->set_text(key->text, 0, 10);
    widgets.push_back(key);

    auto multi = std::make_shared<t_label>();
    multi->set_text("TWO LINES\r\nIN THE SMALL FONT", 1, 10);
    multi->set_geometry(70, 550, 360, 40);
    widgets.push_back(multi);

    auto blinking = std::make_shared<t_button>();
    blinking->set_colors(0xDC0000, 0xFF4141, 0x8C0000);
    blinking->set_geometry(70, 620, 360, 44);
    blinking->set_text("PLAY MATCH", 0, 14);
    blinking->blinking = 1;
    widgets.push_back(blinking);

    if (file_type("images/board.png") == 1) {
        board = std::make_shared<t_board>();
        board->set_position(520, 110);
        widgets.push_back(board);
    }
    if (file_type("images/stars.png") == 1) {
        auto stars = std::make_shared<t_picture>();
        stars->image = load_image_from("images", "stars.png", -1, 0x0000CC);
        stars->set_geometry(820, 110, 64, 16);
        stars->frame_y = 4;
        widgets.push_back(stars);
    }
    if (file_type("images/flags/small/flags_t.png") == 1 && !flag_codes.empty()) {
        flag_player = std::make_shared<t_player>();
        flag_player->nat = flag_codes[3];
        auto flag = std::make_shared<t_flag_button>();
        flag->img_pflags = load_image_from("images/flags/small", "flags_t.png", -1, 0xFF3399);
        flag->player = flag_player;
        flag->set_colors(0x303030, 0x606060, 0x181818);
        flag->set_geometry(820, 140, 160, 22);
        flag->set_text(flag_codes[3], -1, 10);
        widgets.push_back(flag);
    }
    selected_widget = selected_button;
    team_a = gallery_team();
    team_b = gallery_team();
    if (board) board->set_teams(team_a, team_b);
}

void t_widget_gallery::update() {
    if (key_down(KEY_ESCAPE)) action_queue->push(ACTION_NEW_SCREEN, MODE_QUIT);
    t_game_mode::update();
}
