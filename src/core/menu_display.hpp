#pragma once
// Opening the display the menus run on, with the fonts and pointer they draw with.

constexpr int MENU_DISPLAY_W = 1024;
constexpr int MENU_DISPLAY_H = 768;

// Opens the 1024 x 768 display (full screen when the settings ask for it) and loads the menu fonts and
// pointer; fatal when the display cannot be opened. At start-up, and when a match gives the display back.
void open_menu_display();
