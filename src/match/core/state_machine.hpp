#pragma once
// The players' finite state machine: states, their actions and the machine that switches them.
#include <memory>
#include <string>
#include <vector>

// One behaviour of a finite state machine. `timer` counts do_actions calls
// since the state was entered (states that care reset it on entry).
class State {
public:
    State() = default;
    State(const State&) = delete;
    State& operator=(const State&) = delete;
    virtual ~State() = default;

    int timer = 0;
    std::string name;

    virtual void set_name(const std::string& new_name) { name = new_name; }
    virtual void do_actions() { ++timer; }
    // The state to switch to, or none to stay.
    virtual State* check_conditions() { return nullptr; }
    virtual void entry_actions() {}
    virtual void exit_actions() {}
    virtual int check_name(const std::string& wanted) const { return wanted == name ? 1 : 0; }
    // Prints "name:timer" for debugging; returns nothing printable itself.
    std::string ToString() const;
};

class t_player;

// A state bound to the player it steers. The player owns his brain, so the
// state only points back at him.
class PlayerState : public State {
public:
    t_player* player = nullptr;
    virtual void set_player(t_player& p) { player = &p; }
};

// The only state of outfield players; nothing but its timer moves.
class PlayerStateStandRun : public PlayerState {
public:
    void init(t_player& p) {
        set_player(p);
        set_name("state_stand_run");
    }
};

class StateMachine {
public:
    StateMachine() = default;
    StateMachine(const StateMachine&) = delete;
    StateMachine& operator=(const StateMachine&) = delete;

    std::vector<std::shared_ptr<State>> states;
    State* active_state = nullptr;

    void add_state(std::shared_ptr<State> state) { states.push_back(std::move(state)); }
    void think();
    // An empty name stops the machine; an unknown one keeps the old state
    // (after its exit_actions) and prints a warning.
    void set_state(const std::string& wanted);
    bool in_state(const std::string& wanted) const { return active_state && active_state->check_name(wanted); }
};
