#include "zentrok/Vennel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QRegularExpression>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "zentrok/ButtonsW.h"
#include "zentrok/GroupBoxW.h"
#include "zentrok/HintWindowW.h"
#include "zentrok/LanguageW.h"
#include "zentrok/MenusW.h"
#include "zentrok/RichEditW.h"
#include "zentrok/ServerDOCLo.h"
#include "zentrok/StatusBarW.h"
#include "zentrok/StopWatch.h"
#include "zentrok/Utf.h"
#include "zentrok/VennelTexts.h"

namespace zentrok {

namespace {

QString Q(const std::u16string& s) {
  return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size()));
}

std::u16string U(const QString& s) { return s.toStdU16String(); }

// A small pictogram for a tool button: the theme's icon when there is one,
// else a letter on a rounded tile.
QIcon ToolIcon(const char* themeName, QChar letter, QColor color) {
  QIcon icon = QIcon::fromTheme(QString::fromLatin1(themeName));
  if (!icon.isNull()) return icon;
  QPixmap pm(20, 20);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(color);
  p.setPen(color.darker(140));
  p.drawRoundedRect(QRectF(1.5, 1.5, 17, 17), 4, 4);
  QFont f = p.font();
  f.setBold(true);
  f.setPixelSize(12);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 0, 20, 20), Qt::AlignCenter, QString(letter));
  return QIcon(pm);
}

QFont SettingsFont(const TShortString& name, int32_t size, int32_t style) {
  QFont f(Q(Cp1251ToUtf16(GetShortString(name))));
  if (size > 0) f.setPointSize(size);
  f.setBold(style & fsBold);
  f.setItalic(style & fsItalic);
  f.setUnderline(style & fsUnderline);
  f.setStrikeOut(style & fsStrikeOut);
  return f;
}

int StyleBitsOfFont(const QFont& f) {
  return (f.bold() ? fsBold : 0) | (f.italic() ? fsItalic : 0) |
         (f.underline() ? fsUnderline : 0) | (f.strikeOut() ? fsStrikeOut : 0);
}

// "name|patterns|name|patterns" as Qt's name filters.
QStringList NameFilters(const QString& stored) {
  QStringList parts = stored.split(QLatin1Char('|'));
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    out << parts[i] + QStringLiteral(" (") + patterns.simplified() + QStringLiteral(")");
  }
  return out;
}

bool DefaultFileDialog(QWidget* parent, TFileDialogState& d, bool save) {
  QFileDialog dialog(parent, d.Title, d.InitialDir);
  QStringList filters = NameFilters(d.Filter);
  // Word documents of either generation open the same way.
  if (!save)
    filters.replaceInStrings(QRegularExpression(QStringLiteral("\\*\\.doc\\b")),
                             QStringLiteral("*.doc *.docx"));
  dialog.setNameFilters(filters);
  if (d.FilterIndex >= 1 && d.FilterIndex <= filters.size())
    dialog.selectNameFilter(filters[d.FilterIndex - 1]);
  dialog.setDefaultSuffix(d.DefaultExt);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  // An open dialog lets a missing name through: the window reports it.
  dialog.setFileMode(QFileDialog::AnyFile);
  if (!d.FileName.isEmpty()) dialog.selectFile(d.FileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  d.FileName = dialog.selectedFiles().first();
  d.FilterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
  if (d.FilterIndex < 1) d.FilterIndex = 1;
  return true;
}

// Edit commands.
enum { ecUndo, ecCut, ecCopy, ecPaste, ecDelete, ecSelectAll };

}  // namespace

TVennel::TVennel(const QString& programFolder, const TEngineBinding& engines,
                 std::optional<TScreenSize> screen, QWidget* parent)
    : QMainWindow(parent), FProgramFolder(programFolder), FMemo2Target(nullptr) {
  setWindowTitle(QStringLiteral("Zentrok"));
  resize(800, 553);

  ExecFileDialog = [this](TFileDialogState& d, bool save) { return DefaultFileDialog(this, d, save); };
  ShowMessage = [this](const QString& text, const QString& caption) {
    QMessageBox::information(this, caption, text, QMessageBox::Ok);
  };
  // Qt's font dialog has no colour choice: the colour dialog follows it
  // (cancelling that keeps the colour).
  ExecFontDialog = [this](QFont& font, TColor& color, bool) {
    bool ok = false;
    QFont chosen = QFontDialog::getFont(&ok, font, this);
    if (!ok) return false;
    font = chosen;
    QColor c = QColorDialog::getColor(ColorToQColor(color), this);
    if (c.isValid()) color = QColorToColor(c);
    return true;
  };

  // In tray mode the window goes away as soon as the program loses the focus.
  // Without a tray icon it stays: nothing would bring it back but a new start.
  connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
    if (Settings.StartMode == 1 && TrayPresent && state != Qt::ApplicationActive) hide();
  });

  BuildPanes();
  BuildMenus();
  BuildToolBar();
  // Insert translates wherever the focus is in the window.
  auto* insert = new QShortcut(QKeySequence(Qt::Key_Insert), this);
  connect(insert, &QShortcut::activated, this, [this] { StartTranslation(); });
  FMemo2Target = TPaneTarget(FMemo2);
  TranslationTarget = &FMemo2Target;

  // Dialogs.
  FOpenD.Title = QStringLiteral("Открыть");
  FOpenD.DefaultExt = QStringLiteral("txt");
  FOpenD.Filter = QStringLiteral(
      "Текстовые файлы|*.doc; *.txt; *.rtf|Текст в формате RTF (*.rtf)|*.rtf|"
      "Документ MS Word (*.doc)|*.doc|Обычный текст (*.txt)|*.txt");
  FOpenD.InitialDir = programFolder;
  FSaveD.Title = QStringLiteral("Сохранить как...");
  FSaveD.DefaultExt = QStringLiteral("txt");
  FSaveD.Filter = QStringLiteral(
      "Текст в формате UNICODE|*.txt|Текст в формате RTF|*.rtf|Документ MS Word (*.doc)|*.doc");

  FTranslator = std::make_unique<TTranslator>(engines, [] { QCoreApplication::processEvents(); });
  FTranslator->OnProgress = [this](int16_t kind, uint8_t phase, float percent) {
    TranslatorProgress(kind, phase, percent);
  };

  // Pane handlers.
  FMemo1->PopupMenuW = FPPM1;
  FMemo2->PopupMenuW = FPPM1;
  FMemo1->OnLoadProgress = [this](TCustomRichEditW&, int16_t) { LoadingTick(); };
  FMemo1->OnDocument = [this](TCustomRichEditW&, int stage) { DocumentStage(stage); };
  FMemo2->OnDocument = [this](TCustomRichEditW&, int stage) { DocumentStage(stage); };
  // Word documents open and save through a private LibreOffice.
  FMemo1->SetServerDOC(std::make_unique<TServerDOCLo>());
  FMemo2->SetServerDOC(std::make_unique<TServerDOCLo>());
  connect(FMemo1, &QTextEdit::textChanged, this, [this] { Memo1Changed(); });
  connect(FMemo2, &QTextEdit::textChanged, this, [this] { Memo2Changed(); });
  FMemo1->OnMouseDown = [this](TCustomRichEditW&, Qt::MouseButton, int, int, int) {
    FMemo2->SetSelLength(0);
  };
  FMemo2->OnMouseDown = [this](TCustomRichEditW&, Qt::MouseButton, int, int, int) {
    FMemo1->SetSelLength(0);
  };

  Item("mmSets_cleartrans")->setChecked(Settings.ClearTranslation);
  Item("mmSets_seluntrans")->setChecked(Settings.MarkUntranslated);
  SetDirection(Settings.Direction);
  SetInterfaceLanguage(Settings.InterfaceLanguage);

  FRunState = rsIdle;
  FOpenD.FilterIndex = Settings.OpenFilterIndex >= 1 ? Settings.OpenFilterIndex : 1;

  // Geometry from the settings, shrunk on a smaller screen.
  TScreenSize now = DefaultScreenSize;
  if (screen) {
    now = *screen;
  } else if (QScreen* s = QGuiApplication::primaryScreen()) {
    now = TScreenSize{s->geometry().width(), s->geometry().height()};
  }
  FitMainWindowToScreen(Settings, now);
  resize(Settings.MainWidth, Settings.MainHeight);
  move(Settings.MainLeft, Settings.MainTop);

  FMemo1->SetHideSelection(false);
  FMemo2->SetHideSelection(false);
  Settings.MainWindow = static_cast<int32_t>(QCoreApplication::applicationPid());
  try {
    SaveSettings();
  } catch (const std::exception&) {
    // A read-only settings file must not stop the program from starting.
  }
}

TVennel::~TVennel() {
  if (TranslationTarget == &FMemo2Target || TranslationTarget == FPopupTarget.get())
    TranslationTarget = nullptr;
}

void TVennel::BuildPanes() {
  auto* panel1 = new QWidget(this);
  auto* outer = new QVBoxLayout(panel1);
  outer->setContentsMargins(2, 2, 2, 0);
  outer->setSpacing(0);

  FSplitter1 = new QSplitter(Qt::Vertical, panel1);
  FSplitter1->setHandleWidth(2);
  FSplitter1->setChildrenCollapsible(false);

  FGroupBoxW1 = new TGroupBoxW(FSplitter1);
  FGroupBoxW1->setObjectName(QStringLiteral("GroupBoxW1"));
  auto* l1 = new QVBoxLayout(FGroupBoxW1);
  l1->setContentsMargins(4, 4, 4, 0);
  l1->setSpacing(0);
  FMemo1 = new TRichEditW(FGroupBoxW1);
  FMemo1->setObjectName(QStringLiteral("Memo1"));
  FSB1 = new TStatusBarW(FGroupBoxW1);
  FSB1->setObjectName(QStringLiteral("SB1"));
  FSB1->AddPanel(150);
  FSB1->AddPanel(400);
  l1->addWidget(FMemo1, 1);
  l1->addWidget(FSB1);

  FGroupBoxW2 = new TGroupBoxW(FSplitter1);
  FGroupBoxW2->setObjectName(QStringLiteral("GroupBoxW2"));
  auto* l2 = new QVBoxLayout(FGroupBoxW2);
  l2->setContentsMargins(4, 4, 4, 4);
  FMemo2 = new TRichEditW(FGroupBoxW2);
  FMemo2->setObjectName(QStringLiteral("Memo2"));
  l2->addWidget(FMemo2);

  for (TRichEditW* m : {FMemo1, FMemo2}) {
    QPalette pal = m->palette();
    pal.setColor(QPalette::Base, Qt::white);
    m->setPalette(pal);
    m->installEventFilter(this);
  }
  FSplitter1->addWidget(FGroupBoxW1);
  FSplitter1->addWidget(FGroupBoxW2);
  // Only the handle takes the inactive-caption colour; the panes keep theirs.
  QSplitterHandle* handle = FSplitter1->handle(1);
  QPalette hp = handle->palette();
  hp.setColor(QPalette::Window, palette().color(QPalette::Inactive, QPalette::Highlight));
  handle->setPalette(hp);
  handle->setAutoFillBackground(true);
  connect(FSplitter1, &QSplitter::splitterMoved, this, [this](int, int) {
    if (FSizing) return;
    int h2 = FGroupBoxW2->height();
    Settings.PaneRatio = h2 == 0 ? 1.0f : static_cast<float>(FGroupBoxW1->height()) / h2;
  });
  outer->addWidget(FSplitter1, 1);

  FSB2 = new TStatusBarW(panel1);
  FSB2->setObjectName(QStringLiteral("SB2"));
  FSB2->AddPanel(170);
  FSB2->AddPanel(170);
  FSB2->AddPanel(300);
  outer->addWidget(FSB2);
  setCentralWidget(panel1);

  FStopWatch = new TStopWatch(this);
  connect(FStopWatch, &QTimer::timeout, this, [this] { StopWatchTick(); });
}

QAction* TVennel::AddItem(TPopupMenuW* menu, const char* name, const char* caption,
                          const QKeySequence& shortcut, std::function<void()> handler) {
  QAction* a = menu->AddItem(Cap(caption), shortcut);
  a->setObjectName(QString::fromLatin1(name));
  connect(a, &QAction::triggered, this, [handler] { handler(); });
  return a;
}

QAction* TVennel::Item(const char* name) const {
  return findChild<QAction*>(QString::fromLatin1(name));
}

void TVennel::BuildMenus() {
  FMM = new TMainMenuW(this);
  FMM->SetItemHeight(22);
  setMenuBar(FMM);

  TPopupMenuW* file = FMM->AddMenu(Cap("Файл|Файл"));
  AddItem(file, "mmFile_open", "Открыть|Ачу", {}, [this] { OpenDocument(); });
  AddItem(file, "mmFile_save", "Сохранить оригинал|Оригиналны саклау", {}, [this] { SaveSource(); });
  AddItem(file, "mmFile_saveas", "Сохранить оригинал как...|Оригиналны махсус саклау", {},
          [this] { SaveSourceAs(); });
  file->AddSeparator();
  AddItem(file, "mmFile_savetrans", "Сохранить перевод|Т^aр^jем^aне саклау", {},
          [this] { SaveTranslation(); });
  file->AddSeparator();
  AddItem(file, "mmFile_exit", "Выход|Чыгу", {}, [this] { Exit(); });

  TPopupMenuW* edit = FMM->AddMenu(Cap("Правка|Эшк^aрт^y"));
  connect(edit, &QMenu::aboutToShow, this, [this] { UpdateEditItems(false); });
  AddItem(edit, "mmEdit_Undo", "Отменить|Кире кагу", QKeySequence(Qt::CTRL | Qt::Key_Z),
          [this] { EditCommand(ecUndo); });
  edit->AddSeparator();
  AddItem(edit, "mmEdit_Cut", "Вырезать|Кисеп алу", QKeySequence(Qt::CTRL | Qt::Key_X),
          [this] { EditCommand(ecCut); });
  AddItem(edit, "mmEdit_Copy", "Копировать|К^yчерм^a ясау", QKeySequence(Qt::CTRL | Qt::Key_C),
          [this] { EditCommand(ecCopy); });
  AddItem(edit, "mmEdit_Paste", "Вставить|Кертеп кую", QKeySequence(Qt::CTRL | Qt::Key_V),
          [this] { EditCommand(ecPaste); });
  edit->AddSeparator();
  AddItem(edit, "mmEdit_Remove", "Удалить|Юк ит^y", {}, [this] { EditCommand(ecDelete); });
  edit->AddSeparator();
  AddItem(edit, "mmEdit_SelectAll", "Выделить все|Б^oтенесен билгел^a^y",
          QKeySequence(Qt::CTRL | Qt::Key_A), [this] { EditCommand(ecSelectAll); });
  // The panes handle these keys themselves; the items' shortcuts act only
  // where no pane has the focus.
  for (QAction* a : edit->actions()) a->setShortcutContext(Qt::WidgetShortcut);

  TPopupMenuW* sets = FMM->AddMenu(Cap("Настройки|К^oйл^a^y"));
  QAction* clear = AddItem(sets, "mmSets_cleartrans",
                           "Очищать окно перевода|Т^aр^jем^a т^aр^aз^aсен чистарту", {}, [] {});
  clear->setCheckable(true);
  connect(clear, &QAction::toggled, this, [](bool on) { Settings.ClearTranslation = on; });
  QAction* mark = AddItem(sets, "mmSets_seluntrans",
                          "Маркировать непереведённое|Танылмаганны билгел^a^y", {}, [] {});
  mark->setCheckable(true);
  connect(mark, &QAction::toggled, this, [](bool on) { Settings.MarkUntranslated = on; });
  sets->AddSeparator();
  QAction* split = AddItem(sets, "mmSets_Split", "Одинаковые окна|Бертигез т^aр^aз^aл^aр", {}, [] {});
  split->setCheckable(true);
  connect(split, &QAction::toggled, this, [this](bool on) { SetEqualPanes(on); });

  TPopupMenuW* serv = FMM->AddMenu(Cap("Сервис|Сервис"));
  TPopupMenuW* dir = serv->AddSubMenu(Cap("Направление перевода|Т^aр^jем^a юн^aлеше"));
  AddItem(dir, "mmServ_orglang_tatrus", "Татарский -> Русский|Татарча -> Русча", {},
          [this] { SetDirection(1); })->setCheckable(true);
  AddItem(dir, "mmServ_orglang_rustat", "Русский -> Татарский|Русча -> Татарча", {},
          [this] { SetDirection(0); })->setCheckable(true);
  TPopupMenuW* lang = serv->AddSubMenu(Cap("Язык интерфейса|Интерфейс теле"));
  AddItem(lang, "mmServ_ILang_Tat", "Татарский|Татарча", {},
          [this] { SetInterfaceLanguage(1); })->setCheckable(true);
  AddItem(lang, "mmServ_ILang_Rus", "Русский|Русча", {},
          [this] { SetInterfaceLanguage(0); })->setCheckable(true);
  serv->AddSeparator();
  TPopupMenuW* font = serv->AddSubMenu(Cap("Шрифт|Шрифт"));
  AddItem(font, "mmServ_Font_basic", "Основной|Т^oп", {}, [this] { BasicFont(); });
  AddItem(font, "mmServ_Font_mark", "Маркировки|Маркировкалары", {}, [this] { MarkFont(); });

  TPopupMenuW* help = FMM->AddMenu(Cap("Справка|Белешм^a"));
  AddItem(help, "mmHelp_help", "Справка|Белешм^a", QKeySequence(Qt::Key_F1), [this] {
    if (FShowHelp) FShowHelp();
  });
  AddItem(help, "mmHelp_about", "О программе|Программа турында", {}, [this] {
    if (FShowAbout) FShowAbout();
  });

  FPPM1 = new TPopupMenuW(this);
  FPPM1->SetItemHeight(22);
  connect(FPPM1, &QMenu::aboutToShow, this, [this] { UpdateEditItems(true); });
  AddItem(FPPM1, "ppmUndo", "Отменить|Кире кагу", {}, [this] { EditCommand(ecUndo); });
  FPPM1->AddSeparator();
  AddItem(FPPM1, "ppmCopy", "Копировать|К^yчерм^a ясау", {}, [this] { EditCommand(ecCopy); });
  AddItem(FPPM1, "ppmPaste", "Вставить|Керт^y", {}, [this] { EditCommand(ecPaste); });
  AddItem(FPPM1, "ppmCut", "Вырезать|Кисеп алу", {}, [this] { EditCommand(ecCut); });
  AddItem(FPPM1, "ppmDelete", "Удалить|Юк ит^y", {}, [this] { EditCommand(ecDelete); });
  FPPM1->AddSeparator();
  AddItem(FPPM1, "ppmSelectAll", "Выделить все|Б^oтенесен билгел^a^y", {},
          [this] { EditCommand(ecSelectAll); });
}

void TVennel::BuildToolBar() {
  FToolBar2 = new QToolBar(this);
  FToolBar2->setObjectName(QStringLiteral("ToolBar2"));
  FToolBar2->setMovable(false);
  FToolBar2->setIconSize(QSize(20, 20));
  addToolBar(Qt::TopToolBarArea, FToolBar2);

  struct TButton {
    const char* Name;
    const char* Hint;
    const char* Theme;
    QChar Letter;
    QColor Color;
    std::function<void()> Handler;
  };
  const TButton buttons[] = {
      {"ToolButton1", "Открыть/Ачу/Open", "document-open", u'O', QColor(0x2f6fb3),
       [this] { OpenDocument(); }},
      {"ToolButton3", "Сохранить оригинал/Оригиналны саклау/Save original", "document-save",
       u'S', QColor(0x2f6fb3), [this] { SaveSource(); }},
      {"ToolButton15", "Сохранить перевод/Т^aр^jем^aне саклау/Save translation", "document-save-as",
       u'T', QColor(0x2e8b57), [this] { SaveTranslation(); }},
      {"ToolButton8", "Вырезать/Кисеп алу/Cut", "edit-cut", u'X', QColor(0x8a6d3b),
       [this] { EditCommand(ecCut); }},
      {"ToolButton6", "Копировать/К^yчерм^a ясау/Copy", "edit-copy", u'C', QColor(0x8a6d3b),
       [this] { EditCommand(ecCopy); }},
      {"ToolButton7", "Вставить/Керт^y/Paste", "edit-paste", u'V', QColor(0x8a6d3b),
       [this] { EditCommand(ecPaste); }},
      {"ToolButton11", "Выделить все/Б^oтенесен билгел^a^y/Select all", "edit-select-all", u'A',
       QColor(0x6a5acd), [this] { EditCommand(ecSelectAll); }},
      {"ToolButton9", "Удалить/Юк ит^y/Delete", "edit-delete", u'D', QColor(0xb22222),
       [this] { EditCommand(ecDelete); }},
      {"ToolButton5", "Отменить/Кире кагу/Undo", "edit-undo", u'U', QColor(0x555555),
       [this] { EditCommand(ecUndo); }},
  };
  for (const TButton& b : buttons) {
    auto* button = new QToolButton(FToolBar2);
    button->setObjectName(QString::fromLatin1(b.Name));
    button->setIcon(ToolIcon(b.Theme, b.Letter, b.Color));
    button->setFocusPolicy(Qt::NoFocus);
    SetHintW(button, Cap(b.Hint));
    auto handler = b.Handler;
    connect(button, &QToolButton::clicked, this, [handler] { handler(); });
    FToolBar2->addWidget(button);
  }
  FToolBar2->addSeparator();

  FBitBtn4 = new TBitBtnW(Cap("Перевод|Т^aр^jем^a|Translate"), FToolBar2);
  FBitBtn4->setObjectName(QStringLiteral("BitBtn4"));
  QFont tahoma(QStringLiteral("Tahoma"));
  tahoma.setPointSize(8);
  FBitBtn4->setFont(tahoma);
  FBitBtn4->setMinimumSize(75, 22);
  FBitBtn4->setFocusPolicy(Qt::NoFocus);
  connect(FBitBtn4, &QPushButton::clicked, this, [this] { StartTranslation(); });
  FToolBar2->addWidget(FBitBtn4);

  FBitBtn6 = new TBitBtnW(Cap("Направление|Юн^aлеше"), FToolBar2);
  FBitBtn6->setObjectName(QStringLiteral("BitBtn6"));
  FBitBtn6->setMinimumSize(101, 22);
  FBitBtn6->setFocusPolicy(Qt::NoFocus);
  connect(FBitBtn6, &QPushButton::clicked, this, [this] { SetDirection(1 - Settings.Direction); });
  // A tool bar shows and hides its widgets through their actions.
  FBitBtn6Action = FToolBar2->addWidget(FBitBtn6);
}

void TVennel::SetDocumentForms(std::function<void()> showHelp, std::function<void()> showAbout) {
  FShowHelp = std::move(showHelp);
  FShowAbout = std::move(showAbout);
  Item("mmHelp_help")->setEnabled(bool(FShowHelp));
  Item("mmHelp_about")->setEnabled(bool(FShowAbout));
}

// ---- Direction and language ------------------------------------------------

void TVennel::RefreshCaptions() {
  FGroupBoxW1->SetCaption(Cap(SourceBoxCaption(Settings.Direction)));
  FGroupBoxW2->SetCaption(Cap(TargetBoxCaption(Settings.Direction)));
  FGroupBoxW1->SetNumCaption(Lang());
  FGroupBoxW2->SetNumCaption(Lang());
  FSB1->SetPanelText(0, LineCountText(FMemo1->Lines().GetCount(), Lang()));
  if (FRunState != rsRunning)
    FSB2->SetPanelText(0, LineCountText(FMemo2->Lines().GetCount(), Lang()));
  PopupRefreshCaptions();
}

void TVennel::SetDirection(uint8_t d) {
  d = d == 1 ? 1 : 0;
  Item("mmServ_orglang_tatrus")->setChecked(d == 1);
  Item("mmServ_orglang_rustat")->setChecked(d == 0);
  Settings.Direction = d;
  RefreshCaptions();
  SetHintW(FBitBtn6, Cap(d == 0 ? "Русский -> Татарский/Русча -> Татарча"
                                : "Татарский -> Русский/Татарча -> Русча"));
  try {
    SaveSettings();
  } catch (const std::exception&) {
  }
}

void TVennel::SetInterfaceLanguage(uint8_t l) {
  l = l == 1 ? 1 : 0;
  Item("mmServ_ILang_Tat")->setChecked(l == 1);
  Item("mmServ_ILang_Rus")->setChecked(l == 0);
  Settings.InterfaceLanguage = l;
  zentrok::SetInterfaceLanguage(l);  // every menu, group box, button and hint
  FMM->SetNumCaps(l);
  FPPM1->SetNumCaps(l);
  FBitBtn4->SetNumCaption(l);
  FBitBtn6->SetNumCaption(l);
  RefreshCaptions();
  if (!FSB2->GetPanelText(1).empty()) StopWatchTick();  // the elapsed time in the new language
  SetHintW(FBitBtn6, Cap(DirectionHint(Settings.Direction)));
  try {
    SaveSettings();
  } catch (const std::exception&) {
  }
}

// ---- Translation -----------------------------------------------------------

void TVennel::StartTranslation() {
  // The pane work below applies while the translation pane is the target;
  // another target (the office popup) prepares itself.
  TCustomRichEditW* pane = TranslationTarget == &FMemo2Target ? FMemo2 : nullptr;
  if (pane) pane->SetHideSelection(true);

  if (FRunState == rsRunning) {
    FTranslator->Stop();
  } else if (FRunState == rsIdle) {
    std::vector<char16_t> buffer;
    bool run = false;
    // Outside tray mode the source pane is translated, whatever start
    // number the program was given (a window started with 5 would
    // otherwise ignore its own Translate button).
    if (Settings.StartMode != 1) {
      if (!FMemo1->document()->isEmpty()) {
        auto range = FMemo1->GetTextRange(FMemo1->SelLength() > 0);
        buffer = std::move(range.Buffer);
        FTranslator->TextRange = TTextRange{range.Start, range.End, buffer.data()};
        run = true;
      }
    } else {
      buffer.assign(FCapturedText.size() + 1, u'\0');
      std::copy(FCapturedText.begin(), FCapturedText.end(), buffer.begin());
      FTranslator->TextRange =
          TTextRange{1, static_cast<int32_t>(FCapturedText.size()) + 1, buffer.data()};
      run = true;
    }
    if (run) {
      if (pane) {
        if (Settings.ClearTranslation) {
          pane->clear();
        } else if (!pane->document()->isEmpty()) {
          pane->Lines().Add(u"");  // the output starts on a new line
        }
        pane->moveCursor(QTextCursor::End);
      }
      try {
        FTranslator->Translate(Settings.Direction);
      } catch (const std::exception& e) {
        // The run ended without its end report: close it here so the
        // window does not stay in the running state.
        if (FRunState == rsRunning) TranslatorProgress(1, PhaseEnd, FTranslator->Percent);
        ShowError(QString::fromUtf8(e.what()));
      }
      FTranslator->TextRange = TTextRange{0, 0, nullptr};
    }
  }
  if (pane) pane->SetHideSelection(false);
  if (FCloseAfterRun && FRunState == rsIdle) {
    FCloseAfterRun = false;
    close();
  }
}

void TVennel::TranslatorProgress(int16_t, uint8_t phase, float percent) {
  switch (phase) {
    case PhaseStart: {
      if (!Settings.MarkUntranslated && TranslationTarget == &FMemo2Target)
        FMemo2Target.BeginGathering(static_cast<size_t>(std::max(0, FTranslator->TextLength)) * 2);
      FMemo2Quiet = true;
      FMemo2->setEnabled(false);
      FRunState = rsRunning;
      FBitBtn4->SetCaption(Cap("Стоп|Стоп|Stop"));
      FBitBtn4->SetNumCaption(Lang());
      FBitBtn6Action->setVisible(false);
      FSB2->SetPanelText(0, CapVariant("Переведено: 0%|Т^aр^jем^a ителг^aн: 0%", Lang()));
      FElapsedTimer.restart();
      FStopWatch->Start();
      FRate = 0;
      FElapsed = 0;
      break;
    }
    case PhaseProgress: {
      FElapsed = static_cast<int32_t>(FElapsedTimer.elapsed());
      if (FElapsed == 0) FElapsed = 1;
      FRate = percent / static_cast<float>(FElapsed);
      FSB2->SetPanelText(0, CapVariant("Обработано: |Эшк^aртелг^aн: ", Lang()) +
                                PercentNumber(percent) + u"%");
      FSB2->SetPanelText(2, CapVariant("Примерно осталось: |Чама бел^aн калды: ", Lang()) +
                                DurationText(RemainingMs(percent, FElapsed), Lang()));
      break;
    }
    case PhaseEnd: {
      FStopWatch->Stop();
      FRunState = rsIdle;
      if (FMemo2Target.Gathering()) {
        FSB2->SetPanelText(2, CapVariant("Вывод текста...|Текстны чыгару...", Lang()));
        FSB2->repaint();
        FMemo2Target.Flush();
      }
      FSB2->SetPanelText(0, LineCountText(FMemo2->Lines().GetCount(), Lang()));
      FSB2->SetPanelText(2, u"");
      FBitBtn4->SetCaption(Cap("Перевод|Т^aр^jем^a|Translate"));
      FBitBtn4->SetNumCaption(Lang());
      FBitBtn6Action->setVisible(true);
      FMemo2Quiet = false;
      FMemo2->setEnabled(true);
      update();
      QCoreApplication::processEvents();
      break;
    }
    default:
      break;
  }
}

void TVennel::StopWatchTick() {
  TElapsedTime t = FStopWatch->GetElapsed();
  FSB2->SetPanelText(1, ElapsedText(t.Hours, t.Minutes, t.Seconds, Lang()));
}

void TVennel::Memo1Changed() {
  if (FMemo1Quiet) return;
  FSB1->SetPanelText(0, LineCountText(FMemo1->Lines().GetCount(), Lang()));
}

void TVennel::Memo2Changed() {
  if (FMemo2Quiet) return;
  FSB2->SetPanelText(0, LineCountText(FMemo2->Lines().GetCount(), Lang()));
  FSB2->SetPanelText(1, u"");
}

// ---- Commands --------------------------------------------------------------

void TVennel::UpdateEditItems(bool contextMenu) {
  TCustomRichEditW* p = FActivePane;
  bool sel = p && p->SelLength() > 0;
  bool clip = p && !QGuiApplication::clipboard()->text().isEmpty();
  if (contextMenu) {
    Item("ppmUndo")->setEnabled(p && p->document()->isUndoAvailable());
    Item("ppmCut")->setEnabled(sel);
    Item("ppmCopy")->setEnabled(sel);
    Item("ppmDelete")->setEnabled(sel);
    Item("ppmPaste")->setEnabled(clip);
    Item("ppmSelectAll")->setEnabled(p && !p->document()->isEmpty());
  } else {
    Item("mmEdit_Undo")->setEnabled(p && p->document()->isUndoAvailable());
    Item("mmEdit_Cut")->setEnabled(sel);
    Item("mmEdit_Copy")->setEnabled(sel);
    Item("mmEdit_Remove")->setEnabled(sel);
    Item("mmEdit_Paste")->setEnabled(clip);
    Item("mmEdit_SelectAll")->setEnabled(p != nullptr);
  }
}

void TVennel::EditCommand(int which) {
  TCustomRichEditW* p = FActivePane;
  if (!p) return;
  switch (which) {
    case ecUndo: p->undo(); break;
    case ecCut: p->cut(); break;
    case ecCopy: p->copy(); break;
    case ecPaste: p->PasteFromClipboard(); break;
    case ecDelete: p->SetSelText(u""); break;
    case ecSelectAll: p->selectAll(); break;
    default: break;
  }
}

void TVennel::ApplyBasicFont() {
  QFont f = SettingsFont(Settings.BasicFontName, Settings.BasicFontSize, Settings.BasicFontStyle);
  auto color = static_cast<TColor>(Settings.BasicFontColor);
  for (TTextAttributesW* a : {&FMemo1->DefAttributes(), &FMemo2->DefAttributes()}) {
    a->Assign(f);
    a->SetColor(color);
  }
}

void TVennel::BasicFont() {
  QFont f = SettingsFont(Settings.BasicFontName, Settings.BasicFontSize, Settings.BasicFontStyle);
  TColor color = static_cast<TColor>(Settings.BasicFontColor);
  if (!ExecFontDialog(f, color, true)) return;
  int size = std::clamp(f.pointSize() > 0 ? f.pointSize() : 9, 8, 22);
  SetShortString(Settings.BasicFontName, Utf16ToCp1251(U(f.family())));
  Settings.BasicFontSize = size;
  Settings.BasicFontColor = static_cast<int32_t>(color);
  Settings.BasicFontStyle = StyleBitsOfFont(f);
  int start = FMemo1->SelStart();
  FMemo1->selectAll();
  TTextAttributesW& sel = FMemo1->SelAttributes();
  sel.SetName(f.family());
  sel.SetSize(size);
  sel.SetColor(color);
  sel.SetStyle(Settings.BasicFontStyle);
  ApplyBasicFont();
  FMemo1->SetSelStart(start);
  FMemo1->SetSelLength(0);
}

void TVennel::MarkFont() {
  QFont f = SettingsFont(Settings.MarkFontName, Settings.MarkFontSize, Settings.MarkFontStyle);
  TColor color = static_cast<TColor>(Settings.MarkFontColor);
  if (!ExecFontDialog(f, color, false)) return;
  SetShortString(Settings.MarkFontName, Utf16ToCp1251(U(f.family())));
  Settings.MarkFontSize = f.pointSize() > 0 ? f.pointSize() : Settings.MarkFontSize;
  Settings.MarkFontColor = static_cast<int32_t>(color);
  Settings.MarkFontStyle = StyleBitsOfFont(f);
}

void TVennel::SetEqualPanes(bool on) {
  Settings.EqualPanes = on;
  if (QAction* a = Item("mmSets_Split"); a && a->isChecked() != on) a->setChecked(on);
  for (int i = 0; i < FSplitter1->count(); ++i) FSplitter1->handle(i)->setEnabled(!on);
  if (on) {
    Settings.PaneRatio = 1.0f;
    ApplyPaneRatio();
  }
}

void TVennel::ApplyPaneRatio() {
  float ratio = Settings.PaneRatio > 0 ? Settings.PaneRatio : 1.0f;
  int top = FGroupBoxW1->mapTo(this, QPoint(0, 0)).y();
  int bottom = FSB2->mapTo(this, QPoint(0, 0)).y();
  int h2 = static_cast<int>(std::lround((bottom - top) / (ratio + 1.0))) - FSB1->height();
  int total = FSplitter1->height() - FSplitter1->handleWidth();
  if (total <= 0) return;
  h2 = std::clamp(h2, 0, total);
  FSizing = true;
  FSplitter1->setSizes({total - h2, h2});
  FSizing = false;
}

void TVennel::ShowMode(int32_t m) {
  Settings.StartMode = m;
  if (m == 0) {
    PopupHide();
    showNormal();
    raise();
    activateWindow();
  } else if (m == 1) {
    hide();
  }
}

void TVennel::Exit() {
  FRealExit = true;
  close();
}

void TVennel::ShowError(const QString& text) {
  if (ShowMessage) ShowMessage(text, QStringLiteral("Zentrok"));
}

// ---- Window events ----------------------------------------------------------

void TVennel::FirstActivation() {
  FActivated = true;
  FMemo1->clear();
  FMemo2->clear();
  THintWindowW::Install();
  ApplyBasicFont();
  FMemo1->SelAttributes().Assign(FMemo1->DefAttributes());
  Item("mmSets_Split")->setChecked(Settings.EqualPanes);
  SetEqualPanes(Settings.EqualPanes);
  ApplyPaneRatio();
  FMemo1->setFocus();
}

void TVennel::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!FActivated) FirstActivation();
}

void TVennel::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  ApplyPaneRatio();
}

bool TVennel::eventFilter(QObject* watched, QEvent* event) {
  auto* pane = qobject_cast<QTextEdit*>(watched);
  if (pane == FMemo1 || pane == FMemo2) {
    auto* p = static_cast<TCustomRichEditW*>(pane);
    if (event->type() == QEvent::FocusIn) {
      FActivePane = p;
    } else if (event->type() == QEvent::FocusOut) {
      auto reason = static_cast<QFocusEvent*>(event)->reason();
      // Opening a menu or switching windows keeps the pane the active one.
      if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason &&
          FActivePane == p)
        FActivePane = nullptr;
    } else if (event->type() == QEvent::KeyPress) {
      auto* k = static_cast<QKeyEvent*>(event);
      bool ctrlN = k->key() == Qt::Key_N && (k->modifiers() & Qt::ControlModifier);
      if ((k->key() == Qt::Key_Insert && !(k->modifiers() & ~Qt::KeypadModifier)) || ctrlN) {
        StartTranslation();
        return true;
      }
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void TVennel::closeEvent(QCloseEvent* event) {
  FTranslator->Stop();
  if (FRunState == rsRunning) {
    // The run is on the stack below this event: finish it first.
    if (FRealExit || !TrayPresent) FCloseAfterRun = true;
    event->ignore();
    return;
  }
  Settings.MainTop = y();
  Settings.MainLeft = x();
  Settings.MainHeight = height();
  Settings.MainWidth = width();
  if (FRealExit || !TrayPresent) {
    PopupHide();
    Settings.MainWindow = 0;
    try {
      SaveSettings();
    } catch (const std::exception& e) {
      ShowError(QString::fromUtf8(e.what()));
    }
    event->accept();
    if (OnExit) OnExit();
    return;
  }
  event->ignore();
  ShowMode(1);
}

}  // namespace zentrok
