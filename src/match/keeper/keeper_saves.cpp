#include "match/keeper/keeper_saves.hpp"

#include "match/core/match_state.hpp"
#include "match/players/player_refs.hpp"

namespace {
constexpr double SLIDE_DRAG = 0.8958333;
} // namespace

void KeeperSaveState::bind(t_player& p, const std::string& state_name, t_keeper_frames pictures) {
    set_player(p);
    set_name(state_name);
    frames = std::move(pictures);
    active = frames.front();
}

void KeeperSaveState::entry_actions() {
    timer = 0;
    player->speed = player->speed_running;
    active = frames.front();
}

void KeeperSaveState::do_actions() {
    t_player& p = *player;
    ++timer;
    const bool holds = ball.owner.get() == player;
    if ((!holds || tests_held_ball()) && p.keeper_collision() == 1) ball.set_owner(shared_player(p));
    phase();
    const auto o = static_cast<size_t>(keeper_orientation(static_cast<float>(p.a), static_cast<float>(p.y)));
    p.fmx = active.fmx[o];
    p.fmy = active.fmy;
    p.hold_ball(active.offx[o], active.offz);
}

State* KeeperSaveState::check_conditions() {
    return timer >= end_time() ? player->state_positioning.get() : nullptr;
}

void KeeperSaveState::show(size_t index) { active = frames.at(index); }

void KeeperSaveState::slow_down() {
    show(frames.size() - 1);
    player->v *= SLIDE_DRAG;
}

int KeeperSaveState::skill() const { return player->skill_keeper; }

void KeeperStateDivingLowSingle::init(t_player& p) { bind(p, "state_diving_low_single", frames_diving_low_single()); }

void KeeperStateDivingLowSingle::phase() {
    t_player& p = *player;
    if (timer < 24) {
        p.v = 120;
        show(0);
    } else if (timer < 192) {
        p.v = 100 + 20 * p.thrust_x;
        show(1);
    } else if (timer < 288) {
        p.v = 100 + 20 * p.thrust_x;
        show(2);
    } else {
        slow_down();
    }
}

void KeeperStateDivingLowDouble::init(t_player& p) { bind(p, "state_diving_low_double", frames_diving_low_double()); }

void KeeperStateDivingLowDouble::phase() {
    t_player& p = *player;
    if (timer < 48) {
        p.v = 10;
        show(0);
    } else if (timer < 240) {
        p.v = 20 + (skill() + 140) * p.thrust_x;
        show(1);
    } else if (timer < 264) {
        p.v = 20;
        show(2);
    } else {
        slow_down();
    }
}

void KeeperStateDivingMiddleOne::init(t_player& p) { bind(p, "state_diving_middle_one", frames_diving_middle_one()); }

void KeeperStateDivingMiddleOne::phase() {
    t_player& p = *player;
    if (timer < 48) {
        p.v = 20;
        show(0);
    } else if (timer < 96) {
        p.v = 120 * p.thrust_x;
        show(1);
    } else if (timer < 360) {
        p.v = (skill() + 163) * p.thrust_x;
        show(2);
    } else if (timer < 432) {
        p.v = 40 * p.thrust_x;
        show(3);
    } else if (timer < 480) {
        p.v = 40 * p.thrust_x;
        show(4);
    } else {
        slow_down();
    }
}

void KeeperStateDivingMiddleTwo::init(t_player& p) { bind(p, "state_diving_middle_two", frames_diving_middle_two()); }

void KeeperStateDivingMiddleTwo::phase() {
    t_player& p = *player;
    if (timer < 24) {
        p.v = 40 * p.thrust_x;
        show(0);
    } else if (timer < 48) {
        p.v = 40 * p.thrust_x;
        p.vz = 70 + 30 * p.thrust_z;
        show(1);
    } else if (timer < 240) {
        p.v = (skill() + 128) * p.thrust_x;
        show(2);
    } else if (timer < 336) {
        p.v = 50 * p.thrust_x;
        show(3);
    } else if (timer < 384) {
        p.v = 20 * p.thrust_x;
        show(4);
    } else if (timer < 432) {
        p.v = 20 * p.thrust_x;
        show(5);
    } else {
        slow_down();
    }
}

void KeeperStateDivingHighOne::init(t_player& p) { bind(p, "state_diving_high_one", frames_diving_high_one()); }

void KeeperStateDivingHighOne::phase() {
    t_player& p = *player;
    if (timer < 24) {
        p.v = 10;
        show(0);
    } else if (timer < 96) {
        p.v = 80 * p.thrust_x;
        show(1);
    } else if (timer < 336) {
        p.v = (skill() + 163) * p.thrust_x;
        p.vz = (skill() + 13) + 10 * p.thrust_z;
        show(2);
    } else if (timer < 528) {
        p.v = (skill() + 50) * p.thrust_x;
        show(3);
    } else if (timer < 648) {
        p.v = 20;
        show(4);
    } else {
        slow_down();
    }
}

void KeeperStateCatchingHigh::init(t_player& p) { bind(p, "state_catching_high", frames_catching_high()); }

void KeeperStateCatchingHigh::phase() {
    t_player& p = *player;
    if (timer < 24) {
        p.v = 0;
        show(0);
    } else if (timer < 96) {
        p.vz = 35;
        show(1);
    } else if (timer < 288) {
        p.vz = 30;
        show(2);
    } else if (timer < 432) {
        show(ball.owner.get() == player ? 2 : 3);
    }
}
