#include "db_unit.h"

#include <algorithm>

#include <unicode/uchar.h>

#include "Common_ru.h"
#include "zentrok/FileCollection.h"
#include "zentrok/TrgErrors.h"
#include "zentrok/Utf.h"

namespace rusengine {

namespace {

const zentrok::TFileItem& Item(const zentrok::TFileCollection& coll, const std::string& name) {
  const zentrok::TFileItem* item = coll.FindItem(name);
  if (!item)
    throw zentrok::EDamagedTable("Damaged table file \"" + coll.FileName() + "\": item \"" +
                                 name + "\" is missing");
  return *item;
}

// Loads a text table file and checks that every row has minCells cells.
std::unique_ptr<zentrok::TTable> LoadTextTable(const std::string& path, int minCells) {
  auto table = std::make_unique<zentrok::TTable>(zentrok::Utf8ToUtf16(path));
  for (int r = 0; r < table->RowCount(); ++r)
    if (table->RowLength(r) < minCells)
      throw zentrok::EDamagedTable("Damaged table file \"" + path + "\": row " +
                                   std::to_string(r) + " has fewer than " +
                                   std::to_string(minCells) + " cells");
  return table;
}

// True when a text cell of column 0 holds a character that the key
// collation may weigh as a blank (white space, separators, controls).
bool HasBlank(const zentrok::TPack2Table& table) {
  for (int32_t r = 0; r < table.RowCount(); ++r)
    for (char16_t c : table.CellText(r, 0)) {
      const int8_t type = u_charType(c);
      if (u_isUWhiteSpace(c) || type == U_SPACE_SEPARATOR || type == U_LINE_SEPARATOR ||
          type == U_PARAGRAPH_SEPARATOR || type == U_CONTROL_CHAR)
        return true;
    }
  return false;
}

}  // namespace

// ------------------------------------------------------------ prepositions

std::shared_ptr<const zentrok::TTable> TPrepositionSource::Get() {
  if (!FTable) FTable = LoadTextTable(FDataPath + kPrepositionFile, 4);
  return FTable;
}

// ------------------------------------------------------------ TDB_standard

TDB_standard::TDB_standard(const std::string& dataPath, const TNames& names, uint16_t code,
                           TPrepositionSource& prepositions)
    : FClassCode(code) {
  {
    const zentrok::TFileCollection coll(dataPath + names.Collection);
    const zentrok::TFileItem& codes = Item(coll, names.CodeTable);
    FCodes = std::make_unique<TCode>(codes.Memory(), codes.Size(), names.CodeTable);
    const zentrok::TFileItem& endings = Item(coll, names.EndingTable);
    FEndings = std::make_unique<TFlank>(endings.Memory(), endings.Size(), names.EndingTable,
                                        TFlank::TKind::Endings);
    const zentrok::TFileItem& stems = Item(coll, names.StemTable);
    FStems = std::make_unique<TFlank>(stems.Memory(), stems.Size(), names.StemTable,
                                      TFlank::TKind::Stems);
  }
  FPrepositions = prepositions.Get();
  FHasBlanks = HasBlank(*FStems) || HasBlank(*FEndings);
}

bool TDB_standard::AnalyseAt(std::u16string_view word, int n, TTransUnits& readings) const {
  const size_t count = readings.size();
  if (!FEndings->EndingCodes(word.substr(static_cast<size_t>(n)), FCodeBuffer)) return false;
  if (!FStems->MatchStems(word, n, readings, FCodeBuffer)) return false;
  for (size_t i = count; i < readings.size(); ++i) {
    readings[i].WordClass = FClassCode;
    Complete(readings[i]);
  }
  return true;
}

bool TDB_standard::FindPreposition(std::u16string_view text, int32_t& first,
                                   int32_t& last) const {
  if (!FPrepositions) return false;
  int f = 0, l = 0;
  if (!FPrepositions->FindRange(text, f, l)) return false;
  first = f;
  last = l;
  return true;
}

void TDB_standard::GetText(const TWordForm& reading, std::u16string& text) const {
  Generate(reading, reading.TatForm, text);
}

bool TDB_standard::AnalyseWord(std::u16string_view word, TTransUnits& readings) const {
  if (word.empty()) return false;
  if (!FHasBlanks && word.find(u' ') != std::u16string_view::npos) return false;
  for (int n = static_cast<int>(word.size()); n >= 0; --n)
    if (AnalyseAt(word, n, readings)) return true;
  return false;
}

void TDB_standard::Generate(const TWordForm& reading, int tatForm, std::u16string& text) const {
  text.clear();
  if (tatForm < 0 || !FStems || reading.Row < 0 || reading.Row >= FStems->RowCount()) return;
  std::u16string_view tatStem;
  int32_t tatParadigm = 0;
  FStems->StemInfo(reading.Row, tatStem, tatParadigm);
  const int32_t key = static_cast<int32_t>(static_cast<uint32_t>(tatParadigm) << 16 |
                                           static_cast<uint16_t>(tatForm));
  std::u16string_view ending;
  // Without a Tatar ending there is no word: the reading then gets no text
  // at all rather than a bare postposition.
  if (!FCodes->FindCode(key, ending)) return;
  text.append(tatStem).append(ending);
  if (reading.HasPrep) {
    std::u16string_view post = PrepositionText(reading.PrepFirst);
    if (!post.empty()) text.append(u" ").append(post);
  }
}

bool TDB_standard::ChoosePreposition(TWordForm& reading) const {
  if (!reading.HasPrep || !FPrepositions) return false;
  const int rows = FPrepositions->RowCount();
  if (reading.PrepFirst < 0 || reading.PrepFirst >= rows || reading.PrepLast >= rows)
    return false;
  int32_t chosen = reading.PrepFirst;
  for (int32_t r = reading.PrepFirst; r <= reading.PrepLast; ++r) {
    const int32_t g = FPrepositions->GetInt(r, 1);
    if (g >= 0 && (g == reading.Form || g + 6 == reading.Form || g - 6 == reading.Form)) {
      chosen = r;
      break;
    }
  }
  reading.PrepFirst = chosen;
  const int32_t t = FPrepositions->GetInt(chosen, 2);
  reading.TatForm = static_cast<int16_t>(reading.Form < 6 ? t : PluralCase(t));
  return true;
}

std::u16string_view TDB_standard::PrepositionText(int32_t row) const {
  if (!FPrepositions || row < 0 || row >= FPrepositions->RowCount()) return {};
  return FPrepositions->Cell(row, 3);
}

int32_t TDB_standard::GovernedCase(int32_t row) const {
  if (!FPrepositions || row < 0 || row >= FPrepositions->RowCount()) return -1;
  return FPrepositions->GetInt(row, 1);
}

std::u16string_view TDB_standard::PrepositionWord(int32_t row) const {
  if (!FPrepositions || row < 0 || row >= FPrepositions->RowCount()) return {};
  return FPrepositions->Cell(row, 0);
}

int32_t TDB_standard::PrepositionCode(int32_t row) const {
  if (!FPrepositions || row < 0 || row >= FPrepositions->RowCount()) return -1;
  return FPrepositions->GetInt(row, 2);
}

std::u16string_view TDB_standard::TatarStem(int32_t row) const {
  if (!FStems || row < 0 || row >= FStems->RowCount()) return {};
  std::u16string_view stem;
  int32_t paradigm = 0;
  FStems->StemInfo(row, stem, paradigm);
  return stem;
}

std::u16string TDB_standard::TatarLemma(int32_t row) const {
  TWordForm w;
  w.Row = row;
  std::u16string text;
  // Verbs: the 2sg imperative is the bare stem; the rest: the base form.
  Generate(w, FClassCode == wcVerb ? 1 : 0, text);
  return text;
}

// ------------------------------------------------------------ word classes

namespace {

// Appends " белән" after instrumental forms and " түгел" for a negated
// word, to a word that was generated.
void AppendWithAndNot(const TDB_standard& db, const TWordForm& reading, std::u16string& text) {
  if (text.empty()) return;
  // A postposition (под столом -> өстәл астында) already says what the
  // instrumental meant.
  const bool post = reading.HasPrep && !db.PrepositionText(reading.PrepFirst).empty();
  if (IsInstrumentalForm(reading.Form) && !post) text.append(kWithWord);
  if (reading.Negated) text.append(kNotWord);
}

}  // namespace

TVAdj::TVAdj(const std::string& dataPath, TPrepositionSource& prepositions)
    : TDB_standard(dataPath, {"rvadjfl", "tvadjcd", "vadjbs", "flip16.coll"}, wcVAdj,
                   prepositions) {}

bool TVAdj::Complete(TWordForm& reading) const {
  reading.TatForm = static_cast<int16_t>(VAdjForms(reading.Form));
  return true;
}

void TVAdj::GetText(const TWordForm& reading, std::u16string& text) const {
  Generate(reading, VAdjForms(reading.Form), text);
  AppendWithAndNot(*this, reading, text);
}

TVAdv::TVAdv(const std::string& dataPath, TPrepositionSource& prepositions)
    : TDB_standard(dataPath, {"rvadvfl", "tvadvcd", "vadvbs", "flip64.coll"}, wcVAdv,
                   prepositions) {}

bool TVAdv::Complete(TWordForm&) const { return true; }

void TVAdv::GetText(const TWordForm& reading, std::u16string& text) const {
  const int form = reading.Form <= 1 ? reading.Form : -1;
  Generate(reading, form < 0 ? -1 : VAdvForms((reading.Negated ? 2 : 0) + form), text);
}

TVerb::TVerb(const std::string& dataPath, TPrepositionSource& prepositions)
    : TDB_standard(dataPath, {"rverbfl", "tverbcd", "verbbs", "flip32.coll"}, wcVerb,
                   prepositions) {}

bool TVerb::Complete(TWordForm& reading) const {
  reading.TatForm = static_cast<int16_t>(VerbForms(reading.Form * 2 + (reading.Negated ? 1 : 0)));
  return true;
}

void TVerb::GetText(const TWordForm& reading, std::u16string& text) const {
  // The negation is part of the Tatar verb form.
  const int neg = reading.Negated ? 1 : 0;
  int code = VerbForms(reading.Form * 2 + neg);
  const bool present = reading.Form >= 3 && reading.Form <= 8;
  if (reading.CaseCode >= 0) {
    Generate(reading, reading.CaseCode, text);
    return;
  }
  // "буду, будет ..." is the future of "быть": the definite future of бул.
  if (present && TatarStem(reading.Row) == kBeStem) code = FutureCode(reading.Form - 3, neg);
  if (reading.Person >= 0 && reading.Person <= 5) {
    if (IsPastForm(reading.Form))
      code = PastCode(reading.Person, neg);  // the Russian past has no person
    else if ((present && TatarStem(reading.Row) == kBeStem) || IsFutureForm(reading.Form))
      code = FutureCode(reading.Person, neg);
  }
  Generate(reading, code, text);
}

TAdj::TAdj(const std::string& dataPath, TPrepositionSource& prepositions)
    : TDB_standard(dataPath, {"radjfl", "tadjcd", "adjbs", "flip128.coll"}, wcAdj,
                   prepositions) {}

bool TAdj::AnalyseAt(std::u16string_view word, int n, TTransUnits& readings) const {
  const size_t count = readings.size();
  if (!TDB_standard::AnalyseAt(word, n, readings)) return false;
  if (readings.size() - count > 1) {
    readings.resize(count + 1);
    TWordForm& merged = readings[count];
    merged.Form = merged.Form > 5 ? 29 : 0;
  }
  return true;
}

bool TAdj::Complete(TWordForm& reading) const {
  reading.TatForm = 0;
  return true;
}

void TAdj::GetText(const TWordForm& reading, std::u16string& text) const {
  Generate(reading, reading.Form == 24 ? 1 : 0, text);
  if (text.empty()) return;
  if (reading.Form == 25) text.insert(0, kMostWord);
  AppendWithAndNot(*this, reading, text);
}

TNoun::TNoun(const std::string& dataPath, TPrepositionSource& prepositions)
    : TDB_standard(dataPath, {"rnounfl", "tnouncd", "nounbs", "flip256.coll"}, wcNoun,
                   prepositions),
      FAnimate(FEndings->ParadigmsWithSameEnding(7, 9)) {}

bool TNoun::IsAnimateRow(int32_t row) const {
  return std::binary_search(FAnimate.begin(), FAnimate.end(), FStems->StemParadigm(row));
}

bool TNoun::Complete(TWordForm& reading) const {
  if (IsAnimateRow(reading.Row)) reading.Animate = 1;
  return true;
}

void TNoun::GetText(const TWordForm& reading, std::u16string& text) const {
  // With a preposition the case comes from the preposition row.
  int code = reading.HasPrep ? reading.TatForm : NounForms(reading.Form);
  if (reading.CaseCode >= 0) code = reading.CaseCode;
  if (reading.Bare) code = BareObjectCode(code);
  if (reading.Possessor >= 0) code = PossessiveCode(code, reading.Possessor);
  Generate(reading, code, text);
  AppendWithAndNot(*this, reading, text);
}

TMod::TMod(const std::string& dataPath)
    : TDB_standard(wcMod), FWords(LoadTextTable(dataPath + kWholeWordFile, 2)) {}

bool TMod::AnalyseWord(std::u16string_view word, TTransUnits& readings) const {
  int index = 0;
  if (word.empty() || !FWords->Find(word, index)) return false;
  TWordForm& w = readings.emplace_back();
  w.WordClass = wcMod;
  w.Form = 1;
  w.Row = index;
  Complete(w);
  return true;
}

bool TMod::Complete(TWordForm& reading) const {
  reading.TatForm = static_cast<int16_t>(reading.Form);
  return true;
}

void TMod::GetText(const TWordForm& reading, std::u16string& text) const {
  text.clear();
  if (reading.Row >= 0 && reading.Row < FWords->RowCount()) text = FWords->Cell(reading.Row, 1);
  // "не" before a whole word is kept rather than lost.
  if (reading.Negated && !text.empty()) text.append(kNotWord);
}

bool TUnknown::Complete(TWordForm& reading) const {
  reading.TatForm = 0;
  return true;
}

void TUnknown::GetText(const TWordForm& reading, std::u16string& text) const {
  text = reading.Text;
  if (reading.Negated && !text.empty()) text.append(kNotWord);
}

}  // namespace rusengine
