// Runs LibreOffice as a converter in its own process group and profile.
#include "zentrok/SofficeRun.h"

#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QUrl>

#include "zentrok/TrgErrors.h"

namespace zentrok {
namespace {

std::string Executable(const QString& name) {
  if (name.isEmpty()) return {};
  if (!name.contains(QLatin1Char('/'))) {
    QString found = QStandardPaths::findExecutable(name);
    return found.isEmpty() ? std::string() : QFileInfo(found).absoluteFilePath().toStdString();
  }
  QFileInfo info(name);
  if (!info.isFile() || !info.isExecutable()) return {};
  return info.absoluteFilePath().toStdString();
}

// Kills the converter's whole process group when the run ends, however it
// ends: LibreOffice's start script leaves the real program as a child, and
// a timed-out or failed run must not leave it behind.
class TGroupGuard {
public:
  explicit TGroupGuard(QProcess& process) : FProcess(process) {}
  ~TGroupGuard() {
    if (FGroup > 0) ::kill(-FGroup, SIGKILL);
    if (FProcess.state() != QProcess::NotRunning) {
      FProcess.kill();
      FProcess.waitForFinished(5000);
    }
  }
  void Started() { FGroup = static_cast<pid_t>(FProcess.processId()); }

private:
  QProcess& FProcess;
  pid_t FGroup = 0;
};

// The converter's own words, without the noise every run prints.
QString Messages(QProcess& process) {
  const QString all = QString::fromLocal8Bit(process.readAll());
  QStringList kept;
  for (const QString& line : all.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(QLatin1String("convert ")) || t.contains(QLatin1String("javaldx")))
      continue;
    kept << t;
  }
  QString text = kept.join(QLatin1Char(' '));
  if (text.size() > 600) text = text.left(600) + QStringLiteral("...");
  return text;
}

std::string Describe(const TSofficeConversion& job) {
  const std::string& path = job.Name.empty() ? job.Input : job.Name;
  return "\"" + QFileInfo(QString::fromStdString(path)).fileName().toStdString() + "\"";
}

}  // namespace

std::string FindSoffice(const std::string& program) {
  if (!program.empty()) return Executable(QString::fromStdString(program));
  if (!qEnvironmentVariableIsEmpty("ZENTROK_SOFFICE"))
    return Executable(qEnvironmentVariable("ZENTROK_SOFFICE"));
  for (const char* name : {"soffice", "libreoffice"}) {
    std::string found = Executable(QString::fromLatin1(name));
    if (!found.empty()) return found;
  }
  return {};
}

std::string RunSofficeConversion(const TSofficeConversion& job) {
  const QString convertTo = QString::fromStdString(job.ConvertTo);
  const QString extension = convertTo.section(QLatin1Char(':'), 0, 0);
  const QFileInfo input(QString::fromStdString(job.Input));
  const QString output =
      QString::fromStdString(job.OutDir) + QLatin1Char('/') + input.completeBaseName() +
      QLatin1Char('.') + extension;

  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.setChildProcessModifier([] { ::setsid(); });
  process.setProgram(QString::fromStdString(job.Program));
  process.setArguments(
      {QStringLiteral("--headless"), QStringLiteral("--invisible"), QStringLiteral("--norestore"),
       QStringLiteral("--nologo"), QStringLiteral("--nodefault"), QStringLiteral("--nolockcheck"),
       QStringLiteral("-env:UserInstallation=") +
           QUrl::fromLocalFile(QString::fromStdString(job.ProfileDir)).toString(QUrl::FullyEncoded),
       QStringLiteral("--convert-to"), convertTo, QStringLiteral("--outdir"),
       QString::fromStdString(job.OutDir), input.absoluteFilePath()});

  TGroupGuard guard(process);
  process.start();
  if (!process.waitForStarted(30000))
    throw ETrgError("LibreOffice could not be started (" + job.Program +
                    "): " + process.errorString().toStdString());
  guard.Started();
  if (job.OnStarted) job.OnStarted();

  QElapsedTimer clock;
  clock.start();
  while (!process.waitForFinished(100)) {
    if (process.state() == QProcess::NotRunning) break;
    if (clock.elapsed() > job.TimeoutMs)
      throw ETrgError("LibreOffice did not finish converting " + Describe(job) + " within " +
                      std::to_string(job.TimeoutMs / 1000) + " s");
    if (QCoreApplication::instance())
      QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }
  const QString messages = Messages(process);
  const std::string said = messages.isEmpty() ? "" : ": " + messages.toStdString();
  if (process.exitStatus() != QProcess::NormalExit)
    throw ETrgError("LibreOffice stopped while converting " + Describe(job) + said);
  if (process.exitCode() != 0)
    throw ETrgError("LibreOffice could not convert " + Describe(job) + " (exit status " +
                    std::to_string(process.exitCode()) + ")" + said);
  if (!QFileInfo(output).isFile())
    throw ETrgError("LibreOffice could not convert " + Describe(job) +
                    (said.empty() ? ": it wrote no output" : said));
  return output.toStdString();
}

}  // namespace zentrok
