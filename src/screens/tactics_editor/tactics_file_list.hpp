#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/game_mode.hpp"
#include "ui/button.hpp"

// The ".TAC" files of "tactics/" as buttons calling `method` (registered as `name`) with the file's name,
// each with its "TACT" label.
std::vector<std::shared_ptr<t_button>> add_tactics_file_list(t_game_mode& screen, const std::string& name,
                                                             const std::function<void(const std::string&)>& method);
