#include "display/model/colours.h"

#include "platform/text.h"

namespace bingo {

std::string rgbHex(Rgb colour) { return formatText("#%02x%02x%02x", colour.r, colour.g, colour.b); }

}  // namespace bingo
