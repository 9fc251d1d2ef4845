#pragma once
// The tuning values of the ENHANCED rules, in one place.

// Tackles.
constexpr double KNOCK_MIN_DISTANCE = 10;     // units ahead of the tackler the ball is knocked, at least
constexpr double KNOCK_MAX_DISTANCE = 15;     // and at most
constexpr double KNOCK_SPEED_SHARE = 0.7;     // share of the tackler's speed the loose ball carries on
constexpr int TACKLED_RECOVERY_MS = 400;      // the player who lost the ball cannot touch it for this long
constexpr int KICK_LEAVES_FOOT_MS = 200;      // nor can a kicker touch his own kick
constexpr double CHALLENGE_REACH = 9;         // from the carrier, a tackle from the side or behind reaches the ball
constexpr double BEHIND_ANGLE = 112.5;        // degrees off the carrier's way to the ball that count as behind him
constexpr double SIDE_CHANCE = 0.35;          // a challenge from the side wins the ball, at equal skills
constexpr double BEHIND_CHANCE = 0.15;        // one from behind, at equal skills
constexpr int CHALLENGE_RETRY_MS = 400;       // a tackler who failed tries again after this long
constexpr int SKILL_TOP = 7;                  // the highest tackling or ball-control skill

// Running: a man with no speed at all runs this fast, and each point of speed adds this much, so the usual
// three points run as fast as the other gameplay's fast runner.
constexpr double RUNNER_WITHOUT_SPEED = 139;
constexpr double RUNNER_SPEED_PER_POINT = 3;

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
constexpr double TRIP_BOOKED_CHANCE = 0.1;    // ...and the referee finds it reckless
constexpr double SIDE_FOUL_IN_BOX_CHANCE = 0.05; // a failed challenge from the side in his own box trips the carrier

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
constexpr double GLANCED_BEHIND_WITHIN = 300;  // a defender heading the ball this near his goal line...
constexpr double GLANCED_BEHIND = 0.8;         // ...glances this share of them behind for a corner
constexpr double HEADER_LOW = 22;             // the ball's height window for a header
constexpr double HEADER_HIGH = 45;
constexpr double HEADER_REACH = 10;
constexpr double HEADER_BASE = 0.45;          // a header meets the ball: at skill 0
constexpr double HEADER_PER_SKILL = 0.07;
constexpr double HEADER_SPEED = 170;
constexpr double HEADER_SPEED_PER_SKILL = 12;
constexpr double HEADER_LIFT = 30;
constexpr double CLEARING_HEADER_LIFT = 90;
constexpr double HEADER_AT_GOAL_RANGE = 260;  // the computer heads at goal from this close
constexpr double HEADER_AIM_SPREAD = 52;      // across the goal mouth
constexpr int HEADER_RETRY_MS = 300;
constexpr double HEADER_CHALLENGE_WITHIN = 24; // an opponent this near challenges the header:
constexpr double HEADER_CHALLENGED_MEETS = 0.7; // ...he meets the ball this share as often...
constexpr double HEADER_CHALLENGED_ERROR = 1.8; // ...and aims at goal this many times as wide
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
constexpr double REFLEX_TIPPED_WIDE = 0.7;    // a share of parries is tipped round the post...
constexpr double REFLEX_TIP_SPEED_KEPT = 0.5; // ...keeping this share of its pace...
constexpr double TIP_PAST_POST = 24;           // ...across its goal line this far outside the post
constexpr double TIP_FROM_SPEED = 300;         // a shot this hard in his gloves he holds...
constexpr double HOLD_HARD_SHOT_BASE = 0.2;     // ...this often at goalkeeping 0...
constexpr double HOLD_HARD_SHOT_PER_SKILL = 0.06; // ...and this much more a point; else he tips it round the post
constexpr double KEEPER_GATHER_REACH = 12;    // a slow ball in his area this near his feet is his...
constexpr double KEEPER_GATHER_HEIGHT = 20;
constexpr double KEEPER_GATHER_SPEED = 220;   // ...when it comes no faster than this
constexpr double CLAIM_LOW = 22;              // a cross coming down between these heights...
constexpr double CLAIM_HIGH = 60;
constexpr double CLAIM_ZONE_X = 150;          // ...no wider than this from the middle...
constexpr double CLAIM_ZONE_DEPTH = 110;      // ...nor farther out than this...
constexpr double CLAIM_REACH = 18;            // ...this near the keeper is his to claim...
constexpr double CLAIM_BASE = 0.6;            // ...this often at goalkeeping 0...
constexpr double CLAIM_PER_SKILL = 0.06;      // ...and this much more often a point
constexpr int CLAIM_RETRY_MS = 300;
constexpr double CLAIM_RUN_SHARE = 0.85;      // he comes for it at the pace he moves about his area
constexpr double KEEPER_CLEARANCE_SPEED = 560; // a keeper caught outside his area with the ball boots it
constexpr double KEEPER_CLEARANCE_LIFT = 160;
constexpr double KEEPER_CLEARANCE_SPREAD = 25;

// The computer on the ball.
constexpr double HEADER_ERROR_BASE = 12;      // degrees off his aim at goal, either way, for the best header...
constexpr double HEADER_ERROR_PER_MISSING_POINT = 2.5; // ...and more a point short of the top
constexpr int LOOK_UP_MS = 400;               // it plays the ball on only after holding it this long...
constexpr int LOOK_UP_PRESSED_MS = 150;       // ...or this long with an opponent at him
constexpr double PRESSED_WITHIN = 34;
constexpr double SPACE_AHEAD = 60;            // no opponent this near the spot this far ahead: he runs on
constexpr double CUT_INSIDE_RANGE = 300;      // this near goal he runs for the middle
constexpr double PASS_MIN_DISTANCE = 40;
constexpr double PASS_MAX_DISTANCE = 380;
constexpr double PASS_LEAD = 24;              // played in front of a man on the run
constexpr double PASS_LANE_CLEARANCE = 12;    // no opponent this near the line...
constexpr double PASS_LANE_WIDENING = 0.03;   // ...widening with its length
constexpr double PASS_MARKED_WITHIN = 22;     // a receiver with an opponent this near is marked
constexpr double PASS_SPACE_WEIGHT = 0.4;     // a pass's worth: units forward, plus the receiver's space...
constexpr double PASS_SPACE_COUNTED = 80;
constexpr double PASS_LENGTH_COST = 0.1;      // ...less a little for its length
constexpr double THROUGH_BALL_LEAD = 110;     // a ball into space this far ahead of a man ahead of the ball...
constexpr double THROUGH_BALL_RACE_MARGIN = 25; // ...when no opponent is within his run plus this of the spot...
constexpr double THROUGH_BALL_SHORT_OF_LINE = 60; // ...and it stays this far short of the goal line
constexpr double GOOD_PASS_SCORE = 80;        // worth playing even with space to run into
constexpr double PASS_ERROR_BASE = 2;         // degrees off the line for the best passer...
constexpr double PASS_ERROR_PER_MISSING_POINT = 1.2; // ...and this much more a point of passing short of the top...
constexpr double PASS_ERROR_PRESSED = 1.8;     // ...times this with an opponent at him
constexpr double COMPUTER_PASS_PACE = 1.15;
constexpr double LOFTED_PASS_FROM = 260;
constexpr double LOFTED_PASS_LIFT = 90;
constexpr int GOOD_SHOOTER = 5;               // shoots from outside the box
constexpr double LONG_SHOT_RANGE = 280;
constexpr double POINT_BLANK = 110;            // this near the goal he shoots through a crowd
constexpr double SHOT_ANGLE_LIMIT = 1.2;      // wider than this across per unit out: no angle
constexpr double SHOT_LANE_CLEARANCE = 20;
constexpr double SHOT_AIM_X = 56;             // inside a post
constexpr double KEEPER_OFF_CENTRE = 12;      // a keeper this far across has left the other side open
constexpr double SHOT_ERROR_BASE = 22;        // degrees either way even for the best finisher...
constexpr double SHOT_ERROR_PER_MISSING_POINT = 1.5; // ...and this much more a point of finishing short of the top
constexpr double COMPUTER_SHOT_PACE = 1.15;
constexpr double COMPUTER_SHOT_PACE_PER_SKILL = 12;
constexpr double COMPUTER_SHOT_LIFT_LOW = 20;  // a shot rises between this...
constexpr double COMPUTER_SHOT_LIFT_HIGH = 210; // ...and this, and higher for a poor finisher
constexpr double SHOT_LIFT_PER_MISSING_POINT = 15;
constexpr double WING_FROM_X = 230;             // a carrier this far out is on the wing: he goes down it...
constexpr double CROSS_WITHIN = 190;            // ...and crosses this near the goal line
constexpr double CROSS_SPOT_OUT = 100;          // a cross goes to the team-mate nearest this far out in the middle...
constexpr double CROSS_RECEIVER_WITHIN = 170;   // ...within this of it, or there
constexpr double CROSS_SPREAD = 50;
constexpr double CROSS_SPEED = 330;
constexpr double CROSS_ARRIVAL_Z = 18;          // head height where it comes down
constexpr double CROSS_ERROR_BASE = 3;
constexpr double CROSS_ERROR_PER_MISSING_POINT = 2;
constexpr double CLEAR_WITHIN = 330;            // pressed this near his own goal line with no pass: he clears
constexpr double LONG_BALL_WITHIN = 450;       // ...or this near it with no pass at all
constexpr int OVER_THE_PRESS_FROM = 7;          // with this many opponents in his half he goes over them...
constexpr double OVER_THE_PRESS_GAIN = 250;     // ...to the man furthest up, this much further up at least...
constexpr double OVER_THE_PRESS_REACH = 560;    // ...and no farther off than this...
constexpr double OVER_THE_PRESS_LEAD = 40;      // ...into the space ahead of him
constexpr double OVER_THE_PRESS_SPEED = 360;
constexpr double OVER_THE_PRESS_ARRIVAL_Z = 8;  // it comes down at his feet
constexpr double CLEARANCE_WIDE_LOW = 0.5;      // across per unit upfield
constexpr double CLEARANCE_WIDE_HIGH = 1.3;
constexpr double COMPUTER_CLEARANCE_SPEED = 470;
constexpr double COMPUTER_CLEARANCE_LIFT = 230;

// The computer's level: its time to look up, the spread of its aim and its cover's distance, as shares of NORMAL's.
constexpr double EASY_LOOK_UP = 1.8;
constexpr double EASY_AIM_ERROR = 1.6;
constexpr double HARD_LOOK_UP = 0.6;
constexpr double HARD_AIM_ERROR = 0.6;
constexpr double HARD_COVER_GAP = 0.45;    // HARD's second man closes the carrier down, not only waits behind him

// The computer off the ball.
constexpr double BLOCK_AT_OWN_GOAL = 255;      // without the ball a side's men stand on average this far out...
constexpr double BLOCK_PER_BALL_DEPTH = 0.44;  // ...and this much further for each unit the ball is out...
constexpr double BLOCK_DEEPEST = 40;           // ...none nearer his goal line than this
constexpr double SQUEEZE_TOWARDS_BALL = 0.25;  // the side without the ball closes this share of the way across
constexpr size_t STAY_UP_FOR_THE_BREAK = 2;    // the two furthest forward wait for the break...
constexpr double GOAL_SIDE_MARGIN = 40;        // ...the rest come back to no more than this beyond the ball
constexpr double BACK_LINE_HOME_WITHIN = 400;  // a man his tactic puts this near his goal line with the ball in the centre
                                               // plays in the back line
constexpr double LINE_BEHIND_BALL = 60;        // the back line stays this far goal-side of the ball...
constexpr double LINE_DEEPEST = 70;            // ...between this far out from its goal line...
constexpr double LINE_HIGHEST = 560;           // ...and this far
constexpr double COVER_BEHIND = 60;            // the second man waits this far goal-side of the carrier
constexpr double MARK_GOAL_SIDE = 14;          // a marker stands this far goal-side of his man
constexpr double MARKING_FROM_DEPTH = 400;     // markers pick men up when the ball is this near their goal line
constexpr double MARKED_WITHIN_OF_GOAL = 330;  // an attacker this near the goal is picked up...
constexpr double MARKER_PICKS_UP_WITHIN = 170; // ...by a free man this near him
constexpr double OFFER_LANE_CLEARANCE = 12;    // a team-mate with an opponent this near the line steps aside...
constexpr double OFFER_STEP = 40;              // ...this far
constexpr double PUSH_UP_WITH_THE_BALL = 30;   // the side with the ball pushes up this far...
constexpr double PUSH_UP_FURTHEST = 1180;      // ...but no nearer the other goal line than this from its own
constexpr double LAST_THIRD_DEPTH = 860;       // the last third begins this far from the own goal line...
constexpr size_t LAST_THIRD_MOST = 5;          // ...and the side with the ball keeps at most this many men in it
constexpr size_t REFERENCE_TACTICS = 0;        // every side stands as deep as the 4-4-2 preset with the ball,
                                                // and its back line as wide without it
constexpr double ON_ONE_SPOT = 60;             // with the ball two team-mates this near across and in depth...
constexpr double APART_ACROSS = 170;           // ...step this far apart across
constexpr double BOX_RUNS_FROM_DEPTH = 860;    // with the ball this far up, men arrive in the box...
constexpr size_t BOX_RUNNERS = 3;              // ...at least this many, backs never

// Corners.
constexpr int CORNER_RUNNERS = 4;              // men the taking side sends into the box
constexpr int CORNER_STAY_BACK = 2;            // backs who stay at home
constexpr double NEAR_POST_GUARD_ACROSS = 62;  // a defender guards the near post from here...
constexpr double NEAR_POST_GUARD_OUT = 8;
constexpr double CORNER_MARK_GOAL_SIDE = 12;   // ...and each runner has a marker this far goal-side
constexpr double CORNER_MARK_BALL_SIDE = 8;    // ...and this far towards the ball's side, in its way
constexpr double NEAR_POST_CORNER = 0.3;       // the computer's share of corners to the near post; the rest find a runner
constexpr double CORNER_SPEED = 340;
constexpr double CORNER_CROSS_ERROR = 3;       // degrees more than a cross from open play: a crowded box

// Auto switch.
constexpr double AUTO_SWITCH_MARGIN = 30;  // units, at the controlled man's pace, another must be nearer to win the ball
constexpr int AUTO_SWITCH_HOLD_MS = 500;   // a man stays controlled this long before control moves on by itself

// Throw-ins, the keeper's ball and free kicks near goal.
constexpr double THROW_IN_RANGE = 220;            // the computer throws to a free man this near...
constexpr double THROW_MIN_DISTANCE = 30;         // ...and no nearer
constexpr double THROW_FREE_WITHIN = 40;          // no opponent this near him
constexpr double THROW_GAIN_WEIGHT = 1.5;         // ground gained counts this much more than his space
constexpr double THROW_LANDS_AT = 0.7;            // a throw comes down this share of the way and runs on to him
constexpr double THROW_ERROR = 3;                 // degrees off the line, either way
constexpr double DOWN_THE_LINE_LEAN = 0.2;        // with no one free: forward, across per unit forward
constexpr double DOWN_THE_LINE_DISTANCE = 170;    // ...landing this far on...
constexpr double DOWN_THE_LINE_SHORT = 90;        // ...but this far short of the goal line, to stay in play
constexpr double THROW_OFFER_STEP = 60;           // the nearest team-mate comes this far towards the thrower...
constexpr double THROW_OFFER_NEAREST = 70;        // ...but no nearer to the ball than this
constexpr double KEEPER_THROW_RANGE = 300;        // the keeper throws to a free back this near...
constexpr double KEEPER_THROW_FREE_WITHIN = 70;   // ...with no opponent this near him
constexpr double KEEPER_ROLL_WITHIN = 150;        // nearer than this he rolls it, farther he throws it low
constexpr double KEEPER_ROLL_SPEED = 260;
constexpr double KEEPER_THROW_SPEED = 320;
constexpr double KEEPER_THROW_LANDS_AT = 0.7;     // a low throw comes down this share of the way and runs on
constexpr double KEEPER_THROW_ERROR = 2;          // degrees off the line, either way
constexpr double FREE_KICK_INTO_BOX_WITHIN = 430; // a free kick this near the goal line puts men in the box
constexpr int FREE_KICK_RUNNERS = 4;              // in the box for a free kick crossed in
constexpr int FREE_KICK_REBOUND_RUNNERS = 2;      // waiting for the rebound of a free kick at goal
constexpr double NEAR_POST_FREE_KICK = 0.4;       // the computer's share of free kicks to the near post
constexpr double FREE_KICK_CROSS_SPEED = 330;
constexpr double FREE_KICK_CROSS_ERROR = 4;       // degrees more than a cross from open play: a still ball, a crowded box
