#pragma once
// The tuning values of the ENHANCED rules, in one place.

// Tackles.
constexpr double KNOCK_MIN_DISTANCE = 10;     // units ahead of the tackler the ball is knocked, at least
constexpr double KNOCK_MAX_DISTANCE = 15;     // and at most
constexpr double KNOCK_SPEED_SHARE = 0.7;     // share of the tackler's speed the loose ball carries on
constexpr int TACKLED_RECOVERY_MS = 400;      // the player who lost the ball cannot touch it for this long
constexpr double CHALLENGE_REACH = 9;         // from the carrier, a tackle from the side or behind reaches the ball
constexpr double BEHIND_ANGLE = 112.5;        // degrees off the carrier's way to the ball that count as behind him
constexpr double SIDE_CHANCE = 0.35;          // a challenge from the side wins the ball, at equal skills
constexpr double BEHIND_CHANCE = 0.15;        // one from behind, at equal skills
constexpr int CHALLENGE_RETRY_MS = 400;       // a tackler who failed tries again after this long
constexpr int SKILL_TOP = 7;                  // the highest tackling or ball-control skill

// Curl.
constexpr double CURL_TURN = 3.0;             // degrees per sub-step for spin 1 at speed 1, falling with the speed
constexpr double CURL_SLOWEST = 60;           // below this speed the ball turns no faster
constexpr double CURL_GRASS_GRIP = 0.995;     // spin kept each sub-step while the ball rolls on the grass

// Slide tackles.
constexpr int SLIDE_SUB_STEPS = 240;          // half a second on the grass
constexpr double SLIDE_START_SHARE = 1.35;    // of his running speed when he goes down
constexpr double SLIDE_MIN_SPEED = 150;       // a slide from a standstill still carries him
constexpr double SLIDE_BALL_REACH = 9;        // from his feet, the leading leg meets the ball
constexpr double SLIDE_FEET_AHEAD = 6;        // the leading foot is this far ahead of his body
constexpr double SLIDE_BODY_REACH = 7;        // meets the carrier's legs
constexpr double SLIDE_KNOCK_SPEED = 1.1;     // the ball leaves at this share of the slide's speed
constexpr int SLIDE_GET_UP_SUB_STEPS = 120;   // on the grass after the slide, getting up
constexpr int LATE_CHALLENGE_MS = 300;        // the ball gone this long, the challenge is late
constexpr double RECKLESS_SLIDE_SPEED = 300;  // a slide this fast into a man is reckless
constexpr double COMPUTER_SLIDE_REACH = 28;   // the computer slides at a carrier this close
constexpr double COMPUTER_SLIDE_CHANCE = 0.03; // per update while a slide makes sense
constexpr double COMPUTER_SLIDE_CONE = 50;    // degrees off his run the carrier may be
constexpr double BEHIND_FOUL_CHANCE = 0.12;   // a failed challenge from behind trips the carrier

// Fouls, cards and the referee.
constexpr int FOULED_DOWN_SUB_STEPS = 700;    // the player fouled lies on the grass
constexpr double CLEAR_CHANCE_RANGE = 300;    // from the goal he attacks, a fouled attacker on the ball had a chance...
constexpr int CARD_SHOWN_MS = 1600;           // the referee holds the card up
constexpr double REFEREE_DISTANCE = 110;      // behind play, keeping out of the way
constexpr double REFEREE_SPEED = 190;         // units a second at most
constexpr double SENT_OFF_EXIT_X = -560;      // the tunnel beside the benches
constexpr double SENT_OFF_EXIT_Y = 0;

// Free kicks and penalties.
constexpr double WALL_DISTANCE = 112;         // 9.15 m from the ball
constexpr double WALL_SPACING = 8;            // between the men in the wall
constexpr double WALL_NEAR_GOAL = 300;        // a free kick this close to goal gets a wall
constexpr double WALL_FOUR_FROM = 200;        // this close: four men, farther: three, then two
constexpr double WALL_THREE_FROM = 250;
constexpr double FREE_KICK_TAKER_BEHIND = 10; // the taker stands behind the ball
constexpr double FREE_KICK_END_DISTANCE = 20; // the ball this far from the spot: play is on
constexpr double PENALTY_SPOT_Y = 524;        // on the pitch picture's spot, 116 units out from the goal line
constexpr double PENALTY_ARC_CLEAR = 112;     // others this far from the spot
constexpr int PENALTY_AIM_SUB_STEPS = 1200;   // the computer or a slow human has this long to aim
constexpr double PENALTY_SPEED = 420;
constexpr double PENALTY_AIM_X = 52;          // inside a post
constexpr double KEEPER_GUESS_STEP = 18;      // the keeper leans the way he guessed as the kick is struck

// Deflections.
constexpr double DEFLECT_SPEED = 255;         // a ball this fast meeting a body is deflected...
constexpr double CONTROL_FAST_BASE = 0.15;    // ...unless his ball control wins: at skill 0
constexpr double CONTROL_FAST_PER_SKILL = 0.07;
constexpr double DEFLECT_TURN_MIN = 15;       // degrees the course turns, at least
constexpr double DEFLECT_TURN_MAX = 70;
constexpr double DEFLECT_SPEED_KEPT_MIN = 0.35; // share of the speed it keeps
constexpr double DEFLECT_SPEED_KEPT_MAX = 0.65;
constexpr double DEFLECT_LIFT = 60;

// Headers.
constexpr double HEADER_LOW = 22;             // the ball's height window for a header
constexpr double HEADER_HIGH = 45;
constexpr double HEADER_REACH = 10;
constexpr double HEADER_BASE = 0.45;          // a header meets the ball: at skill 0
constexpr double HEADER_PER_SKILL = 0.07;
constexpr double HEADER_SPEED = 190;
constexpr double HEADER_SPEED_PER_SKILL = 12;
constexpr double HEADER_LIFT = 30;
constexpr double CLEARING_HEADER_LIFT = 90;
constexpr double HEADER_AT_GOAL_RANGE = 260;  // the computer heads at goal from this close
constexpr double HEADER_AIM_SPREAD = 40;      // across the goal mouth
constexpr int HEADER_RETRY_MS = 300;
constexpr int HEADER_SUB_STEPS = 144;         // in the air after a header

// Diving headers: a low ball flying across in front of an attacker near goal.
constexpr double DIVING_HEADER_LOW = 6;       // below HEADER_LOW
constexpr double DIVING_HEADER_REACH = 30;    // ahead of him, along his run
constexpr double DIVING_HEADER_MIN_BALL_SPEED = 120;
constexpr double DIVING_HEADER_RANGE = 220;   // from the goal line he attacks
constexpr double DIVING_HEADER_LIFT = 8;
constexpr int DIVING_HEADER_SUB_STEPS = 96;   // in the air...
constexpr int DIVING_HEADER_DOWN_SUB_STEPS = 240; // ...then on the grass
constexpr double DIVING_SPEED = 100;          // his flight at the start, slowing to nothing
constexpr double DIVING_LAUNCH_SHARE = 0.75;  // the first quarter of the flight is the launch frame
constexpr double DIVING_HEAD_AHEAD = 9;       // his head is this far ahead of his feet point, flat out
constexpr double DIVING_HEADER_CONE = 60;     // degrees either side of his run the ball may be
constexpr double DIVING_HEADER_MEETS = 70;    // the ball comes at him: its course within this of straight at him
constexpr double DIVING_HEADER_BASE = 0.12;   // he meets it: at heading skill 0
constexpr double DIVING_HEADER_PER_SKILL = 0.04;
constexpr double DIVING_HEADER_AIM_SPREAD = 70; // across the goal mouth: flat out, he cannot place it

// Volleys: a dropping ball between knee and head height struck first time.
constexpr double VOLLEY_LOW = 8;
constexpr double VOLLEY_REACH = 12;
constexpr double VOLLEY_RANGE = 330;          // the computer volleys at goal from this close
constexpr double VOLLEY_BASE = 0.35;          // struck cleanly: at shooting skill 0
constexpr double VOLLEY_PER_SKILL = 0.08;
constexpr double VOLLEY_SPEED = 360;
constexpr double VOLLEY_SPEED_PER_SKILL = 15;
constexpr double VOLLEY_LIFT = 25;
constexpr double MIS_HIT_TURN = 55;           // a scuffed volley flies off this far at most
constexpr double MIS_HIT_SPEED_SHARE = 0.5;

// Goalkeepers.
constexpr double REFLEX_MIN_SPEED = 300;      // shots faster than this at his body: no time to dive
constexpr double REFLEX_REACH = 12;           // from his feet point, plus a unit a skill point
constexpr double REFLEX_HEIGHT = 50;
constexpr double REFLEX_BASE = 0.35;          // he gets a hand or a leg to it: at skill 0
constexpr double REFLEX_PER_SKILL = 0.07;
constexpr double REFLEX_SPEED_KEPT = 0.35;
constexpr double REFLEX_LIFT = 70;
constexpr double REFLEX_SPREAD = 50;          // degrees either side of straight back out
constexpr int REFLEX_RETRY_MS = 400;
constexpr double KEEPER_GATHER_REACH = 12;    // a slow ball in his area this near his feet is his...
constexpr double KEEPER_GATHER_HEIGHT = 20;
constexpr double KEEPER_GATHER_SPEED = 220;   // ...when it comes no faster than this
constexpr double KEEPER_CLEARANCE_SPEED = 560; // a keeper caught outside his area with the ball boots it
constexpr double KEEPER_CLEARANCE_LIFT = 160;
constexpr double KEEPER_CLEARANCE_SPREAD = 25;

// Auto switch.
constexpr double AUTO_SWITCH_MARGIN = 30;  // units, at the controlled man's pace, another must be nearer to win the ball
constexpr int AUTO_SWITCH_HOLD_MS = 500;   // a man stays controlled this long before control moves on by itself
