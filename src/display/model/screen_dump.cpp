#include "display/model/screen_dump.h"

#include "display/model/text_encoding.h"
#include "platform/text.h"

namespace bingo {

namespace {

const char* jsonBool(bool value) { return value ? "true" : "false"; }

std::string colour(Rgb value) { return jsonString(rgbHex(value)); }

// Board and ticket cells are drawn in the window's font, never in the YUSCII one.
std::string cellText(const ScreenModel& model, const std::string& text) {
  return jsonString(displayText(text, false, model.Jezik()));
}

void appendCell(std::string& out, const ScreenModel& model, const CellState& cell) {
  out += "{\"text\":" + cellText(model, cell.text) + ",\"fg\":" + colour(cell.fg) +
         ",\"bg\":" + colour(cell.bg) + "}";
}

void appendControls(std::string& out, const ScreenModel& model) {
  out += "\"controls\":{";
  const std::span<const ControlSpec> layout = screenLayout();
  for (std::size_t i = 0; i < layout.size(); ++i) {
    const ControlSpec& entry = layout[i];
    const ControlState& state = model.control(i);
    std::string text = state.text;
    if (entry.look.kind == ControlKind::Memo) {
      text.clear();
      for (const std::string& line : model.memoLines()) text += (text.empty() ? "" : "\n") + line;
    }
    const bool yuscii = entry.look.face == FontFace::Yuscii;
    const Rect rect = builtRect(entry);
    if (i != 0) out += ',';
    out += jsonString(entry.name) + ":{\"text\":" + jsonString(displayText(text, yuscii, model.Jezik())) +
           ",\"visible\":" + jsonBool(state.visible) + ",\"fg\":" + colour(state.fg) +
           ",\"bg\":" + colour(entry.look.kind == ControlKind::Memo ? model.memoBackground() : state.bg) +
           ",\"parent\":" + jsonString(entry.parent) +
           formatText(",\"rect\":[%d,%d,%d,%d]}", rect.left, rect.top, rect.width, rect.height);
  }
  // The status bar is a control of the window too; its panels' texts follow under "StatusBar".
  out += ",\"StatusBar\":{\"text\":\"\",\"visible\":true,\"fg\":" + colour(kBlack) +
         ",\"bg\":" + colour(kBtnFace) + ",\"parent\":" + jsonString(kClientArea) +
         formatText(",\"rect\":[%d,%d,%d,%d]}", kStatusBarRect.left, kStatusBarRect.top, kStatusBarRect.width,
                    kStatusBarRect.height);
  out += '}';
}

void appendMemo(std::string& out, const ScreenModel& model) {
  out += "\"MemoINFO\":{\"lines\":[";
  bool first = true;
  for (const std::string& line : model.memoLines()) {
    if (!first) out += ',';
    first = false;
    out += jsonString(displayText(line, true, model.Jezik()));
  }
  out += "],\"bg\":" + colour(model.memoBackground()) + "}";
}

void appendStatusBar(std::string& out, const ScreenModel& model) {
  out += "\"StatusBar\":[";
  for (std::size_t panel = 0; panel < kStatusPanelCount; ++panel) {
    if (panel != 0) out += ',';
    out += cellText(model, model.statusPanel(panel));
  }
  out += ']';
}

void appendBoard(std::string& out, const ScreenModel& model) {
  out += "\"CifarskaBtn\":[";
  for (int ball = 1; ball <= kBallCount; ++ball) {
    if (ball != 1) out += ',';
    appendCell(out, model, model.boardCell(ball));
  }
  out += ']';
}

void appendTickets(std::string& out, const ScreenModel& model) {
  out += "\"TiketNo\":[";
  for (int slot = 1; slot <= kTicketSlots; ++slot) {
    const CellState& header = model.ticketHeader(slot);
    if (slot != 1) out += ',';
    out += "{\"text\":" + cellText(model, header.text) + ",\"bg\":" + colour(header.bg) + "}";
  }
  out += "],\"TiketBtn\":[";
  for (int slot = 1; slot <= kTicketSlots; ++slot) {
    out += slot != 1 ? ",[" : "[";
    for (int row = 1; row <= kTicketRows; ++row) {
      out += row != 1 ? ",[" : "[";
      for (int column = 1; column <= kTicketColumns; ++column) {
        if (column != 1) out += ',';
        appendCell(out, model, model.ticketCell(slot, row, column));
      }
      out += ']';
    }
    out += ']';
  }
  out += ']';
}

void appendMenus(std::string& out, const ScreenModel& model) {
  out += "\"menus\":{";
  for (std::size_t i = 0; i < model.menuCount(); ++i) {
    const MenuState& state = model.menu(i);
    if (i != 0) out += ',';
    out += jsonString(model.menuName(i)) + ":{\"enabled\":" + jsonBool(state.enabled) +
           ",\"visible\":" + jsonBool(state.visible) + ",\"checked\":" + jsonBool(state.checked) + "}";
  }
  out += '}';
}

}  // namespace

std::string jsonString(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size() + 2);
  out += '"';
  for (char c : utf8) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20)
          out += formatText("\\u%04x", static_cast<unsigned>(static_cast<unsigned char>(c)));
        else
          out += c;
    }
  }
  out += '"';
  return out;
}

std::string screenDumpJson(const ScreenModel& model, std::int32_t TimerCount) {
  std::string out;
  out.reserve(64 * 1024);
  out += formatText("{\"TimerCount\":%d,", TimerCount);
  appendControls(out, model);
  out += ',';
  appendMemo(out, model);
  out += ',';
  appendStatusBar(out, model);
  out += ',';
  appendBoard(out, model);
  out += ',';
  appendTickets(out, model);
  out += ',';
  appendMenus(out, model);
  out += "}\n";
  return out;
}

}  // namespace bingo
