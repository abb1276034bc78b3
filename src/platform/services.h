// The program's services: message boxes, the mouse pointer and desktop, the clock, the program
// folder and modal showing. Each has a real implementation and a test double, reached through
// one registry so that window tests can replace them.
#pragma once
#include <QDateTime>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QWidget;
class QDialog;

namespace kestrel {

class MessageService {
 public:
  virtual ~MessageService() = default;
  virtual void warning(const QString& text) = 0;      // one OK button
  virtual void error(const QString& text) = 0;        // the application's standard error box
  virtual void information(const QString& text) = 0;  // a plain message box with OK
};

class PointerService {
 public:
  virtual ~PointerService() = default;
  virtual QPoint pos() const = 0;
  virtual void setPos(const QPoint& p) = 0;
  // The whole virtual desktop, spanning all monitors.
  virtual QRect desktop() const = 0;
  // The primary screen.
  virtual QRect primaryScreen() const = 0;
};

class ClockService {
 public:
  virtual ~ClockService() = default;
  virtual QDateTime utcNow() const = 0;
  virtual QDateTime localNow() const = 0;
};

class ModalService {
 public:
  virtual ~ModalService() = default;
  // Shows the window modally and returns when it has closed.
  virtual void showModal(QDialog& window) = 0;
};

struct Services {
  std::shared_ptr<MessageService> messages;
  std::shared_ptr<PointerService> pointer;
  std::shared_ptr<ClockService> clock;
  std::shared_ptr<ModalService> modal;
  std::string programFolder;  // where the program's files lie
};

// The registry: real services unless a test has installed doubles.
Services& services();
// Installs the real services, with the program folder given.
void InstallRealServices(const std::string& programFolder);

// ---- Test doubles ----

struct RecordedMessage {
  enum Kind { Warning, Error, Information } kind;
  QString text;
  QPoint pointerAt;  // where the pointer was when the box opened
};

class MessageDouble : public MessageService {
 public:
  void warning(const QString& t) override;
  void error(const QString& t) override;
  void information(const QString& t) override;
  std::vector<RecordedMessage> shown;
  std::shared_ptr<PointerService> pointer;  // to record where the pointer stood
  // Runs while a box is "open", as events that arrive during a real box would.
  std::function<void()> whileOpen;
};

class PointerDouble : public PointerService {
 public:
  QPoint pos() const override { return at; }
  void setPos(const QPoint& p) override { at = p; }
  QRect desktop() const override { return desk; }
  QRect primaryScreen() const override { return primary; }
  QPoint at{0, 0};
  QRect desk{0, 0, 1920, 1080};
  QRect primary{0, 0, 1920, 1080};
};

class ClockDouble : public ClockService {
 public:
  QDateTime utcNow() const override { return utc; }
  QDateTime localNow() const override { return local; }
  QDateTime utc{QDate(2024, 1, 15), QTime(12, 0), Qt::UTC};
  QDateTime local{QDate(2024, 1, 15), QTime(6, 0)};
};

class ModalDouble : public ModalService {
 public:
  // Records the window and runs `onShow` (if set) as if the user acted in it, then returns.
  void showModal(QDialog& window) override;
  std::vector<QString> shownTitles;
  std::function<void(QDialog&)> onShow;
};

// Installs doubles for everything, with the program folder given; returns them for inspection.
struct ServiceDoubles {
  std::shared_ptr<MessageDouble> messages;
  std::shared_ptr<PointerDouble> pointer;
  std::shared_ptr<ClockDouble> clock;
  std::shared_ptr<ModalDouble> modal;
};
ServiceDoubles InstallServiceDoubles(const std::string& programFolder);

}  // namespace kestrel
