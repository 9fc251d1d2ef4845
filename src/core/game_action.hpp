#pragma once
// Screen actions (new screen, fades, hold and restore) and the queue that carries them out.
#include <cstdint>
#include <deque>
#include <memory>
#include <string>

// Action kinds.
constexpr int ACTION_NEW_SCREEN = 1;
constexpr int ACTION_FADE_IN = 2;
constexpr int ACTION_FADE_OUT = 3;
constexpr int ACTION_HOLD_AND_OPEN = 6;
constexpr int ACTION_RESTORE_HELD = 7;
constexpr int FADE_FRAMES = 31;

class t_game_action {
public:
    void set_type(int32_t typ_, int32_t mode_) {
        typ = typ_;
        mode = mode_;
    }
    void update() {
        if (timer > 0) --timer;
    }
    std::string to_string() const;

    int32_t typ = 0;
    int32_t mode = 0;
    int32_t timer = 0;
};

using t_game_action_ref = std::shared_ptr<t_game_action>;

// Screens change only through this queue; the game carries out one action at a time.
class t_game_action_queue {
public:
    void push(int32_t typ, int32_t mode);
    t_game_action_ref pop();
    bool empty() const { return actions_.empty(); }
    size_t size() const { return actions_.size(); }
    std::string to_string() const;

private:
    std::deque<t_game_action_ref> actions_;
};
