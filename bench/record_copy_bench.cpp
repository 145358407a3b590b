// How long the AI's basic step takes: copying all 64 unit records into the
// working copy (and the unit grid with them).
#include <benchmark/benchmark.h>

#include "data/syori.h"

namespace {

using namespace sorvane;

void FillRecords(Tsyori& s) {
  for (int i = 0; i < kUnitCount; ++i) {
    Tkst& u = s.D->k[i];
    u.N = Name(i % 16 == 0 ? "アリス" : "ケルベロス");
    u.TNS = Name("[飛行][攻撃強化]");
    u.W = SharedArray<i32>{1, 2, 3, 4, 5};
    u.HP = 100 + i;
  }
  s.lastUnit = kUnitCount - 1;
}

void BM_CopyAllRecordsToWork(benchmark::State& st) {
  Tsyori s;
  FillRecords(s);
  for (auto _ : st) {
    s.copyToWork();
    benchmark::DoNotOptimize(s.D->kw[63].HP);
    benchmark::ClobberMemory();
  }
  st.SetBytesProcessed(st.iterations() * std::int64_t(sizeof(Tkst)) * kUnitCount);
}
BENCHMARK(BM_CopyAllRecordsToWork);

void BM_CopyAllRecordsBack(benchmark::State& st) {
  Tsyori s;
  FillRecords(s);
  s.copyToWork();
  for (auto _ : st) {
    s.copyFromWork();
    benchmark::DoNotOptimize(s.D->k[63].HP);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_CopyAllRecordsBack);

}  // namespace
