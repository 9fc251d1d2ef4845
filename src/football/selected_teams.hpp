#pragma once
// The teams chosen on the selection screens and the control each is given.
#include <string>
#include <vector>

#include "football/team.hpp"

// Stubs of the teams chosen on the selection screens.
extern std::vector<t_team_ref> selected_teams;

// Cycles a team through computer, player and coach control and then out of
// the list; returns the new control (0 once removed).
int select_team(const std::string& ext, int number, const std::string& name);
// Control of a selected team, 0 when it is not selected.
int selected_control(const std::string& ext, int number);
