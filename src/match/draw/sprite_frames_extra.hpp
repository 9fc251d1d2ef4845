#pragma once
// Where the foul, header and fall cells and the referee's cells sit on their sheets.

// Outfield sheets (images/player/<style>.png): 8 columns of 32 x 32 cells, the column is the
// direction as in the running rows, feet at (15, 25). These rows come below the original twenty.
// Each has its hair in the hair table and its shadow in the shadow sheets, like every other row.
constexpr int OUTFIELD_SHEET_CELL = 32;
constexpr int OUTFIELD_SHEET_ROWS = 27;

// Frame 0 going down, frame 1 on the grass with the leading leg out; the leg reaches about
// 9 px ahead of the feet point, the head 9 px behind it.
constexpr int SLIDE_TACKLE_ROW = 20;
constexpr int SLIDE_TACKLE_FRAMES = 2;

// Frame 0 rising with the head drawn back, frame 1 heading forward. Both are drawn off the
// ground (2 and 3 px), so a jumping header needs no height of its own to look airborne.
constexpr int HEADER_ROW = 22;
constexpr int HEADER_FRAMES = 2;

// Frame 0 launching, frame 1 flat in the air, head first in the column's direction; the
// chest is over the feet point, the head about 9 px ahead of it.
constexpr int DIVING_HEADER_ROW = 24;
constexpr int DIVING_HEADER_FRAMES = 2;

// One frame: on his back, head towards the column's direction, one knee up.
constexpr int FALLEN_ROW = 26;
constexpr int FALLEN_FRAMES = 1;

// The referee (images/referee.png, fixed colours, loaded unrecoloured; shadows
// images/player/shadows/referee_N.png in 50 x 50 cells drawn as the players' are).
// 8 columns (directions as above) of 32 x 32 cells, feet at (15, 25).
constexpr int REFEREE_CELL = 32;
constexpr int REFEREE_FEET_X = 15;
constexpr int REFEREE_FEET_Y = 25;
constexpr int REFEREE_SHEET_COLUMNS = 8;
constexpr int REFEREE_SHEET_ROWS = 6;
// Rows 0-2 running, in the players' order.
constexpr int REFEREE_RUN_ROW = 0;
constexpr int REFEREE_RUN_FRAMES = 3;
constexpr int REFEREE_STANDING_ROW = 3;
// Right arm straight up with the card held above his head, in every direction.
constexpr int REFEREE_YELLOW_CARD_ROW = 4;
constexpr int REFEREE_RED_CARD_ROW = 5;
