#pragma once
// The shared shape of a phase update: controllers, recording with the camera, the ways out.
#include <array>
#include <cstdint>

#include "match/core/match_helpers.hpp"
#include "match/core/match_mode.hpp"

class t_player;

// Camera arguments of one recorded sub-step: updatex(a, b, c, d), updatey(e, f, g).
struct t_camera_args {
    int x_mode;
    int x_speed;
    double x_target;
    int x_limit;
    int y_mode;
    int y_speed;
    double y_target;
};

constexpr t_camera_args CAMERA_STILL{0, 0, 0, 1, 1, 0, 0};
constexpr t_camera_args CAMERA_FOLLOW{1, 1, 0, 1, 1, 1, 0};
constexpr t_camera_args CAMERA_SLOW{1, 0, 0, 1, 1, 0, 0};
constexpr t_camera_args CAMERA_ROLL_OUT{1, 0, 0, 1, 0, 0, 0};

// Kick-off formation, written for a team whose own goal is at y = -640: slots 1-11 of the
// kicking team, then slots 1-11 of the other team.
struct t_formation_spot {
    double x;
    double y;
};
extern const std::array<t_formation_spot, 22> kick_off_formation;

// Targets of slots 1-11 of both squads from the kick-off formation; `team` gets the kicking rows.
void set_kick_off_positions(int team);

void open_phase(int mode);
// Stop and positions phases: history shift of both controllers, device read of human sides.
void read_set_up_controllers();
// Taking phases: history shift, then the device (control 2) or the computer's set-piece input.
void read_taker_controller(int team);
// Fire 1 pressed on the device of either side (phases that do not read the controllers).
bool fire1_on_any_device();
void clear_controllers();
// A kick either side was charging, and its after-touch, when the whistle went: forgotten, so that it is not
// let go when play goes on from the restart.
void forget_charged_kicks();
void clear_controlled_players();
// Recording step of a sub-step: ball, both squads and the camera.
void record_sub_step(const t_camera_args& camera_args);
// The same over the current sub-step, at replay_frame, without moving on.
void record_in_place(const t_camera_args& camera_args);
// Sub-steps recorded since the phase was created.
int sub_steps_since(int32_t frame0);
// Every on-pitch slot (1-11) of both teams.
template <typename F> void for_each_on_pitch(F&& f) {
    for (int t = 0; t < 2; ++t)
        for (int slot = 1; slot <= 11; ++slot) f(t, slot, squad_player(t, slot));
}
// Team index whose own goal is at the end of sign side_y; -1 for neither.
int team_defending(int side_y);
// The other team than the one that touched the ball last (team 0 when nobody has).
int team_not_last_touching();
// Facing 0..7 of a direction in degrees.
int facing_of(double angle);

// Ways out of a phase, tested in this order: Escape, R, fire 2 of either side. True when one was taken.
enum class t_exits { escape_replay, escape_replay_bench };
bool standard_exits(t_match_mode& phase, t_exits exits);
