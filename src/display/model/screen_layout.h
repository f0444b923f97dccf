#pragma once
// The console screen as data: every panel, label, static text, edit, memo and
// win box of the main window with its parent, rectangle, font, colours,
// border, hint and fixed text. The widgets are built from this table and the
// screen model keeps one state per row.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "display/model/colours.h"

namespace bingo {

inline constexpr const char* kProductName = "Kvarola";
// Top-level panels are children of the main window's client area.
inline constexpr const char* kClientArea = "TFormClient";

enum class ControlKind : std::uint8_t { Panel, Label, StaticText, Edit, Memo, CheckBox, Browser };

// "Makedonska Helvetika" (the YUSCII title font), "MS Sans Serif" (the
// window's font) and Arial.
enum class FontFace : std::uint8_t { Yuscii, SansSerif, Arial };

enum class Edge : std::uint8_t {
  None,
  Board,          // raised inner and lowered outer bevel and a single border: every board panel
  SingleSoft,     // single border, soft bevel: the two win boxes
  Sunken,         // sunken border
  SunkenSoft,     // sunken border, soft bevel: the line/bingo banner
  SunkenLowered,  // sunken border, lowered inner bevel: the last ball
  RaisedLowered,  // raised inner and lowered outer bevel: the wait counts
};

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  constexpr bool operator==(const Rect&) const = default;
};

struct Look {
  ControlKind kind = ControlKind::Label;
  FontFace face = FontFace::SansSerif;
  int px = 11;  // character height in pixels
  bool bold = false;
  Rgb fg = kBlack;
  Rgb bg = kBtnFace;
  Edge edge = Edge::None;
  bool centred = true;
};

struct ControlSpec {
  const char* name = "";
  const char* parent = kClientArea;
  Rect rect;
  Look look;
  const char* text = "";  // fixed text, or the design-time text the update overwrites
  int caption = -1;       // caption number of the language table, -1 for none
  const char* hint = "";
  bool visible = true;
  int maxLength = 0;  // edits only

  constexpr ControlSpec withText(const char* t) const {
    ControlSpec s = *this;
    s.text = t;
    return s;
  }
  constexpr ControlSpec withCaption(int k) const {
    ControlSpec s = *this;
    s.caption = k;
    return s;
  }
  constexpr ControlSpec withHint(const char* h) const {
    ControlSpec s = *this;
    s.hint = h;
    return s;
  }
  constexpr ControlSpec hidden() const {
    ControlSpec s = *this;
    s.visible = false;
    return s;
  }
  constexpr ControlSpec withMaxLength(int n) const {
    ControlSpec s = *this;
    s.maxLength = n;
    return s;
  }
};

// Every control of the client area, parents before their children.
std::span<const ControlSpec> screenLayout();
// The row of that name; nullptr for a name the layout does not hold.
const ControlSpec* findControl(std::string_view name);

// Where the control stands once the window is built: the number board sizes
// its panel to its cells, every other control keeps the table's rectangle.
Rect builtRect(const ControlSpec& entry);

// Only the controls of the number board, the four boards on the left and the
// last-ball panel (the panels and their fields) and the two edits show their
// hints as tooltips; every hint goes to the status bar.
bool showsHintAsTooltip(const ControlSpec& entry);

// The main window: client area 1024 x 730 at 96 dots per inch; its outer size
// (border and caption included, 8 x 46 more than the client area on the
// console's Windows) kept between 600 x 450 and 1032 x 776.
struct WindowSize {
  int width = 0;
  int height = 0;
  constexpr bool operator==(const WindowSize&) const = default;
};
inline constexpr WindowSize kClientSize{1024, 730};
inline constexpr WindowSize kMinOuterSize{600, 450};
inline constexpr WindowSize kMaxOuterSize{1032, 776};
inline constexpr WindowSize kWindowFrameExtra{8, 46};
inline constexpr int kDefaultFontPx = 11;  // "MS Sans Serif"

// The window covers the screen, within the size constraints.
WindowSize mainWindowSize(WindowSize screen);
// The product name in capitals, a space and "2015".
std::string mainWindowCaption();

// Status bar: 13 fixed-width panels, all centred except panel 0 (the hint line).
inline constexpr std::size_t kStatusPanelCount = 13;
inline constexpr std::array<int, kStatusPanelCount> kStatusPanelWidths{210, 30, 30,  55, 55, 35, 65,
                                                                       90,  25, 120, 25, 30, 150};
inline constexpr Rect kStatusBarRect{0, 711, 1024, 19};

}  // namespace bingo
