#pragma once
// The 5 x 7 ball-zone grid: a zone from a ball position, mirrored zones and neighbours.

// The ball's zone on the 5 x 7 tactics grid; (0, 0) is the centre zone.
constexpr double ZONE_WIDTH = 206.0;
constexpr double ZONE_HEIGHT = 184.0;
constexpr int CENTRE_ZONE = 17;

int zone_column(double x);
int zone_row(double y);
// Zone index 0..34 of a column -2..2 and row -3..3.
int zone_index(int zone_x, int zone_y);
// The same zone seen by the side attacking the other way.
int mirrored_zone_index(int zone_x, int zone_y);
// Position inside the zone, -0.5..0.5.
double zone_offset(double coordinate, double zone_size);
// The zone the ball is heading to when travelling at angle degrees.
int next_zone_column(int zone_x, double angle);
int next_zone_row(int zone_y, double angle);
