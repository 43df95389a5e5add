#include "zentrok/HintWindowW.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

#include "zentrok/LanguageW.h"
#include "zentrok/TatAlphabet.h"

namespace zentrok {

namespace {

const char* const kHintProperty = "HintW";

constexpr int kTextFlags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;

// Shows the hints of all widgets through one hint window.
class THintFilter : public QObject {
public:
  explicit THintFilter(THintWindowW* window) : QObject(window), FWindow(window) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::ToolTip: {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || !widget->property(kHintProperty).isValid()) return false;
        auto* help = static_cast<QHelpEvent*>(event);
        FWindow->ActivateHint(help->globalPos() + QPoint(0, 20), HintW(widget));
        return true;
      }
      case QEvent::Leave:
      case QEvent::MouseButtonPress:
      case QEvent::KeyPress:
        if (FWindow->isVisible()) FWindow->ReleaseHint();
        return false;
      default:
        return false;
    }
  }

private:
  THintWindowW* FWindow;
};

}  // namespace

void SetHintW(QWidget* widget, std::string_view hint) {
  widget->setProperty(kHintProperty, QByteArray(hint.data(), static_cast<qsizetype>(hint.size())));
}

std::string HintW(const QWidget* widget) {
  return widget->property(kHintProperty).toByteArray().toStdString();
}

QString HintText(std::string_view hint, int tag) {
  return QString::fromStdU16String(CaptionVariant(hint, tag, kHintSeparator));
}

THintWindowW::THintWindowW() : QWidget(nullptr, Qt::ToolTip) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setPalette(QToolTip::palette());
}

QRect THintWindowW::CalcHintRect(int maxWidth, const QString& text) const {
  const int oneLine = fontMetrics().horizontalAdvance(text);
  if (oneLine <= maxWidth && !text.contains(QLatin1Char('\n')))
    return QRect(0, 0, oneLine + 6, fontMetrics().height() + 4);
  QRect r = fontMetrics().boundingRect(QRect(0, 0, maxWidth, 0), kTextFlags, text);
  return QRect(0, 0, r.width() + 6, r.height() + 4);
}

void THintWindowW::ActivateHint(const QPoint& globalPos, std::string_view hint) {
  FHint = hint;
  FText = HintText(hint, ApplicationTag());
  if (FText.isEmpty()) {
    hide();
    return;
  }
  QScreen* screen = QGuiApplication::screenAt(globalPos);
  if (!screen) screen = QGuiApplication::primaryScreen();
  int maxWidth = screen ? screen->availableGeometry().width() / 3 : 400;
  QRect r = CalcHintRect(maxWidth, FText);
  r.moveTopLeft(globalPos);
  setGeometry(r);
  show();
  update();
}

void THintWindowW::Recaption() {
  if (FHint.empty()) return;
  FText = HintText(FHint, ApplicationTag());
  if (isVisible()) ActivateHint(pos(), FHint);
}

void THintWindowW::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().color(QPalette::ToolTipBase));
  p.setPen(palette().color(QPalette::ToolTipText));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  p.drawText(rect().adjusted(2, 2, 0, 0), kTextFlags, FText);
}

THintWindowW* THintWindowW::Install() {
  auto* window = new THintWindowW();
  auto* filter = new THintFilter(window);
  QObject::connect(qApp, &QCoreApplication::aboutToQuit, window, &QObject::deleteLater);
  qApp->installEventFilter(filter);
  return window;
}

}  // namespace zentrok
