#include "football/match_record.hpp"

std::string t_match::to_string() const {
    std::string s;
    if (teams[0] && teams[1]) s += "team " + teams[0]->name + " vs team " + teams[1]->name;
    if (result) s += " RESULT: " + std::to_string((*result)[0]) + ":" + std::to_string((*result)[1]);
    return s + " STATUS: " + status;
}
