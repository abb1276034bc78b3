// kestrel-calc: the program's calculations from the command line (see kestrel-calc --help).
// The commands live in calc/calc_commands, where the tests run them in-process.
#include "calc/calc_commands.h"

int main(int argc, char** argv) { return kestrel::CalcMain(argc, argv); }
