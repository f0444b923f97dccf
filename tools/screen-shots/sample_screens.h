#pragma once
// Screen models in known states, filled the way the console's update fills
// them: captions of one language, the values of a frame record, the boards.

#include <cstdint>

#include "display/model/screen_model.h"

namespace bingo {

// A console that has read a record with all fields zero: every numeric label
// empty except the price "  0", the banner waiting for the line, the first
// memo line, the ticket panel hidden.
void fillZeroRecord(ScreenModel& model, std::uint8_t Jezik);

// A game in progress: 38 balls drawn, a line won on a bought ticket whose
// complete row blinks, a ticket one ball from bingo, the win box shown.
void fillLiveGame(ScreenModel& model, std::uint8_t Jezik, bool BlinkPhase);

}  // namespace bingo
