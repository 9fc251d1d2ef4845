#pragma once
// Diagnostic lines and fatal errors.
#include <string>

// Stops the program: the message goes to standard error and, when a display
// is open, to a message box. Exit status 1.
[[noreturn]] void runtime_error(const std::string& message);

// Diagnostics only.
void print_line(const std::string& text);

// The graphics layer registers a hook so fatal errors can show a message box
// without this file depending on the window system.
using t_fatal_hook = void (*)(const std::string& message);
void set_fatal_hook(t_fatal_hook hook);
