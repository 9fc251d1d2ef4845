#pragma once
// The objects every phase of a match shares, from MatchLoading to quit_match.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "football/match_settings.hpp"
#include "football/player.hpp"
#include "football/team.hpp"
#include "match/ball/ball.hpp"
#include "match/core/play_events.hpp"
#include "match/draw/camera.hpp"
#include "match/draw/sprite.hpp"
#include "platform/image.hpp"
#include "platform/pixmap.hpp"

// Pitch geometry, world units (one pixel of the unscaled pitch picture),
// origin at the centre spot, y growing down the screen.
constexpr double TOUCHLINE_X = 510;
constexpr double THROW_IN_X = 514;
constexpr double GOAL_LINE_Y = 640;
constexpr double GOAL_CROSSED_Y = 644;
// The penalty area: |x| up to PENALTY_AREA_X, from PENALTY_AREA_FRONT out to the goal line.
constexpr double PENALTY_AREA_X = 286;
constexpr double PENALTY_AREA_FRONT = 466;
constexpr int GOAL_MOUTH_X = 71;
constexpr double GOAL_MOUTH_Z = 33;
constexpr double NEAR_MISS_DEPTH = 20;
constexpr int NEAR_MISS_X = 91;
constexpr double NEAR_MISS_Z = 43;
constexpr int TOP_GOAL_FRAME_X = -72;
constexpr int TOP_GOAL_FRAME_Y = -640;
constexpr int TOP_GOAL_FRAME_OFFSET = 50;
constexpr int TOP_GOAL_NET_X = -68;
constexpr int TOP_GOAL_NET_Y = -661;
constexpr int TOP_GOAL_NET_OFFSET = 11;
constexpr int BOTTOM_GOAL_X = -72;
constexpr int BOTTOM_GOAL_Y = 604;
constexpr int COACH_X = -546;
constexpr int COACH_BENCH_Y = -166;
constexpr int COACH_OTHER_Y = 70;
// World (x, y) is pitch-picture pixel (x + PITCH_ORIGIN_X, y + PITCH_ORIGIN_Y).
constexpr int PITCH_ORIGIN_X = 846;
constexpr int PITCH_ORIGIN_Y = 918;
constexpr int PITCH_TILE = 512;
constexpr int PITCH_TILE_ROWS = 4;
// Danger zone in front of a goal: |zone_x| <= 1 and |zone_y| = 3.
constexpr int DANGER_ZONE_X = 1;
constexpr int DANGER_ZONE_Y = 3;

// Time base.
constexpr int SUB_STEPS = 12;
constexpr int SUB_STEPS_PER_SECOND = 480;
constexpr int UPDATE_MS = 25;

constexpr int GOALKEEPER_SLOT = 1;
constexpr int ON_PITCH_SLOTS = 11;

// Player status values.
constexpr int STATUS_ON_PITCH = 0;
constexpr int STATUS_ON_BENCH = 100;
constexpr int STATUS_SUBSTITUTED = 103;

class t_match_status {
public:
    static constexpr int32_t UNDEFINED = 0;
    static constexpr int32_t FIRST_HALF = 1;
    static constexpr int32_t SECOND_HALF = 2;
    static constexpr int32_t FIRST_EXTRA_TIME = 3;
    static constexpr int32_t SECOND_EXTRA_TIME = 4;
    static constexpr int32_t PRESENTATION = -1;

    static constexpr int32_t INTRO = 0;
    static constexpr int32_t IN_GAME = 1;
    static constexpr int32_t GOAL = 2;
    static constexpr int32_t CORNER = 3;
    static constexpr int32_t GOAL_KICK = 4;
    static constexpr int32_t THROW_IN = 5;
    static constexpr int32_t HALF_TIME = 6;
    static constexpr int32_t FULL_TIME = 7;
    static constexpr int32_t GOALIE = 8;
    static constexpr int32_t KICK_OFF = 9;
    static constexpr int32_t EXTRA_TIME = 10;
    static constexpr int32_t HALF_EXTRA_TIME = 11;
    static constexpr int32_t FULL_EXTRA_TIME = 12;
    static constexpr int32_t FREE_KICK = 13;
    static constexpr int32_t PENALTY = 14;

    int32_t timer = 0;
    int32_t length = 0;
    int32_t period = 0;
    int32_t event = 0;
    int32_t coin_toss = 0;
    int32_t kick_off_team = 0;
};

class t_grass {
public:
    int grass_type = 0;
    int col1 = 0;
    int col2 = 0;
    int col3 = 0;
    int sha1 = 0;
    int sha2 = 0;
    int u_gr = 0;
    int u_ln = 0;
    double friction = 0;
    double bounce = 0;
};

class t_wind {
public:
    int speed = 0;
    int dir = 0;
};

class t_stats {
public:
    int32_t goal = 0;
    int32_t poss = 0;
    int32_t shot = 0;
    int32_t cent = 0;
    int32_t corn = 0;
    int32_t foul = 0;
    int32_t yell = 0;
    int32_t reds = 0;
    int32_t tackles = 0;
    // Balls a player won back within a moment of losing them to a tackle.
    int32_t quick_retakes = 0;
    // Kicks: passes and those a team-mate controlled, shots aimed at goal and those between the posts.
    int32_t passes = 0;
    int32_t passes_completed = 0;
    int32_t shots = 0;
    int32_t shots_on_target = 0;
    int32_t headers = 0;
    int32_t penalties = 0;
};

class t_goal {
public:
    std::shared_ptr<t_player> player;
    int32_t mnt = 0;
    int32_t typ = 0;
    t_goal_kind kind = t_goal_kind::open_play;
    // Scored from a corner, free kick, penalty or throw-in before the defenders controlled the ball.
    bool set_piece = false;
};

class t_function_key {
public:
    int32_t pause = 0;
    int32_t record_action = 0;
    int32_t sound_fx_up = 0;
    int32_t sound_fx_down = 0;
    int32_t commentary = 0;
    int32_t crowd_chants = 0;
    int32_t auto_replay = 0;
    // Escape: held in the previous update, and the wall-clock ms of the press that asked to end the match.
    int32_t escape = 0;
    long escape_asked = NO_ESCAPE_ASKED;
    static constexpr long NO_ESCAPE_ASKED = -1;
};

class t_bench_status {
public:
    int32_t team = 0;
    int32_t target_x = 0;
    int32_t target_y = 0;
    int32_t old_target_x = 0;
    int32_t old_target_y = 0;
    int32_t selected_pos = 0;
    int32_t for_subs = 0;
};

class t_coach : public t_sprite {
public:
    void draw(int f) const override;
    // Gestures: counts the timer down and picks the frame for the status.
    void update();

    int fmx = 0;
    int fmy = 0;
    int status = 0;
    int timer = 0;
};

class t_flagpost : public t_sprite {
public:
    void draw(int f) const override;
};

class t_crowd {
public:
    int x = 0;
    int y = 0;
    int typ = 0;
    int rank = 0;
};

using t_player_ref = std::shared_ptr<t_player>;

// [team index][shirt slot]; slot 0 is unused, 1 is the goalkeeper, 1..11 play, 12.. sit on the bench.
extern std::array<std::vector<t_player_ref>, 2> match_players;
extern t_match_status match_status;
extern t_grass grass;
extern t_wind wind;
extern std::array<t_stats, 2> match_stats;
extern std::vector<t_goal> goals;
extern t_function_key function_keys;
extern t_bench_status bench_status;
extern std::array<t_coach, 2> coaches;
extern int bench_side;
extern std::vector<t_sprite*> sprites;
extern std::array<int32_t, REPLAY_FRAMES> replay_camera_x;
extern std::array<int32_t, REPLAY_FRAMES> replay_camera_y;
extern std::array<std::array<t_image_ref, PITCH_TILE_ROWS>, PITCH_TILE_ROWS> pitch_tiles;
// The goal frame and net of the top goal and the four corner flags, depth-sorted with the players.
extern std::array<t_sprite, 2> top_goal;
extern std::array<t_flagpost, 4> flagposts;
extern std::vector<t_crowd> crowd;
extern int crowd_level;
// Save colours of every goalkeeper frame (read by the keeper's collision test).
extern t_pixmap_ref keeper_cd;
// Alt+D in open play.
extern bool match_debug;
// Last shirt slot of a squad in this match: 11 + match_settings.bench_size, at most the squad.
int last_slot(int team);
