#include "app/Kestrel.h"

#include "app/Unit1.h"
#include "clocks/ClkUnit2.h"
#include "geo/Unit2.h"
#include "home/Unit3.h"
#include "pictures/Map.h"
#include "pictures/USBandsUnit.h"
#include "pictures/Unit5.h"
#include "worldmap/WorldMapUnit.h"

namespace kestrel {

KestrelWindows& windows() {
  static KestrelWindows w;
  return w;
}

KestrelProgram::KestrelProgram() {
  KestrelWindows& w = windows();
  w = KestrelWindows{};
  w.Kestrel1 = new TKestrel1();
  w.Home = new THome();
  w.About = new TAbout();
  w.USBands = new TUSBands();
  w.USMap = new TUSMap();
  w.WorldMap = new TWorldMap();
  w.Grid = new TGrid();
  w.Clock2 = new TClock2();
  // "Display Long Path" shows or hides the main window's long-path label.
  QObject::connect(w.Home, &THome::longPathChanged, w.Kestrel1,
                   [](bool shown) { windows().Kestrel1->Label74->setVisible(shown); });
}

KestrelProgram::~KestrelProgram() {
  KestrelWindows& w = windows();
  delete w.Clock2;
  delete w.Grid;
  delete w.WorldMap;
  delete w.USMap;
  delete w.USBands;
  delete w.About;
  delete w.Home;
  delete w.Kestrel1;
  w = KestrelWindows{};
}

}  // namespace kestrel
