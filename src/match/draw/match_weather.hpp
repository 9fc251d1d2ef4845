#pragma once

// Rain, snow or fog over the pitch at recorded sub-step f (drawing origin already on the pitch).
void draw_weather(int f);
