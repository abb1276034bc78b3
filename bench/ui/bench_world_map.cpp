// One paint of the World Map's map sheet (1133 x 556: background, picture, ring and arrow,
// composed by the program's own canvas), against a peer measured in the same run: Qt drawing
// the same picture once onto an image of the same size.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <filesystem>

#include "app/Kestrel.h"
#include "platform/graphics.h"
#include "platform/services.h"
#include "worldmap/WorldMapUnit.h"

namespace {

std::string MapFolder() {
  static const std::string folder = [] {
    auto dir = std::filesystem::temp_directory_path() / "kestrel_bench_world_map";
    std::filesystem::create_directories(dir);
    for (const char* f : {"states.txt", "worldmap.png"})
      std::filesystem::copy_file(std::string(KESTREL_DATA_DIR) + "/" + f, dir / f,
                                 std::filesystem::copy_options::overwrite_existing);
    return dir.string();
  }();
  return folder;
}

void BM_PaintWorldMapSheet(benchmark::State& state) {
  kestrel::InstallServiceDoubles(MapFolder());
  kestrel::KestrelProgram program;
  kestrel::TWorldMap& map = *kestrel::windows().WorldMap;
  map.show();
  QApplication::processEvents();  // the first activation reads the picture
  for (auto _ : state) benchmark::DoNotOptimize(map.Panel3->render().constBits());
}
BENCHMARK(BM_PaintWorldMapSheet)->Unit(benchmark::kMillisecond);

void BM_QtDrawsThePicture(benchmark::State& state) {
  const QImage picture(QString::fromStdString(MapFolder() + "/worldmap.png"));
  QImage target(picture.size(), QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter p(&target);
    p.drawImage(0, 0, picture);
    p.end();
    benchmark::DoNotOptimize(target.constBits());
  }
}
BENCHMARK(BM_QtDrawsThePicture)->Unit(benchmark::kMillisecond);

}  // namespace
