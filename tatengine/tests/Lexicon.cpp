#include "Lexicon.h"

#include <stdlib.h>

#include <stdexcept>

#include "zentrok/TableWriter.h"
#include "zentrok/Utf.h"

namespace tatfix {

const char* const DataFiles[27] = {
    "flt01.pack",   "flr01.pack",  "itfst01.pack", "itfsr01.pack", "cds01.pack",
    "flt04.pack",   "flr04.pack",  "itfst04.pack", "cds04.pack",   "flt09.pack",
    "flr09.pack",   "itfst09.pack", "cds09.pack",  "plr10.pack",   "flt10.pack",
    "itfst10.pack", "flt02.pack",  "itfst02.pack", "flt05.pack",   "itfst05.pack",
    "itfst03.pack", "itfst06.pack", "itfst07.pack", "itfst08.pack", "itfst11.pack",
    "flt13.pack",   "itfst13.pack"};

void TLexicon::Write(const std::string& dir) const {
  for (const char* name : DataFiles) {
    zentrok::TTextTableWriter writer;
    auto it = Tables.find(name);
    if (it != Tables.end())
      for (const TRow& row : it->second) writer.AddRow(row);
    writer.Sort(0);
    writer.Save(dir + "/" + name);
  }
  // The optional context senses: a collection of two text tables, written
  // only when the lexicon has rules.
  auto rules = Tables.find(SenseRules);
  if (rules == Tables.end()) return;
  zentrok::TCollectionWriter coll;
  for (const char* item : {SenseRules, SenseClasses}) {
    zentrok::TTextTableWriter writer;
    if (auto it = Tables.find(item); it != Tables.end())
      for (const TRow& row : it->second) writer.AddRow(row);
    writer.Sort(0);
    coll.AddItem(std::string(item).substr(7), writer.Build());
  }
  coll.Save(dir + "/senses.coll");
}

void SenseRule(TLexicon& lx, const std::u16string& word, const std::u16string& relation,
               const std::u16string& context, const std::u16string& russian, long imperfective,
               long perfective, const std::u16string& government) {
  lx.Add(SenseRules, {word, relation, context, russian, N(imperfective), N(perfective), government});
}

std::u16string N(long v) { return zentrok::Utf8ToUtf16(std::to_string(v)); }
std::u16string C(int paradigm, int code) { return N(paradigm * 256 + code); }

void NounParadigm(TLexicon& lx, int paradigm, const std::vector<std::u16string>& endings, bool animate) {
  for (int x = 1; x <= 12; ++x)
    lx.Add("cds04.pack", {N(paradigm * 65536L + (animate ? 256 : 0) + x), endings[x - 1]});
}

void Noun(TLexicon& lx, const std::u16string& tat, const std::u16string& rus, int paradigm, int gender) {
  lx.Add("itfst04.pack", {tat, u"1", rus, N(paradigm * 65536L + gender)});
}

void RegularVerb(TLexicon& lx, long number, const char16_t* aspect, const std::u16string& s) {
  lx.Add("plr10.pack",
         {N(number), s + u"ть", aspect, s + u"ть", s + u"й", s + u"ю", s + u"ешь", s + u"ет", s + u"йте",
          s + u"ем", s + u"ете", s + u"ют", s + u"л", s + u"ла", s + u"ло", s + u"ли", s + u"я",
          s + u"вший", s + u"вшая", s + u"вшее", s + u"вшие"});
}

void TatVerb(TLexicon& lx, const char16_t* stem, std::u16string rus, int number, int partner, int invite) {
  lx.Add("itfst10.pack", {stem, u"1", rus, N(number + 65536L * partner), stem, N(invite)});
}

void Pronoun(TLexicon& lx, int r, std::vector<std::pair<std::u16string, int>> forms, std::vector<std::u16string> rus) {
  for (auto& [form, code] : forms) lx.Add("itfst09.pack", {form, N(code), u"", N(r * 256 + 1)});
  for (int x = 1; x <= 12; ++x) lx.Add("cds09.pack", {N(r * 256 + x), rus[x - 1]});
}

void RusVerb(TLexicon& lx, int number, const char16_t* aspect, std::vector<std::u16string> f) {
  TRow row{N(number), f[0], aspect};
  for (auto& form : f) row.push_back(form);
  for (int k = 0; k < 4; ++k) row.push_back(f[9] + u"ший");
  lx.Add("plr10.pack", row);
}

namespace {

// Russian adjective endings by adjective form code 1-29.
void AdjParadigm(TLexicon& lx, int paradigm, std::vector<std::u16string> endings) {
  for (int v = 1; v <= 29; ++v) lx.Add("cds01.pack", {N(paradigm * 256L + v), endings[v - 1]});
}

// A regular Russian verb in -ть by selector 1-18 (columns 3-20).
void Verb(TLexicon& lx, int number, const std::u16string& s) {
  lx.Add("plr10.pack",
         {N(number), u"", u"", s + u"ть", s + u"й", s + u"ю", s + u"ешь", s + u"ет", s + u"йте",
          s + u"ем", s + u"ете", s + u"ют", s + u"л", s + u"ла", s + u"ло", s + u"ли", s + u"я",
          s + u"вший", s + u"вшая", s + u"вшее", s + u"вшие"});
}

}  // namespace

void CanVerb(TLexicon& lx) {
  std::erase_if(lx.Tables["plr10.pack"], [](const TRow& row) { return row[0] == N(2037); });
  lx.Add("plr10.pack", {N(2037), u"мочь", u"i", u"мочь", u"моги", u"могу", u"можешь", u"может",
                        u"могите", u"можем", u"можете", u"могут", u"мог", u"могла", u"могло",
                        u"могли", u"могши", u"могший", u"могшая", u"могшее", u"могшие"});
}

void TakeVerb(TLexicon& lx) {
  lx.Add("itfst10.pack", {u"ал", u"1", u"взять", N(5165), u"ал", u"0"});
  RegularVerb(lx, 5165, u"p", u"взя");
}

TLexicon StandardLexicon() {
  TLexicon lx;
  // Nouns: Tatar paradigm 1.
  const std::pair<const char16_t*, int> nounEndings[] = {
      {u"", 1},  {u"ның", 2}, {u"га", 3}, {u"ны", 4},  {u"дан", 5},
      {u"да", 6}, {u"дә", 6}, {u"ы", 19}, {u"лар", 87}, {u"лары", 54}, {u"лардан", 40}};
  for (auto [e, code] : nounEndings) lx.Add("flt04.pack", {e, C(1, code)});
  lx.Add("flt04.pack", {u"ларның", C(1, 37)});
  // Two fitting code columns: the leftmost (accusative, no prefix) wins.
  lx.Add("flt04.pack", {u"не", C(1, 4), C(1, 3)});
  // Russian paradigms: 1 книга, 2 дом, 3 ученик, 4 девочка, 6 тетрадь.
  NounParadigm(lx, 1, {u"а", u"и", u"и", u"", u"е", u"ам", u"у", u"и", u"ой", u"ами", u"е", u"ах"});
  NounParadigm(lx, 2, {u"", u"а", u"а", u"ов", u"у", u"ам", u"", u"а", u"ом", u"ами", u"е", u"ах"});
  NounParadigm(lx, 3, {u"", u"и", u"а", u"ов", u"у", u"ам", u"а", u"ов", u"ом", u"ами", u"е", u"ах"});
  NounParadigm(lx, 4, {u"ка", u"ки", u"ки", u"ек", u"ке", u"кам", u"ку", u"ек", u"кой", u"ками", u"ке", u"ках"});
  NounParadigm(lx, 6, {u"ь", u"и", u"и", u"ей", u"и", u"ям", u"ь", u"и", u"ью", u"ями", u"и", u"ях"});
  auto noun = [&lx](const char16_t* tat, const char16_t* rus, int paradigm, int gender) {
    Noun(lx, tat, rus, paradigm, gender);
  };
  noun(u"китап", u"книг", 1, 2);
  noun(u"мәктәп", u"школ", 1, 2);
  noun(u"тау", u"гор", 1, 2);
  noun(u"укучы", u"ученик", 3, 1);
  noun(u"өй", u"дом", 2, 1);
  noun(u"яшь", u"возраст", 2, 1);
  noun(u"мыек", u"ус", 2, 1);
  noun(u"кыз", u"девоч", 4, 2);
  noun(u"дәфтәр", u"тетрад", 6, 2);
  noun(u"сөйгән", u"друг", 2, 1);
  noun(u"укучын", u"чужак", 2, 1);  // a longer stem than "укучы"
  noun(u"бакча", u"сад", 9, 1);     // paradigm 9 has no Russian endings
  noun(u"алып", u"великан", 3, 1);  // also a verb form of "ал"

  // Adjectives: Tatar paradigm 1; "рак" does not agree, "лар" is plural.
  lx.Add("flt01.pack", {u"", C(1, 1)});
  lx.Add("flt01.pack", {u"рак", C(1, 2)});
  lx.Add("flt01.pack", {u"лар", C(1, 3)});
  AdjParadigm(lx, 2, {u"ой", u"ая", u"ое", u"ие", u"ого", u"ой", u"ого", u"их", u"ому", u"ой",
                      u"ому", u"им", u"ой", u"ую", u"ое", u"ие", u"ого", u"ую", u"ое", u"их",
                      u"им", u"ой", u"им", u"ими", u"ом", u"ой", u"ом", u"их", u"е"});
  AdjParadigm(lx, 3, {u"ый", u"ая", u"ое", u"ые", u"ого", u"ой", u"ого", u"ых", u"ому", u"ой",
                      u"ому", u"ым", u"ый", u"ую", u"ое", u"ые", u"ого", u"ую", u"ое", u"ых",
                      u"ым", u"ой", u"ым", u"ыми", u"ом", u"ой", u"ом", u"ых", u"ее"});
  lx.Add("itfst01.pack", {u"зур", u"1", u"больш", u"2"});
  lx.Add("itfst01.pack", {u"яшь", u"1", u"молод", u"2"});
  lx.Add("itfst01.pack", {u"кызыл", u"1", u"красн", u"3"});
  lx.Add("itfst01.pack", {u"матур", u"1", u"красив", u"3"});

  // Sub-nouns: "өсте" top, "алды" front.
  lx.Add("flt09.pack", {u"е", C(1, 7)});
  lx.Add("flt09.pack", {u"ды", C(1, 7)});
  lx.Add("flt09.pack", {u"ендә", C(1, 12)});
  lx.Add("itfst09.pack", {u"өст", u"1", u"верх", N(0x100 + 1)});
  lx.Add("itfst09.pack", {u"ал", u"1", u"перед", N(0x200 + 1)});
  lx.Add("cds09.pack", {N(0x100 + 1), u""});
  lx.Add("cds09.pack", {N(0x100 + 11), u"у"});
  lx.Add("cds09.pack", {N(0x200 + 1), u""});

  // Verbs: Tatar paradigm 1.
  const std::pair<const char16_t*, int> verbEndings[] = {
      {u"ды", 29},  {u"ты", 29},  {u"мады", 35}, {u"а", 17},   {u"й", 17},   {u"ма", 23},
      {u"рга", 5},  {u"ып", 75}, {u"п", 75},  {u"ган", 41},  {u"йсы", 105}, {u"ячак", 99}, {u"са", 7},
      {u"сам", 9},  {u"мас", 16}};
  for (auto [e, code] : verbEndings) lx.Add("flt10.pack", {e, C(1, code)});
  auto verb = [&lx](const char16_t* tat, const char16_t* inf, int number) {
    lx.Add("itfst10.pack", {tat, u"1", inf, N(number)});
  };
  verb(u"укы", u"читать", 1001);
  verb(u"бел", u"знать", 1002);
  verb(u"ал", u"получать", 1005);
  verb(u"бул", u"бывать", 1006);
  verb(u"чык", u"подниматься", 5165);
  verb(u"җибәр", u"пускать", 2180);
  verb(u"бет", u"заканчивать", 5186);
  Verb(lx, 1001, u"чита");
  Verb(lx, 1002, u"зна");
  Verb(lx, 1005, u"получа");
  Verb(lx, 1006, u"быва");
  Verb(lx, 2037, u"начина");
  Verb(lx, 5248, u"успева");
  Verb(lx, 5300, u"конча");

  // Adverbs and numerals.
  lx.Add("flt02.pack", {u"", C(1, 1)});
  lx.Add("itfst02.pack", {u"тиз", u"1", u"быстро"});
  lx.Add("itfst02.pack", {u"бик", u"1", u"очень"});
  lx.Add("flt05.pack", {u"", C(1, 1)});
  lx.Add("itfst05.pack", {u"ике", u"1", u"два"});
  lx.Add("itfst05.pack", {u"өч", u"1", u"три"});
  lx.Add("itfst05.pack", {u"күп", u"1", u"множество"});

  // Participles: "гән" code 2 (case 2, column 3); "үче" code 1 is no participle.
  lx.Add("flt13.pack", {u"гән", C(1, 2)});
  lx.Add("flt13.pack", {u"үче", C(1, 1)});
  lx.Add("itfst13.pack", {u"сөй", u"1", u"любящий", u"любящий", u"любящего"});

  // Unchanging words.
  lx.Add("itfst03.pack", {u"һәм", u"и"});
  lx.Add("itfst03.pack", {u"ләкин", u"Но"});
  lx.Add("itfst03.pack", {u"күп", u"много"});
  lx.Add("itfst06.pack", {u"белән", u"с", u"9"});
  lx.Add("itfst06.pack", {u"өчен", u"для", u"3"});
  lx.Add("itfst07.pack", {u"мин", u"я", u"я", u"я", u"1", u"1"});
  lx.Add("itfst07.pack", {u"аның", u"его", u"её", u"его", u"1", u"3"});
  lx.Add("itfst07.pack", {u"үз", u"сам", u"сама", u"само", u"1", u"5"});
  lx.Add("itfst08.pack", {u"әйе", u"да"});

  // Direct translations, stored as they are emitted.
  lx.Add("itfst11.pack", {u"исәнмесез", u"здравствуйте"});
  lx.Add("itfst11.pack", {u"тау", u"Гора"});
  lx.Add("itfst11.pack", {u"көн саен", u"каждый день"});
  lx.Add("itfst11.pack", {u"бик зур рәхмәт", u"большое спасибо"});
  lx.Add("itfst11.pack", {u"күзгә-күз", u"с глазу на глаз"});
  return lx;
}

std::string MakeTempDir() {
  char pattern[] = "/tmp/tatengine-test-XXXXXX";
  const char* dir = mkdtemp(pattern);
  if (dir == nullptr) throw std::runtime_error("mkdtemp failed");
  return dir;
}

}  // namespace tatfix
