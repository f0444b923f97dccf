#pragma once
// The About box: product name and version, the operating system and the
// machine's physical memory, for a service technician.

#include <QDialog>

#include "platform/system_info.h"

namespace bingo {

class TFormAbout : public QDialog {
 public:
  explicit TFormAbout(const SystemInfo& info, QWidget* parent = nullptr);
};

// Creates the About box, shows it modally and destroys it when it closes.
void About_Show(const SystemInfo& info, QWidget* parent = nullptr);

}  // namespace bingo
