// zentrok-tablecheck: looks inside the engines' data files.
//
//   zentrok-tablecheck FILE...      prints a text table file, or every item of
//                                   a file collection, one row a line
//   zentrok-tablecheck --self-check writes tables of all three formats with
//                                   the project's writers, loads them back and
//                                   finds every key
#include <chrono>
#include <cstdio>
#include <iostream>
#include <random>
#include <set>
#include <string>

#include <unicode/ustring.h>

#include "zentrok/FileCollection.h"
#include "zentrok/MyTables3.h"
#include "zentrok/Pack2Table.h"
#include "zentrok/TableWriter.h"
#include "zentrok/TrgErrors.h"
#include "zentrok/Utf.h"

using namespace zentrok;

namespace {

void DumpTextTable(const TTable& t) {
  for (int r = 0; r < t.RowCount(); ++r) {
    std::string line;
    for (int c = 0; c < t.RowLength(r); ++c) {
      if (c) line += '\t';
      line += Utf16ToUtf8(t.Cell(r, c));
    }
    std::cout << line << '\n';
  }
}

// Packed cells carry no type: a 4-byte cell that is not one printable
// character and a terminator is shown as a number, everything else as text.
void DumpPacked(const TPack2Table& t) {
  for (int32_t r = 0; r < t.RowCount(); ++r) {
    std::string line;
    for (int32_t c = 0; c < t.RowLength(r); ++c) {
      if (c) line += '\t';
      const uint8_t* p = t.Cell(r, c);
      const char16_t first = static_cast<char16_t>(p[0] | p[1] << 8);
      const bool number = t.CellLength(r, c) == 4 && (p[2] != 0 || p[3] != 0 || first < 0x20);
      line += number ? "#" + std::to_string(t.CellInt(r, c)) : Utf16ToUtf8(t.CellText(r, c));
    }
    std::cout << line << '\n';
  }
}

int Dump(const std::string& path) {
  const std::vector<uint8_t> bytes = ReadWholeFile(path);
  try {
    DumpTextTable(TTable::FromBytes(bytes.data(), bytes.size(), path));
    return 0;
  } catch (const EDamagedTable&) {
    // Not a text table: try a collection of packed tables.
  }
  TFileCollection c(bytes.data(), bytes.size(), path);
  for (int i = 0; i < c.Count(); ++i) {
    const TFileItem& item = c.Item(i);
    std::cout << "== " << item.Name() << " (" << item.Size() << " bytes)\n";
    try {
      DumpPacked(TPack2Table(item.Memory(), static_cast<size_t>(item.Size()), item.Name()));
    } catch (const EDamagedTable& e) {
      std::cout << "(not a packed table: " << e.what() << ")\n";
    }
  }
  return 0;
}

std::vector<std::u16string> Words(size_t n) {
  // Random words over every letter of both alphabets, some hyphenated, all
  // distinct.
  const std::u16string letters = u"аәбвгдеёжҗзийклмнңоөпрстуүфхһцчшщъыьэюя";
  std::mt19937 rng(2026);
  std::set<std::u16string> seen;
  std::vector<std::u16string> out;
  while (out.size() < n) {
    std::u16string w;
    for (size_t k = 2 + rng() % 9; k; --k) w.push_back(letters[rng() % letters.size()]);
    if (rng() % 16 == 0) w.insert(1 + rng() % (w.size() - 1), 1, u'-');
    if (seen.insert(w).second) out.push_back(w);
  }
  return out;
}

int SelfCheck(size_t n) {
  using clock = std::chrono::steady_clock;
  const std::vector<std::u16string> words = Words(n);
  TTextTableWriter tw;
  TPackTableWriter pw;
  for (size_t i = 0; i < words.size(); ++i) {
    tw.AddRow({words[i], Utf8ToUtf16(std::to_string(i))});
    pw.AddRow({words[i], static_cast<int32_t>(i)});
  }
  tw.Sort();
  pw.SortText(0);
  TCollectionWriter cw;
  cw.AddItem("words", pw.Build());
  const std::vector<uint8_t> textFile = tw.Build(), collection = cw.Build();

  const auto t0 = clock::now();
  const TTable table = TTable::FromBytes(textFile.data(), textFile.size(), "words.pack");
  const TFileCollection coll(collection.data(), collection.size(), "words.coll");
  TPack2Table packed(coll.FindItem("WORDS")->Memory(), static_cast<size_t>(coll.FindItem("words")->Size()),
                     "words");
  packed.IndexTextColumn(0);
  const auto t1 = clock::now();

  // Every eighth key is searched in capitals: the search ignores case.
  std::vector<std::u16string> probes = words;
  for (size_t i = 0; i < probes.size(); i += 8) {
    UErrorCode err = U_ZERO_ERROR;
    std::u16string upper(probes[i].size() * 2, u'\0');
    upper.resize(static_cast<size_t>(u_strToUpper(upper.data(), static_cast<int32_t>(upper.size()),
                                                  probes[i].data(), static_cast<int32_t>(probes[i].size()),
                                                  "", &err)));
    probes[i] = upper;
  }
  const auto t1b = clock::now();
  size_t bad = 0;
  for (size_t i = 0; i < words.size(); ++i) {
    int row = -1;
    int32_t prow = -1;
    if (!table.Find(probes[i], row) || table.GetInt(row, 1) != static_cast<int>(i)) ++bad;
    if (!packed.FindText(probes[i], prow) || packed.CellInt(prow, 1) != static_cast<int32_t>(i)) ++bad;
  }
  const auto t2 = clock::now();
  const double loadMs = std::chrono::duration<double, std::milli>(t1 - t0).count();
  const double findUs = std::chrono::duration<double, std::micro>(t2 - t1b).count() / (2.0 * n);
  std::printf("self-check: %zu keys written in 3 formats (%zu + %zu bytes), loaded in %.1f ms, "
              "%zu not found, %.2f us per lookup\n",
              n, textFile.size(), collection.size(), loadMs, bad, findUs);
  std::printf(bad == 0 ? "self-check: passed\n" : "self-check: FAILED\n");
  return bad == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || std::string(argv[1]) == "--help") {
    std::fprintf(stderr, "usage: zentrok-tablecheck FILE...\n       zentrok-tablecheck --self-check [N]\n");
    return argc < 2 ? 1 : 0;
  }
  try {
    if (std::string(argv[1]) == "--self-check") return SelfCheck(argc > 2 ? std::stoul(argv[2]) : 20000);
    for (int i = 1; i < argc; ++i) Dump(argv[i]);
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "zentrok-tablecheck: %s\n", e.what());
    return 2;
  }
}
