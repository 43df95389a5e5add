// TVennel: the main window.
//
// The source pane (Memo1, in GroupBoxW1 with its status bar SB1) sits over
// the translation pane (Memo2 in GroupBoxW2) with a splitter between; the
// window's status bar SB2 is at the bottom, the tool bar with the nine
// command buttons, Translate/Stop (BitBtn4) and Direction (BitBtn6) at the
// top. Every caption is a stored 8-bit multi-language caption shown in the
// interface language of the settings.
//
// The window owns the one TTranslator, shows its progress, switches the
// direction and the interface language, opens and saves documents, and
// keeps the settings record up to date (geometry, fonts, options).
//
// Dialogs and message boxes go through replaceable functions so that the
// window can be driven without a user.
#pragma once

#include <QElapsedTimer>
#include <QFont>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "zentrok/GlobalSettings2.h"
#include "zentrok/ColorW.h"
#include "zentrok/PaneTarget.h"
#include "zentrok/Translator2.h"

class QAction;
class QSplitter;
class QToolBar;
class QToolButton;

namespace zentrok {

class TBitBtnW;
class TCustomRichEditW;
class TGroupBoxW;
class TMainMenuW;
class TPopupMenuW;
class TRichEditW;
class TStatusBarW;
class TStopWatch;
class TMSServers;
class TWForm;

// What a file dialog shows and what the user chose in it.
struct TFileDialogState {
  QString Title;
  QString Filter;      // as stored: "name|patterns|name|patterns..."
  QString DefaultExt;
  QString InitialDir;
  QString FileName;    // in: proposed name; out: the chosen path
  int FilterIndex = 1; // 1-based, in and out
};

class TVennel : public QMainWindow {
public:
  // Run states.
  static constexpr uint8_t rsRunning = 1;
  static constexpr uint8_t rsIdle = 2;

  // Builds the window from the settings (Settings must be loaded) and makes
  // its translation pane TranslationTarget. The screen is the one the
  // window opens on (the primary screen when not given).
  TVennel(const QString& programFolder, const TEngineBinding& engines,
          std::optional<TScreenSize> screen = std::nullopt, QWidget* parent = nullptr);
  ~TVennel() override;

  // The Translate command: starts a run, or stops the one in progress.
  void StartTranslation();
  void SetDirection(uint8_t d);
  void SetInterfaceLanguage(uint8_t l);
  // 0 shows the window, 1 hides it (tray mode); any value is kept as the
  // settings' StartMode.
  void ShowMode(int32_t m);
  // Marks a real exit and closes the window.
  void Exit();

  // Documents.
  void OpenDocument();
  // Loads path as the open filter index says; false (with the error shown
  // and the previous text kept) when the file could not be read.
  bool LoadDocument(const std::string& path, int openFilterIndex);
  void SaveSource();
  void SaveSourceAs();
  void SaveTranslation();

  void BasicFont();
  void MarkFont();
  void SetEqualPanes(bool on);
  // Sizes the panes by PaneRatio.
  void ApplyPaneRatio();

  // The text an office capture handed over, translated in StartMode 1.
  void SetCapturedText(const std::u16string& text) { FCapturedText = text; }
  // A start command from a later copy or the own start number.
  void HandleStartCommand(uint8_t application, int32_t action);

  // The office popup: its pane receives the translations of captured
  // text. The window refreshes its captions with its own and hides it in
  // ShowMode(0) and at a real exit. Not owned; nullptr detaches it.
  void SetOfficePopup(TWForm* form);
  TWForm* OfficePopup() const { return FOfficePopup; }
  // The popup's text handler: translates sender's text into the popup
  // pane, which is TranslationTarget for that run only. During a run it
  // stops the run; a stopped popup run is then repeated with the newest
  // text.
  void TranslateCaptured(TMSServers& sender);

  // Show the help window (not modal) and the about window (modal); the
  // menu items are disabled while these are unset.
  void SetDocumentForms(std::function<void()> showHelp, std::function<void()> showAbout);
  // While true the close box only hides the window (a tray icon exists).
  bool TrayPresent = false;

  // ---- Office commands, hot keys and the tray menu ----
  // Start commands (HandleStartCommand): action 1 translates the
  // selection of the application in the popup, 2 takes it into the source
  // pane, 3 pastes its content with formatting; 2 and 3 then show the
  // window (with application 0 they only show it). Where no selection
  // can be captured a command ends without a message.

  // Tray mode; the popup captures the selection and translates it. The
  // window hides when that worked, else it shows.
  void TranslateInPopup(uint8_t application);
  // Captures the selection of application without translating; when that
  // worked the source pane holds it, the translation pane is cleared and
  // the window comes to the front.
  bool TakeOfficeText(uint8_t application);
  // The content of application with its formatting into the source pane
  // (through the clipboard), caret at the start, translation pane cleared;
  // the window is shown in every case.
  bool PasteOfficeContent(uint8_t application);
  // Hot key 207 (translate the selection in the popup) or 255 (exit).
  void HotKeyPressed(int id);
  // The tray menu's "Главное окно": the window comes back as it was.
  void TrayPopupMenu_GeneralClick();
  // The tray menu's "Выход".
  void TrayPopupMenu_exitClick() { Exit(); }
  // A one-time notice (multi-language caption, UTF-8 caret notation) in
  // the window's status bar.
  void ShowNotice(const char* caption);
  // Called when the window accepts a close that ends the program.
  std::function<void()> OnExit;

  // Replaceable user interaction.
  std::function<bool(TFileDialogState& dialog, bool save)> ExecFileDialog;
  std::function<void(const QString& text, const QString& caption)> ShowMessage;
  std::function<bool(QFont& font, TColor& color, bool basic)> ExecFontDialog;

  // Components.
  TRichEditW* Memo1() const { return FMemo1; }
  TRichEditW* Memo2() const { return FMemo2; }
  TStatusBarW* SB1() const { return FSB1; }
  TStatusBarW* SB2() const { return FSB2; }
  TGroupBoxW* GroupBoxW1() const { return FGroupBoxW1; }
  TGroupBoxW* GroupBoxW2() const { return FGroupBoxW2; }
  TBitBtnW* BitBtn4() const { return FBitBtn4; }
  TBitBtnW* BitBtn6() const { return FBitBtn6; }
  TMainMenuW* MM() const { return FMM; }
  TPopupMenuW* PPM1() const { return FPPM1; }
  QToolBar* ToolBar2() const { return FToolBar2; }
  QSplitter* Splitter1() const { return FSplitter1; }
  TTranslator& Translator() { return *FTranslator; }
  TPaneTarget& Memo2Target() { return FMemo2Target; }
  uint8_t RunState() const { return FRunState; }
  TFileDialogState& OpenD() { return FOpenD; }
  TFileDialogState& SaveD() { return FSaveD; }
  const std::string& SourceFileName() const { return FSourceFileName; }
  const std::string& TranslationFileName() const { return FTranslationFileName; }
  // A menu item by its component name ("mmFile_open", "ppmCopy" ...).
  QAction* Item(const char* name) const;

  // The progress handler of the translator.
  void TranslatorProgress(int16_t kind, uint8_t phase, float percent);
  // Enables the edit items for the active pane (menu and context menu).
  void UpdateEditItems(bool contextMenu);

protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void BuildMenus();
  void BuildToolBar();
  void BuildPanes();
  QAction* AddItem(TPopupMenuW* menu, const char* name, const char* caption,
                   const QKeySequence& shortcut, std::function<void()> handler);
  void FirstActivation();
  void PrepareForContent();
  void RefreshCaptions();
  void Memo1Changed();
  void Memo2Changed();
  void StopWatchTick();
  void LoadingTick();
  void DocumentStage(int stage);
  void Save(TCustomRichEditW* pane, std::string& path);
  bool SaveWithStatus(TCustomRichEditW* pane, std::string& path, TStatusBarW* bar);
  void ApplyBasicFont();
  void ShowError(const QString& text);
  void EditCommand(int which);
  TCustomRichEditW* ActivePane() const { return FActivePane; }
  int Lang() const { return Settings.InterfaceLanguage; }

  QString FProgramFolder;
  std::unique_ptr<TTranslator> FTranslator;
  TPaneTarget FMemo2Target;

  TMainMenuW* FMM = nullptr;
  TPopupMenuW* FPPM1 = nullptr;
  QToolBar* FToolBar2 = nullptr;
  TBitBtnW* FBitBtn4 = nullptr;
  TBitBtnW* FBitBtn6 = nullptr;
  QAction* FBitBtn6Action = nullptr;  // shows and hides BitBtn6 in the tool bar
  TGroupBoxW* FGroupBoxW1 = nullptr;
  TGroupBoxW* FGroupBoxW2 = nullptr;
  TRichEditW* FMemo1 = nullptr;
  TRichEditW* FMemo2 = nullptr;
  TStatusBarW* FSB1 = nullptr;
  TStatusBarW* FSB2 = nullptr;
  QSplitter* FSplitter1 = nullptr;
  TStopWatch* FStopWatch = nullptr;
  std::function<void()> FShowHelp;
  std::function<void()> FShowAbout;

  TFileDialogState FOpenD;
  TFileDialogState FSaveD;
  std::string FSourceFileName;
  std::string FTranslationFileName;
  TStatusBarW* FProgressTarget = nullptr;
  std::string FLoadingText;
  TCustomRichEditW* FActivePane = nullptr;
  uint8_t FRunState = rsIdle;
  QElapsedTimer FElapsedTimer;
  float FRate = 0;
  int32_t FElapsed = 0;
  bool FActivated = false;
  bool FRealExit = false;
  bool FCloseAfterRun = false;
  bool FMemo1Quiet = false;
  bool FMemo2Quiet = false;
  bool FSizing = false;
  std::u16string FCapturedText;

  // The office popup (VennelPopup.cpp).
  void PopupRefreshCaptions();
  void PopupHide();
  TWForm* FOfficePopup = nullptr;
  std::unique_ptr<TPaneTarget> FPopupTarget;
  bool FPopupRunning = false;
  bool FPopupAgain = false;
};

}  // namespace zentrok
