#pragma once
// The bench panels read the bench team's own controller once per update.

class t_bench_controls {
public:
    // A key or stick already held when a panel opens does not act on it.
    explicit t_bench_controls(int team);

    // History shift and device read of the team's controller, and the Escape key.
    void read();

    // Cursor step when the stick was pushed up or down last update and is centred now, else 0.
    int vertical_release() const;
    // Fire 1 held last update, let go now.
    bool fire1_released() const;
    // Stick pushed sideways this update after being centred.
    bool sideways_pressed() const;
    // Escape went down this update.
    bool escape_pressed() const { return escape_now_ && !escape_before_; }
    // The panel's way back: a sideways push or Escape.
    bool back() const { return sideways_pressed() || escape_pressed(); }

private:
    int team_;
    bool escape_before_;
    bool escape_now_;
};

// Escape tested on its own, for the screens that do not read the controller.
class t_escape_key {
public:
    t_escape_key();
    // True on the update Escape goes down.
    bool pressed();

private:
    bool before_;
};
