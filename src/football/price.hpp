#pragma once
// The price table of players.
#include <array>
#include <string>

// What a price index is shown as, and its star rating.
class t_price {
public:
    std::string figure;
    int stars = 0;
};

constexpr int PRICE_COUNT = 50;
extern const std::array<t_price, PRICE_COUNT> price_table;
