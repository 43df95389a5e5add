// Office documents through the private LibreOffice: real conversions into and
// out of a rich edit, and the failures a user can meet. The documents are
// made by LibreOffice itself, separately from the code under test.
#include <gtest/gtest.h>
#include <signal.h>

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QThread>
#include <memory>
#include <string>
#include <vector>

#include "zentrok/PlainTextFile.h"
#include "zentrok/RichEditW.h"
#include "zentrok/ServerDOCLo.h"
#include "zentrok/SofficeRun.h"
#include "zentrok/TrgErrors.h"
#include "zentrok/testsupport/Soffice.h"

namespace zentrok {
namespace {

// A bold word, an italic word, Tatar letters and two paragraphs.
const char* const kSourceRtf =
    "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0 Times New Roman;}}\\f0\\fs24 "
    "Plain {\\b Bold words} and {\\i italic words}.\\par "
    "\\u1241?\\u1257?\\u1199?\\u1175?\\u1187?\\u1211? \\'d2\\'e0\\'f2\\'e0\\'f0\\'f7\\'e0.\\par}";

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

QByteArray ReadBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A rich edit with the converter installed and its stages recorded.
struct TPane {
  TRichEditW Edit;
  TServerDOCLo* Server = nullptr;
  std::vector<int> Stages;
  TPane() {
    auto server = std::make_unique<TServerDOCLo>();
    Server = server.get();
    Edit.SetServerDOC(std::move(server));
    Edit.OnDocument = [this](TCustomRichEditW&, int stage) { Stages.push_back(stage); };
  }
};

// True when every character of the first occurrence of words has the style.
bool Styled(QTextDocument* doc, const QString& words, bool bold, bool italic) {
  QTextCursor found = doc->find(words);
  if (found.isNull()) return false;
  for (int pos = found.selectionStart() + 1; pos <= found.selectionEnd(); ++pos) {
    QTextCursor c(doc);
    c.setPosition(pos);
    QTextCharFormat f = c.charFormat();
    if ((f.fontWeight() >= QFont::Bold) != bold || f.fontItalic() != italic) return false;
  }
  return true;
}

const QString kLine2 = QStringLiteral("әөүҗңһ Татарча.");

void ExpectSourceText(TRichEditW& edit, const char* what) {
  QTextDocument* doc = edit.document();
  const QString text = doc->toPlainText();
  EXPECT_TRUE(text.contains(QStringLiteral("Plain Bold words and italic words."))) << what << ": " << text.toStdString();
  EXPECT_TRUE(text.contains(kLine2)) << what << ": " << text.toStdString();
  EXPECT_TRUE(Styled(doc, QStringLiteral("Bold words"), true, false)) << what;
  EXPECT_TRUE(Styled(doc, QStringLiteral("italic words"), false, true)) << what;
  EXPECT_TRUE(Styled(doc, QStringLiteral("Plain"), false, false)) << what;
  EXPECT_TRUE(Styled(doc, kLine2, false, false)) << what;
}

// The folders a conversion works in, left over in the temporary folder.
QStringList LeftOver() {
  return QDir(QDir::tempPath()).entryList({QStringLiteral("zentrok-doc-*")}, QDir::AllEntries | QDir::NoDotAndDotDot);
}

TEST(DocConvert, WordDocumentsLoadWithTextAndFormatting) {
  ZENTROK_REQUIRE_SOFFICE(QStringLiteral("document conversion"));
  QTemporaryDir dir;
  const QString rtf = dir.path() + QStringLiteral("/letter.rtf");
  WriteBytes(rtf, kSourceRtf);
  const QString docx = test::SofficeConvertFile(rtf, QStringLiteral("docx"), dir.path() + QStringLiteral("/x"));
  const QString doc = test::SofficeConvertFile(rtf, QStringLiteral("doc"), dir.path() + QStringLiteral("/d"));
  ASSERT_FALSE(docx.isEmpty());
  ASSERT_FALSE(doc.isEmpty());

  QClipboard* clipboard = QGuiApplication::clipboard();
  for (const QString& path : {docx, doc}) {
    clipboard->setText(QStringLiteral("the user's own clipboard"));
    TPane pane;
    pane.Edit.LoadDocument(path.toStdString(), dfOffice, false);
    const std::string what = path.toStdString();
    EXPECT_EQ(pane.Stages, (std::vector<int>{2, 3, 5, 1, 6})) << what;
    ExpectSourceText(pane.Edit, what.c_str());
    EXPECT_EQ(pane.Edit.DocumentFormat(), dfOffice);
    EXPECT_EQ(pane.Server->FileName, what);
    EXPECT_EQ(clipboard->text(), QStringLiteral("the user's own clipboard")) << what;
    EXPECT_EQ(clipboard->mimeData()->formats(), QStringList{QStringLiteral("text/plain")});
  }

  // A truncated document: a clear error, and the pane keeps what it held.
  const QString damaged = dir.path() + QStringLiteral("/damaged.doc");
  WriteBytes(damaged, ReadBytes(doc).left(3000));
  TPane pane;
  pane.Edit.SetText(u"Earlier text");
  try {
    pane.Edit.LoadDocument(damaged.toStdString(), dfOffice, false);
    ADD_FAILURE() << "a damaged document loaded";
  } catch (const ETrgError& e) {
    EXPECT_NE(std::string(e.what()).find("LibreOffice could not convert \"damaged.doc\""), std::string::npos)
        << e.what();
  }
  EXPECT_EQ(pane.Edit.Text(), u"Earlier text");
  EXPECT_EQ(pane.Stages, (std::vector<int>{2, 3}));
  EXPECT_EQ(LeftOver(), QStringList());
}

TEST(DocConvert, SavedDocumentsReopenWithTheSameText) {
  ZENTROK_REQUIRE_SOFFICE(QStringLiteral("document conversion"));
  QTemporaryDir dir;
  TPane pane;
  QTextCursor c(pane.Edit.document());
  QTextCharFormat plain, bold, italic;
  bold.setFontWeight(QFont::Bold);
  italic.setFontItalic(true);
  c.insertText(QStringLiteral("Plain "), plain);
  c.insertText(QStringLiteral("Bold words"), bold);
  c.insertText(QStringLiteral(" and "), plain);
  c.insertText(QStringLiteral("italic words"), italic);
  c.insertText(QStringLiteral("."), plain);
  c.insertBlock();
  c.insertText(kLine2, plain);

  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->setText(QStringLiteral("keep me"));
  const QString target = dir.path() + QStringLiteral("/saved.doc");
  WriteBytes(target, "an older file");
  pane.Edit.SaveDocument(target.toStdString(), dfOffice);
  EXPECT_EQ(pane.Stages, (std::vector<int>{0, 2, 3, 5, 4, 6}));
  EXPECT_EQ(clipboard->text(), QStringLiteral("keep me"));
  EXPECT_TRUE(ReadBytes(target).startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")) << "not a Word 97 file";
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("saved.doc")});

  // LibreOffice reads the same text back.
  const QString txt = test::SofficeConvertFile(target, QStringLiteral("txt:Text (encoded):UTF8"),
                                     dir.path() + QStringLiteral("/t"));
  ASSERT_FALSE(txt.isEmpty());
  QString back = QString::fromUtf8(ReadBytes(txt));
  back.remove(QChar(0xFEFF));
  back.remove(QLatin1Char('\r'));
  EXPECT_EQ(back.trimmed(), QStringLiteral("Plain Bold words and italic words.\n") + kLine2);

  // And our own load brings back the formatting.
  TPane again;
  again.Edit.LoadDocument(target.toStdString(), dfOffice, false);
  ExpectSourceText(again.Edit, "saved.doc");

  // A name ending in .docx gets Office Open XML.
  const QString docx = dir.path() + QStringLiteral("/saved.docx");
  pane.Edit.SaveDocument(docx.toStdString(), dfOffice);
  EXPECT_TRUE(ReadBytes(docx).startsWith("PK\x03\x04"));
  EXPECT_EQ(LeftOver(), QStringList());
}

TEST(DocConvert, MissingLibreOfficeIsAClearError) {
  QTemporaryDir dir;
  TPane pane;
  pane.Edit.SetText(u"Kept");
  pane.Server->Program = dir.path().toStdString() + "/no/soffice";
  const QString doc = dir.path() + QStringLiteral("/a.doc");
  WriteBytes(doc, "anything");
  try {
    pane.Edit.LoadDocument(doc.toStdString(), dfOffice, false);
    ADD_FAILURE() << "loaded without LibreOffice";
  } catch (const ETrgError& e) {
    EXPECT_STREQ(e.what(), "LibreOffice was not found");
  }
  EXPECT_EQ(pane.Edit.Text(), u"Kept");
  EXPECT_EQ(pane.Stages, std::vector<int>{2});

  // The environment variable names the program when no member does.
  pane.Server->Program.clear();
  qputenv("ZENTROK_SOFFICE", QByteArray::fromStdString(dir.path().toStdString() + "/missing"));
  const QString target = dir.path() + QStringLiteral("/out.doc");
  EXPECT_THROW(
      {
        try {
          pane.Edit.SaveDocument(target.toStdString(), dfOffice);
        } catch (const ETrgError& e) {
          EXPECT_STREQ(e.what(), "LibreOffice was not found");
          throw;
        }
      },
      ETrgError);
  qunsetenv("ZENTROK_SOFFICE");
  EXPECT_FALSE(QFileInfo::exists(target));
  EXPECT_EQ(LeftOver(), QStringList());
}

// Stand-in converters: small scripts that fail the ways a converter can.
QString Script(const QTemporaryDir& dir, const char* name, const QByteArray& body) {
  const QString path = dir.path() + QLatin1Char('/') + QLatin1String(name);
  WriteBytes(path, "#!/bin/sh\n" + body);
  QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  return path;
}

std::string ErrorOf(TPane& pane, const QString& input) {
  try {
    pane.Edit.LoadDocument(input.toStdString(), dfOffice, false);
  } catch (const ETrgError& e) {
    return e.what();
  }
  return "(no error)";
}

TEST(DocConvert, ConverterFailuresAreReportedAndNothingIsLeft) {
  QTemporaryDir dir;
  const QString doc = dir.path() + QStringLiteral("/a.doc");
  WriteBytes(doc, "anything");
  TPane pane;
  pane.Edit.SetText(u"Kept");

  pane.Server->Program = Script(dir, "fails", "echo 'Error: boom' >&2\nexit 3\n").toStdString();
  std::string e = ErrorOf(pane, doc);
  EXPECT_NE(e.find("exit status 3"), std::string::npos) << e;
  EXPECT_NE(e.find("Error: boom"), std::string::npos) << e;
  EXPECT_EQ(pane.Stages, (std::vector<int>{2, 3}));

  pane.Server->Program = Script(dir, "silent", "exit 0\n").toStdString();
  e = ErrorOf(pane, doc);
  EXPECT_NE(e.find("wrote no output"), std::string::npos) << e;

  // A failed save leaves the old file as it was.
  const QString target = dir.path() + QStringLiteral("/keep.doc");
  WriteBytes(target, "the old document");
  pane.Stages.clear();
  EXPECT_THROW(pane.Edit.SaveDocument(target.toStdString(), dfOffice), ETrgError);
  EXPECT_EQ(ReadBytes(target), QByteArray("the old document"));
  EXPECT_EQ(pane.Stages, (std::vector<int>{0, 2, 3}));

  // A converter that hangs is stopped with its whole process group.
  const QString pidFile = dir.path() + QStringLiteral("/child.pid");
  pane.Server->Program =
      Script(dir, "hangs", "sleep 300 &\necho $! > '" + pidFile.toUtf8() + "'\nwait\n").toStdString();
  pane.Server->TimeoutMs = 1500;
  e = ErrorOf(pane, doc);
  EXPECT_NE(e.find("did not finish converting \"a.doc\" within 1 s"), std::string::npos) << e;
  const pid_t child = ReadBytes(pidFile).trimmed().toInt();
  ASSERT_GT(child, 0);
  bool gone = false;
  for (int i = 0; i < 50 && !gone; ++i) {
    gone = ::kill(child, 0) != 0;
    if (!gone) QThread::msleep(100);
  }
  EXPECT_TRUE(gone) << "the converter's child process survived";

  // An unreadable document fails before any converter starts.
  pane.Stages.clear();
  e = ErrorOf(pane, dir.path() + QStringLiteral("/none.doc"));
  EXPECT_EQ(e.rfind("Cannot open file \"", 0), 0u) << e;
  EXPECT_EQ(pane.Edit.Text(), u"Kept");
  EXPECT_EQ(LeftOver(), QStringList());
}

}  // namespace
}  // namespace zentrok
