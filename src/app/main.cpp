// Program entry: create the eight windows in order and run until the main window closes.
#include <QApplication>

#include "app/Kestrel.h"
#include "app/Unit1.h"
#include "platform/app_style.h"
#include "platform/services.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  kestrel::InstallAppStyle();
  kestrel::InstallRealServices(QCoreApplication::applicationDirPath().toStdString());
  kestrel::KestrelProgram program;
  program.main().show();
  program.main().activateWindow();
  return app.exec();
}
