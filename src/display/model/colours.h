#pragma once
// Colours of the console screen as red, green, blue triples: the toolkit's
// named colours the layout uses, and the cell colours of the number board and
// the six-ticket panel.

#include <cstdint>
#include <string>

namespace bingo {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  constexpr bool operator==(const Rgb&) const = default;
};

// "#rrggbb", lower case.
std::string rgbHex(Rgb colour);

// The toolkit's named colours (the system colours as a Windows 7 console shows them).
inline constexpr Rgb kBtnFace{240, 240, 240};
inline constexpr Rgb k3DLight{227, 227, 227};
inline constexpr Rgb kGray{128, 128, 128};
inline constexpr Rgb kMedGray{160, 160, 164};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kGreen{0, 128, 0};
inline constexpr Rgb kOlive{128, 128, 0};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kBlue{0, 0, 255};

// Cells of the number board and the ticket panel.
namespace cell {
inline constexpr Rgb kGrey{160, 160, 164};
inline constexpr Rgb kDarkRed{176, 48, 48};
inline constexpr Rgb kRed{224, 48, 48};
inline constexpr Rgb kBrightRed{240, 48, 48};
inline constexpr Rgb kPink{240, 16, 144};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kWhite{241, 240, 240};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kNearBlack{32, 32, 32};
inline constexpr Rgb kDarkGrey{48, 48, 48};
}  // namespace cell

}  // namespace bingo
