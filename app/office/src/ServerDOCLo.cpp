// Load and save conversions of office documents through a private LibreOffice.
#include "zentrok/ServerDOCLo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextDocument>

#include "zentrok/RtfWriter.h"
#include "zentrok/SofficeRun.h"
#include "zentrok/SysUtils_Trg.h"
#include "zentrok/TrgErrors.h"

namespace zentrok {
namespace {

const QString kMimeRtf = QStringLiteral("text/rtf");

// A private working folder: "in" for the converter's input, "out" for its
// output, "profile" for its user profile. Removed with everything in it.
class TWorkDir {
public:
  TWorkDir() : FDir(QDir::tempPath() + QStringLiteral("/zentrok-doc-XXXXXX")) {
    if (!FDir.isValid() || !QDir(FDir.path()).mkpath(QStringLiteral("in")) ||
        !QDir(FDir.path()).mkpath(QStringLiteral("out")))
      throw ETrgError("Cannot create a temporary folder for the conversion: " +
                      FDir.errorString().toStdString());
  }
  std::string Path(const char* sub) const {
    return (FDir.path() + QLatin1Char('/') + QLatin1String(sub)).toStdString();
  }

private:
  QTemporaryDir FDir;
};

QByteArray ReadFile(const std::string& path) {
  QFile f(QString::fromStdString(path));
  if (!f.open(QIODevice::ReadOnly))
    throw EFOpenError("Cannot open file \"" + ExpandFileName(path) + "\". " +
                      f.errorString().toStdString());
  QByteArray bytes = f.readAll();
  if (f.error() != QFileDevice::NoError)
    throw EReadError("Cannot read file \"" + ExpandFileName(path) + "\". " +
                     f.errorString().toStdString());
  return bytes;
}

// Copies a document without holding it in memory.
void CopyFile(const std::string& from, const std::string& to) {
  QFile f(QString::fromStdString(from));
  if (!f.open(QIODevice::ReadOnly))
    throw EFOpenError("Cannot open file \"" + ExpandFileName(from) + "\". " +
                      f.errorString().toStdString());
  f.close();
  if (!f.copy(QString::fromStdString(to)))
    throw EReadError("Cannot read file \"" + ExpandFileName(from) + "\". " +
                     f.errorString().toStdString());
}

void WriteFile(const std::string& path, const QByteArray& bytes) {
  QFile f(QString::fromStdString(path));
  if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.flush())
    throw EFCreateError("Cannot create file \"" + path + "\". " + f.errorString().toStdString());
}

// The lower-case extension of a path's file name, without the dot.
QString ExtensionOf(const std::string& path) {
  return QFileInfo(QString::fromStdString(path)).suffix().toLower();
}

// The rich text of the content; HTML or plain text are turned into rich
// text when that is all the owner gave.
QByteArray RtfOf(const QMimeData& content) {
  if (content.hasFormat(kMimeRtf)) return content.data(kMimeRtf);
  QTextDocument doc;
  if (content.hasHtml()) doc.setHtml(content.html());
  else doc.setPlainText(content.text());
  return QByteArray::fromStdString(WriteRtf(doc));
}

}  // namespace

void TServerDOCLo::Stage(int stage) { OnStage(*this, stage); }

std::string TServerDOCLo::ProgramOrThrow() const {
  std::string program = FindSoffice(Program);
  if (program.empty()) throw ETrgError("LibreOffice was not found");
  return program;
}

void TServerDOCLo::LoadWordDocument(const std::string& fileName) {
  if (!OnStage) return;
  FileName = fileName;
  Stage(stStarting);
  const std::string program = ProgramOrThrow();
  TWorkDir work;
  // The converter reads a private copy: its name is plain, and no lock
  // file appears beside the user's document.
  QString extension = ExtensionOf(FileName);
  const std::string input =
      work.Path("in") + "/document" + (extension.isEmpty() ? "" : "." + extension.toStdString());
  CopyFile(FileName, input);

  TSofficeConversion job;
  job.Program = program;
  job.Input = input;
  job.Name = FileName;
  job.ConvertTo = "rtf";
  job.OutDir = work.Path("out");
  job.ProfileDir = work.Path("profile");
  job.TimeoutMs = TimeoutMs;
  job.OnStarted = [this] { Stage(stStarted); };
  const QByteArray rtf = ReadFile(RunSofficeConversion(job));

  Content.clear();
  Content.setData(kMimeRtf, rtf);
  Stage(stOpened);
  Stage(stPasteContent);
  Stage(stQuitting);
}

void TServerDOCLo::SaveWordDocument(const std::string& fileName) {
  if (!OnStage) return;
  if (!fileName.empty()) FileName = fileName;
  if (FileName.empty()) throw ETrgError("No file name was given for the document");
  Content.clear();
  Stage(stCopyContent);
  const QByteArray rtf = RtfOf(Content);
  Stage(stStarting);
  const std::string program = ProgramOrThrow();
  TWorkDir work;
  const std::string input = work.Path("in") + "/document.rtf";
  WriteFile(input, rtf);

  TSofficeConversion job;
  job.Program = program;
  job.Input = input;
  job.Name = FileName;
  job.ConvertTo = ExtensionOf(FileName) == QLatin1String("docx") ? "docx:MS Word 2007 XML"
                                                                  : "doc:MS Word 97";
  job.OutDir = work.Path("out");
  job.ProfileDir = work.Path("profile");
  job.TimeoutMs = TimeoutMs;
  job.OnStarted = [this] { Stage(stStarted); };
  const QByteArray document = ReadFile(RunSofficeConversion(job));
  Stage(stOpened);
  Stage(stPasted);
  SaveFileAtomic(FileName, document.constData(), static_cast<size_t>(document.size()));
  Stage(stQuitting);
}

}  // namespace zentrok
