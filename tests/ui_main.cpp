// Window tests run on the offscreen platform with one application object.
#include <QApplication>
#include <gtest/gtest.h>

#include "platform/app_style.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  kestrel::InstallAppStyle();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
