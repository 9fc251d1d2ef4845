#pragma once
// Who sits, stands and plays where while a bench is open: the moves of the bench panels
// on the shared match squads.

// Places beside the bench, world x.
constexpr double BENCH_SEATED_X = -546;
constexpr double BENCH_STANDING_X = -530;
constexpr double COACH_UP_X = -538;

// Coach status values.
constexpr int COACH_SEATED = 0;
constexpr int COACH_STANDING = 1;
constexpr int COACH_POINTING = 2;
constexpr int COACH_WAVING = 3;
constexpr int COACH_WAVING_BOTH = 4;
constexpr int POINTING_SUB_STEPS = 250;
constexpr int WAVING_SUB_STEPS = 500;

// Tactical positions listed by the formation panel; the first bench slot.
constexpr int LINE_UP_POSITIONS = 11;
constexpr int FIRST_BENCH_SLOT = 12;

// Preset formation of the team's current tactics.
int team_based_on(int team);
// Shirt slot of a tactical position (1-based) or of a bench slot under a preset formation.
int slot_of_position(int based_on, int position);
// Last bench slot shown: 11 + bench size, at most the squad.
int last_bench_slot(int team, int bench_size);
// World y of the seat of bench row `row` (1-based) of a team.
double bench_seat_y(int team, int row);

// The stick moved over the bench list: everybody seated sits at his place, the player under the
// cursor (row > 0) stands up and the coach points at him.
void highlight_bench_row(int team, int bench_size, int row);
// A substitute was chosen: whoever waited at the touchline sits down again first.
void sit_down_waiting_players(int team, int bench_size);
// The substitute walks to the touchline, on his feet.
void send_to_touchline(int team, int slot);
// The substitute goes back to his seat.
void walk_back_to_bench(int team, int slot);
// The two shirt slots change places in the squad and each player walks to the other's target.
// The team's player list follows match_players, so nearest players and line-up lists see who plays.
void exchange_players(int team, int g, int h);
