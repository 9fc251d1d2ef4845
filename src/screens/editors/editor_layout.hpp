#pragma once
// Layout and colour rules the editor screens share with the team selection.
#include <vector>

#include "ui/menu_toolkit.hpp"

struct t_point {
    int x = 0;
    int y = 0;
};

// Squad row colours: keeper, starters, bench, reserves, rows past the squad, and the marked row.
t_colours squad_row_colours(int row, int squad_size, int bench_size, bool marked);
