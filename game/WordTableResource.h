#pragma once
// Reads the word table from the executable's own resources (RT_RCDATA 1008).

#include "game/WordTable.h"

namespace MyGame {

// The table's lines; empty when the resource is missing or empty.
WordTable LoadWordTable();

}  // namespace MyGame
