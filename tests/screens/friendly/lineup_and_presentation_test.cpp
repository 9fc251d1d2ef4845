#include <gtest/gtest.h>

#include "../main_menu/screen_test_support.hpp"
#include "football/match_settings.hpp"
#include "football/tactics.hpp"
#include "football/team_file.hpp"
#include "screens/friendly/lineup.hpp"
#include "screens/friendly/menu_match_presentation.hpp"
#include "screens/friendly/menu_set_team.hpp"
#include "screens/friendly/presentation_weather.hpp"

using namespace screen_test;

namespace {
class MatchSides : public testing::Test {
protected:
    void SetUp() override {
        for (size_t i = 0; i < 2; ++i) {
            auto t = std::make_shared<t_team>();
            t->ext = "eng";
            t->number = static_cast<int>(i) + 1;
            load_team(*t);
            t->control = i == 0 ? CONTROL_PLAYER : CONTROL_COMPUTER;
            t->dev = -1;
            match_teams[i] = t;
        }
        menu.status = 1;
    }
    game_folder folder;
};

const std::string NORMAL_CYCLE[] = {"CLEAR", "CLOUDY", "LIGHT WIND", "STRONG WIND", "THIN FOG", "THICK FOG", "RANDOM"};
} // namespace

TEST(LineUpRows, RowsFollowTheFormationAndSwapTheirPlayers) {
    t_team team;
    for (int i = 0; i < 20; ++i) team.new_player()->nr = i + 1;
    team.tactics = 1;
    const int formation = team_formation(team);
    // The display row of list position 6 under this formation.
    int row_of_six = 0;
    for (int r = 1; r <= STARTERS; ++r)
        if (lineup_list_position(formation, r) == 6) row_of_six = r;
    ASSERT_NE(row_of_six, 0);
    EXPECT_EQ(lineup_list_position(formation, 15), 14);

    int mark = press_lineup_row(team, 0, row_of_six);
    EXPECT_EQ(mark, row_of_six);
    mark = press_lineup_row(team, mark, 15);
    EXPECT_EQ(mark, 0);
    EXPECT_EQ(team.players[6]->nr, 15);
    EXPECT_EQ(team.players[14]->nr, 7);
    mark = press_lineup_row(team, press_lineup_row(team, 0, 3), 3); // the same row twice: only unmarks
    EXPECT_EQ(mark, 0);
    EXPECT_EQ(team.players[6]->nr, 15);
}

TEST(LineUpRows, ColoursByPlaceInTheSquad) {
    const t_row_style own{20, 3, true, 0};
    EXPECT_EQ(lineup_row_colours(1, own).body, 0x00A7DE);
    EXPECT_EQ(lineup_row_colours(11, own).body, 0x003FDE);
    EXPECT_EQ(lineup_row_colours(14, own).body, 0x111188);
    EXPECT_EQ(lineup_row_colours(15, own).body, 0x404040);
    EXPECT_EQ(lineup_row_colours(21, own).body, 0x202020);
    EXPECT_EQ(lineup_row_colours(14, {20, 3, true, 14}).body, 0x993333);
    EXPECT_EQ(lineup_row_colours(14, {20, 3, false, 14}).body, 0x780000); // no mark on the opponent
    EXPECT_EQ(lineup_row_colours(1, {20, 3, false, 0}).body, 0xE60000);
}

TEST_F(MatchSides, InputDevicesCycleThroughKeyboardsAndPluggedJoysticks) {
    EXPECT_EQ(next_input_device(1, 0), 2);
    EXPECT_EQ(next_input_device(2, 0), 1);
    EXPECT_EQ(next_input_device(2, 2), 3);
    EXPECT_EQ(next_input_device(4, 2), 1);
    EXPECT_EQ(input_device_caption(3), "JOYSTICK 1");
}

TEST_F(MatchSides, LineUpOfTheSecondSideTakesTheOtherKeyboard) {
    match_teams[0]->dev = 1;
    match_teams[1]->control = CONTROL_COACH;
    menu.team_to_set = 1;
    MenuSetTeam screen;
    EXPECT_EQ(screen.own_team, match_teams[1]);
    EXPECT_EQ(match_teams[1]->dev, 2);
    EXPECT_EQ(screen.w_input_device->text, "KEYBOARD 2");
    EXPECT_EQ(screen.w_control_mode->text, "COACH");
    screen.bc_control_mode();
    EXPECT_EQ(match_teams[1]->control, CONTROL_PLAYER);
    screen.bc_control_mode();
    EXPECT_EQ(match_teams[1]->control, CONTROL_COACH);
    screen.bc_play_match();
    EXPECT_EQ(drain_actions(), new_screen(18));
    screen.bc_exit();
    EXPECT_EQ(drain_actions(), new_screen(12));
}

TEST_F(MatchSides, LineUpShowsTheSquadAndLooksAtTheOpponentWithoutChangingIt) {
    MenuSetTeam screen;
    const t_team& own = *match_teams[0];
    EXPECT_EQ(own.dev, 1);
    EXPECT_EQ(screen.w_team_name->text, own.name);
    const auto keeper = own.players[static_cast<size_t>(lineup_list_position(team_formation(own), 1))];
    EXPECT_EQ(screen.rows[0].number->text, std::to_string(keeper->nr));
    EXPECT_EQ(screen.rows[0].role->text, "G");
    EXPECT_EQ(screen.rows[0].face->player, keeper);
    EXPECT_TRUE(keeper->face);
    EXPECT_EQ(screen.rows[0].name->active, 1);
    EXPECT_EQ(screen.rows[LINEUP_ROWS - 1].name->active, own.size >= LINEUP_ROWS ? 1 : 0);
    EXPECT_EQ(screen.rows[LINEUP_ROWS - 1].stars->visible, own.size >= LINEUP_ROWS ? 1 : 0);
    EXPECT_EQ(screen.w_tactics[static_cast<size_t>(own.tactics)]->body, 0x9D7B03);

    settings.use_flags = 0;
    screen.bc_tactics(3);
    EXPECT_EQ(match_teams[0]->tactics, 3);
    EXPECT_EQ(screen.w_tactics[3]->body, 0x9D7B03);
    EXPECT_EQ(screen.rows[0].code->visible, 1);
    EXPECT_EQ(screen.rows[0].role->x, 417);

    screen.selected_widget = screen.w_opponent_team;
    fire(screen);
    EXPECT_EQ(screen.current_team, match_teams[1]);
    EXPECT_EQ(screen.w_team_name->text, match_teams[1]->name);
    EXPECT_EQ(screen.w_play_match->visible, 0);
    EXPECT_EQ(screen.w_opponent_team->visible, 0);
    EXPECT_EQ(screen.rows[0].name->active, 0);
    EXPECT_EQ(screen.w_tactics[0]->active, 0);
    EXPECT_EQ(screen.w_control_mode->active, 0);
    EXPECT_EQ(screen.board->view_opponent, 1);
    fire(screen); // still on the hidden button: back to the own side
    EXPECT_EQ(screen.current_team, match_teams[0]);
    EXPECT_EQ(screen.w_play_match->visible, 1);

    screen.bc_compare_tactics();
    EXPECT_EQ(screen.board->compare_tactics, 1);
    EXPECT_EQ(screen.w_compare_tactics->text, "TACTICS COMPARISON");
    screen.bc_play_match();
    EXPECT_EQ(drain_actions(), new_screen(18));
}

TEST_F(MatchSides, WeatherStepsOnlyThroughWhatThePitchAllows) {
    t_weather w; // random
    std::vector<std::string> seen;
    for (int i = 0; i < 7; ++i) {
        w = next_weather(w, 4, 2);
        seen.push_back(weather_string(w));
    }
    EXPECT_EQ(seen, std::vector<std::string>(std::begin(NORMAL_CYCLE), std::end(NORMAL_CYCLE)));
    // Light weather only: strong steps are passed over.
    t_weather light{0, 1, 0};
    light = next_weather(light, 1, 1);
    EXPECT_EQ(weather_string(light), "LIGHT RAIN");
    EXPECT_EQ(light.sky, 1);
    EXPECT_EQ(weather_offset(light), 4);
    EXPECT_EQ(next_weather(light, 9, 2), light); // nothing on the random pitch
    EXPECT_EQ(weather_offset({1, 2, 1}), 5);
    EXPECT_EQ(weather_offset({0, 0, 1}), 1);
    EXPECT_EQ(weather_offset(t_weather{}), 10);
}

TEST(Weather, CompetitionDrawIsCappedByPitchAndSettings) {
    EXPECT_EQ(competition_weather(1, 1, 1, 2).intensity, 2);
    EXPECT_EQ(competition_weather(1, 2, 1, 2).intensity, 1);
    EXPECT_EQ(competition_weather(1, 7, 1, 2).intensity, 1);
    EXPECT_EQ(competition_weather(1, 8, 1, 2).intensity, 0);
    EXPECT_EQ(competition_weather(1, 1, 1, 1).intensity, 1);
    EXPECT_EQ(competition_weather(1, 1, 0, 2).intensity, 0); // no rain on a frozen pitch
    EXPECT_EQ(competition_weather(0, 1, 4, 2).sky, 0);       // wind keeps the sky clear
    EXPECT_EQ(competition_weather(2, 1, 7, 2).sky, 1);
}

TEST_F(MatchSides, PresentationSettlesTheConditionsAndKits) {
    selected_teams = {match_teams[0], match_teams[1]};
    MenuMatchPresentation screen;
    EXPECT_EQ(screen.w_weather_label->text, "RANDOM");
    EXPECT_EQ(screen.w_time_label->text, "RANDOM");
    screen.bc_pitch(-5); // to normal
    EXPECT_EQ(screen.w_pitch_label->text, "NORMAL");
    screen.bc_weather();
    screen.bc_weather();
    EXPECT_EQ(screen.w_weather_label->text, "CLOUDY");
    EXPECT_EQ(screen.w_weather->frame_x, 1);
    screen.bc_pitch(+1);
    EXPECT_EQ(screen.w_weather_label->text, "RANDOM");
    screen.bc_time(+1);
    EXPECT_EQ(screen.w_time_label->text, "DAY");
    EXPECT_EQ(screen.w_time->frame_x, 0);

    const int kits = static_cast<int>(match_teams[1]->kits.size());
    ASSERT_GE(kits, 3);
    const t_image_ref before = screen.w_image[1]->image;
    screen.bc_team_kit(1, -1);
    EXPECT_EQ(match_teams[1]->kit, kits - 1);
    EXPECT_NE(screen.w_image[1]->image, before);
    EXPECT_TRUE(screen.w_image[1]->image);

    screen.bc_play();
    EXPECT_EQ(match_settings.pitch_type, 5);
    EXPECT_EQ(match_settings.weather_effect, WEATHER_RANDOM);
    EXPECT_EQ(match_settings.time, 0);
    EXPECT_TRUE(selected_teams.empty());
    EXPECT_EQ(drain_actions(), new_screen(31));
}

TEST(Presentation, RatingBlocks) {
    EXPECT_EQ(lit_rating_blocks(0.0f), 0);
    EXPECT_EQ(lit_rating_blocks(5.0f), 3);
    EXPECT_EQ(lit_rating_blocks(9.9f), 5);
}
