#include "display/widgets/console_screen.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextLayout>
#include <cmath>

#include "display/model/number_board.h"
#include "display/model/ticket_panel.h"
#include "display/widgets/board_panel.h"
#include "display/widgets/qt_look.h"
#include "display/widgets/screen_label.h"

namespace bingo {

namespace {

QRect toQRect(Rect r) { return QRect(r.left, r.top, r.width, r.height); }

void applyEdge(QFrame& frame, Edge edge) {
  switch (edge) {
    case Edge::None:
    case Edge::Board:
      frame.setFrameStyle(QFrame::NoFrame);
      break;
    case Edge::SingleSoft:
      frame.setFrameStyle(QFrame::Box | QFrame::Plain);
      break;
    case Edge::Sunken:
    case Edge::SunkenSoft:
      frame.setFrameStyle(QFrame::Panel | QFrame::Sunken);
      break;
    case Edge::SunkenLowered:
      frame.setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
      break;
    case Edge::RaisedLowered:
      frame.setFrameStyle(QFrame::Panel | QFrame::Raised);
      break;
  }
  frame.setLineWidth(1);
}

QLabel* makeLabel(QWidget* parent, const ControlSpec& entry) {
  auto* label = new ScreenLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setAutoFillBackground(true);
  label->setAlignment((entry.look.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
  // A static text wraps its words, as the win boxes show their long texts.
  const QFontMetrics metrics(screenFont(entry.look.face, entry.look.px, entry.look.bold));
  label->setWordWrap(entry.look.kind == ControlKind::StaticText && entry.rect.height >= 2 * metrics.height());
  applyEdge(*label, entry.look.edge);
  return label;
}

QWidget* makeWidget(const ControlSpec& entry, QWidget* parent) {
  switch (entry.look.kind) {
    case ControlKind::Panel:
      return new BoardPanel(parent);
    case ControlKind::Label:
    case ControlKind::StaticText:
      return makeLabel(parent, entry);
    case ControlKind::Edit: {
      auto* edit = new QLineEdit(parent);
      edit->setMaxLength(entry.maxLength);
      return edit;
    }
    case ControlKind::Memo: {
      auto* memo = new QTextEdit(parent);
      memo->setReadOnly(true);
      memo->setFocusPolicy(Qt::ClickFocus);  // not a tab stop
      memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      memo->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      memo->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
      memo->document()->setDocumentMargin(1);
      return memo;
    }
    case ControlKind::CheckBox:
      return new QCheckBox(parent);
    case ControlKind::Browser:
      return new QWidget(parent);
  }
  return new QWidget(parent);
}

// The two palette roles a kind of control draws its text and background with.
std::pair<QPalette::ColorRole, QPalette::ColorRole> colourRoles(ControlKind kind) {
  if (kind == ControlKind::Edit || kind == ControlKind::Memo) return {QPalette::Text, QPalette::Base};
  return {QPalette::WindowText, QPalette::Window};
}

// A two-part hint "short|long": the status bar shows the long part, a tooltip the short one.
void applyHint(QWidget& widget, const ControlSpec& entry) {
  const QString hint = QString::fromLatin1(entry.hint);
  if (hint.isEmpty()) return;
  widget.setStatusTip(hint.section(QLatin1Char('|'), -1));
  if (showsHintAsTooltip(entry)) widget.setToolTip(hint.section(QLatin1Char('|'), 0, 0));
}

// The memo has no scroll bars and keeps its newest line in view. Like the
// memo it copies, it scrolls by whole lines: the top line is shown whole, and
// the space left below the newest line stays empty.
void scrollToNewestLine(QTextEdit& memo) {
  QTextDocument& document = *memo.document();
  QAbstractTextDocumentLayout& layout = *document.documentLayout();
  const QTextBlock last = document.lastBlock();
  const qreal newestBottom = layout.blockBoundingRect(last).bottom();
  const qreal wantedTop = newestBottom - memo.viewport()->height();
  qreal top = 0;
  for (QTextBlock block = document.begin(); wantedTop > 0 && block.isValid(); block = block.next()) {
    const qreal blockTop = layout.blockBoundingRect(block).top();
    const QTextLayout& lines = *block.layout();
    for (int i = 0; i < lines.lineCount() && top < wantedTop; ++i) top = blockTop + lines.lineAt(i).y();
    if (top >= wantedTop) break;
  }
  // Room below the newest line, so that the top can reach a line's edge.
  QTextFrameFormat frame = document.rootFrame()->frameFormat();
  if (frame.bottomMargin() < memo.viewport()->height()) {
    frame.setBottomMargin(memo.viewport()->height());
    document.rootFrame()->setFrameFormat(frame);
  }
  memo.verticalScrollBar()->setValue(static_cast<int>(std::ceil(top)));
}

QLabel* makeCell(QWidget* parent, const QString& name, Rect rect, int fontPx, QFrame::Shape shape) {
  auto* cell = new ScreenLabel(parent);
  cell->setObjectName(name);
  cell->setTextFormat(Qt::PlainText);
  cell->setAutoFillBackground(true);
  cell->setAlignment(Qt::AlignCenter);
  cell->setFrameStyle(shape | (shape == QFrame::Box ? QFrame::Plain : QFrame::Sunken));
  cell->setLineWidth(1);
  cell->setFont(screenFont(FontFace::SansSerif, fontPx, true));
  cell->setGeometry(toQRect(rect));
  return cell;
}

}  // namespace

ConsoleScreen::ConsoleScreen(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ClientArea"));
  setFont(screenFont(FontFace::SansSerif, kDefaultFontPx, false));
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, toQColor(kBtnFace));
  setPalette(palette);
  buildControls();
}

void ConsoleScreen::buildControls() {
  const std::span<const ControlSpec> layout = screenLayout();
  m_controls.reserve(layout.size());
  for (const ControlSpec& entry : layout) {
    QWidget* parent = std::string_view(entry.parent) == kClientArea ? this : control(entry.parent);
    QWidget* widget = makeWidget(entry, parent);
    widget->setObjectName(QString::fromLatin1(entry.name));
    widget->setGeometry(toQRect(builtRect(entry)));
    widget->setFont(screenFont(entry.look.face, entry.look.px, entry.look.bold));
    const auto [fgRole, bgRole] = colourRoles(entry.look.kind);
    setWidgetColours(*widget, fgRole, entry.look.fg, bgRole, entry.look.bg);
    applyHint(*widget, entry);
    if (!entry.visible) widget->hide();
    m_controls.push_back(widget);
  }
  buildNumberBoard(*control("PanelTablaCifarska"));
  buildTicketPanel(*control("PanelTK"));
}

void ConsoleScreen::buildNumberBoard(QWidget& panel) {
  for (int ball = 1; ball <= kBallCount; ++ball)
    m_boardCells[static_cast<std::size_t>(ball - 1)] =
        makeCell(&panel, QStringLiteral("CifarskaBtn[%1]").arg(ball), numberBoardCellRect(ball),
                 kBoardCellFontPx, QFrame::Panel);
}

void ConsoleScreen::buildTicketPanel(QWidget& panel) {
  std::size_t at = 0;
  for (int slot = 1; slot <= kTicketSlots; ++slot) {
    m_ticketHeaders[static_cast<std::size_t>(slot - 1)] = makeCell(
        &panel, QStringLiteral("TiketNo[%1]").arg(slot), ticketHeaderRect(slot), kTicketFontPx, QFrame::Box);
    for (int row = 1; row <= kTicketRows; ++row)
      for (int column = 1; column <= kTicketColumns; ++column)
        m_ticketCells[at++] =
            makeCell(&panel, QStringLiteral("TiketBtn[%1][%2][%3]").arg(slot).arg(row).arg(column),
                     ticketCellRect(slot, row, column), kTicketFontPx, QFrame::Panel);
  }
}

bool ConsoleScreen::adopt(std::string_view name, QWidget* widget) {
  const ControlSpec* entry = findControl(name);
  if (entry == nullptr || entry->look.kind != ControlKind::Browser || widget == nullptr) return false;
  const std::size_t index = static_cast<std::size_t>(entry - screenLayout().data());
  QWidget* old = m_controls[index];
  widget->setParent(old->parentWidget());
  widget->setObjectName(QString::fromLatin1(entry->name));
  widget->setGeometry(old->geometry());
  widget->setVisible(!old->isHidden());
  m_controls[index] = widget;
  delete old;
  return true;
}

QWidget* ConsoleScreen::control(std::string_view name) const {
  const ControlSpec* entry = findControl(name);
  if (entry == nullptr) return nullptr;
  const auto index = static_cast<std::size_t>(entry - screenLayout().data());
  return index < m_controls.size() ? m_controls[index] : nullptr;
}

void ConsoleScreen::draw(const ScreenModel& model) {
  const bool everything = &model != m_drawnModel;
  if (!everything && model.revision() == m_drawnRevision) return;
  const std::uint64_t drawn = m_drawnRevision;
  const auto changed = [everything, drawn](std::uint64_t revision) { return everything || revision > drawn; };
  const std::uint8_t jezik = model.Jezik();

  for (std::size_t i = 0; i < m_controls.size(); ++i)
    if (changed(model.control(i).revision)) drawControl(i, model.control(i), jezik);
  if (changed(model.memoRevision())) drawMemo(model);
  for (std::size_t panel = 0; panel < kStatusPanelCount; ++panel) {
    QLabel* label = m_statusPanels[panel];
    if (label == nullptr || !changed(model.statusRevision(panel))) continue;
    label->setText(screenText(model.statusPanel(panel), FontFace::SansSerif, jezik));
    ++m_touches;
  }
  for (int ball = 1; ball <= kBallCount; ++ball)
    if (changed(model.boardCell(ball).revision))
      drawCell(*m_boardCells[static_cast<std::size_t>(ball - 1)], model.boardCell(ball), jezik);
  std::size_t at = 0;
  for (int slot = 1; slot <= kTicketSlots; ++slot) {
    if (changed(model.ticketHeader(slot).revision))
      drawCell(*m_ticketHeaders[static_cast<std::size_t>(slot - 1)], model.ticketHeader(slot), jezik);
    for (int row = 1; row <= kTicketRows; ++row)
      for (int column = 1; column <= kTicketColumns; ++column, ++at)
        if (changed(model.ticketCell(slot, row, column).revision))
          drawCell(*m_ticketCells[at], model.ticketCell(slot, row, column), jezik);
  }
  for (std::size_t i = 0; i < m_menuActions.size() && i < model.menuCount(); ++i) {
    const MenuState& state = model.menu(i);
    if (!changed(state.revision)) continue;
    QAction& action = *m_menuActions[i];
    if (action.isEnabled() != state.enabled) {
      action.setEnabled(state.enabled);
      ++m_touches;
    }
    if (action.isVisible() != state.visible) {
      action.setVisible(state.visible);
      ++m_touches;
    }
    if (action.isCheckable() && action.isChecked() != state.checked) {
      action.setChecked(state.checked);
      ++m_touches;
    }
  }

  m_drawnModel = &model;
  m_drawnRevision = model.revision();
}

void ConsoleScreen::drawControl(std::size_t index, const ControlState& state, std::uint8_t jezik) {
  const ControlSpec& entry = screenLayout()[index];
  QWidget& widget = *m_controls[index];
  const QString text = screenText(state.text, entry.look.face, jezik);
  switch (entry.look.kind) {
    case ControlKind::Label:
    case ControlKind::StaticText: {
      auto& label = static_cast<QLabel&>(widget);
      if (label.text() != text) {
        label.setText(text);
        ++m_touches;
      }
      break;
    }
    case ControlKind::Edit: {
      // The operator types here; only a text the model really changed replaces it.
      auto& edit = static_cast<QLineEdit&>(widget);
      if (edit.text() != text) {
        edit.setText(text);
        ++m_touches;
      }
      break;
    }
    case ControlKind::CheckBox: {
      auto& box = static_cast<QCheckBox&>(widget);
      if (box.text() != text) {
        box.setText(text);
        ++m_touches;
      }
      break;
    }
    case ControlKind::Panel:
    case ControlKind::Memo:
    case ControlKind::Browser:
      break;
  }
  if (entry.look.kind != ControlKind::Browser && entry.look.kind != ControlKind::Memo) {
    const auto [fgRole, bgRole] = colourRoles(entry.look.kind);
    if (setWidgetColours(widget, fgRole, state.fg, bgRole, state.bg)) ++m_touches;
  }
  if (widget.isHidden() == state.visible) {
    widget.setVisible(state.visible);
    ++m_touches;
  }
}

void ConsoleScreen::drawMemo(const ScreenModel& model) {
  const ControlSpec* entry = findControl("MemoINFO");
  auto& memo = static_cast<QTextEdit&>(*control("MemoINFO"));
  QStringList lines;
  for (const std::string& line : model.memoLines())
    lines.append(screenText(line, entry->look.face, model.Jezik()));
  const QString text = lines.join(QLatin1Char('\n'));
  if (memo.toPlainText() != text) {
    memo.setPlainText(text);
    scrollToNewestLine(memo);
    ++m_touches;
  }
  const ControlState& state = model.control("MemoINFO");
  if (setWidgetColours(memo, QPalette::Text, state.fg, QPalette::Base, model.memoBackground())) ++m_touches;
  if (memo.isHidden() == state.visible) {
    memo.setVisible(state.visible);
    ++m_touches;
  }
}

void ConsoleScreen::drawCell(QLabel& label, const CellState& cell, std::uint8_t jezik) {
  const QString text = screenText(cell.text, FontFace::SansSerif, jezik);
  if (label.text() != text) {
    label.setText(text);
    ++m_touches;
  }
  if (setWidgetColours(label, QPalette::WindowText, cell.fg, QPalette::Window, cell.bg)) ++m_touches;
}

}  // namespace bingo
