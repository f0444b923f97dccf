#include "app/camera_view.h"

#include <QLabel>
#include <QVBoxLayout>

#if defined(BINGO_HAVE_WEBENGINE)
#include <QWebEngineView>
#endif

namespace bingo {

CameraView::CameraView(QWidget* parent) : QWidget(parent) {
  setObjectName("WebBrowser_Camera");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  QWidget::setVisible(false);
}

void CameraView::ensureView() {
  if (m_view) return;
#if defined(BINGO_HAVE_WEBENGINE)
  auto* view = new QWebEngineView(this);
  if (m_url.isValid()) view->load(m_url);
  m_view = view;
#else
  auto* label = new QLabel(QStringLiteral("Kamera nije dostupna u ovoj verziji programa"), this);
  label->setAlignment(Qt::AlignCenter);
  label->setWordWrap(true);
  m_view = label;
#endif
  layout()->addWidget(m_view);
}

void CameraView::navigate(const QUrl& url) {
  m_url = url;
#if defined(BINGO_HAVE_WEBENGINE)
  if (auto* view = qobject_cast<QWebEngineView*>(m_view)) view->load(url);
#endif
}

void CameraView::setVisible(bool visible) {
  if (visible) {
    ensureView();
    raise();
  }
  QWidget::setVisible(visible);
}

}  // namespace bingo
