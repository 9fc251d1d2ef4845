#pragma once
// A team's kit: style and colours.

// One strip of a team; colours are rows of the kit colour table (0..22).
class t_kit {
public:
    int style = 0; // pattern 0..20
    int shirt1 = 0;
    int shirt2 = 0;
    int shorts = 0;
    int socks = 0;
};
