#pragma once
// The match clock in the top left corner: minutes from "time.png" and its label.
#include <vector>

#include "match/overlays/overlay_cell.hpp"

// The label, then the units, tens (from 10) and hundreds (from 100) of the minute.
std::vector<t_overlay_cell> clock_cells(int minute);
void draw_match_time();
