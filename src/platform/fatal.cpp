#include "platform/fatal.hpp"

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace {
t_fatal_hook fatal_hook = nullptr;
}

void set_fatal_hook(t_fatal_hook hook) { fatal_hook = hook; }

void runtime_error(const std::string& message) {
    std::cout.flush();
    std::fprintf(stderr, "%s\n", message.c_str());
    std::fflush(stderr);
    if (fatal_hook != nullptr) {
        const t_fatal_hook hook = fatal_hook;
        fatal_hook = nullptr; // a failure inside the hook must not recurse
        hook(message);
    }
    std::_Exit(1);
}

void print_line(const std::string& text) {
    std::cout << text << '\n';
    std::cout.flush();
}
