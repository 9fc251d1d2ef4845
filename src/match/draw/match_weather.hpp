#pragma once
// Rain, snow and fog drawn over the match.

// Rain, snow or fog over the pitch at recorded sub-step f (drawing origin already on the pitch).
void draw_weather(int f);
