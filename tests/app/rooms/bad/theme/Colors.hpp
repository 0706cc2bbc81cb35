#pragma once
// The theme depends on no other room.
#include "theme/Palette.hpp"
