// The program: its eight windows, created once in this order and kept until the end.
#pragma once
#include <memory>

namespace kestrel {

class TKestrel1;
class THome;
class TAbout;
class TUSBands;
class TUSMap;
class TWorldMap;
class TGrid;
class TClock2;

// One global reference per window.
struct KestrelWindows {
  TKestrel1* Kestrel1 = nullptr;
  THome* Home = nullptr;
  TAbout* About = nullptr;
  TUSBands* USBands = nullptr;
  TUSMap* USMap = nullptr;
  TWorldMap* WorldMap = nullptr;
  TGrid* Grid = nullptr;
  TClock2* Clock2 = nullptr;
};
KestrelWindows& windows();

// Creates the eight windows in order (the main window first) and wires them together;
// destroying it destroys them. The services must be installed first.
class KestrelProgram {
 public:
  KestrelProgram();
  ~KestrelProgram();
  KestrelProgram(const KestrelProgram&) = delete;
  KestrelProgram& operator=(const KestrelProgram&) = delete;
  TKestrel1& main() { return *windows().Kestrel1; }
};

}  // namespace kestrel
