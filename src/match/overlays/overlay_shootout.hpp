#pragma once
// The running tally of a penalty shoot-out, high in the middle of the screen while it is played.

// Each side's name, a green mark for a kick scored, red for one missed, hollow for those to come, and the
// goals; under them the player who takes the next kick.
void draw_shootout_tally();
