#include "Senses.h"

#include <filesystem>
#include <set>

#include "zentrok/TableWriter.h"
#include "zentrok/Utf.h"

namespace mkdata {
namespace {

[[noreturn]] void Fail(const TPlace& p, const std::string& msg) {
  throw TLexiconError(p.Where() + ": " + msg);
}

std::string U8(std::u16string_view s) { return zentrok::Utf16ToUtf8(std::u16string(s)); }

std::vector<std::u16string> SplitList(const std::u16string& cell) {
  std::vector<std::u16string> out;
  std::u16string cur;
  auto flush = [&] {
    while (!cur.empty() && cur.back() == u' ') cur.pop_back();
    size_t a = cur.find_first_not_of(u' ');
    if (a != std::u16string::npos) out.push_back(cur.substr(a));
    cur.clear();
  };
  for (char16_t c : cell) {
    if (c == u',') flush();
    else cur += c;
  }
  flush();
  return out;
}

// Every Tatar lemma the lexicon knows, of any class: context words must be
// among them, so that a misspelt context word is caught here.
std::set<std::u16string> TatarLemmas(const TLexicon& lx) {
  std::set<std::u16string> all;
  for (auto* list : {&lx.Nouns, &lx.Verbs, &lx.Adjectives, &lx.Adverbs, &lx.Numerals, &lx.Conjunctions,
                     &lx.Postpositions, &lx.Predicatives})
    for (auto& e : *list)
      if (e.ToRus) all.insert(e.Tat);
  for (auto& p : lx.Pronouns) all.insert(p.Tat);
  for (auto& d : lx.Determiners) all.insert(d.Tat);
  for (auto& p : lx.Phrases) all.insert(p.Key);
  return all;
}

bool IsRussianCase(std::u16string_view c) {
  return c == u"gen" || c == u"dat" || c == u"acc" || c == u"ins" || c == u"prep";
}

// The Russian side of a government: "в+acc", "на+prep", "ins".
bool IsSenseGovernment(const std::u16string& g) {
  const size_t plus = g.find(u'+');
  if (plus == std::u16string::npos) return IsRussianCase(g);
  return plus > 0 && IsRussianCase(std::u16string_view(g).substr(plus + 1));
}

// The Tatar case whose object a relation's government applies to.
std::u16string_view GovernedTatarCase(std::u16string_view relation) {
  if (relation == u"obj") return u"acc";
  if (relation == u"dat") return u"dat";
  if (relation == u"loc") return u"loc";
  if (relation == u"abl") return u"abl";
  return {};
}

const TEntry* RussianVerb(const TLexicon& lx, std::u16string_view rus) {
  for (auto& v : lx.Verbs)
    if (v.Rus == rus && !v.Values.count("hom")) return &v;
  for (auto& v : lx.PinnedVerbs)
    if (v.Rus == rus) return &v;
  return nullptr;
}

bool IsPerfective(const TLexicon& lx, std::u16string_view rus) {
  const TEntry* e = RussianVerb(lx, rus);
  return e && e->Flags.count("p");
}

// The aspect partner of a Russian verb: named by asp= on its own entries or
// naming it from another's; empty when there is none.
std::u16string PartnerOf(const TLexicon& lx, std::u16string_view rus) {
  for (auto& v : lx.Verbs)
    if (v.Rus == rus)
      if (auto it = v.Values.find("asp"); it != v.Values.end()) return it->second;
  for (auto& v : lx.Verbs)
    if (auto it = v.Values.find("asp"); it != v.Values.end() && it->second == rus) return v.Rus;
  return {};
}

// The noun entry that describes a Russian noun: its inflection and gender.
const TEntry* RussianNoun(const TLexicon& lx, std::u16string_view rus) {
  for (auto& n : lx.Nouns)
    if (n.Rus == rus && !n.Flags.count("px") && !n.Flags.count("pxt")) return &n;
  return nullptr;
}

// The Tatar noun's own entry (not a possessed sense).
const TEntry* BareNoun(const TLexicon& lx, std::u16string_view tat) {
  for (auto& n : lx.Nouns)
    if (n.ToRus && n.Tat == tat && !n.Flags.count("px") && !n.Flags.count("pxt")) return &n;
  return nullptr;
}

bool IsTatarOption(const std::string& key) { return key.starts_with("t:"); }

bool IsAdjectiveRusWord(const TLexicon& lx, std::u16string_view rus) {
  for (auto& a : lx.Adjectives)
    if (a.ToRus && a.Rus == rus) return true;
  return false;
}

void CheckRussian(const TLexicon& lx, const TSenseRule& r) {
  if (IsNounRelation(r.Relation)) {
    const TEntry* rus = RussianNoun(lx, r.Russian);
    if (!rus) Fail(r.Place, "\"" + U8(r.Russian) + "\" is no Russian noun of the lexicon");
    // The animate noun's Tatar forms differ (a colloquial possessive), so
    // the two senses could not share one paradigm.
    if (rus->Flags.count("anim") != BareNoun(lx, r.Word)->Flags.count("anim"))
      Fail(r.Place, "\"" + U8(r.Russian) + "\" must be as animate as the noun's own sense");
    if (!r.Government.empty()) Fail(r.Place, "a noun rule takes no government");
    return;
  }
  if (IsAdjectiveRelation(r.Relation)) {
    if (!IsAdjectiveRusWord(lx, r.Russian))
      Fail(r.Place, "\"" + U8(r.Russian) + "\" is no Russian adjective of the Tatar-to-Russian entries");
    if (!r.Government.empty()) Fail(r.Place, "an adjective rule takes no government");
    return;
  }
  const size_t slash = r.Russian.find(u'/');
  const std::u16string first = r.Russian.substr(0, slash);
  const std::u16string second = slash == std::u16string::npos ? u"" : r.Russian.substr(slash + 1);
  std::vector<std::u16string> named{first};
  if (slash != std::u16string::npos) named.push_back(second);
  for (const auto& verb : named)
    if (!RussianVerb(lx, verb))
      Fail(r.Place, "\"" + U8(verb) + "\" is no Russian verb of the lexicon");
  if (!second.empty() && first != second &&
      (IsPerfective(lx, first) || !IsPerfective(lx, second)))
    Fail(r.Place, "\"" + U8(r.Russian) + "\": write the imperfective verb first, then the perfective");
  if (!r.Government.empty()) {
    if (GovernedTatarCase(r.Relation).empty())
      Fail(r.Place, "a government applies to obj, dat, loc or abl, not to " + U8(r.Relation));
    if (!IsSenseGovernment(r.Government))
      Fail(r.Place, "government \"" + U8(r.Government) +
                        "\" is not [PREPOSITION+]CASE with CASE gen, dat, acc, ins or prep");
  }
}

}  // namespace

bool IsVerbRelation(std::u16string_view r) {
  return r == u"obj" || r == u"dat" || r == u"loc" || r == u"abl" || r == u"ins" || r == u"adv" ||
         r == u"subj";
}

bool IsAdjectiveRelation(std::u16string_view r) { return r == u"head"; }

bool IsNounRelation(std::u16string_view r) { return r == u"mod" || r == u"next" || r == u"verb"; }

TSenses ReadSenses(const std::string& folder, const TLexicon& lx) {
  TSenses s;
  const std::string path = folder + "/senses.tsv";
  if (!std::filesystem::exists(path)) return s;
  const std::vector<TSourceLine> lines = ReadSource(path, 3, 5);
  // Classes first, so that a rule may use a class defined further down.
  for (auto& l : lines) {
    if (l.Cells[0].empty() || l.Cells[0][0] != u'@') continue;
    if (l.Cells[1] != u"=" || l.Cells.size() != 3)
      Fail(l.Place, "a class line is @NAME, \"=\", then the member words");
    if (l.Cells[0] == PlaceNameClass) Fail(l.Place, "@placename is built in");
    auto members = SplitList(l.Cells[2]);
    if (members.empty()) Fail(l.Place, "empty class");
    if (!s.Classes.emplace(l.Cells[0], std::move(members)).second) Fail(l.Place, "class defined twice");
  }
  const std::set<std::u16string> lemmas = TatarLemmas(lx);
  std::set<std::u16string> verbs, adjectives, nouns;
  for (auto& n : lx.Nouns)
    if (BareNoun(lx, n.Tat)) nouns.insert(n.Tat);
  for (auto& v : lx.Verbs)
    if (v.ToRus) verbs.insert(v.Tat);
  for (auto& a : lx.Adjectives)
    if (a.ToRus) adjectives.insert(a.Tat);
  for (auto& [name, members] : s.Classes)
    for (auto& m : members)
      if (!lemmas.count(m))
        throw TLexiconError("senses.tsv: class " + U8(name) + ": \"" + U8(m) + "\" is no Tatar word of the lexicon");

  for (auto& l : lines) {
    if (l.Cells[0].empty() || l.Cells[0][0] == u'@') continue;
    if (l.Cells.size() < 4) Fail(l.Place, "a rule is WORD, RELATION, CONTEXT, RUSSIAN [, GOVERNMENT]");
    TSenseRule r;
    r.Place = l.Place;
    r.Word = l.Cells[0];
    r.Relation = l.Cells[1];
    r.Context = SplitList(l.Cells[2]);
    r.Russian = l.Cells[3];
    if (l.Cells.size() > 4) r.Government = l.Cells[4];
    if (IsVerbRelation(r.Relation)) {
      if (!verbs.count(r.Word)) Fail(l.Place, "\"" + U8(r.Word) + "\" is no Tatar verb of the lexicon");
    } else if (IsAdjectiveRelation(r.Relation)) {
      if (!adjectives.count(r.Word)) Fail(l.Place, "\"" + U8(r.Word) + "\" is no Tatar adjective of the lexicon");
    } else if (IsNounRelation(r.Relation)) {
      if (!nouns.count(r.Word)) Fail(l.Place, "\"" + U8(r.Word) + "\" is no Tatar noun of the lexicon");
    } else {
      Fail(l.Place, "unknown relation \"" + U8(r.Relation) +
                        "\" (obj, dat, loc, abl, ins, adv, subj, head, mod, next, verb)");
    }
    if (r.Context.empty()) Fail(l.Place, "no context words");
    for (auto& c : r.Context) {
      if (c == u"*" || c == PlaceNameClass) continue;
      if (c[0] == u'@') {
        if (!s.Classes.count(c)) Fail(l.Place, "unknown class " + U8(c));
      } else if (!lemmas.count(c)) {
        Fail(l.Place, "context word \"" + U8(c) + "\" is no Tatar word of the lexicon");
      }
    }
    CheckRussian(lx, r);
    s.Rules.push_back(std::move(r));
  }
  return s;
}

void AddNounSenses(TLexicon& lx, const TSenses& senses) {
  std::set<std::pair<std::u16string, std::u16string>> added;
  std::vector<TEntry> extra;
  for (const TSenseRule& r : senses.Rules) {
    if (!IsNounRelation(r.Relation)) continue;
    const TEntry* own = BareNoun(lx, r.Word);
    const TEntry* rus = RussianNoun(lx, r.Russian);
    if (!own || !rus || own->Rus == r.Russian || !added.emplace(r.Word, r.Russian).second) continue;
    TEntry e;
    e.Place = r.Place;
    e.Tat = own->Tat;
    e.Rus = rus->Rus;
    e.ToRus = true;
    e.ToTat = false;
    for (auto& f : own->Flags)
      if (IsTatarOption(f)) e.Flags.insert(f);
    for (auto& f : rus->Flags)
      if (!IsTatarOption(f) && f != "px" && f != "pxt") e.Flags.insert(f);
    e.Flags.insert("ctx");
    for (auto& [k, v] : own->Values)
      if (IsTatarOption(k)) e.Values[k] = v;
    for (auto& [k, v] : rus->Values)
      if (!IsTatarOption(k) && k != "radj") e.Values[k] = v;
    extra.push_back(std::move(e));
  }
  for (auto& e : extra) lx.Nouns.push_back(std::move(e));
}

TSenseVerbs ResolveSenseVerbs(const TLexicon& lx, const std::map<std::u16string, int>& numbers,
                              const TSenseRule& rule) {
  auto number = [&](const std::u16string& rus) {
    auto it = numbers.find(rus);
    if (it == numbers.end()) Fail(rule.Place, "\"" + U8(rus) + "\" has no verb number");
    return it->second;
  };
  const size_t slash = rule.Russian.find(u'/');
  if (slash != std::u16string::npos)
    return {number(rule.Russian.substr(0, slash)), number(rule.Russian.substr(slash + 1))};
  const int own = number(rule.Russian);
  const std::u16string partner = PartnerOf(lx, rule.Russian);
  if (partner.empty() || !numbers.count(partner)) return {own, own};
  return IsPerfective(lx, rule.Russian) ? TSenseVerbs{number(partner), own} : TSenseVerbs{own, number(partner)};
}

void BuildSenses(const TLexicon& lx, const TSenses& senses, const std::string& outDir,
                 TBuildReport& report) {
  const auto numbers = NumberVerbs(lx);
  zentrok::TTextTableWriter rules, classes;
  for (const auto& r : senses.Rules) {
    std::u16string context;
    for (auto& c : r.Context) context += (context.empty() ? u"" : u",") + c;
    TSenseVerbs v;  // zero for adjectives and nouns
    if (IsVerbRelation(r.Relation)) v = ResolveSenseVerbs(lx, numbers, r);
    std::u16string gov;
    if (!r.Government.empty()) gov = std::u16string(GovernedTatarCase(r.Relation)) + u":" + r.Government;
    rules.AddRow({r.Word, r.Relation, context, r.Russian,
                  zentrok::Utf8ToUtf16(std::to_string(v.Imperfective)),
                  zentrok::Utf8ToUtf16(std::to_string(v.Perfective)), gov});
  }
  for (const auto& [name, members] : senses.Classes)
    for (auto& m : members) classes.AddRow({name, m});
  rules.Sort(0);  // stable: a word's rules keep their file order
  classes.Sort(0);
  zentrok::TCollectionWriter coll;
  coll.AddItem("rules", rules.Build());
  coll.AddItem("classes", classes.Build());
  coll.Save(outDir + "/senses.coll");
  report.Entries["context sense rule"] = static_cast<int>(senses.Rules.size());
  report.Rows["senses.coll"] = static_cast<int>(rules.RowCount());
}

}  // namespace mkdata
