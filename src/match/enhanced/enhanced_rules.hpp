#pragma once
// The ENHANCED gameplay: its answers where the two gameplays differ.
#include "match/core/match_rules.hpp"

const t_match_rules& enhanced_rules();
