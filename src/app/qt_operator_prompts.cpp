#include "app/qt_operator_prompts.h"

#include <QInputDialog>
#include <QMessageBox>

#include "display/model/text_encoding.h"

namespace bingo {

namespace {

// The boxes use the system font, not the YUSCII title font: texts are shown
// as Windows-1250.
QString boxText(const std::string& bytes) { return QString::fromStdString(cp1250ToUtf8(bytes)); }

}  // namespace

std::optional<std::string> QtOperatorPrompts::inputText(const std::string& title, const std::string& prompt,
                                                        const std::string& defaultText) {
  bool ok = false;
  const QString answer = QInputDialog::getText(nullptr, boxText(title), boxText(prompt), QLineEdit::Normal,
                                               boxText(defaultText), &ok);
  if (!ok) return std::nullopt;
  return answer.toLatin1().toStdString();
}

void QtOperatorPrompts::errorBox(const std::string& title, const std::string& text) {
  QMessageBox box(QMessageBox::Critical, title.empty() ? QStringLiteral("Error") : boxText(title),
                  boxText(text), QMessageBox::Ok);
  box.exec();
}

bool QtOperatorPrompts::askYesNo(const std::string& title, const std::string& text) {
  QMessageBox box(QMessageBox::Question, boxText(title), boxText(text), QMessageBox::Yes | QMessageBox::No);
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

void QtOperatorPrompts::infoBox(const std::string& title, const std::string& text) {
  QMessageBox box(QMessageBox::Information, boxText(title), boxText(text), QMessageBox::Ok);
  box.exec();
}

}  // namespace bingo
