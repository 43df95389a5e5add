// Opening documents into the source pane and saving either pane.
#include <QCoreApplication>
#include <QFileInfo>
#include <QTextCursor>
#include <QTextDocumentFragment>

#include "zentrok/RichEditW.h"
#include "zentrok/StatusBarW.h"
#include "zentrok/SysUtils_Trg.h"
#include "zentrok/TatAlphabet.h"
#include "zentrok/Utf.h"
#include "zentrok/Vennel.h"
#include "zentrok/VennelTexts.h"

namespace zentrok {

void TVennel::OpenDocument() {
  FProgressTarget = FSB1;
  for (;;) {
    if (!ExecFileDialog(FOpenD, false)) break;
    std::string path = FOpenD.FileName.toStdString();
    if (QFileInfo(FOpenD.FileName).isFile()) {
      LoadDocument(path, FOpenD.FilterIndex);
      break;
    }
    if (ShowMessage)
      ShowMessage(QStringLiteral("Файл ") + FOpenD.FileName + QStringLiteral(" не найден"),
                  QStringLiteral("Поиск файла"));
  }
  FSaveD.FilterIndex = FOpenD.FilterIndex;
}

bool TVennel::LoadDocument(const std::string& path, int openFilterIndex) {
  uint8_t type = LoadTypeOf(openFilterIndex, path);
  // What the pane held, brought back when the file cannot be read.
  QTextCursor all(FMemo1->document());
  all.select(QTextCursor::Document);
  QTextDocumentFragment previous = all.selection();
  std::string previousName = FSourceFileName;

  FMemo1->hide();
  FMemo1Quiet = true;
  FLoadingText = Cap("Загрузка|Керт^y");
  ApplyBasicFont();
  FMemo1->clear();
  FSB1->SetPanelText(0, u"");
  FSB1->SetPanelText(1, u"");
  FSB1->SetPanelText(0, CapVariant("Загрузка...|Керт^y...", Lang()));
  FSB1->repaint();
  QCoreApplication::processEvents();

  bool ok = true;
  try {
    FSourceFileName = path;
    uint8_t format = type == 2 ? dfRtf : type == 3 ? dfOffice : dfDetect;
    FMemo1->LoadDocument(path, format, type == 1);
    Settings.DocFormat = FMemo1->DocumentFormat();
    Settings.OpenFilterIndex = type;
    FSB1->SetPanelText(1, CapVariant("Файл |Файл ", Lang()) + Utf8ToUtf16(path));
  } catch (const std::exception& e) {
    ok = false;
    FMemo1->clear();
    QTextCursor(FMemo1->document()).insertFragment(previous);
    FMemo1->document()->clearUndoRedoStacks();
    FSourceFileName = previousName;
    FSB1->SetPanelText(1, u"");
    FMemo1Quiet = false;
    FMemo1->show();
    FSB1->SetPanelText(0, LineCountText(FMemo1->Lines().GetCount(), Lang()));
    ShowError(QString::fromUtf8(e.what()));
    return false;
  }
  FSB1->SetPanelText(0, LineCountText(FMemo1->Lines().GetCount(), Lang()));
  FMemo1->show();
  FMemo1Quiet = false;
  return ok;
}

void TVennel::LoadingTick() {
  FSB1->SetPanelText(0, CaptionVariant(FLoadingText, Lang(), '|'));
  size_t bar = FLoadingText.find('|');
  if (bar == std::string::npos) bar = FLoadingText.size();
  FLoadingText = FLoadingText.substr(0, bar) + "." + FLoadingText.substr(bar) + ".";
  FSB1->repaint();
  QCoreApplication::processEvents();
}

void TVennel::DocumentStage(int stage) {
  const char* text = nullptr;
  switch (stage) {
    case 3: text = "Конвертация...|Конвертация..."; break;
    case 4: text = "Разметка...|Билгеле^y..."; break;
    case 5: text = "Очистка...|Чистарту..."; break;
    case 6: text = "Параметры...|Параметрлар..."; break;
    default: return;
  }
  TStatusBarW* bar = FProgressTarget ? FProgressTarget : FSB1;
  bar->SetPanelText(0, CapVariant(text, Lang()));
  QCoreApplication::processEvents();
}

void TVennel::Save(TCustomRichEditW* pane, std::string& path) {
  std::string extension;
  uint8_t format = 0;
  if (SaveFormatOf(FSaveD.FilterIndex, extension, format)) {
    SetFileExtension(path, extension);
    Settings.DocFormat = format;
  }
  uint8_t f = Settings.DocFormat;
  if (f < dfText8 || f > dfOffice5) f = dfUtf16;
  pane->SaveDocument(path, f);
}

bool TVennel::SaveWithStatus(TCustomRichEditW* pane, std::string& path, TStatusBarW* bar) {
  std::u16string panel0 = bar->GetPanelText(0);
  bar->SetPanelText(0, CapVariant("Сохранение...|Саклау...", Lang()));
  QCoreApplication::processEvents();
  bool ok = true;
  try {
    Save(pane, path);
  } catch (const std::exception& e) {
    ok = false;
    ShowError(QString::fromUtf8(e.what()));
  }
  bar->SetPanelText(0, panel0);
  bar->SetPanelText(1, Utf8ToUtf16(path));
  return ok;
}

void TVennel::SaveSource() {
  FProgressTarget = FSB1;
  if (!FSourceFileName.empty()) {
    // A Word save reports its stages in panel 0; the line count comes back.
    std::u16string panel0 = FSB1->GetPanelText(0);
    try {
      Save(FMemo1, FSourceFileName);
    } catch (const std::exception& e) {
      ShowError(QString::fromUtf8(e.what()));
    }
    FSB1->SetPanelText(0, panel0);
    return;
  }
  if (!ExecFileDialog(FSaveD, true)) return;
  FSourceFileName = FSaveD.FileName.toStdString();
  SaveWithStatus(FMemo1, FSourceFileName, FSB1);
}

void TVennel::SaveSourceAs() {
  FSaveD.FileName = QString::fromStdString(FSourceFileName);
  FSourceFileName.clear();
  SaveSource();
}

void TVennel::SaveTranslation() {
  FProgressTarget = FSB2;
  FSaveD.FileName = QString::fromStdString(FTranslationFileName);
  if (!ExecFileDialog(FSaveD, true)) return;
  FTranslationFileName = FSaveD.FileName.toStdString();
  SaveWithStatus(FMemo2, FTranslationFileName, FSB2);
}

}  // namespace zentrok
