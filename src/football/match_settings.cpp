#include "football/match_settings.hpp"

t_match_settings match_settings;
