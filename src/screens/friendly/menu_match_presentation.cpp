#include "screens/friendly/menu_match_presentation.hpp"

#include <algorithm>

#include "core/backgrounds.hpp"
#include "core/dictionary.hpp"
#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/loaders.hpp"
#include "core/screen_modes.hpp"
#include "core/text.hpp"
#include "football/competition.hpp"
#include "football/kit_colour.hpp"
#include "football/match_settings.hpp"
#include "football/selected_teams.hpp"
#include "platform/random.hpp"
#include "screens/friendly/menu_set_team.hpp"
#include "screens/friendly/team_selection.hpp"
#include "ui/fader.hpp"
#include "ui/menu.hpp"

namespace {
constexpr t_colours PICTURE_FRAME{0, 0x8F8D8D, 0x404040};
constexpr t_colours ARROW_COLOURS{0x1D6DFF, 0x5B99FF, 0x0042AE};
constexpr t_colours BLOCK_LIT{0xDA2A70, 0xE45C92, 0xA41C52};
constexpr t_colours BLOCK_UNLIT{0x666666, 0x8F8D8D, 0x404040};
constexpr t_colours HOME_NAME{0x6A5ACD, 0x8F83D7, 0x372989};
constexpr t_colours AWAY_NAME{0xC14531, 0xDF897B, 0x8E3324};
constexpr int CELL_W = 47;
constexpr int CELL_H = 46;
constexpr int PANEL_X[2] = {45, 557};
constexpr int ARROW_X[2] = {262, 682};

std::shared_ptr<t_fader> add_panel(std::vector<t_widget_ref>& widgets, int x, int y, int w, int h) {
    auto f = std::make_shared<t_fader>();
    f->set_geometry(x, y, w, h);
    f->set_alpha_color(0.35f, 0);
    widgets.push_back(f);
    return f;
}

t_button_ref add_picture_button(std::vector<t_widget_ref>& widgets, int x, int y, const t_image_ref& image) {
    t_button_ref b = add_button(widgets, PICTURE_FRAME, x, y, 50, 50, "");
    b->image = image;
    b->set_frame(CELL_W, CELL_H, 0, 0);
    return b;
}

std::shared_ptr<t_picture> add_picture(std::vector<t_widget_ref>& widgets, const t_image_ref& image, int x, int y) {
    auto p = std::make_shared<t_picture>();
    p->image = image;
    p->set_geometry(x, y, image_width(image), image_height(image));
    widgets.push_back(p);
    return p;
}

// The team's worn kit on the kit preview of its style.
t_image_ref kit_picture(const t_team& team) {
    set_mask_colour(0);
    t_image_ref image = load_image(get_image_path(team, "kit"), EDITABLE_IMAGE);
    if (image && !team.kits.empty())
        render_image(team.kits[static_cast<size_t>(std::clamp(team.kit, 0, static_cast<int>(team.kits.size()) - 1))],
                     image);
    return image;
}
} // namespace

int lit_rating_blocks(float rating) {
    return std::clamp(static_cast<int>(round_half_away(rating / 2.0)), 0, MenuMatchPresentation::RATING_BLOCKS);
}

MenuMatchPresentation::MenuMatchPresentation() {
    define_int_method("bc_time", [this](int s) { bc_time(s); });
    define_int_method("bc_pitch", [this](int s) { bc_pitch(s); });
    define_void_method("bc_weather", [this] { bc_weather(); });
    define_method("bc_team_kit", [this](const t_method_args& a) { bc_team_kit(method_int_arg(a, 0), method_int_arg(a, 1)); });
    define_void_method("bc_play", [this] { bc_play(); });
    define_void_method("bc_exit", [this] { bc_exit(); });

    const bool in_competition = menu.status == STATUS_COMPETITION && competition;
    if (in_competition) {
        time = competition->time;
        pitch_type = competition->get_pitch_type();
        const int effect = rand(0, 3);
        const t_weather w = competition_weather(effect, rand(1, 16), pitch_type, settings.weather_max);
        weather_effect = w.effect;
        weather_intensity = w.intensity;
        sky = w.sky;
    } else {
        time = settings.time;
        pitch_type = settings.pitch_type;
        weather_effect = settings.weather_effect;
        weather_intensity = 0;
        sky = 0;
    }

    img_background = backgrounds->get("menu_match_presentation.jpg");
    img_light = load_image_from("images", "light.png", -1, 0xFF00FF);
    img_pitches = load_image_from("images", "pitches.png", -1, 0xFF00FF);
    img_weather = load_image_from("images", "weather.png", -1, 0xFF00FF);

    add_panel(widgets, 92, 84, 840, 231);
    add_panel(widgets, 45, 370, 422, 365);
    add_panel(widgets, 557, 370, 422, 365);
    add_caption(widgets, {0x008080, 0x00B2B4, 0x004040}, 92, 40, 840, 44,
                in_competition ? competition->get_menu_title() : translate("FRIENDLY"));

    w_time = add_picture_button(widgets, 260, 115, img_light);
    bind_steps(*w_time, "bc_time");
    w_pitch = add_picture_button(widgets, 260, 185, img_pitches);
    bind_steps(*w_pitch, "bc_pitch");
    w_weather = add_picture_button(widgets, 260, 255, img_weather);
    bind_toggle(*w_weather, "bc_weather");

    add_label(widgets, 512, 190, translate("TIME") + ":", SMALL_FONT, ALIGN_RIGHT);
    add_label(widgets, 512, 210, translate("PITCH") + ":", SMALL_FONT, ALIGN_RIGHT);
    add_label(widgets, 512, 230, translate("WEATHER") + ":", SMALL_FONT, ALIGN_RIGHT);
    w_time_label = add_label(widgets, 502, 190, "", SMALL_FONT, ALIGN_LEFT);
    w_pitch_label = add_label(widgets, 502, 210, "", SMALL_FONT, ALIGN_LEFT);
    w_weather_label = add_label(widgets, 502, 230, "", SMALL_FONT, ALIGN_LEFT);

    const t_team& home = *match_teams[0];
    int info_y = 130;
    if (!home.city.empty()) {
        add_label(widgets, 512, info_y, translate("CITY") + ":", SMALL_FONT, ALIGN_RIGHT);
        add_label(widgets, 502, info_y, home.city, SMALL_FONT, ALIGN_LEFT);
        info_y += 20;
    }
    if (!home.stadium.empty()) {
        add_label(widgets, 512, info_y, translate("STADIUM") + ":", SMALL_FONT, ALIGN_RIGHT);
        add_label(widgets, 502, info_y, home.stadium, SMALL_FONT, ALIGN_LEFT);
    }

    t_button_ref play = add_button(widgets, {0xDC0000, 0xFF4141, 0x8C0000}, 352, 262, 240, 44, translate("PLAY MATCH"));
    play->bind("fire1_down", "bc_play");
    add_button(widgets, EXIT_COLOURS, 622, 264, 144, 40, translate("EXIT"))->bind("fire1_down", "bc_exit");
    selected_widget = play;

    add_team_panel(0);
    add_team_panel(1);
    update_conditions();
}

void MenuMatchPresentation::add_team_panel(int team) {
    const auto t = static_cast<size_t>(team);
    t_team& side = *match_teams[t];
    prepare_team_pictures(side);
    const int px = PANEL_X[t];
    const int cx = ARROW_X[t] + 40; // the column of the kit, centred over its arrows
    add_caption(widgets, team == 0 ? HOME_NAME : AWAY_NAME, px, 340, 422, 30, side.name);

    const t_image_ref small_flag = load_image_from("images/flags/small", to_lower_ascii(side.ext) + ".png", -1, CREST_MASK);
    add_picture(widgets, small_flag, px + 20, 388);
    add_label(widgets, px + 46, 398, file_display_name(side.ext), SMALL_FONT, ALIGN_LEFT);
    if (!side.coach_name.empty())
        add_label(widgets, px + 412, 398, translate("COACH") + ": " + side.coach_name, SMALL_FONT, ALIGN_RIGHT);

    if (side.clnf) add_picture(widgets, side.clnf, cx - image_width(side.clnf) / 2, 430);

    const int lit = lit_rating_blocks(team_rating(side));
    const int blocks_x = cx - (RATING_BLOCKS * 30 - 6) / 2;
    for (int b = 0; b < RATING_BLOCKS; ++b)
        w_block[t][static_cast<size_t>(b)] = add_caption(widgets, b < lit ? BLOCK_LIT : BLOCK_UNLIT,
                                                         blocks_x + 30 * b, 500, 24, 18, "");

    w_image[t] = add_picture(widgets, nullptr, cx - 20, 560);
    update_kit(team);

    for (int dir = 0; dir < 2; ++dir) {
        const std::string step = dir == 0 ? "-1" : "+1";
        t_button_ref arrow = add_button(widgets, ARROW_COLOURS, ARROW_X[t] + 40 * dir, 640, 40, 40, dir == 0 ? "<" : ">");
        arrow->bind("fire1_down", "bc_team_kit", {std::to_string(team), step});
        arrow->bind("fire1_hold", "bc_team_kit", {std::to_string(team), step});
    }
}

void MenuMatchPresentation::update_conditions() {
    w_time->frame_x = std::clamp(time, 0, TIME_STATES - 1);
    w_time_label->text = time_string(time);
    w_pitch->frame_x = std::clamp(pitch_type, 0, PITCH_STATES - 1);
    const auto pitch = static_cast<size_t>(std::clamp(pitch_type, 0, PITCH_STATES - 1));
    w_pitch_label->text = pitch_type_names[pitch];
    w_weather->frame_x = weather_offset(weather());
    w_weather_label->text = weather_string(weather());
}

void MenuMatchPresentation::update_kit(int team) {
    const auto t = static_cast<size_t>(team);
    const t_image_ref image = kit_picture(*match_teams[t]);
    w_image[t]->image = image;
    w_image[t]->set_geometry(w_image[t]->x, w_image[t]->y, image_width(image), image_height(image));
}

void MenuMatchPresentation::bc_time(int step) {
    time = rotate_value(time, 0, TIME_STATES - 1, step);
    update_conditions();
}

void MenuMatchPresentation::bc_pitch(int step) {
    pitch_type = rotate_value(pitch_type, 0, PITCH_STATES - 1, step);
    weather_effect = WEATHER_RANDOM;
    sky = 1;
    update_conditions();
}

void MenuMatchPresentation::bc_weather() {
    const t_weather w = next_weather(weather(), pitch_type, settings.weather_max);
    weather_effect = w.effect;
    weather_intensity = w.intensity;
    sky = w.sky;
    update_conditions();
}

void MenuMatchPresentation::bc_team_kit(int team, int step) {
    if (team < 0 || team > 1) return;
    t_team& side = *match_teams[static_cast<size_t>(team)];
    const int kits = std::max(1, static_cast<int>(side.kits.size()));
    side.kit = rotate_value(side.kit, 0, kits - 1, step);
    update_kit(team);
}

void MenuMatchPresentation::bc_play() {
    match_settings.time = time;
    match_settings.sky = sky;
    match_settings.pitch_type = pitch_type;
    match_settings.weather_effect = weather_effect;
    match_settings.weather_intensity = weather_intensity;
    if (menu.status != STATUS_COMPETITION) selected_teams.clear();
    action_queue->push(ACTION_NEW_SCREEN, MODE_MATCH_LOADING);
}

void MenuMatchPresentation::bc_exit() { action_queue->push(ACTION_NEW_SCREEN, lineup_return_mode()); }
