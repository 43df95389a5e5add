#include "zentrok/testsupport/Soffice.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <cstdio>

namespace zentrok::test {

namespace {
// A first start also creates the profile: minutes on a loaded machine.
constexpr int kTimeoutMs = 300000;
}  // namespace

QString SofficeProgram() {
  for (const char* name : {"soffice", "libreoffice"}) {
    QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
    if (!path.isEmpty()) return path;
  }
  return {};
}

QString SofficeMissing(const QString& what) {
  const QString notice = QStringLiteral("\n*** LibreOffice (soffice) is not installed: ") + what +
                         QStringLiteral(" NOT TESTED. Install libreoffice-writer-nogui. ***\n");
  std::fprintf(stderr, "%s\n", qPrintable(notice));
  return notice;
}

bool SofficeConvert(const QStringList& inputs, const QString& convertTo, const QString& outDir,
                    const QString& profileDir, QString* log) {
  QProcess p;
  p.setProcessChannelMode(QProcess::MergedChannels);
  QStringList args{QStringLiteral("--headless"), QStringLiteral("--norestore"),
                   QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profileDir).toString(),
                   QStringLiteral("--convert-to"), convertTo, QStringLiteral("--outdir"), outDir};
  p.start(SofficeProgram(), args + inputs);
  const bool finished = p.waitForFinished(kTimeoutMs);
  if (!finished) {
    p.kill();
    p.waitForFinished(5000);
  }
  if (log) *log += QString::fromLocal8Bit(p.readAll());
  return finished && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

QString SofficeConvertFile(const QString& input, const QString& convertTo, const QString& outDir) {
  QTemporaryDir profile(QDir::tempPath() + QStringLiteral("/helper-profile-XXXXXX"));
  SofficeConvert({input}, convertTo, outDir, profile.path());
  const QString out = outDir + QLatin1Char('/') + QFileInfo(input).completeBaseName() + QLatin1Char('.') +
                      convertTo.section(QLatin1Char(':'), 0, 0);
  return QFileInfo(out).isFile() ? out : QString();
}

}  // namespace zentrok::test
