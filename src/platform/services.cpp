#include "platform/services.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

namespace kestrel {
namespace {

QWidget* BoxParent() { return QApplication::activeWindow(); }

// The title of every message box: the program's short name.
const QString kBoxTitle = QStringLiteral("Kestrel");

class RealMessages : public MessageService {
 public:
  void warning(const QString& t) override {
    QMessageBox::warning(BoxParent(), kBoxTitle, t, QMessageBox::Ok);
  }
  void error(const QString& t) override {
    QMessageBox::critical(BoxParent(), kBoxTitle, t, QMessageBox::Ok);
  }
  void information(const QString& t) override {
    QMessageBox::information(BoxParent(), kBoxTitle, t,
                             QMessageBox::Ok);
  }
};

class RealPointer : public PointerService {
 public:
  QPoint pos() const override { return QCursor::pos(); }
  void setPos(const QPoint& p) override { QCursor::setPos(p); }
  QRect desktop() const override {
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->virtualGeometry() : QRect(0, 0, 1024, 768);
  }
  QRect primaryScreen() const override {
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry() : QRect(0, 0, 1024, 768);
  }
};

class RealClock : public ClockService {
 public:
  QDateTime utcNow() const override { return QDateTime::currentDateTimeUtc(); }
  QDateTime localNow() const override { return QDateTime::currentDateTime(); }
};

class RealModal : public ModalService {
 public:
  void showModal(QDialog& w) override { w.exec(); }
};

}  // namespace

Services& services() {
  static Services s;
  return s;
}

void InstallRealServices(const std::string& programFolder) {
  Services& s = services();
  s.messages = std::make_shared<RealMessages>();
  s.pointer = std::make_shared<RealPointer>();
  s.clock = std::make_shared<RealClock>();
  s.modal = std::make_shared<RealModal>();
  s.programFolder = programFolder;
}

void MessageDouble::warning(const QString& t) {
  shown.push_back({RecordedMessage::Warning, t, pointer ? pointer->pos() : QPoint()});
  if (whileOpen) {
    auto once = std::move(whileOpen);
    whileOpen = nullptr;
    once();
  }
}
void MessageDouble::error(const QString& t) {
  shown.push_back({RecordedMessage::Error, t, pointer ? pointer->pos() : QPoint()});
}
void MessageDouble::information(const QString& t) {
  shown.push_back({RecordedMessage::Information, t, pointer ? pointer->pos() : QPoint()});
}

void ModalDouble::showModal(QDialog& window) {
  shownTitles.push_back(window.windowTitle());
  if (onShow) onShow(window);
}

ServiceDoubles InstallServiceDoubles(const std::string& programFolder) {
  ServiceDoubles d;
  d.messages = std::make_shared<MessageDouble>();
  d.pointer = std::make_shared<PointerDouble>();
  d.clock = std::make_shared<ClockDouble>();
  d.modal = std::make_shared<ModalDouble>();
  d.messages->pointer = d.pointer;
  Services& s = services();
  s.messages = d.messages;
  s.pointer = d.pointer;
  s.clock = d.clock;
  s.modal = d.modal;
  s.programFolder = programFolder;
  return d;
}

}  // namespace kestrel
