#pragma once
// The match camera: following the ball, moving to a target and replaying recorded positions.

// The camera space is the pitch picture, of which this much can be seen.
constexpr int CAMERA_PICTURE_W = 1700;
constexpr int CAMERA_PICTURE_H = 1800;
constexpr double CAMERA_PULL = 0.0208333;
constexpr double CAMERA_DRAG = 0.9895833;
constexpr double CAMERA_CATCH_UP = 0.0052083;
constexpr double CAMERA_DEAD_ZONE = 10;
constexpr int CAMERA_LOOK_AHEAD_DIVISOR = 20;
constexpr int CAMERA_LIMIT_NARROWER_THAN = 1600;

// Camera modes of updatex / updatey.
constexpr int CAMERA_REPLAY = 0;
constexpr int CAMERA_FOLLOW_BALL = 1;
constexpr int CAMERA_TO_TARGET = 2;

class t_camera {
public:
    virtual ~t_camera() = default;
    // New x (picture pixel at the screen's left edge).
    virtual double updatex(int mode, int speed, double target, int limit);
    // New y (picture pixel at the screen's top edge).
    virtual double updatey(int mode, int speed, double target);

    double x = 0;
    double y = 0;
    double vx = 0;
    double vy = 0;
    int offx = 0;
    int offy = 0;
};

extern t_camera camera;
