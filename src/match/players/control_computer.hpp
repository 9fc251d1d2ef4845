#pragma once
// The computer's stick for the teams it plays.

// Fills the stick and fire readings of a team nobody holds a device for.
void computer_controller(int team);
