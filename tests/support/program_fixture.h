// A program built in a temporary folder with the service doubles, for window tests.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/Kestrel.h"
#include "app/Unit1.h"
#include "platform/controls.h"
#include "platform/services.h"

namespace kestrel::testing {

// Texts in tests are written with "°" standing for the Latin-1 degree byte 0xB0.
inline std::string D(std::string s) {
  for (size_t i; (i = s.find("\xC2\xB0")) != std::string::npos;) s.replace(i, 2, "\xB0");
  return s;
}

// Makes the window the active window, as the user's click or a window manager does, so that
// focus changes deliver their events; nullptr stands for another program taking over.
inline void MakeActive(QWidget* w) {
  if (w) w->activateWindow();
  QApplication::setActiveWindow(w);
  QApplication::processEvents();
}

// Types the characters as the keyboard sends them: to the box, which holds the focus, or to its
// list while the list is open.
inline void TypeInto(TComboBox& box, const QString& keys) {
  for (QChar c : keys) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QWidget* target = box.droppedDown() ? static_cast<QWidget*>(box.view()) : static_cast<QWidget*>(&box);
    QApplication::sendEvent(target, &press);
  }
}

class ProgramFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() /
             ("kestrel_ui_" + std::to_string(::getpid()) + "_" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    WriteFile("states.txt", D("AL~Mobile  N°30.41\\W°88.02\r\nAL~Birmingham  N°33.31\\W°86.48\r\n"
                              "TX~Houston  N°29.46\\W°95.22\r\nDX~1A0  Malta (N°35.53\\E°14.30)\r\n"));
    doubles = InstallServiceDoubles(folder.string());
  }
  void TearDown() override {
    program.reset();
    std::filesystem::remove_all(folder);
  }
  void WriteFile(const std::string& name, const std::string& bytes) {
    std::ofstream(folder / name, std::ios::binary) << bytes;
  }
  // Builds the eight windows; the main window is shown and activated as at start.
  TKestrel1& Start() {
    program = std::make_unique<KestrelProgram>();
    TKestrel1& w = program->main();
    w.show();
    QApplication::processEvents();
    return w;
  }
  void Activate(TKestrel1& w) { MakeActive(&w); }
  // Puts a home position into the main window's home fields.
  void SetHome(TKestrel1& w, long double lat, long double lon) {
    w.CurrencyEdit2->setValue(lat);
    w.CurrencyEdit1->setValue(lon);
  }
  std::filesystem::path folder;
  ServiceDoubles doubles;
  std::unique_ptr<KestrelProgram> program;
};

}  // namespace kestrel::testing
