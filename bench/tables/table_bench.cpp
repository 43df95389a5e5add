// Lookups in a 100,000-row table of real Cyrillic words: TTable::Find and
// TPack2Table searches, and the cost of loading such a table. The words come
// from the system's Russian spelling dictionary (hunspell-ru); without it a
// generated word list of the same size is used and the run says so.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <fstream>
#include <iostream>
#include <random>
#include <set>

#include "zentrok/MyTables3.h"
#include "zentrok/Pack2Table.h"
#include "zentrok/TableWriter.h"
#include "zentrok/Utf.h"

using namespace zentrok;

namespace {

constexpr size_t kRows = 100000;

std::vector<std::u16string> LoadWords() {
  std::vector<std::u16string> words;
  std::set<std::u16string> seen;
  std::ifstream dic("/usr/share/hunspell/ru_RU.dic");
  std::string line;
  std::getline(dic, line);  // the count
  while (words.size() < kRows && std::getline(dic, line)) {
    const std::string word = line.substr(0, line.find('/'));
    std::u16string w = Utf8ToUtf16(word);
    if (!w.empty() && seen.insert(w).second) words.push_back(w);
  }
  if (words.size() < kRows) {
    std::cerr << "table_bench: hunspell-ru not found, using generated words\n";
    const std::u16string letters = u"абвгдеёжзийклмнопрстуфхцчшщъыьэюяәөүҗңһ";
    std::mt19937 rng(7);
    while (words.size() < kRows) {
      std::u16string w;
      for (size_t n = 3 + rng() % 8; n; --n) w.push_back(letters[rng() % letters.size()]);
      if (seen.insert(w).second) words.push_back(w);
    }
  }
  return words;
}

struct TFixture {
  std::vector<std::u16string> Words = LoadWords();
  std::vector<uint8_t> TextFile;
  std::vector<uint8_t> Image;
  std::vector<std::u16string> Probes;  // 3 of 4 present, upper-cased now and then

  TFixture() {
    TTextTableWriter tw;
    TPackTableWriter pw;
    for (size_t i = 0; i < Words.size(); ++i) {
      tw.AddRow({Words[i], u"перевод", Utf8ToUtf16(std::to_string(i))});
      pw.AddRow({Words[i], static_cast<int32_t>(i), u"тамыр", 3});
    }
    tw.Sort();
    pw.SortText(0);
    TextFile = tw.Build();
    Image = pw.Build();
    std::mt19937 rng(11);
    for (int i = 0; i < 4096; ++i) {
      std::u16string w = Words[rng() % Words.size()];
      if (i % 4 == 3) w += u"ъщ";  // absent
      Probes.push_back(w);
    }
  }
};

const TFixture& Fixture() {
  static const TFixture f;
  return f;
}

void BM_TTableFind(benchmark::State& state) {
  const TFixture& f = Fixture();
  const TTable t = TTable::FromBytes(f.TextFile.data(), f.TextFile.size(), "bench");
  size_t i = 0, found = 0;
  for (auto _ : state) {
    int index;
    found += t.Find(f.Probes[i++ & 4095], index);
    benchmark::DoNotOptimize(index);
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
  state.counters["found"] = static_cast<double>(found) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_TTableFind);

// The same search through the plain row comparison (collation of the cell
// on every step), for comparison with the sort-key path above.
void BM_TTableFindPlainCompare(benchmark::State& state) {
  const TFixture& f = Fixture();
  const TTable t = TTable::FromBytes(f.TextFile.data(), f.TextFile.size(), "bench");
  size_t i = 0;
  for (auto _ : state) {
    int index;
    benchmark::DoNotOptimize(t.Find(f.Probes[i++ & 4095], index, TTable::CompareKeys));
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}
BENCHMARK(BM_TTableFindPlainCompare);

void BM_TPack2TableFindText(benchmark::State& state) {
  const TFixture& f = Fixture();
  TPack2Table t(f.Image.data(), f.Image.size(), "bench");
  t.IndexTextColumn(0);
  size_t i = 0;
  for (auto _ : state) {
    int32_t first, last;
    benchmark::DoNotOptimize(t.FindTextRange(f.Probes[i++ & 4095], first, last));
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}
BENCHMARK(BM_TPack2TableFindText);

void BM_TPack2TableFindCompareWhole(benchmark::State& state) {
  const TFixture& f = Fixture();
  const TPack2Table t(f.Image.data(), f.Image.size(), "bench");
  size_t i = 0;
  for (auto _ : state) {
    int32_t index;
    benchmark::DoNotOptimize(t.Find(f.Probes[i++ & 4095].c_str(), index, CompareWhole, 0, 0));
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}
BENCHMARK(BM_TPack2TableFindCompareWhole);

void BM_TTableLoad(benchmark::State& state) {
  const TFixture& f = Fixture();
  for (auto _ : state) {
    TTable t = TTable::FromBytes(f.TextFile.data(), f.TextFile.size(), "bench");
    benchmark::DoNotOptimize(t.RowCount());
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(kRows));
}
BENCHMARK(BM_TTableLoad)->Unit(benchmark::kMillisecond);

void BM_TPack2TableBuildAndIndex(benchmark::State& state) {
  const TFixture& f = Fixture();
  for (auto _ : state) {
    TPack2Table t(f.Image.data(), f.Image.size(), "bench");
    t.IndexTextColumn(0);
    benchmark::DoNotOptimize(t.RowCount());
  }
}
BENCHMARK(BM_TPack2TableBuildAndIndex)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
