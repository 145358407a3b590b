// The battlefield picture painted whole from the game state (1080 x 840), as
// every redraw does: story stage 0 as it opens, and with a move reach shown.
#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include "app/game_session.h"
#include "view/battle_art.h"
#include "view/board_marks.h"
#include "view/map_painter.h"

namespace {

using namespace sorvane;

void paintWhole(benchmark::State& state, bool reach) {
  static BattleArt art(SORVANE_GAME_DIR);
  GameSession session(SORVANE_GAME_DIR);
  session.setUpStage(0, 1);
  Battle& b = session.battle();
  BoardMarks marks;
  if (reach) {
    b.selectUnit(kPlayerMaster);
    b.moveReach();
    b.pickMode = 1;
    b.pickCommand = 1;
  }
  QImage picture(kFieldWidth, kFieldHeight, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    QPainter p(&picture);
    paintBattlefield(p, b, art, marks);
    p.end();
    benchmark::DoNotOptimize(picture.constBits());
  }
}

void BM_BattlefieldRepaint(benchmark::State& state) { paintWhole(state, false); }
void BM_BattlefieldRepaintWithReach(benchmark::State& state) { paintWhole(state, true); }

BENCHMARK(BM_BattlefieldRepaint)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_BattlefieldRepaintWithReach)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
