// Time from start to a usable main window with the full place file loaded, against two peers
// measured in the same run: reading the place file alone, and showing an empty window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>

#include "app/Kestrel.h"
#include "app/Unit1.h"
#include "core/text_file.h"
#include "platform/app_style.h"
#include "platform/form.h"
#include "platform/services.h"

namespace {

std::string Folder() {
  static const std::string folder = [] {
    auto dir = std::filesystem::temp_directory_path() / "kestrel_bench_startup";
    std::filesystem::create_directories(dir);
    std::filesystem::copy_file(std::string(KESTREL_DATA_DIR) + "/states.txt", dir / "states.txt",
                               std::filesystem::copy_options::overwrite_existing);
    return dir.string();
  }();
  return folder;
}

void BM_StartToUsableMainWindow(benchmark::State& state) {
  kestrel::InstallServiceDoubles(Folder());
  for (auto _ : state) {
    kestrel::KestrelProgram program;
    program.main().show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(program.main().PlaceList.size());
  }
}
BENCHMARK(BM_StartToUsableMainWindow)->Unit(benchmark::kMillisecond);

void BM_ReadPlaceFileOnly(benchmark::State& state) {
  const std::string path = kestrel::JoinPath(Folder(), "states.txt");
  for (auto _ : state) benchmark::DoNotOptimize(kestrel::LoadLines(path).size());
}
BENCHMARK(BM_ReadPlaceFileOnly)->Unit(benchmark::kMillisecond);

void BM_ShowEmptyWindow(benchmark::State& state) {
  kestrel::InstallServiceDoubles(Folder());
  for (auto _ : state) {
    kestrel::TForm form("Empty", "Empty", QSize(462, 336), Qt::white);
    form.show();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_ShowEmptyWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  kestrel::InstallAppStyle();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
