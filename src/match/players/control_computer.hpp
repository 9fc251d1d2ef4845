#pragma once

// Fills the stick and fire readings of a team nobody holds a device for.
void computer_controller(int team);
