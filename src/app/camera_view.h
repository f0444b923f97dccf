#pragma once
// The camera browser. The web view is made the first time it must be shown,
// so a console that never shows the camera never starts the browser engine.

#include <QString>
#include <QUrl>
#include <QWidget>

class QWebEngineView;

namespace bingo {

class CameraView : public QWidget {
 public:
  explicit CameraView(QWidget* parent);
  void navigate(const QUrl& url);  // remembered until the view exists
  const QUrl& address() const { return m_url; }
  // Showing the camera makes the web view the first time.
  void setVisible(bool visible) override;

 private:
  void ensureView();

  QWebEngineView* m_view = nullptr;
  QUrl m_url;
};

}  // namespace bingo
