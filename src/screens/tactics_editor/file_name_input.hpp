#pragma once
// The entry field of a tactics file name.
#include "ui/input_button.hpp"

// An input button that takes only what a tactics file name may hold.
class t_file_name_input : public t_input_button {
public:
    void update() override;
};
