#pragma once

// The music fade every screen frame performs (level towards the target, then the player's own frame work).
void menu_music_frame();
