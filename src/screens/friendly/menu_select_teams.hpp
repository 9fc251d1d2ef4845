#pragma once
// The team lists: every team of a file or division, and the teams chosen so far.
#include <vector>

#include "core/game_mode.hpp"
#include "football/team.hpp"
#include "ui/menu_toolkit.hpp"

// What both lists share: the legend, the team buttons that cycle a team's control and the play button.
class t_team_list_screen : public t_game_mode {
public:
    t_team_list_screen();

    virtual void bc_team(const std::string& name, const std::string& ext, int number);
    virtual void bc_play();
    void update_play_button();

    t_button_ref w_play;

protected:
    // Title, legend and one button per team, in the given order.
    void build_list(const std::string& title, const std::vector<t_team_ref>& teams);
    t_button_ref add_play_button();
};

class MenuSelectTeams : public t_team_list_screen {
public:
    MenuSelectTeams();

    void bc_team(const std::string& name, const std::string& ext, int number) override;
    void bc_exit();
    void update_view_button();

    t_button_ref w_view_selected_teams;
};

class MenuViewSelectedTeams : public t_team_list_screen {
public:
    MenuViewSelectedTeams();

    void update_play_widget() { update_play_button(); }
};

// Stubs of the teams of `division` in a team file, sorted by name.
std::vector<t_team_ref> team_stubs(const std::string& ext, int division);
// The title of the team list for the chosen family, division or nation.
std::string team_list_title();
