#pragma once
// A game object without a window, sound or pacing, and the process-wide switches put back after it.
#include <memory>

#include "core/game.hpp"
#include "core/globals.hpp"
#include "core/settings.hpp"
#include "platform/graphics.hpp"
#include "platform/sound.hpp"
#include "platform/timer.hpp"

namespace game_test {
// The game object sets process-wide switches; the suites that run after these in the same process need them back.
class t_headless_game {
public:
    explicit t_headless_game(const t_game_options& o) : saved_(settings) {
        action_queue = std::make_unique<t_game_action_queue>();
        app = std::make_unique<t_game>(o);
    }
    ~t_headless_game() {
        app.reset();
        settings = saved_;
        set_sound_disabled(false);
        set_headless_graphics(false);
        set_unpaced(false);
        set_timers_unpaced(false);
        use_virtual_clock(false);
    }
    t_headless_game(const t_headless_game&) = delete;
    t_headless_game& operator=(const t_headless_game&) = delete;
    std::unique_ptr<t_game> app;

private:
    t_settings saved_;
};

inline t_game_options headless_options() {
    t_game_options o;
    o.headless = o.no_sound = o.unpaced = o.seeded = true;
    return o;
}
} // namespace game_test
