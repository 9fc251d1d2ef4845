#include <gtest/gtest.h>

#include "core/globals.hpp"
#include "match/ball/ball.hpp"
#include "match/draw/camera.hpp"
#include "match/core/match_state.hpp"

namespace {
class CameraFollow : public ::testing::Test {
protected:
    void SetUp() override {
        screen_w = 1024;
        screen_h = 768;
        camera = t_camera{};
        ball = t_ball();
    }
    void TearDown() override { ball = t_ball(); }
};

TEST_F(CameraFollow, StaysWithinTheTouchlineMarginOn1024) {
    for (double bx : {-560.0, 560.0}) {
        ball.set_position(bx, 0, 0);
        for (int k = 0; k < 20000; ++k) {
            const double x = camera.updatex(CAMERA_FOLLOW_BALL, 3, 0, 1);
            ASSERT_GE(x, 208);
            ASSERT_LE(x, 460);
        }
    }
    EXPECT_EQ(camera.updatex(CAMERA_FOLLOW_BALL, 0, 0, 1), 460);
    // Without the limit the whole picture width is allowed.
    for (int k = 0; k < 20000; ++k) camera.updatex(CAMERA_TO_TARGET, 3, 2000, 0);
    EXPECT_EQ(camera.x, 1700 - 1024);
}

// 1920 is wider than the stadium picture: the picture stays centred however the ball runs.
TEST_F(CameraFollow, ADisplayWiderThanThePictureKeepsItCentred) {
    screen_w = 1920;
    screen_h = 1080;
    for (double bx : {-560.0, 560.0}) {
        ball.set_position(bx, 0, 0);
        for (int k = 0; k < 2000; ++k) ASSERT_EQ(camera.updatex(CAMERA_FOLLOW_BALL, 3, 0, 1), -110);
        for (int k = 0; k < 2000; ++k) ASSERT_EQ(camera.updatex(CAMERA_TO_TARGET, 3, bx, 0), -110);
    }
    screen_w = 1680; // narrower than the picture: it scrolls as before
    for (int k = 0; k < 20000; ++k) camera.updatex(CAMERA_TO_TARGET, 3, 2000, 0);
    EXPECT_EQ(camera.x, 1700 - 1680);
}

TEST_F(CameraFollow, VerticalRangeIsThePicture) {
    ball.set_position(0, 700, 0);
    for (int k = 0; k < 20000; ++k) ASSERT_LE(camera.updatey(CAMERA_FOLLOW_BALL, 3, 0), 1800 - 768);
    EXPECT_EQ(camera.y, 1800 - 768);
    ball.set_position(0, -700, 0);
    for (int k = 0; k < 20000; ++k) ASSERT_GE(camera.updatey(CAMERA_FOLLOW_BALL, 3, 0), 0);
    EXPECT_EQ(camera.y, 0);
}

TEST_F(CameraFollow, LooksAheadAlongTheBallsPath) {
    ball.v = 200;
    ball.a = 270;
    camera.x = 300;
    camera.y = 500;
    camera.updatex(CAMERA_FOLLOW_BALL, 0, 0, 1);
    camera.updatey(CAMERA_FOLLOW_BALL, 0, 0);
    EXPECT_EQ(camera.offx, 0);
    EXPECT_EQ(camera.offy, -38);
}

TEST_F(CameraFollow, CentresOnATargetAndIgnoresSmallGaps) {
    camera.x = 846 - 512 + 9; // the ball at the centre spot is 9 left of the screen centre
    const double before = camera.x;
    camera.updatex(CAMERA_FOLLOW_BALL, 0, 0, 1);
    EXPECT_EQ(camera.x, before);
    camera.x = 300;
    for (int k = 0; k < 5000; ++k) camera.updatex(CAMERA_TO_TARGET, 1, 0, 1);
    EXPECT_NEAR(camera.x, 846 - 512, 1);
}

TEST_F(CameraFollow, ReplayModeReturnsThePreviousRecordedPosition) {
    replay_frame = 0;
    replay_camera_x[REPLAY_FRAMES - 1] = 321;
    replay_camera_y[REPLAY_FRAMES - 1] = 654;
    camera.x = 5;
    EXPECT_EQ(camera.updatex(CAMERA_REPLAY, 0, 0, 1), 321);
    EXPECT_EQ(camera.updatey(CAMERA_REPLAY, 0, 0), 654);
    EXPECT_EQ(camera.x, 5);
}
} // namespace
