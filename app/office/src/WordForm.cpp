#include "zentrok/WordForm.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

#include "PopupSettings.h"
#include "zentrok/GroupBoxW.h"
#include "zentrok/MenusW.h"
#include "zentrok/RichEditW.h"
#include "zentrok/Utf.h"

namespace zentrok {

namespace {

// A caption written in the source as UTF-8, in its stored 8-bit form.
std::string Cap(std::string_view utf8) { return Utf16ToCp1251(Utf8ToUtf16(utf8)); }

// The group box caption names the language the pane shows.
const char* TargetCaption(uint8_t direction) {
  return direction == 1 ? "Перевод: Русский|Т^aр^jем^a: Русча"
                        : "Перевод: Татарский|Т^aр^jем^a: Татарча";
}

void SaveQuietly() {
  try {
    SaveSettings();
  } catch (const std::exception&) {
    // The place is kept in the record and written again at exit.
  }
}

}  // namespace

// The popup's frame: a topmost tool window that keeps the form inside its
// client area one pixel in from each edge and records its place and size
// in the settings.
class TPopupHost : public QWidget {
public:
  explicit TPopupHost(TWForm* form)
      : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                             Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                             Qt::WindowCloseButtonHint),
        FForm(form) {
    setWindowTitle(QStringLiteral("Lunaret"));
    setWindowIcon(QApplication::windowIcon());
    setObjectName(QStringLiteral("Lunaret"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setMinimumSize(TWForm::MinWidth, TWForm::MinHeight);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    esc->setContext(Qt::WindowShortcut);
    connect(esc, &QShortcut::activated, this, [this] {
      if (FForm) FForm->HidePopup();
    });
  }
  ~TPopupHost() override {
    // The form is a child and goes with the host: it must not delete the
    // host a second time.
    if (FForm) FForm->FHost = nullptr;
  }

  // True while the host is being placed by the program, not by the user.
  bool Placing = false;

protected:
  void resizeEvent(QResizeEvent* event) override {
    QWidget::resizeEvent(event);
    if (FForm) FForm->setGeometry(1, 1, std::max(0, width() - 2), std::max(0, height() - 2));
    Store();
  }
  void moveEvent(QMoveEvent* event) override {
    QWidget::moveEvent(event);
    Store();
  }
  void closeEvent(QCloseEvent* event) override {
    // The close box only hides: the next capture shows the same window.
    event->ignore();
    if (FForm) FForm->HidePopup();
  }

private:
  void Store() {
    if (!isVisible() && !Placing) return;
    Settings.PopupLeft = x();
    Settings.PopupTop = y();
    Settings.PopupWidth = std::max(width(), TWForm::MinWidth);
    Settings.PopupHeight = std::max(height(), TWForm::MinHeight);
  }

  TWForm* FForm;
};

TWForm::TWForm() : QWidget(nullptr) {
  setWindowTitle(QStringLiteral("Zentrok"));
  setObjectName(QStringLiteral("WForm"));
  resize(536, 343);
  FHost = new TPopupHost(this);
  setParent(FHost, Qt::Widget);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  FGroupBoxW2 = new TGroupBoxW(this);
  FGroupBoxW2->setObjectName(QStringLiteral("GroupBoxW2"));
  FGroupBoxW2->setFont(QFont(QStringLiteral("Tahoma")));
  layout->addWidget(FGroupBoxW2);
  auto* inner = new QVBoxLayout(FGroupBoxW2);
  inner->setContentsMargins(4, 4, 4, 4);
  FMemo1 = new TRichEditW(FGroupBoxW2);
  FMemo1->setObjectName(QStringLiteral("Memo1"));
  FMemo1->setFont(QFont(QStringLiteral("Tahoma"), 8));
  QPalette p = FMemo1->palette();
  p.setColor(QPalette::Base, Qt::white);
  FMemo1->setPalette(p);
  inner->addWidget(FMemo1);

  FPPM = new TPopupMenuW(this);
  FPPM->setObjectName(QStringLiteral("PPM"));
  AddItem("ppmUndo", "Отменить|Кире кагу|Undo", [this] { FMemo1->undo(); });
  FPPM->AddSeparator();
  AddItem("ppmCopy", "Копировать|К^yчерм^a ясау|Copy", [this] { FMemo1->copy(); });
  AddItem("ppmPaste", "Вставить|Керт^y|Paste", [this] { FMemo1->PasteFromClipboard(); });
  AddItem("ppmCut", "Вырезать|Кисеп алу|Cut", [this] { FMemo1->cut(); });
  AddItem("ppmDelete", "Удалить|Юк ит^y|Delete", [this] { FMemo1->SetSelText(u""); });
  FPPM->AddSeparator();
  AddItem("ppmClear", "Очистить окно|Т^aр^aз^aне чистарту|Clear", [this] { FMemo1->clear(); });
  FPPM->AddSeparator();
  AddItem("ppmSelectAll", "Выделить все|Б^oтенесен билгел^a^y|Select all",
          [this] { FMemo1->selectAll(); });
  connect(FPPM, &QMenu::aboutToShow, this, [this] { UpdateMenuItems(); });
  FMemo1->PopupMenuW = FPPM;

  FServers = std::make_unique<TMSServers>(this);
  RefreshCaptions();
}

TWForm::~TWForm() {
  FServers.reset();
  if (QWidget* host = FHost) {
    FHost = nullptr;
    setParent(nullptr);
    delete host;
  }
}

QAction* TWForm::AddItem(const char* name, const char* caption, std::function<void()> action) {
  QAction* a = FPPM->AddItem(Cap(caption));
  a->setObjectName(QString::fromLatin1(name));
  connect(a, &QAction::triggered, this, [action = std::move(action)] { action(); });
  return a;
}

QAction* TWForm::Item(const char* name) const {
  return FPPM->findChild<QAction*>(QString::fromLatin1(name));
}

void TWForm::UpdateMenuItems() {
  bool selected = FMemo1->SelLength() > 0;
  bool filled = !FMemo1->document()->isEmpty();
  Item("ppmUndo")->setEnabled(FMemo1->document()->isUndoAvailable());
  Item("ppmCopy")->setEnabled(selected);
  Item("ppmCut")->setEnabled(selected);
  Item("ppmDelete")->setEnabled(selected);
  Item("ppmPaste")->setEnabled(!QGuiApplication::clipboard()->text().isEmpty());
  Item("ppmClear")->setEnabled(filled);
  Item("ppmSelectAll")->setEnabled(filled);
}

void TWForm::RefreshCaptions() {
  int lang = Settings.InterfaceLanguage == 1 ? 1 : 0;
  FGroupBoxW2->SetCaption(Cap(TargetCaption(Settings.Direction)));
  FGroupBoxW2->SetNumCaption(lang);
  FPPM->SetNumCaps(lang);
}

void TWForm::SetTextHandler(std::function<void(TMSServers& sender)> handler) {
  FServers->OnText = std::move(handler);
}

void TWForm::HidePopup() {
  FServers->DisconnectAll();
  if (FHost && FHost->isVisible()) {
    FHost->hide();
    SaveQuietly();
  }
}

void TWForm::PlaceHost() {
  QRect r(Settings.PopupLeft, Settings.PopupTop, std::max(Settings.PopupWidth, MinWidth),
          std::max(Settings.PopupHeight, MinHeight));
  QScreen* screen = QGuiApplication::screenAt(r.center());
  if (!screen) screen = QGuiApplication::screenAt(r.topLeft());
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (screen) {
    QRect area = screen->availableGeometry();
    r.setWidth(std::max(MinWidth, std::min(r.width(), area.width())));
    r.setHeight(std::max(MinHeight, std::min(r.height(), area.height())));
    int x = std::max(area.left(), std::min(r.x(), area.right() + 1 - r.width()));
    int y = std::max(area.top(), std::min(r.y(), area.bottom() + 1 - r.height()));
    r.moveTo(x, y);
  }
  auto* host = static_cast<TPopupHost*>(FHost);
  host->Placing = true;
  host->resize(r.size());
  host->move(r.topLeft());
  host->Placing = false;
  Settings.PopupLeft = r.x();
  Settings.PopupTop = r.y();
  Settings.PopupWidth = r.width();
  Settings.PopupHeight = r.height();
}

bool TWForm::CaptureAndShow(uint8_t app, bool show) {
  try {
    if (FHost->isVisible()) HidePopup();
    bool r = FServers->CaptureSelection(app, false);
    if (!show || !r || FServers->Text.empty()) return r;
    PlaceHost();
    FHost->showNormal();
    FHost->raise();
    FHost->activateWindow();
    QCoreApplication::processEvents();
    if (FServers->OnText) FServers->OnText(*FServers);
    QCoreApplication::processEvents();
    return true;
  } catch (const ESilentAbort&) {
    throw;
  } catch (const std::exception& e) {
    throw ESilentAbort(e.what());
  }
}

}  // namespace zentrok
