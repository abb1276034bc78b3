// kestrel-calc's input: positions in their three forms, and a batch line as a whole run.
#include <cstdint>
#include <string>

#include "calc/calc_commands.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  kestrel::CalcPosition pos;
  std::string why;
  const bool ok = kestrel::ParseCalcPosition(text, pos, why);
  if (ok != why.empty()) __builtin_trap();  // a reason exactly when refused
  long double v = 0;
  kestrel::ParseCalcNumber(text, v);
  if (size < 512) {
    kestrel::RunCalc({"grid", text});
    kestrel::RunCalc({"bearing", text, "JJ00"});
    kestrel::RunCalc({"bearing", "--batch"}, text);
  }
  return 0;
}
