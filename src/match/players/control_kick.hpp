#pragma once
// Kicks: start, charge, release as pass, shot, lob or clearance, and after-touch.

// Once per update for the team: acts on its controller's fire and stick.
void update_kick(int team);
// Shirt slot of the team-mate best lined up with the ball's course; 0 for a still ball.
int best_receiver(int team);
// Signed degrees from nearest_1's course to the team-mate most nearly ahead of him.
double aim_correction(int team);

// Kick speeds, units per second (shared with the tests).
constexpr double PASS_SPEED = 180;
constexpr double PASS_DISTANCE_GAIN = 0.002;
constexpr double PASS_GAIN_CAP = 1.55;
constexpr double PASS_LIFT_PER_Z = 5;
constexpr double PASS_AIM_LIMIT = 23;
constexpr double SHOT_SPEED = 270;
constexpr double SHOT_LIFT = 170;
constexpr double LOB_SPEED = 280;
constexpr double LOB_LIFT = 225;
constexpr double CLEARANCE_SPEED = 320;
constexpr double CLEARANCE_LIFT = 300;
constexpr double LIFT_PER_Z = 2.5;
