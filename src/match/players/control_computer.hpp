#pragma once
// The computer's stick for the teams it plays.
#include <optional>

class t_team;

// A free kick this near the goal line it attacks, the computer shoots.
constexpr double FREE_KICK_SHOOTING_RANGE = 330;

// Fills the stick and fire readings of a team nobody holds a device for.
void computer_controller(int team);
// Where the computer takes a free kick: at the far post within shooting range, else to a team-mate;
// its stick holds only eight directions, the kick itself goes this exact way.
std::optional<double> free_kick_aim(const t_team& t);
