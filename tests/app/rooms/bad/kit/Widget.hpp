#pragma once
// A kit file that reaches up into the table: the rooms check must refuse it.
#include "table/TableScreen.hpp"
#include "theme/Palette.hpp"
