#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "player_open_play_sim.hpp"

using namespace player_test;

// A figure, not a check: run with --gtest_also_run_disabled_tests.
TEST(PlayerBenchmark, DISABLED_PlayerAndKeeperStepsPerUpdate) {
    open_play_sim sim(11);
    std::vector<double> player_us;
    std::vector<double> update_us;
    for (int u = 0; u < 20000; ++u) {
        const auto t0 = std::chrono::steady_clock::now();
        sim.update();
        update_us.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count());
        player_us.push_back(std::chrono::duration<double, std::micro>(sim.player_time).count());
    }
    const auto median = [](std::vector<double> v) {
        std::nth_element(v.begin(), v.begin() + static_cast<long>(v.size() / 2), v.end());
        return v[v.size() / 2];
    };
    const auto p99 = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() * 99 / 100];
    };
    std::cout << "players+keepers per update: median " << median(player_us) << " us, 99% " << p99(player_us)
              << " us; whole simulated update (with ball): median " << median(update_us) << " us\n";
}
