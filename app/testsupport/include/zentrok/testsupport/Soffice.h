// LibreOffice as an independent party in tests: it makes documents from
// files the test writes and converts what the code under test wrote, each
// run headless in a user profile of its own so that it never meets a
// LibreOffice the user is running.
#pragma once

#include <QString>
#include <QStringList>

namespace zentrok::test {

// The LibreOffice program (soffice, else libreoffice) on PATH; "" when it
// is not installed.
QString SofficeProgram();

// The loud notice for a test that cannot run without LibreOffice, also
// written to stderr so that it stands out in the test log.
QString SofficeMissing(const QString& what);

// Converts inputs into outDir with the output filter convertTo ("docx",
// "rtf", "txt:Text (encoded):UTF8"), using profileDir as the profile.
// True when LibreOffice ended normally with status 0 within the time limit;
// its messages are appended to *log.
bool SofficeConvert(const QStringList& inputs, const QString& convertTo, const QString& outDir,
                    const QString& profileDir, QString* log = nullptr);

// Converts one file in a fresh temporary profile; returns the path of the
// file written into outDir, "" when there is none.
QString SofficeConvertFile(const QString& input, const QString& convertTo, const QString& outDir);

}  // namespace zentrok::test

// Skips the current test, loudly, when LibreOffice is not installed.
#define ZENTROK_REQUIRE_SOFFICE(what)                   \
  if (::zentrok::test::SofficeProgram().isEmpty())      \
  GTEST_SKIP() << ::zentrok::test::SofficeMissing(what).toStdString()
