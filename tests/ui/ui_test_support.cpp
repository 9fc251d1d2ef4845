#include "ui_test_support.hpp"

#include <cstdio>
#include <fstream>

#include <unistd.h>

namespace {
long script_frame = 0;

void run_script_line(const std::string& line) {
    const std::string path = "/tmp/quilbo_ui_test_" + std::to_string(::getpid()) + ".script";
    ++script_frame;
    {
        std::ofstream out(path);
        out << script_frame << " " << line << "\n";
    }
    load_input_script(path);
    apply_script_events(script_frame);
    std::remove(path.c_str());
}
} // namespace

void set_joystick(int port, float x, float y) {
    run_script_line("joyaxis " + std::to_string(port) + " " + std::to_string(x) + " " + std::to_string(y));
}

void set_joystick_button(int port, int button, bool down) {
    run_script_line(std::string(down ? "joydown " : "joyup ") + std::to_string(port) + " " + std::to_string(button));
}
