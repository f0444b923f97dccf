#pragma once
// The whole screen model as one JSON object, for technicians and the
// end-to-end tests (BINGO_SCREEN_DUMP): every text as the screen shows it
// (UTF-8), every colour as "#rrggbb".

#include <cstdint>
#include <string>

#include "display/model/screen_model.h"

namespace bingo {

// Keys: "TimerCount"; "controls" (by name: text, visible, fg, bg, parent,
// rect [left, top, width, height] relative to the parent); "MemoINFO"
// {lines, bg}; "StatusBar" (13 texts); "CifarskaBtn" (balls 1..90: text, fg,
// bg); "TiketNo" (6: text, bg); "TiketBtn" (6 x 3 x 9: text, fg, bg); "menus"
// (by menu or action name: enabled, visible, checked).
std::string screenDumpJson(const ScreenModel& model, std::int32_t TimerCount);

// A JSON string literal of UTF-8 text, quotes included.
std::string jsonString(std::string_view utf8);

}  // namespace bingo
