#include "zentrok/SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <QtEndian>

namespace zentrok {

namespace {

constexpr int kCommandBytes = 8;

}  // namespace

TSingleInstance::TSingleInstance(QObject* parent) : QObject(parent) {}

TSingleInstance::~TSingleInstance() {
  if (FServer) FServer->close();
}

QString TSingleInstance::ServerName() {
  QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && QDir(runtime).exists())
    return QDir(runtime).filePath(QString::fromLatin1(InstanceName));
  return QString::fromLatin1(InstanceName);
}

bool TSingleInstance::IsSecondInstance() {
  const QString name = ServerName();
  {
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(1000)) {
      probe.disconnectFromServer();
      return true;
    }
  }
  // Nobody answers: whatever socket file is there is stale.
  QLocalServer::removeServer(name);
  FServer = new QLocalServer(this);
  FServer->setSocketOptions(QLocalServer::UserAccessOption);
  if (!FServer->listen(name)) {
    // Another copy may have started listening in between: ask once more.
    QLocalSocket probe;
    probe.connectToServer(name);
    bool other = probe.waitForConnected(1000);
    delete FServer;
    FServer = nullptr;
    return other;
  }
  connect(FServer, &QLocalServer::newConnection, this, &TSingleInstance::AcceptConnections);
  return false;
}

bool TSingleInstance::Listening() const { return FServer && FServer->isListening(); }

bool TSingleInstance::SendStartCommand(const TStartCommand& command, int timeoutMs) {
  QLocalSocket socket;
  socket.connectToServer(ServerName());
  if (!socket.waitForConnected(timeoutMs)) return false;
  char bytes[kCommandBytes];
  qToLittleEndian<qint32>(command.Application, bytes);
  qToLittleEndian<qint32>(command.Action, bytes + 4);
  socket.write(bytes, kCommandBytes);
  bool ok = socket.waitForBytesWritten(timeoutMs);
  socket.disconnectFromServer();
  if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(timeoutMs);
  return ok;
}

void TSingleInstance::AcceptConnections() {
  while (QLocalSocket* socket = FServer->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      // A probe sends nothing; a command is exactly one 8-byte record.
      while (socket->bytesAvailable() >= kCommandBytes) {
        QByteArray bytes = socket->read(kCommandBytes);
        int32_t application = qFromLittleEndian<qint32>(bytes.constData());
        int32_t action = qFromLittleEndian<qint32>(bytes.constData() + 4);
        // The handler pumps events (captures, translations), during which
        // the finished socket is deleted: it runs from the event loop once
        // the socket has been read, in the order the commands came.
        QTimer::singleShot(0, this, [this, application, action] {
          if (OnStartCommand) OnStartCommand(static_cast<uint8_t>(application & 0xFF), action);
        });
      }
    });
  }
}

}  // namespace zentrok
