// One copy per user: a stale socket does not block a start, and a second
// real process hands its start command to the first and ends at once.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "zentrok/SingleInstance.h"
#include "zentrok/testsupport/ProgramEnv.h"

using namespace zentrok;

namespace {

TEST(SingleInstance, StaleSocketIsReplacedAndCommandsArrive) {
  testenv::TRuntimeDir runtime;
  // A socket file nobody listens on, as a crashed copy leaves it.
  std::string path = TSingleInstance::ServerName().toStdString();
  int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  std::snprintf(addr.sun_path, sizeof addr.sun_path, "%s", path.c_str());
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
  ::close(fd);
  ASSERT_TRUE(QFileInfo::exists(QString::fromStdString(path)));

  TSingleInstance first;
  EXPECT_FALSE(first.IsSecondInstance());
  EXPECT_TRUE(first.Listening());
  std::vector<std::pair<int, int>> got;
  first.OnStartCommand = [&](uint8_t a, int32_t b) { got.emplace_back(a, b); };

  TSingleInstance second;
  EXPECT_TRUE(second.IsSecondInstance());
  EXPECT_FALSE(second.Listening());

  // Sent from another thread: this one must run the event loop to receive.
  std::unique_ptr<QThread> sender(QThread::create([] {
    TSingleInstance::SendStartCommand(StartCommandOf(3));
    TSingleInstance::SendStartCommand(StartCommandOf(0));
  }));
  sender->start();
  EXPECT_TRUE(QTest::qWaitFor([&] { return got.size() == 2; }, 5000));
  sender->wait();
  ASSERT_EQ(got.size(), 2u);
  EXPECT_EQ(got[0], (std::pair<int, int>{1, 1}));
  EXPECT_EQ(got[1], (std::pair<int, int>{0, 2}));
}

// The built program, copied into its own folder with links to the engines
// and data, so that its settings file stays in that folder.
class ProgramCopy {
public:
  explicit ProgramCopy(const QString& bin) {
    QDir from(bin);
    Ok = QFile::copy(from.filePath(QStringLiteral("zentrok")), FDir.filePath(QStringLiteral("zentrok")));
    for (const QString& name : from.entryList(QDir::Files)) {
      if (name == QStringLiteral("zentrok") || name == QStringLiteral("settings.dat")) continue;
      QFile::link(from.filePath(name), FDir.filePath(name));
    }
  }
  QString Program() const { return FDir.filePath(QStringLiteral("zentrok")); }
  QString Settings() const { return FDir.filePath(QStringLiteral("settings.dat")); }
  bool Ok = false;

private:
  QTemporaryDir FDir;
};

TEST(SingleInstance, SecondProcessHandsOverItsCommandAndEnds) {
  QString bin = QString::fromStdString(testenv::ProgramDir);
  if (!QFileInfo::exists(bin + QStringLiteral("zentrok")))
    GTEST_SKIP() << "*** the zentrok program is not built in " << bin.toStdString() << " ***";
  testenv::TRuntimeDir runtime;
  ProgramCopy copy(bin);
  ASSERT_TRUE(copy.Ok);

  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.Path());
  QProcess first;
  first.setProcessEnvironment(env);
  first.start(copy.Program(), {QStringLiteral("5")});
  ASSERT_TRUE(first.waitForStarted(5000));
  // Up once it listens (after loading the engines).
  ASSERT_TRUE(QTest::qWaitFor([] {
    QLocalSocket s;
    s.connectToServer(TSingleInstance::ServerName());
    return s.waitForConnected(200);
  }, 30000)) << first.readAllStandardError().toStdString();
  // The settings are written once the window exists.
  ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(copy.Settings()); }, 30000));
  QThread::msleep(300);
  QFile settings(copy.Settings());
  ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
  QByteArray before = settings.readAll();
  settings.close();
  QDateTime stamp = QFileInfo(copy.Settings()).lastModified();

  QProcess second;
  second.setProcessEnvironment(env);
  QElapsedTimer t;
  t.start();
  second.start(copy.Program(), {QStringLiteral("3x")});
  ASSERT_TRUE(second.waitForFinished(10000));
  EXPECT_LT(t.elapsed(), 5000);
  EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second.exitCode(), 0);
  EXPECT_EQ(first.state(), QProcess::Running);

  QByteArray out;
  EXPECT_TRUE(QTest::qWaitFor([&] {
    out += first.readAllStandardError();
    return out.contains("zentrok: start command 1 1");
  }, 5000)) << out.toStdString();
  ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
  EXPECT_EQ(settings.readAll(), before);
  EXPECT_EQ(QFileInfo(copy.Settings()).lastModified(), stamp);

  first.terminate();
  first.waitForFinished(5000);
}

}  // namespace
