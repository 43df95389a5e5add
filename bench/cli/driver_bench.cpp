// The driver's own cost per character: normalising, cutting sentences and
// copying them out, with an engine that does nothing.
#include <benchmark/benchmark.h>

#include <string>

#include "zentrok/Translator2.h"

namespace {

void ZENTROK_CALL NoOutProc(TOutProc) {}
size_t sentences = 0;
void ZENTROK_CALL CountSentence(const char16_t*) { ++sentences; }

void BM_DriverCutting(benchmark::State& state) {
  const std::u16string unit = u"Без бүген мәктәпкә бардык, ә алар өйдә калдылар. Син кайчан кайтасың?\n";
  std::u16string text;
  while (text.size() < static_cast<size_t>(state.range(0))) text += unit;
  zentrok::TTranslator t(zentrok::TEngineBinding{&NoOutProc, &CountSentence, nullptr, nullptr});
  std::u16string buffer;
  for (auto _ : state) {
    buffer = text;
    zentrok::TranslateText(t, buffer, zentrok::DirTatarRussian);
  }
  benchmark::DoNotOptimize(sentences);
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_DriverCutting)->Arg(1 << 15)->Arg(1 << 20);

}  // namespace

BENCHMARK_MAIN();
