// Fixture data for the engine's tests and benchmark: a small Russian-Tatar
// lexicon written with the project's own table writers into a temporary
// folder, and the engine library opened through its C exports.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "zentrok_engine.h"

namespace rusengine::fixture {

// A code of the Russian ending table: paradigm in the high 16 bits, form id
// in the low 16 bits.
constexpr int32_t C(int paradigm, int form) { return paradigm << 16 | form; }
// A key of the Tatar code table.
constexpr int32_t K(int paradigm, int tatForm) { return paradigm << 16 | tatForm; }

struct TStemRow {
  std::u16string Stem;
  int32_t Paradigm;
  std::u16string TatStem;
  int32_t TatParadigm;
  // Usage flags (nouns: 1 mass, 2 has a relative adjective, 4 measure);
  // written as a fifth cell when nonzero.
  int32_t Flags = 0;
};

// The three tables of one word class and the names they are stored under.
struct TClassData {
  std::string Collection, EndingItem, CodeItem, StemItem;
  std::vector<std::pair<std::u16string, std::vector<int32_t>>> Endings;
  std::vector<TStemRow> Stems;
  std::vector<std::pair<int32_t, std::u16string>> Codes;

  std::vector<uint8_t> EndingImage() const;
  std::vector<uint8_t> StemImage() const;
  std::vector<uint8_t> CodeImage() const;
  // The collection file: the code, ending and stem items.
  std::vector<uint8_t> CollectionImage() const;
};

struct TLexicon {
  TClassData VAdj, VAdv, Verb, Adj, Noun;
  std::vector<std::vector<std::u16string>> Prepositions;  // pc32prf.coll rows
  std::vector<std::vector<std::u16string>> Words;         // pc32mod.coll rows

  // The lexicon the tests are written against.
  static TLexicon Standard();
  // Standard() with a regular verb (читать), быть, two nouns (книга,
  // брат) with possessive Tatar forms, and the pronouns, numerals and
  // function words the clause rules look at.
  static TLexicon Clauses();
  // Clauses() with a verb of motion (идти), a perfective verb, начать with
  // a noun spelt like its past, бояться, a noun whose accusative looks like
  // its prepositional (море), снег, a nationality adjective, and a few
  // whole phrases (хочу спать, давай, который).
  static TLexicon Context();
  // Context() with verbs of saying and thinking (сказать, думать,
  // спросить), объяснить, "мне кажется", "спасибо", "рад", "чем", "за",
  // "дома", "завтра", a 1pl and 1sg perfective future, the -ыр future and
  // the verbal noun of читать.
  static TLexicon Speech();
  // Speech() with знать in the present, вернуться (кайт), дело and its
  // other sense хәл, and the whole words of the everyday frames (было,
  // десять, лет, домой, летом, нам, не за что).
  static TLexicon Frames();
  // Frames() with units of time (час, неделя), лес, "через", "на" with the
  // accusative, "назад", "пять", "там", дать, and петь with its other
  // sense сайра (птица sings): spans of time, absence, objects, senses.
  static TLexicon Spans();
  // Spans() with вода (a substance) and яблоко (its plural genitive only),
  // the imperative of дать, снег's locative forest (в лесу), the adverbs
  // долго and немного, "какой", погода (asked about for its quality), and
  // "книжный", a relative adjective whose Tatar word is the noun китап, "перед" with урок (an event) and еда (a
  // meal): amounts, adverbs, order and "before".
  static TLexicon Order();
  // Writes all seven data files into folder (with its trailing "/").
  void Write(const std::string& folder) const;
};

// A fresh temporary folder, removed with everything in it on destruction.
class TTempDir {
public:
  TTempDir();
  ~TTempDir();
  TTempDir(const TTempDir&) = delete;
  TTempDir& operator=(const TTempDir&) = delete;
  // The folder with a trailing "/".
  const std::string& Path() const { return FPath; }

private:
  std::string FPath;
};

// One emitted piece.
struct TPiece {
  std::u16string Text;
  int32_t Flag;
  bool operator==(const TPiece&) const = default;
};

// librusengine.so opened with dlopen, used only through its exports.
class TEngineLib {
public:
  // Opens the library from $ZENTROK_BIN, else the current folder. Check
  // Ok() / Error().
  TEngineLib();
  ~TEngineLib();
  bool Ok() const { return FHandle && FLoad && FSetOut && FParse && FError; }
  const std::string& Error() const { return FOpenError; }

  void Load(const std::string& folder);
  std::string LoadError() const;
  // Registers the recording callback.
  void Connect();
  void Disconnect();
  std::vector<TPiece> Parse(const std::u16string& sentence);
  // The emitted pieces joined.
  std::u16string Translate(const std::u16string& sentence);

  using TLoad = void(ZENTROK_CALL*)(const char*);
  using TSetOut = void(ZENTROK_CALL*)(TOutProc);
  using TParse = void(ZENTROK_CALL*)(const char16_t*);
  using TError = const char*(ZENTROK_CALL*)();
  TLoad FLoad = nullptr;
  TSetOut FSetOut = nullptr;
  TParse FParse = nullptr;
  TError FError = nullptr;

private:
  void* FHandle = nullptr;
  std::string FOpenError;
};

// The library path tests and benchmarks open.
std::string EngineLibraryPath();

}  // namespace rusengine::fixture
