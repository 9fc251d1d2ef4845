#pragma once
// The menu background pictures, loaded once and looked up by file name.
#include <map>
#include <string>
#include <vector>

#include "platform/image.hpp"

// The menu background pictures, loaded once at start-up.
class t_backgrounds {
public:
    t_backgrounds(); // loads all eleven from "images/backgrounds"
    // Fatal "Background <name> is not available" for a name not loaded.
    t_image_ref get(const std::string& name) const;

    std::map<std::string, t_image_ref> map;
    std::vector<std::string> filenames;
};
