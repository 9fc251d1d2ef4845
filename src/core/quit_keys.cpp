#include "core/quit_keys.hpp"

bool quit_keys_pressed() {
    const bool f1_hit = key_hit(KEY_F1) > 0;
    return f1_hit && key_down(KEY_LEFT_ALT);
}
