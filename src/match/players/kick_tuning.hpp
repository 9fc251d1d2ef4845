#pragma once
// How the human's kicks feel: pace and height of each kick, the windows of a held fire
// button, the shot zone and the after-touch. Speeds in units per second, times in updates.

// A tap of fire: a pass.
constexpr double PASS_SPEED = 180;           // pace of a pass to nobody in particular
constexpr double PASS_DISTANCE_GAIN = 0.002; // extra share of pace per unit the receiver stands away
constexpr double PASS_GAIN_CAP = 1.55;       // a long pass is at most this many times a short one
constexpr double PASS_LIFT_PER_Z = 5;        // lift of a pass per unit of ball height when struck
constexpr double PASS_AIM_LIMIT = 23;        // a pass bends onto a team-mate this many degrees at most

// Fire held: shots, lobs and clearances.
constexpr double SHOT_SPEED = 270;      // pace of a shot
constexpr double SHOT_LIFT = 170;       // rise of a shot
constexpr double LOB_SPEED = 280;       // pace of a lob
constexpr double LOB_LIFT = 225;        // rise of a lob
constexpr double CLEARANCE_SPEED = 320; // pace of a clearance, the stick pulled back
constexpr double CLEARANCE_LIFT = 300;  // rise of a clearance
constexpr double LIFT_PER_Z = 2.5;      // extra rise per unit of ball height when struck
constexpr double START_HEIGHT = 5;      // a kick starts only with the ball below this height

// Windows of fire held, counted from the press.
constexpr int EARLY_WINDOW_FIRST = 6; // from here an aimed stick makes the kick a shot
constexpr int EARLY_WINDOW_LAST = 8;  // the early window ends here
constexpr int LATE_WINDOW_LAST = 10;  // aimed shoots, across or let go lobs; held longer, always struck

// The shot zone: deep in the opponents' half, the stick towards their goal.
constexpr double SHOT_ZONE_FROM_HALFWAY = 213.33; // how far past halfway the zone begins
constexpr double SHOT_CONE = 45;                  // degrees off straight at the goal that still count
// In the zone the kicker's shooting skill adds pace and his finishing keeps the shot down.
constexpr double EARLY_SHOT_PACE_PER_SHOOTING = 7.2; // early window, pace per point of shooting
constexpr double EARLY_SHOT_DIP_PER_FINISHING = 7.2; // early window, rise taken off per point of finishing
constexpr double LATE_SHOT_PACE_PER_SHOOTING = 7.5;  // late window, pace per point of shooting
constexpr double LATE_SHOT_DIP_PER_FINISHING = 7.5;  // late window, rise taken off per point of finishing
constexpr double HELD_SHOT_PACE_PER_SHOOTING = 7.5;  // held past the windows, pace per point of shooting
constexpr double HELD_SHOT_DIP_PER_FINISHING = 5;    // held past the windows, rise taken off per point of finishing

// After-touch: the stick steers the ball for a moment after the kick.
constexpr int AFTER_TOUCH_OFF = 0;         // no after-touch
constexpr int AFTER_TOUCH_STRUCK = 1;      // just struck: waits for the stick to leave the kick's line
constexpr int AFTER_TOUCH_SWERVE = 2;      // a sideways stick swerves the ball
constexpr int AFTER_TOUCH_PULLED_BACK = 3; // stick pulled back: a diagonal back curls late
constexpr int TOUCH_CURL_AFTER = 8;        // the late curl waits this long after the kick
constexpr int TOUCH_LENGTH = 13;           // after-touch lasts this long
