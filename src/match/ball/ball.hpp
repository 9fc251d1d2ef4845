#pragma once
// The ball: position, flight, bounces, walls, goal frame and its predicted path.
#include <array>
#include <memory>

#include "football/tactics.hpp"
#include "platform/maths.hpp"
#include "match/draw/sprite.hpp"
#include "match/core/play_events.hpp"
#include "match/enhanced/control_hold.hpp"
#include "match/enhanced/tackle_memory.hpp"

class t_player;

// Stadium: the walls are not symmetric.
constexpr double WALL_LEFT_X = -565;
constexpr double WALL_RIGHT_X = 572;
constexpr double WALL_TOP_Y = -700;
constexpr double WALL_BOTTOM_Y = 698;
// Goal frame.
constexpr double POST_X = 71;
constexpr double POST_LINE_Y = 641;
constexpr double CROSSBAR_LINE_Y = 640;
constexpr double CROSSBAR_Z = 33;
constexpr double POST_TOP_REACH = 6;
constexpr double CROSSBAR_REACH = 5;
constexpr double POST_REACH = 5;
constexpr double POST_HEIGHT = 35;
constexpr double CROSSBAR_HALF_WIDTH = 73;
// Net: back profile (1.6 d)^2 + z^2 = 33^2, side nets at |x| = 71.
constexpr double NET_DEPTH_SCALE = 1.6;
constexpr double NET_RADIUS = 33;
// Corner flags (on the corners of the pitch) and the jumpers behind each goal.
constexpr double FLAG_RADIUS = 5;
constexpr double FLAG_HEIGHT = 21;
constexpr double JUMPER_X = 92;
constexpr double JUMPER_Y = 684;
constexpr double JUMPER_RADIUS = 5;
constexpr double JUMPER_HEIGHT = 42;
// Motion.
constexpr double BALL_SUB_STEPS_PER_SECOND = 480;
constexpr double SPIN_BEND = 0.038;
constexpr double WIND_PUSH = 0.025;
constexpr double GRAVITY_PER_SUB_STEP = 0.8125;
constexpr double DEAD_BOUNCE_VZ = -70;
constexpr double BOUNCE_ROLL_LOSS = 0.35;
constexpr double ROLL_PHASE_DIVISOR = 2500;
constexpr int PREDICTION_FRAMES = 80;
constexpr int PREDICTION_SUB_STEPS = 12;

// A predicted ball position (whole units) for one future match update.
class t_vec3d {
public:
    int x = 0;
    int y = 0;
    int z = 0;
};

class t_ball : public t_sprite {
public:
    t_ball();

    void draw(int frame_index) const override;
    int get_y(int frame_index) const override;

    // Places the ball at rest (direction kept).
    virtual void set_position(double px, double py, double pz);
    // One simulation sub-step.
    virtual void update();
    virtual void update_physics();
    // One sub-step along the course, the spin skewing the path sideways.
    void move_skewed(double step);
    // Eighty updates ahead, walls and players ignored.
    virtual void update_prediction();
    virtual void in_field_keep();
    // 1 when post or bar was hit.
    virtual int collision_goal();
    virtual void update_zone();
    virtual void collision_flagposts();
    virtual void collision_net();
    virtual void collision_net_out();
    virtual void collision_jumpers();
    virtual void set_owner(const std::shared_ptr<t_player>& player);
    virtual void save(int frame_index);

    // Shadows the integer position of t_sprite: the ball's logic uses these.
    double x = 0;
    double y = 0;
    double z = 0;
    double zmax = 0;
    double x0 = 0;
    double y0 = 0;
    double z0 = 0;
    double v = 0;
    double vz = 0;
    double a = 0;
    double s = 0;
    double f = 0;
    t_vec2d side;
    std::array<t_vec3d, PREDICTION_FRAMES> prediction{};
    // Trigonometry of the course and of the wind, kept between sub-steps.
    t_trig_memo course_trig;
    t_trig_memo wind_trig;
    t_recording data;
    int zone_x = 0;
    int zone_y = 0;
    double mx = 0;
    double my = 0;
    int zone_x_next = 0;
    int zone_y_next = 0;
    std::shared_ptr<t_player> owner;
    std::shared_ptr<t_player> owner_last;
    // The match clock when the owner took the ball: the computer looks up before it plays it on.
    int32_t owned_at = 0;
    // The player who last lost the ball to a tackle, and the match clock then:
    // he needs a moment before he can tackle back.
    const t_player* tackled = nullptr;
    int32_t tackled_at = 0;
    // Who lost the ball lately and who tried to win it (ENHANCED tackles).
    t_tackle_memory tackle_memory;
    // Whom each human side steers and since when (ENHANCED auto switch).
    std::array<t_control_hold, 2> control_holds{};
    t_shape_stamp shape_stamp;
    // The last kick and the restart it came from, for the statistics.
    t_play_events events;

private:
    // Flag and jumper rebound: reflects the path about the line from (cx, cy) and steps back.
    void reflect_off(double cx, double cy);
    // No sounds while the prediction runs the physics ahead.
    bool silent_ = false;
};

extern t_ball ball;
