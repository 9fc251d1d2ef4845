#pragma once
// The key chord that ends the game from any screen.
#include "platform/input.hpp"

// True when F1 went down since the last call while left Alt is held. Called once a frame, it also
// lets go of an F1 press made without Alt, so that Alt alone later on never quits.
bool quit_keys_pressed();
