#pragma once
// The goalkeeper's save states: dives, catches and parries.
#include "match/keeper/keeper_frames.hpp"
#include "match/core/state_machine.hpp"

// A timed save: phases of speeds and pictures, then back to positioning.
class KeeperSaveState : public PlayerState {
public:
    KeeperFrame active;
    t_keeper_frames frames;

    void entry_actions() override;
    void do_actions() override;
    State* check_conditions() override;

protected:
    void bind(t_player& p, const std::string& state_name, t_keeper_frames pictures);
    // Sets the speeds of the current timer and picks the frame in force.
    virtual void phase() = 0;
    virtual int end_time() const = 0;
    // A high catch tests the ball even while he holds it.
    virtual bool tests_held_ball() const { return false; }
    void show(size_t index);
    // After the last phase the keeper slides to a halt on his last picture.
    void slow_down();
    int skill() const;
};

class KeeperStateDivingLowSingle : public KeeperSaveState {
public:
    void init(t_player& p);

protected:
    void phase() override;
    int end_time() const override { return 480; }
};

class KeeperStateDivingLowDouble : public KeeperSaveState {
public:
    void init(t_player& p);

protected:
    void phase() override;
    int end_time() const override { return 360; }
};

class KeeperStateDivingMiddleOne : public KeeperSaveState {
public:
    void init(t_player& p);

protected:
    void phase() override;
    int end_time() const override { return 576; }
};

class KeeperStateDivingMiddleTwo : public KeeperSaveState {
public:
    void init(t_player& p);

protected:
    void phase() override;
    int end_time() const override { return 528; }
};

class KeeperStateDivingHighOne : public KeeperSaveState {
public:
    void init(t_player& p);

protected:
    void phase() override;
    int end_time() const override { return 744; }
};

class KeeperStateCatchingHigh : public KeeperSaveState {
public:
    void init(t_player& p);

protected:
    void phase() override;
    int end_time() const override { return 480; }
    bool tests_held_ball() const override { return true; }
};
