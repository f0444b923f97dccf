#pragma once
// The decoded game state as one JSON object, every decoder under its own name.

#include <string>

#include "frame/frame.h"

namespace bingo {

std::string frameJson(Frame& frame, bool changed);

}  // namespace bingo
