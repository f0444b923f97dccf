#pragma once
// Language captions by number; the display layer's caption table implements it,
// so the ticket texts can be built below the display layer.

#include <string>

namespace bingo {

class CaptionSource {
 public:
  virtual ~CaptionSource() = default;
  // Caption k in the current language; empty for a number the table does not hold.
  virtual std::string JezikText(unsigned k) const = 0;
};

}  // namespace bingo
