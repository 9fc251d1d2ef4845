#pragma once
// What the statistics learn from kicks, touches and restarts: passes and their completion,
// shots and those on target, and how each goal was scored. Counting only: nothing here moves play.
#include <cstdint>

// How a goal was scored, as the headless results name it.
enum class t_goal_kind { open_play, header, volley, free_kick, penalty, own_goal };
// The restart a ball is still coming from.
enum class t_restart_kind { none, corner, free_kick, penalty, throw_in };

const char* goal_kind_key(t_goal_kind kind);

// The last kick of the ball and the restart it came from, kept by the ball.
class t_play_events {
public:
    int pass_team = -1;                         // a pass of this side is on its way
    t_goal_kind touch = t_goal_kind::open_play; // how the attacker last played the ball
    int restart_team = -1;                      // the side whose restart is still live
    t_restart_kind restart = t_restart_kind::none;
    int restart_touches = 0;                    // kicks since the restart: the first one is direct
    int32_t kicked_at = 0;                      // match clock of the last kick
};

// What the kicker meant: judged from the ball's course, or known (the ENHANCED computer knows its mind).
enum class t_kick_aim { judged, pass, shot };

// A team's kick leaves the foot: a shot when it heads for the goal it attacks (or is meant as one), otherwise
// a pass.
void note_kick(int team, t_goal_kind touch = t_goal_kind::open_play, t_kick_aim aim = t_kick_aim::judged);
// A player of `team` takes the ball under control (or the keeper holds it).
void note_control(int team);
// A restart of `team` is taken: a goal before the other side controls the ball came from it.
void note_restart(int team, t_restart_kind kind);
// Whether a ball at (x, y) moving along course `a` (degrees) crosses the goal line that
// `team` attacks, and whether between the posts.
bool heads_for_goal(int team, double x, double y, double a, bool* on_target);
