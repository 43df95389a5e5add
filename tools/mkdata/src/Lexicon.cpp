#include "Lexicon.h"

#include <fstream>
#include <sstream>

#include "Inflect.h"
#include "zentrok/KeyCollation.h"
#include "zentrok/Utf.h"

namespace mkdata {
namespace {

[[noreturn]] void Fail(const TPlace& p, const std::string& msg) {
  throw TLexiconError(p.Where() + ": " + msg);
}

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> cells;
  std::string cur;
  for (char c : line) {
    if (c == '\t') {
      cells.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  cells.push_back(cur);
  return cells;
}

std::string Trim(const std::string& s) {
  size_t a = s.find_first_not_of(" \r");
  if (a == std::string::npos) return {};
  size_t b = s.find_last_not_of(" \r");
  return s.substr(a, b - a + 1);
}

// Flags allowed per source file; "t:" flags are the Tatar side.
const std::set<std::string> NounFlags = {"m", "f", "n", "pl", "anim", "fleet", "end", "indecl", "adj", "agree", "na",
                                         "measure", "mass", "px", "pxt",
                                         "t:back", "t:front", "t:novoice", "t:syncope", "t:syncopable", "t:T", "t:px3",
                                         "t:loan"};
const std::set<std::string> NounKeys = {"ns", "gs", "ds", "as", "is", "ps",
                                        "np", "gp", "dp", "ap", "ip", "pp", "hom", "t:stem", "t:pstem", "radj"};
const std::set<std::string> VerbFlags = {"p", "t:back", "t:front", "t:novoice", "t:syncope", "t:ar", "t:ir", "t:T"};
const std::set<std::string> VerbKeys = {"1s", "2s", "3s", "1p", "2p", "3p", "imp", "pm",
                                        "pf", "ger", "pap", "prp", "t:pres", "hom", "asp", "gov", "inv"};
// Options that belong to one Tatar verb's translation, not to its Russian
// verb: another entry with the same Russian word does not borrow them.
bool IsEntryKey(const std::string& key) { return key == "asp" || key == "gov" || key == "inv"; }
// Flags that belong to one Tatar word's translation in the same way: "px"
// (the sense of the possessed noun) and "pxt" (its sense when a thing owns it).
bool IsEntryFlag(const std::string& flag) { return flag == "px" || flag == "pxt"; }
// Noun options that say how the engine uses a noun, not how it inflects:
// an entry giving only these still borrows its synonym's inflection.
bool IsUsageOption(const std::string& name) { return name == "measure" || name == "mass" || name == "radj"; }
const std::set<std::string> AdjFlags = {"short", "qual", "rel", "t:back", "t:front", "t:novoice"};
const std::set<std::string> AdjKeys = {"cmp", "sm", "sf", "sn", "sp", "hom", "t:cmp"};
const std::set<std::string> NoFlags = {};
// "direct": the word is also looked up whole, before any analysis, so that
// an adverb such as иртәгә wins over the noun form it resembles.
const std::set<std::string> AdverbFlags = {"direct"};

// Keys compare like the engines' tables: case does not count.
struct TKeyLess {
  bool operator()(const std::u16string& a, const std::u16string& b) const {
    return zentrok::KeyCompare(a, b) < 0;
  }
};
const std::set<std::string> NoKeys = {};

void ParseOptions(TEntry& e, const std::u16string& cell, const std::set<std::string>& flags,
                  const std::set<std::string>& keys) {
  std::istringstream in(zentrok::Utf16ToUtf8(cell));
  std::string tok;
  while (in >> tok) {
    if (tok == ">") {
      e.ToTat = false;
    } else if (tok == "<") {
      e.ToRus = false;
    } else if (auto eq = tok.find('='); eq != std::string::npos) {
      std::string key = tok.substr(0, eq);
      if (!keys.count(key)) Fail(e.Place, "unknown form key \"" + key + "\"");
      std::string value = tok.substr(eq + 1);
      if (value.empty()) Fail(e.Place, "empty value for \"" + key + "\"");
      if (key == "hom" && (value.size() != 1 || value[0] < '2' || value[0] > '9'))
        Fail(e.Place, "hom= takes a homonym number 2-9 (the first meaning has none)");
      e.Values[key] = zentrok::Utf8ToUtf16(value);
    } else {
      if (!flags.count(tok)) Fail(e.Place, "unknown flag \"" + tok + "\"");
      e.Flags.insert(tok);
    }
  }
}

bool IsWordText(const std::u16string& s) {
  if (s.empty()) return false;
  for (char16_t c : s)
    if (c < 0x20) return false;
  return true;
}

std::vector<TEntry> ReadEntries(const std::string& folder, const std::string& name, int textCells,
                                const std::set<std::string>& flags, const std::set<std::string>& keys,
                                bool uniqueTat, bool uniqueRus) {
  std::vector<TEntry> out;
  std::map<std::u16string, int, TKeyLess> seenTat, seenRus, seenPx, seenPxt;
  for (auto& line : ReadSource(folder + "/" + name, textCells, textCells + 1)) {
    TEntry e;
    e.Place = line.Place;
    e.Tat = line.Cells[0];
    e.Rus = line.Cells[1];
    if (!IsWordText(e.Tat)) Fail(e.Place, "empty Tatar word");
    if (!IsWordText(e.Rus)) Fail(e.Place, "empty Russian word");
    if (textCells == 3) e.Extra = line.Cells[2];
    if ((int)line.Cells.size() > textCells) ParseOptions(e, line.Cells[textCells], flags, keys);
    if (!e.ToRus && !e.ToTat) Fail(e.Place, "entry marked both \">\" and \"<\"");
    const bool possessedSense = e.Flags.count("px") > 0;
    const bool thingSense = e.Flags.count("pxt") > 0;
    if (possessedSense && thingSense) Fail(e.Place, "an entry is either \"px\" or \"pxt\"");
    if ((possessedSense || thingSense) && !e.ToRus)
      Fail(e.Place, std::string(possessedSense ? "\"px\"" : "\"pxt\"") +
                        " is a Tatar-to-Russian sense: it cannot go with \"<\"");
    if (uniqueTat && e.ToRus) {
      // each possessed sense is a further Tatar-to-Russian entry of its own kind
      auto& seen = possessedSense ? seenPx : thingSense ? seenPxt : seenTat;
      auto [it, fresh] = seen.emplace(e.Tat, e.Place.Line);
      if (!fresh)
        Fail(e.Place, "duplicate Tatar entry (first at line " + std::to_string(it->second) +
                          "); mark extra meanings with \"<\"");
    }
    if (uniqueRus && e.ToTat) {
      auto [it, fresh] = seenRus.emplace(RusKey(e), e.Place.Line);
      if (!fresh)
        Fail(e.Place, "duplicate Russian entry (first at line " + std::to_string(it->second) +
                          "); mark extra meanings with \">\"");
    }
    out.push_back(std::move(e));
  }
  for (auto* senses : {&seenPx, &seenPxt})
    for (auto& [tat, line] : *senses)
      if (!seenTat.count(tat))
        Fail(TPlace{name, line}, std::string(senses == &seenPx ? "a \"px\"" : "a \"pxt\"") +
                                     " entry needs the entry of the bare noun beside it");
  return out;
}

std::vector<std::u16string> SplitCommas(const std::u16string& s) {
  std::vector<std::u16string> v;
  std::u16string cur;
  for (char16_t c : s) {
    if (c == u',') {
      v.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  v.push_back(cur);
  return v;
}

// The Tatar flag groups a lemma of several words takes from the entry of
// its last word when it says nothing of that group itself: "җавап бир"
// conjugates like "бир" (t:ir), "яңа ел" declines like "ел" (t:back). A
// further meaning of a one-word lemma likewise inflects like the first entry
// of that word that has Tatar flags (кайт "вернуться" t:ir, кайт
// "возвратиться" with no flag: both кайтыр).
void InheritLastWordFlags(std::vector<TEntry>& list) {
  static const std::vector<std::vector<std::string>> Groups = {
      {"t:back", "t:front"}, {"t:ar", "t:ir"}, {"t:novoice"}, {"t:syncope", "t:syncopable"}, {"t:T"}, {"t:loan"}};
  auto tatarSide = [](const TEntry& e) {
    for (auto& f : e.Flags)
      if (f.rfind("t:", 0) == 0) return true;
    for (auto& [k, v] : e.Values)
      if (k.rfind("t:", 0) == 0) return true;
    return false;
  };
  std::map<std::u16string, const TEntry*> single;
  for (auto& e : list)
    if (e.Tat.find(u' ') == std::u16string::npos) {
      auto [it, fresh] = single.emplace(e.Tat, &e);
      // the first entry with Tatar flags speaks for the word
      if (!fresh && !tatarSide(*it->second) && tatarSide(e)) it->second = &e;
    }
  for (auto& e : list) {
    size_t sp = e.Tat.rfind(u' ');
    const std::u16string lastWord = sp == std::u16string::npos ? e.Tat : e.Tat.substr(sp + 1);
    auto it = single.find(lastWord);
    if (e.Flags.count("t:px3") && !e.Values.count("t:stem")) {
      // the stem under a possessive is the one the lexicon knows as a word
      // of its own (мал табибы: табиб, not табип), else the likeliest
      for (auto& stem : TatPx3Stems(lastWord, TatFlagsOf(e)))
        if (auto st = single.find(stem); st != single.end()) {
          e.Values.emplace("t:stem", stem);
          if (it == single.end()) it = st;
          break;
        }
    }
    if (it == single.end() || it->second == &e) continue;
    const TEntry& last = *it->second;
    for (auto& group : Groups) {
      bool own = false;
      for (auto& f : group) own = own || e.Flags.count(f) > 0;
      if (own) continue;
      for (auto& f : group)
        if (last.Flags.count(f)) e.Flags.insert(f);
    }
    for (const char* key : {"t:pres", "t:pstem"})
      if (!e.Values.count(key))
        if (auto p = last.Values.find(key); p != last.Values.end()) e.Values.emplace(key, p->second);
  }
}

}  // namespace

std::u16string RusKey(const TEntry& e) {
  auto it = e.Values.find("hom");
  return it == e.Values.end() ? e.Rus : e.Rus + u"#" + it->second;
}

std::vector<TSourceLine> ReadSource(const std::string& path, int minCells, int maxCells) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw TLexiconError(path + ": cannot open the source file");
  std::string name = path.substr(path.find_last_of('/') + 1);
  std::vector<TSourceLine> out;
  std::string raw;
  int n = 0;
  while (std::getline(in, raw)) {
    ++n;
    TPlace place{name, n};
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    if (Trim(raw).empty() || Trim(raw)[0] == '#') continue;
    if (!zentrok::IsValidUtf8(raw)) Fail(place, "not UTF-8");
    auto cells = SplitTabs(raw);
    while (cells.size() > (size_t)minCells && Trim(cells.back()).empty()) cells.pop_back();
    if ((int)cells.size() < minCells || (int)cells.size() > maxCells)
      Fail(place, "expected " + std::to_string(minCells) +
                      (maxCells > minCells ? "-" + std::to_string(maxCells) : std::string()) +
                      " tab-separated cells, found " + std::to_string(cells.size()));
    TSourceLine line{place, {}};
    for (auto& c : cells) {
      std::string t = Trim(c);
      line.Cells.push_back(t == "-" ? std::u16string() : zentrok::Utf8ToUtf16(t));
    }
    out.push_back(std::move(line));
  }
  return out;
}

int ParseInt(const std::u16string& cell, const TPlace& place, const char* what) {
  std::string s = zentrok::Utf16ToUtf8(cell);
  if (s.empty()) Fail(place, std::string("missing ") + what);
  size_t used = 0;
  int v = 0;
  try {
    v = std::stoi(s, &used);
  } catch (const std::exception&) {
    Fail(place, std::string("not a number: ") + what + " \"" + s + "\"");
  }
  if (used != s.size()) Fail(place, std::string("not a number: ") + what + " \"" + s + "\"");
  return v;
}

TLexicon LoadLexicon(const std::string& folder) {
  TLexicon lx;
  lx.Nouns = ReadEntries(folder, "nouns.tsv", 2, NounFlags, NounKeys, true, true);
  lx.Verbs = ReadEntries(folder, "verbs.tsv", 2, VerbFlags, VerbKeys, true, true);
  lx.Adjectives = ReadEntries(folder, "adjectives.tsv", 2, AdjFlags, AdjKeys, true, true);
  lx.Adverbs = ReadEntries(folder, "adverbs.tsv", 2, AdverbFlags, NoKeys, true, true);
  lx.Numerals = ReadEntries(folder, "numerals.tsv", 2, NoFlags, NoKeys, true, true);
  lx.Conjunctions = ReadEntries(folder, "conjunctions.tsv", 2, NoFlags, NoKeys, true, true);
  lx.Postpositions = ReadEntries(folder, "postpositions.tsv", 3, NoFlags, NoKeys, true, false);
  for (auto& e : lx.Postpositions) {
    int c = ParseInt(e.Extra, e.Place, "governed case");
    if (c < 0 || c > 20) Fail(e.Place, "governed case must be 0-20");
  }
  lx.Predicatives = ReadEntries(folder, "predicatives.tsv", 2, NoFlags, NoKeys, true, true);

  std::set<std::u16string, TKeyLess> seen;
  for (auto& l : ReadSource(folder + "/determiners.tsv", 6, 6)) {
    TDeterminer d{l.Place, l.Cells[0], l.Cells[1], l.Cells[2], l.Cells[3]};
    d.Number = ParseInt(l.Cells[4], l.Place, "number");
    d.Case = ParseInt(l.Cells[5], l.Place, "case");
    if (d.Number < 1 || d.Number > 2) Fail(l.Place, "number must be 1 or 2");
    if (d.Case < 1 || d.Case > 20) Fail(l.Place, "case must be 1-20");
    if (!seen.insert(d.Tat).second) Fail(l.Place, "duplicate Tatar entry");
    lx.Determiners.push_back(std::move(d));
  }
  seen.clear();
  for (auto& l : ReadSource(folder + "/phrases.tsv", 2, 2)) {
    if (l.Cells[0].empty() || l.Cells[1].empty()) Fail(l.Place, "empty phrase");
    if (!seen.insert(l.Cells[0]).second) Fail(l.Place, "duplicate Tatar phrase");
    lx.Phrases.push_back({l.Place, l.Cells[0], l.Cells[1]});
  }
  seen.clear();
  for (auto& l : ReadSource(folder + "/pronouns.tsv", 4, 4)) {
    TPronoun p;
    p.Place = l.Place;
    p.Tat = l.Cells[0];
    p.Gender = ParseInt(l.Cells[1], l.Place, "gender");
    if (p.Gender < 1 || p.Gender > 4) Fail(l.Place, "gender must be 1-4");
    p.Rus = SplitCommas(l.Cells[2]);
    if (p.Rus.size() != 12) Fail(l.Place, "12 Russian forms expected (codes 1-12)");
    for (auto& f : SplitCommas(l.Cells[3])) {
      auto colon = f.find(u':');
      if (colon == std::u16string::npos) Fail(l.Place, "Tatar forms are code:form");
      int code = ParseInt(f.substr(0, colon), l.Place, "form code");
      if (code < 1 || code > 87) Fail(l.Place, "form code must be 1-87");
      std::u16string form = f.substr(colon + 1);
      if (form.empty()) Fail(l.Place, "empty Tatar form");
      p.Forms.emplace_back(code, form);
    }
    if (!seen.insert(p.Tat).second) Fail(l.Place, "duplicate pronoun");
    lx.Pronouns.push_back(std::move(p));
  }
  for (auto& l : ReadSource(folder + "/prepositions.tsv", 3, 4)) {
    TPreposition p;
    p.Place = l.Place;
    p.Rus = l.Cells[0];
    p.FormId = ParseInt(l.Cells[1], l.Place, "governed case");
    p.TatCode = ParseInt(l.Cells[2], l.Place, "Tatar code");
    if (p.FormId < 0 || p.FormId > 5) Fail(l.Place, "governed case must be a form id 0-5");
    if (p.TatCode < 0 || p.TatCode > 104) Fail(l.Place, "Tatar code must be 0-104");
    if (l.Cells.size() > 3) p.Postposition = l.Cells[3];
    lx.Prepositions.push_back(std::move(p));
  }
  seen.clear();
  for (auto& l : ReadSource(folder + "/ru-words.tsv", 2, 2)) {
    if (l.Cells[0].empty() || l.Cells[1].empty()) Fail(l.Place, "empty word");
    if (!seen.insert(l.Cells[0]).second) Fail(l.Place, "duplicate Russian word");
    lx.RusWords.push_back({l.Place, l.Cells[0], l.Cells[1]});
  }
  for (auto& l : ReadSource(folder + "/verbnumbers.tsv", 2, 3)) {
    int n = ParseInt(l.Cells[1], l.Place, "verb number");
    if (n <= 0 || n >= 10000) Fail(l.Place, "pinned verb numbers are 1-9999");
    if (!lx.VerbNumbers.emplace(l.Cells[0], n).second) Fail(l.Place, "verb pinned twice");
    TEntry e;
    e.Place = l.Place;
    e.Rus = l.Cells[0];
    if (l.Cells.size() > 2) ParseOptions(e, l.Cells[2], VerbFlags, VerbKeys);
    lx.PinnedVerbs.push_back(std::move(e));
  }
  // an entry that says nothing about its Russian word borrows what another
  // entry with the same Russian word (and homonym number) says: a second
  // Tatar synonym
  for (auto* list : {&lx.Nouns, &lx.Adjectives, &lx.Verbs}) {
    auto russianSide = [](const TEntry& e) {
      for (auto& f : e.Flags)
        if (f.rfind("t:", 0) != 0 && !IsEntryFlag(f) && !IsUsageOption(f)) return true;
      for (auto& [k, v] : e.Values)
        if (k.rfind("t:", 0) != 0 && k != "hom" && !IsEntryKey(k) && !IsUsageOption(k)) return true;
      return false;
    };
    std::map<std::u16string, const TEntry*> described;
    for (auto& e : *list)
      if (russianSide(e)) described.emplace(RusKey(e), &e);
    for (auto& e : *list) {
      if (russianSide(e)) continue;
      auto it = described.find(RusKey(e));
      if (it == described.end()) continue;
      for (auto& f : it->second->Flags)
        if (f.rfind("t:", 0) != 0 && !IsEntryFlag(f)) e.Flags.insert(f);
      for (auto& [k, v] : it->second->Values)
        if (k.rfind("t:", 0) != 0 && !IsEntryKey(k)) e.Values.emplace(k, v);
    }
  }
  // a pinned verb's conjugation serves every Tatar verb translated by it
  for (auto& v : lx.Verbs) {
    bool own = v.Flags.count("p") > 0;
    for (auto& [k, val] : v.Values)
      if (k.rfind("t:", 0) != 0 && !IsEntryKey(k)) own = true;
    if (own) continue;  // also a homonym (hom=): pins name the first meaning
    for (auto& p : lx.PinnedVerbs)
      if (p.Rus == v.Rus) {
        for (auto& [k, val] : p.Values) v.Values.emplace(k, val);
        if (p.Flags.count("p")) v.Flags.insert("p");
      }
  }
  for (auto& e : lx.Nouns)
    if (zentrok::KeyCompare(e.Tat, e.Rus) == 0) e.Flags.insert("t:loan");
  InheritLastWordFlags(lx.Nouns);
  InheritLastWordFlags(lx.Adjectives);
  InheritLastWordFlags(lx.Verbs);
  return lx;
}

}  // namespace mkdata
