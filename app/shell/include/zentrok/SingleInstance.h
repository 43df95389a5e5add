// TSingleInstance: one running copy of the program per user.
//
// The first copy listens on a local socket named after the instance name
// ("mutex_QL9630_JH6322_UN1852_PP9945", in $XDG_RUNTIME_DIR when that folder
// exists, else in the temporary folder). A later copy finds it listening,
// hands over its start command (two little-endian int32: application,
// action) and ends. A socket left behind by a copy that crashed answers no
// connection; it is removed and the new copy becomes the first.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "zentrok/StartUp.h"

class QLocalServer;

namespace zentrok {

inline constexpr char InstanceName[] = "mutex_QL9630_JH6322_UN1852_PP9945";

class TSingleInstance : public QObject {
public:
  explicit TSingleInstance(QObject* parent = nullptr);
  ~TSingleInstance() override;

  // The socket's name or full path for the instance name.
  static QString ServerName();

  // True when another copy is listening. Otherwise this copy starts
  // listening (removing a stale socket first) and false is returned.
  bool IsSecondInstance();

  // Sends a start command to the listening copy; false when it could not
  // be delivered (the caller ends anyway).
  static bool SendStartCommand(const TStartCommand& command, int timeoutMs = 2000);

  // True while this copy listens.
  bool Listening() const;

  // Called on the first copy for each start command received.
  std::function<void(uint8_t application, int32_t action)> OnStartCommand;

private:
  void AcceptConnections();

  QLocalServer* FServer = nullptr;
};

}  // namespace zentrok
