#include "ui/menu.hpp"

t_menu menu;
