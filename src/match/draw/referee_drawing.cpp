// The referee's picture: drawn, like every match sprite, from what was recorded.
#include "match/enhanced/referee.hpp"

void t_referee::draw(int) const {}
