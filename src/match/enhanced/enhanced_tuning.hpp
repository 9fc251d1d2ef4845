#pragma once
// The tuning values of the ENHANCED rules, in one place.

// Tackles.
constexpr double KNOCK_MIN_DISTANCE = 10;     // units ahead of the tackler the ball is knocked, at least
constexpr double KNOCK_MAX_DISTANCE = 15;     // and at most
constexpr double KNOCK_SPEED_SHARE = 0.7;     // share of the tackler's speed the loose ball carries on
constexpr int TACKLED_RECOVERY_MS = 400;      // the player who lost the ball cannot touch it for this long
constexpr double CHALLENGE_REACH = 9;         // from the carrier, a tackle from the side or behind reaches the ball
constexpr double BEHIND_ANGLE = 112.5;        // degrees off the carrier's way to the ball that count as behind him
constexpr double SIDE_CHANCE = 0.35;          // a challenge from the side wins the ball, at equal skills
constexpr double BEHIND_CHANCE = 0.15;        // one from behind, at equal skills
constexpr int CHALLENGE_RETRY_MS = 400;       // a tackler who failed tries again after this long
constexpr int SKILL_TOP = 7;                  // the highest tackling or ball-control skill

// Curl.
constexpr double CURL_TURN = 3.0;             // degrees per sub-step for spin 1 at speed 1, falling with the speed
constexpr double CURL_SLOWEST = 60;           // below this speed the ball turns no faster
constexpr double CURL_GRASS_GRIP = 0.995;     // spin kept each sub-step while the ball rolls on the grass
