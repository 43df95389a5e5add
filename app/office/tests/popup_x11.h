// Test helpers for the selection capture: another X client that owns the
// primary selection (xclip), and waiting for this program to see it.
#pragma once

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QProcess>
#include <QString>
#include <QTest>
#include <memory>

namespace zentrok::testx {

// True when xclip can be started.
bool HaveXclip();

// Owns the primary selection with a text until destroyed or until Drop.
class TForeignSelection {
public:
  // Starts the owner and waits until this program sees the text.
  explicit TForeignSelection(const QString& text, bool wait = true);
  ~TForeignSelection();
  // Ends the owner, so that no program owns the selection.
  void Drop();
  bool Running() const;

private:
  std::unique_ptr<QProcess> FProcess;
};

// Waits until this program reads text as the primary selection.
bool WaitForSelection(const QString& text, int timeoutMs = 5000);
// Waits until no program offers a primary selection any more.
bool WaitForNoSelection(int timeoutMs = 5000);

}  // namespace zentrok::testx
