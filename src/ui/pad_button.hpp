#pragma once
// A button that shows and takes the pad button of fire 1 or fire 2 of one joystick port.
#include "ui/button.hpp"

class t_pad_button : public t_button {
public:
    void set_pad(int port_, int fire_);
    // Starts or stops waiting for a pad button.
    void toggle_capture();
    void update() override;
    std::string get_text() override;
    bool takes_keys() const override { return capturing != 0; }

    int port = 0;
    int fire = 1;
    int capturing = 0;

private:
    // The button that started the capture is let go before a new one counts.
    bool wait_release_ = false;
};
