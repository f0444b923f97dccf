#include "app/camera_view.h"

#include <QVBoxLayout>
#include <QWebEngineView>

namespace bingo {

CameraView::CameraView(QWidget* parent) : QWidget(parent) {
  setObjectName("WebBrowser_Camera");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  QWidget::setVisible(false);
}

void CameraView::ensureView() {
  if (m_view) return;
  m_view = new QWebEngineView(this);
  if (m_url.isValid()) m_view->load(m_url);
  layout()->addWidget(m_view);
}

void CameraView::navigate(const QUrl& url) {
  m_url = url;
  if (m_view) m_view->load(url);
}

void CameraView::setVisible(bool visible) {
  if (visible) {
    ensureView();
    raise();
  }
  QWidget::setVisible(visible);
}

}  // namespace bingo
