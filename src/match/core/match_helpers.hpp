#pragma once
// Small helpers every match phase uses.
#include <memory>
#include <vector>

class t_input;
class t_player;
class t_team;

// Advances replay_frame's ring index: (replay_frame + 1) mod 3072.
int next_replay_frame();
// Sub-steps from b forward to a in the ring.
int replay_frames_between(int a, int b);
// Whether the world point is outside the screen as recorded at replay_frame.
bool is_off_screen(double x, double y);
// Minute shown on the clock, held at the end of each period while it runs on.
int match_minute();
// Counts a goal for team (an own goal when the last touch was an opponent's).
void record_goal(int team);
double distance(double x1, double y1, double x2, double y2);
// Inclusive, with the bounds in either order.
bool between(double v, double a, double b);
int sign(double v);
// Team index of a player of this match, -1 for none.
int team_of(const std::shared_ptr<t_player>& player);
// Side 0 or 1 of the match: the team, its squad by shirt slot, its controller.
t_team& team_at(int team);
std::vector<std::shared_ptr<t_player>>& squad_of(int team);
// The squad member, slots 1 .. last_slot.
t_player& squad_player(int team, int slot);
t_input& input_of(int team);
