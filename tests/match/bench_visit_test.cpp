// A bench visit from the outside: the camera pans there and back, the coach gestures, and
// nothing of the visit reaches the replay recording.
#include <gtest/gtest.h>

#include "core/screen_modes.hpp"
#include "match/bench/bench_enter.hpp"
#include "match/bench/bench_exit.hpp"
#include "match/bench/bench_lineup.hpp"
#include "match/bench/bench_panel.hpp"
#include "match/bench/bench_substitutions.hpp"
#include "bench_test_support.hpp"

using namespace bench_test;

TEST(BenchVisit, CameraReachesTheBenchWithin10BeforeTheFirstPanelAndTheCoachStandsUp) {
    set_up_bench();
    replay_frame = 200;
    camera.x = 300;
    camera.y = 600;
    replay_camera_x[200] = 300;
    replay_camera_y[200] = 600;
    team_at(0).controlled = ref(0, 7);
    inputs[0].fire21 = 1;
    t_match_bench_enter enter;
    EXPECT_EQ(bench_status.old_target_x, 300 + 512 - 846);
    EXPECT_EQ(bench_status.old_target_y, 600 + 384 - 918);
    EXPECT_FALSE(team_at(0).controlled);
    EXPECT_EQ(inputs[0].fire21, 0);
    ASSERT_GT(view_distance_to(bench_status.target_x, bench_status.target_y), 100);
    coaches[0].status = COACH_POINTING;
    coaches[0].timer = 5;
    int updates = 0;
    while (action_queue->empty() && updates < 2000) {
        EXPECT_EQ(coaches[0].timer, 5) << "no gestures on the way";
        step(enter);
        ++updates;
    }
    EXPECT_EQ(drain(), std::vector{new_screen(MODE_MATCH_BENCH_SUBSTITUTIONS)});
    EXPECT_LT(view_distance_to(bench_status.target_x, bench_status.target_y), BENCH_REACHED);
    EXPECT_EQ(coaches[0].status, COACH_STANDING);
    EXPECT_EQ(coaches[0].x, -538);
    EXPECT_EQ(replay_frame, 200);
}

TEST(BenchVisit, EscapeOnTheWayGoesStraightBack) {
    set_up_bench();
    input_key_event(KEY_ESCAPE, true);
    t_match_bench_enter enter;
    step(enter, 3);
    EXPECT_TRUE(drain().empty()) << "an Escape held from before does not count";
    input_key_event(KEY_ESCAPE, false);
    step(enter);
    input_key_event(KEY_ESCAPE, true);
    step(enter);
    input_key_event(KEY_ESCAPE, false);
    EXPECT_EQ(drain(), std::vector{new_screen(MODE_MATCH_BENCH_EXIT)});
}

TEST(BenchVisit, ExitSeatsTheCoachAndResumesOnlyWithin1OfTheOldView) {
    set_up_bench();
    bench_status.old_target_x = 0;
    bench_status.old_target_y = 300;
    camera_at_bench();
    coaches[0].status = COACH_WAVING;
    coaches[0].timer = 100;
    coaches[0].x = -538;
    t_match_bench_exit out;
    EXPECT_EQ(coaches[0].status, COACH_SEATED);
    EXPECT_EQ(coaches[0].x, -546);
    int updates = 0;
    while (action_queue->empty() && updates < 3000) {
        ASSERT_GE(view_distance_to(0, 300), VIEW_RESTORED) << "resumed too early";
        step(out);
        ++updates;
    }
    const std::vector<t_queued> restore{{ACTION_RESTORE_HELD, 0}};
    EXPECT_EQ(drain(), restore);
    EXPECT_LT(view_distance_to(0, 300), VIEW_RESTORED);
    EXPECT_EQ(coaches[0].status, COACH_SEATED) << "the gesture that ran out does not stand him up";
}

TEST(BenchVisit, WholeVisitOverwritesOnlyTheCurrentRecordedSubStep) {
    set_up_bench();
    replay_frame = 3071;
    ball.data[0].x = 777; // the next slot of the ring, as the held phase left it
    ball.data[3070].x = 555;
    ball.set_position(40, 50, 0);
    {
        t_match_bench_enter enter;
        run_until_queued(enter, 2000);
        drain();
    }
    {
        t_match_bench_substitutions subs;
        move_cursor(subs, 1);
        step(subs, 20);
    }
    {
        t_match_bench_exit out;
        run_until_queued(out, 3000);
        drain();
    }
    EXPECT_EQ(replay_frame, 3071);
    EXPECT_EQ(ball.data[0].x, 777);
    EXPECT_EQ(ball.data[3070].x, 555);
    EXPECT_EQ(ball.data[3071].x, static_cast<float>(std::round(ball.x))) << "the current slot shows the live ball";
    EXPECT_EQ(replay_camera_x[3071], static_cast<int32_t>(camera.x));
}

TEST(BenchCoach, GesturesShowTheirFramesAndEndInStanding) {
    coaches = {};
    t_coach& c = coaches[0];
    c.status = COACH_POINTING;
    c.timer = 3;
    c.update();
    EXPECT_EQ(c.fmx, 3);
    c.update();
    c.update();
    EXPECT_EQ(c.status, COACH_STANDING);
    EXPECT_EQ(c.fmx, 0);
    c.update();
    EXPECT_EQ(c.status, COACH_STANDING) << "standing is no gesture: it does not run out";

    use_virtual_clock(true);
    advance_virtual_clock(200 - millisecs() % 200); // start of a 200 ms beat
    c.status = COACH_WAVING_BOTH;
    c.timer = WAVING_SUB_STEPS;
    c.update();
    const int first = c.fmx;
    advance_virtual_clock(199);
    c.update();
    EXPECT_EQ(c.fmx, first);
    advance_virtual_clock(1);
    c.update();
    EXPECT_EQ(c.fmx + first, 9) << "frames 4 and 5 alternate every 200 ms";
    c.status = COACH_WAVING;
    c.update();
    EXPECT_TRUE(c.fmx == 1 || c.fmx == 2);
    EXPECT_EQ(c.fmy, 0);
}

TEST(BenchPanel, PulseSweepsFrom08To02AndBackEvery600Ms) {
    EXPECT_DOUBLE_EQ(pulse_weight(0), 0.8);
    EXPECT_DOUBLE_EQ(pulse_weight(300), 0.2);
    EXPECT_DOUBLE_EQ(pulse_weight(150), 0.5);
    EXPECT_DOUBLE_EQ(pulse_weight(600), 0.8);
    EXPECT_DOUBLE_EQ(pulse_weight(-300), 0.2) << "the clock's sign does not matter";
    EXPECT_EQ(mix_colour(ROW_GREY, PULSE_BLUE_LIGHT, 0.5), 0x32328C) << "channels truncated";
    EXPECT_EQ(pulse_colour(ROW_BLACK, PULSE_YELLOW, 300), 0x33330A);
    EXPECT_EQ(mix_colour(MARKED_GREEN, MARKED_GREEN, 0.7), MARKED_GREEN);
}

TEST(BenchPanel, RowNamesUseTheInitialOfTheFirstName) {
    t_player p;
    p.name = "Ana";
    p.surname = "Ruiz";
    EXPECT_EQ(bench_name(p), "A. Ruiz");
    p.name = "\xC3\x89lia"; // a first name that starts with a two-byte letter
    EXPECT_EQ(bench_name(p), "\xC3\x89. Ruiz");
    p.name.clear();
    EXPECT_EQ(bench_name(p), "Ruiz");
    p.name = "Pelo";
    p.surname.clear();
    EXPECT_EQ(bench_name(p), "Pelo");
}
