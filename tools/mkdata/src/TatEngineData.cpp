// The Tatar-to-Russian engine's tables.
#include <algorithm>
#include <map>
#include <set>

#include "DataBuilder.h"
#include "Inflect.h"
#include "RussianPronouns.h"
#include "zentrok/TableWriter.h"
#include "zentrok/Utf.h"

namespace mkdata {

const char* const TatEngineFiles[27] = {
    "flt01.pack", "flr01.pack", "itfst01.pack", "itfsr01.pack", "cds01.pack", "flt04.pack",
    "flr04.pack", "itfst04.pack", "cds04.pack",  "flt09.pack",  "flr09.pack", "itfst09.pack",
    "cds09.pack", "plr10.pack", "flt10.pack",   "itfst10.pack", "flt02.pack", "itfst02.pack",
    "flt05.pack", "itfst05.pack", "itfst03.pack", "itfst06.pack", "itfst07.pack", "itfst08.pack",
    "itfst11.pack", "flt13.pack", "itfst13.pack"};

namespace {

using zentrok::TTextTableWriter;
using TRow = TTextTableWriter::TRow;

std::u16string Num(long long v) { return zentrok::Utf8ToUtf16(std::to_string(v)); }

struct TOut {
  std::string Dir;
  TBuildReport& Report;
  void Save(const std::string& name, TTextTableWriter& w) {
    w.Sort(0);
    w.Save(Dir + "/" + name);
    Report.Rows[name] = (int)w.RowCount();
  }
};

// An ending table: one row per Tatar ending with its paradigm x 256 + code list.
void SaveEndings(TOut& out, const std::string& name, const TEndingIndex& idx) {
  TTextTableWriter w;
  for (auto& [ending, entries] : idx.Rows()) {
    TRow row{ending};
    for (int c : TEndingIndex::Codes(entries, 8)) row.push_back(Num(c));
    w.AddRow(std::move(row));
  }
  out.Save(name, w);
}

// The Tatar-to-Russian ending tables keep a paradigm in 8 bits.
constexpr int TatLimit = 255;

// The Russian endings of a code table, for the never-searched "flr" files.
void SaveRusEndings(TOut& out, const std::string& name, const std::set<std::u16string>& endings) {
  TTextTableWriter w;
  for (auto& e : endings) w.AddRow({e});
  out.Save(name, w);
}

// The other spelling of a noun stem with ё: ё is often typed as е
// (шофёр: шофер), and a loan written with е is also met with the ё of its
// Russian word (самолет: самолёт). Each is one more stem row on the same
// paradigm, so no new ending set is made.
std::vector<std::u16string> YoSpellings(const std::u16string& stem, const TEntry& e) {
  std::vector<std::u16string> out;
  if (stem.find(u'ё') != std::u16string::npos) {
    std::u16string plain = stem;
    std::replace(plain.begin(), plain.end(), u'ё', u'е');
    out.push_back(plain);
  } else if (e.Rus.size() == e.Tat.size()) {
    // a loan: the Tatar word is its Russian word with е for ё
    bool loan = true;
    for (size_t i = 0; i < e.Tat.size(); ++i)
      loan = loan && (e.Tat[i] == e.Rus[i] || (e.Tat[i] == u'е' && e.Rus[i] == u'ё'));
    std::u16string yo = stem;
    for (size_t i = 0; loan && i < stem.size(); ++i)
      if (stem[i] == u'е' && e.Rus[i] == u'ё') yo[i] = u'ё';
    if (yo != stem) out.push_back(yo);
  }
  return out;
}

void BuildNouns(const TLexicon& lx, TOut& out) {
  TParadigmSet tatSet("nouns (Tatar)", TatLimit), rusSet("nouns (Russian)");
  TEndingIndex tatIdx;
  TTextTableWriter stems, codes;
  std::set<std::u16string> rusEndings;
  std::set<int> written;
  // The possessed sense ("px") shares the stem and paradigm of the bare
  // entry, so that the engine finds the two side by side.
  std::map<std::u16string, TFormList> bareForms;
  for (const auto& e : lx.Nouns)
    if (e.ToRus && !e.Flags.count("px") && !e.Flags.count("pxt") && !e.Flags.count("ctx"))
      bareForms.emplace(e.Tat, TatNounAnalysisList(e));
  int n = 0;
  for (const auto& e : lx.Nouns) {
    if (!e.ToRus) continue;
    ++n;
    const bool possessedSense = e.Flags.count("px") > 0;
    const bool thingSense = e.Flags.count("pxt") > 0;
    const bool contextSense = e.Flags.count("ctx") > 0;
    const TFormList tatForms = TatNounAnalysisList(e);
    if ((possessedSense || thingSense || contextSense) && bareForms[e.Tat] != tatForms)
      throw TLexiconError(e.Place.Where() + ": a \"" + (possessedSense ? "px" : thingSense ? "pxt" : "ctx") +
                          "\" entry must inflect like the bare noun's entry");
    TSplit t = SplitForms(tatForms);
    int tp = tatSet.Number(t.Endings);
    tatIdx.Add(tp, t.Endings, 8);
    TRusNoun rn = RusNounOf(e);
    TFormList rl;
    for (int i = 0; i < 12; ++i) rl.emplace_back(i < 6 ? 2 * i + 1 : 2 * (i - 6) + 2, rn.Forms[i]);
    TSplit r = SplitForms(rl);
    TEndingSet key = r.Endings;
    key.emplace_back(0, rn.Animate ? u"anim" : u"inan");
    int rp = rusSet.Number(key);
    if (rp > 32767) throw TLexiconError("nouns: more than 32767 Russian paradigms");
    // Bit 8: the place cases take "на"/"с" (на работе, с работы) instead of
    // "в"/"из"; bit 9: a measure word (стакан, кило); bit 10: a mass noun
    // (молоко, время), counted in the genitive singular; bit 11: the sense of
    // the possessed noun (кызым: дочь), used only with a possessive ending;
    // bit 12: its sense when a thing owns it (авылның исеме: название); bit
    // 13: a sense chosen only by a context rule (тәмле аш: суп). A row
    // without bits 11 and 12 serves every other form.
    const long long flags = (e.Flags.count("na") ? 256 : 0) + (e.Flags.count("measure") ? 512 : 0) +
                            (e.Flags.count("mass") ? 1024 : 0) + (possessedSense ? 2048 : 0) +
                            (thingSense ? 4096 : 0) + (contextSense ? 8192 : 0);
    TRow row{t.Stem, Num(tp), r.Stem, Num((long long)rp * 65536 + flags + rn.Gender), e.Tat, e.Rus};
    // Column 6: the relative adjective that stands for the noun before a
    // possessed noun (урман юлы: лесная дорога).
    if (auto it = e.Values.find("radj"); it != e.Values.end()) row.push_back(it->second);
    for (const std::u16string& other : YoSpellings(t.Stem, e)) {
      TRow alt = row;
      alt[0] = other;
      stems.AddRow(std::move(alt));
    }
    stems.AddRow(std::move(row));
    if (written.insert(rp).second)
      for (auto& [code, ending] : r.Endings) {
        codes.AddRow({Num((long long)rp * 65536 + (rn.Animate ? 256 : 0) + code), ending});
        rusEndings.insert(ending);
      }
  }
  out.Report.Entries["noun"] = n;
  out.Report.Paradigms["tatengine noun (Tatar)"] = tatSet.Count();
  out.Report.Paradigms["tatengine noun (Russian)"] = rusSet.Count();
  SaveEndings(out, "flt04.pack", tatIdx);
  SaveRusEndings(out, "flr04.pack", rusEndings);
  out.Save("itfst04.pack", stems);
  out.Save("cds04.pack", codes);
}

void BuildPronouns(const TLexicon& lx, TOut& out) {
  TTextTableWriter stems, codes;
  std::set<int> used;
  std::set<std::u16string> rusEndings;
  int r = 0;
  for (const auto& p : lx.Pronouns) {
    ++r;
    if (r > 255) throw TLexiconError(p.Place.Where() + ": more than 255 declining pronouns");
    TFormList rl;
    for (int i = 0; i < 12; ++i) rl.emplace_back(i + 1, p.Rus[i]);
    TSplit s = SplitForms(rl);
    for (auto& [code, ending] : s.Endings) {
      codes.AddRow({Num(r * 256 + code), ending});
      rusEndings.insert(ending);
    }
    // each irregular form is a whole stem; paradigm c admits only code c
    for (auto& [code, form] : p.Forms) {
      stems.AddRow({form, Num(code), s.Stem, Num(r * 256 + p.Gender), p.Tat});
      used.insert(code);
    }
  }
  TTextTableWriter endings;
  TRow empty{u""};
  for (int c : used) empty.push_back(Num(c * 256 + c));
  endings.AddRow(std::move(empty));
  out.Report.Entries["pronoun (declining)"] = (int)lx.Pronouns.size();
  out.Save("flt09.pack", endings);
  SaveRusEndings(out, "flr09.pack", rusEndings);
  out.Save("itfst09.pack", stems);
  out.Save("cds09.pack", codes);
}

// The relative adjective a noun names with radj= (урман: лесной): the
// adjective entry of that Russian word where the lexicon has one (in either
// direction, for its options), otherwise the bare word, whose declension the
// form tells.
TEntry RelativeAdjectiveOf(const TLexicon& lx, const TEntry& noun) {
  const std::u16string& rus = noun.Values.at("radj");
  const bool adjectival = rus.size() > 3 && rus.find(u' ') == std::u16string::npos &&
                          (rus.ends_with(u"ый") || rus.ends_with(u"ий") || rus.ends_with(u"ой"));
  if (!adjectival)
    throw TLexiconError(noun.Place.Where() + ": radj=" + zentrok::Utf16ToUtf8(rus) +
                        " is not one Russian adjective in -ый, -ий or -ой");
  for (const auto& a : lx.Adjectives)
    if (a.Rus == rus) return a;
  TEntry e;
  e.Place = noun.Place;
  e.Tat = noun.Tat;
  e.Rus = rus;
  e.Flags.insert("rel");
  return e;
}

void BuildAdjectives(const TLexicon& lx, TOut& out) {
  TParadigmSet tatSet("adjectives (Tatar)", TatLimit), rusSet("adjectives (Russian)");
  TEndingIndex tatIdx;
  TTextTableWriter stems, rusStems, codes;
  std::set<std::u16string> rusEndings;
  std::set<int> written;
  std::set<std::u16string> rusWords;
  int n = 0;
  for (const auto& e : lx.Adjectives) {
    if (!e.ToRus) continue;
    ++n;
    auto v = RusAdjOf(e);
    TFormList tl = TatAdjAnalysisList(e);
    // a Russian adjective without degrees gives the Tatar -рак form nothing
    // to become: that form is left out rather than rendered as a bare stem
    if (v[29].empty()) std::erase_if(tl, [](const auto& f) { return f.first == 2; });
    TSplit t = SplitForms(tl);
    int tp = tatSet.Number(t.Endings);
    tatIdx.Add(tp, t.Endings, 8);
    // Codes 1-29 are the declined forms and the comparative, 30-33 the
    // short forms (m, f, n, plural) of a predicate: мне тесно, я не знаком.
    TFormList rl;
    for (int i = 1; i <= 33; ++i) rl.emplace_back(i, v[i]);
    TSplit r = SplitForms(rl);
    int rp = rusSet.Number(r.Endings);
    stems.AddRow({t.Stem, Num(tp), r.Stem, Num(rp), e.Tat, e.Rus});
    rusStems.AddRow({r.Stem, Num(rp), e.Rus});
    rusWords.insert(e.Rus);
    if (written.insert(rp).second)
      for (auto& [code, ending] : r.Endings) {
        codes.AddRow({Num((long long)rp * 256 + code), ending});
        rusEndings.insert(ending);
      }
  }
  // The relative adjectives of nouns (radj=) are generated from the Russian
  // stem table alone: they have no Tatar stem of their own, so the noun is
  // never read as an adjective.
  for (const auto& noun : lx.Nouns) {
    if (!noun.ToRus || !noun.Values.count("radj")) continue;
    const TEntry e = RelativeAdjectiveOf(lx, noun);
    if (!rusWords.insert(e.Rus).second) continue;
    auto v = RusAdjOf(e);
    TFormList rl;
    for (int i = 1; i <= 29; ++i) rl.emplace_back(i, v[i]);
    TSplit r = SplitForms(rl);
    int rp = rusSet.Number(r.Endings);
    rusStems.AddRow({r.Stem, Num(rp), e.Rus});
    if (written.insert(rp).second)
      for (auto& [code, ending] : r.Endings) {
        codes.AddRow({Num((long long)rp * 256 + code), ending});
        rusEndings.insert(ending);
      }
  }
  out.Report.Entries["adjective"] = n;
  out.Report.Paradigms["tatengine adjective (Tatar)"] = tatSet.Count();
  out.Report.Paradigms["tatengine adjective (Russian)"] = rusSet.Count();
  SaveEndings(out, "flt01.pack", tatIdx);
  SaveRusEndings(out, "flr01.pack", rusEndings);
  out.Save("itfst01.pack", stems);
  out.Save("itfsr01.pack", rusStems);
  out.Save("cds01.pack", codes);
}

// The verb entry an option of e names (asp=, inv=), preferring the entry
// that describes the verb in full; a name that is no verb is an error.
// Null when e has no such option.
const TEntry* NamedVerb(const TLexicon& lx, const TEntry& e, const std::string& option) {
  auto it = e.Values.find(option);
  if (it == e.Values.end()) return nullptr;
  const TEntry* found = nullptr;
  for (const auto& v : lx.Verbs)
    if (RusKey(v) == it->second && (!found || (found->Values.empty() && found->Flags.empty())))
      found = &v;
  if (!found)
    throw TLexiconError(e.Place.Where() + ": " + option + "=" + zentrok::Utf16ToUtf8(it->second) +
                        " is no Russian verb of the lexicon");
  return found;
}

// The entry of the Russian verb an "asp=" option names: the partner of the
// other aspect (читать - прочитать). Any verb entry may describe it, in
// either direction; it must exist and differ in aspect.
const TEntry* AspectPartner(const TLexicon& lx, const TEntry& e) {
  const TEntry* found = NamedVerb(lx, e, "asp");
  if (!found) return nullptr;
  const std::string name = zentrok::Utf16ToUtf8(e.Values.at("asp"));
  if (found->Flags.count("p") == e.Flags.count("p"))
    throw TLexiconError(e.Place.Where() + ": asp=" + name + " has the same aspect as " +
                        zentrok::Utf16ToUtf8(e.Rus));
  return found;
}

// The entry of the Russian verb an "inv=" option names: the imperfective
// verb whose imperative invites (утыр: садись, тор: вставай). It must be a
// verb of the lexicon and imperfective.
const TEntry* InviteVerb(const TLexicon& lx, const TEntry& e) {
  const TEntry* found = NamedVerb(lx, e, "inv");
  if (!found) return nullptr;
  const std::string name = zentrok::Utf16ToUtf8(e.Values.at("inv"));
  if (found->Flags.count("p"))
    throw TLexiconError(e.Place.Where() + ": inv=" + name + " is perfective; invitations take the imperfective");
  return found;
}

// The government a "gov=" option gives: "abl:gen", "dat:на+acc" (the Tatar
// case of the object, then the Russian preposition and case).
bool IsGovernment(const std::u16string& g) {
  static const std::u16string tatar[] = {u"abl", u"dat", u"loc", u"acc"};
  static const std::u16string russian[] = {u"gen", u"dat", u"acc", u"ins", u"prep"};
  const size_t colon = g.find(u':');
  if (colon == std::u16string::npos) return false;
  bool ok = false;
  for (auto& t : tatar) ok = ok || g.compare(0, colon, t) == 0;
  const std::u16string rest = g.substr(colon + 1);
  const size_t plus = rest.find(u'+');
  const std::u16string cs = plus == std::u16string::npos ? rest : rest.substr(plus + 1);
  bool okCase = false;
  for (auto& r : russian) okCase = okCase || cs == r;
  return ok && okCase && plus != 0;
}

// Stem column 2: the Russian verb, then "|" and the government when the
// entry has one (бояться|abl:gen).
std::u16string RusWithGovernment(const TEntry& e) {
  auto it = e.Values.find("gov");
  if (it == e.Values.end()) return e.Rus;
  if (!IsGovernment(it->second))
    throw TLexiconError(e.Place.Where() + ": gov=" + zentrok::Utf16ToUtf8(it->second) +
                        " is not TATARCASE:[PREPOSITION+]CASE (abl:gen, dat:на+acc)");
  return e.Rus + u"|" + it->second;
}

void BuildVerbs(const TLexicon& lx, TOut& out) {
  auto numbers = NumberVerbs(lx);
  TParadigmSet tatSet("verbs (Tatar)", TatLimit), ganSet("participles (Tatar)", TatLimit);
  TEndingIndex tatIdx, ganIdx;
  TTextTableWriter stems, forms, ganStems;
  std::map<std::u16string, const TEntry*> rusVerbs;  // first entry that describes each verb
  // an agent form in -учы that the lexicon lists as a noun (укучы, язучы)
  // is left to the noun: as a verb it would read as a participle
  std::set<std::u16string> nounLemmas;
  for (const auto& e : lx.Nouns)
    if (e.ToRus) nounLemmas.insert(e.Tat);
  for (const auto& e : lx.PinnedVerbs) rusVerbs.emplace(e.Rus, &e);
  int n = 0;
  for (const auto& e : lx.Verbs) {
    if (!e.ToRus) continue;
    ++n;
    TFormList vl = TatVerbList(e);
    for (auto& [code, form] : vl)
      if ((code == 81 || code == 82) && nounLemmas.count(form)) form.clear();
    TSplit t = SplitForms(vl);
    int tp = tatSet.Number(t.Endings);
    tatIdx.Add(tp, t.Endings, 8);
    const std::u16string key = RusKey(e);
    const long long num = numbers.at(key);
    const TEntry* partner = AspectPartner(lx, e);
    long long info = num;
    if (partner) {
      info += 65536LL * numbers.at(RusKey(*partner));
      auto it = rusVerbs.find(RusKey(*partner));
      if (it == rusVerbs.end() || (it->second->Values.empty() && it->second->Flags.empty()))
        rusVerbs[RusKey(*partner)] = partner;
    }
    // column 5: the verb of the positive imperative where the entry names one
    const TEntry* invite = InviteVerb(lx, e);
    long long inviteNumber = 0;
    if (invite) {
      inviteNumber = numbers.at(RusKey(*invite));
      auto it = rusVerbs.find(RusKey(*invite));
      if (it == rusVerbs.end() || (it->second->Values.empty() && it->second->Flags.empty()))
        rusVerbs[RusKey(*invite)] = invite;
    }
    stems.AddRow({t.Stem, Num(tp), RusWithGovernment(e), Num(info), e.Tat, Num(inviteNumber)});
    // a pinned line without options leaves the conjugation to the verb entry
    auto it = rusVerbs.find(key);
    if (it == rusVerbs.end() || (it->second->Values.empty() && it->second->Flags.empty()))
      rusVerbs[key] = &e;

    auto rv = RusVerbOf(e);
    auto part = RusParticipleDeclension(rv[15]);
    TSplit g = SplitForms(TatParticipleList(e));
    int gp = ganSet.Number(g.Endings);
    ganIdx.Add(gp, g.Endings, 8);
    ganStems.AddRow({g.Stem, Num(gp), rv[10], part[7], part[11], part[3], part[7], part[11],
                     part[23], part[27], part[4], part[8], part[12], part[28], e.Tat});
  }
  // The verbs of the Russian-to-Tatar entries too: the engine's sense rules
  // choose among the verbs a Tatar stem may say (тор: стоять, вставать).
  for (const auto& e : lx.Verbs)
    if (!e.ToRus) rusVerbs.emplace(RusKey(e), &e);
  for (auto& [key, entry] : rusVerbs) {
    auto v = RusEngineVerbOf(*entry);
    TRow row{Num(numbers.at(key)), entry->Rus, entry->Flags.count("p") ? u"p" : u"i"};
    for (int k = 1; k <= 18; ++k) row.push_back(v[k]);
    forms.AddRow(std::move(row));
  }
  out.Report.Entries["verb"] = n;
  out.Report.Entries["Russian verb (plr10)"] = (int)rusVerbs.size();
  out.Report.Paradigms["tatengine verb (Tatar)"] = tatSet.Count();
  out.Report.Paradigms["tatengine participle (Tatar)"] = ganSet.Count();
  out.Save("plr10.pack", forms);
  SaveEndings(out, "flt10.pack", tatIdx);
  out.Save("itfst10.pack", stems);
  SaveEndings(out, "flt13.pack", ganIdx);
  out.Save("itfst13.pack", ganStems);
}

// A whole-word class searched through SplitWord: every word is a stem of
// paradigm 1 with the empty ending, form code 1.
void BuildWholeWords(const std::vector<TEntry>& entries, TOut& out, const char* cls,
                     const std::string& endName, const std::string& stemName) {
  TTextTableWriter endings, stems;
  endings.AddRow({u"", Num(1 * 256 + 1)});
  int n = 0;
  for (const auto& e : entries)
    if (e.ToRus) {
      stems.AddRow({e.Tat, u"1", e.Rus});
      ++n;
    }
  out.Report.Entries[cls] = n;
  out.Save(endName, endings);
  out.Save(stemName, stems);
}

// Numerals: the word and its case forms (алтыда, алтыдан, алтыга ...), all
// rendered by the numeral's Russian text.
void BuildNumerals(const TLexicon& lx, TOut& out) {
  TParadigmSet set("numerals (Tatar)", TatLimit);
  TEndingIndex idx;
  TTextTableWriter stems;
  int n = 0;
  for (const auto& e : lx.Numerals) {
    if (!e.ToRus) continue;
    ++n;
    TFormList forms;
    if (e.Tat.find(u' ') == std::u16string::npos) {
      auto all = TatNounForms(e.Tat, TatFlagsOf(e));
      for (int c = 1; c <= 6; ++c) forms.emplace_back(c, all[c]);
    } else {
      forms.emplace_back(1, e.Tat);
    }
    TSplit t = SplitForms(forms);
    int p = set.Number(t.Endings);
    idx.Add(p, t.Endings, 8);
    stems.AddRow({t.Stem, Num(p), e.Rus, u"0", e.Tat});
  }
  out.Report.Entries["numeral"] = n;
  SaveEndings(out, "flt05.pack", idx);
  out.Save("itfst05.pack", stems);
}

void BuildLists(const TLexicon& lx, TOut& out) {
  TTextTableWriter l03, l06, l07, l08, l11;
  int n03 = 0, n06 = 0, n08 = 0;
  for (auto& e : lx.Conjunctions)
    if (e.ToRus) l03.AddRow({e.Tat, e.Rus}), ++n03;
  for (auto& e : lx.Postpositions)
    if (e.ToRus) l06.AddRow({e.Tat, e.Rus, e.Extra}), ++n06;
  for (auto& d : lx.Determiners) {
    // columns 6-33: the declension (v 1-28) of a determiner that agrees in case
    std::vector<std::u16string> row{d.Tat, d.M, d.F, d.N, Num(d.Number), Num(d.Case)};
    const std::vector<std::u16string> forms = RusDeterminerForms(d.M);
    if (!forms.empty()) row.insert(row.end(), forms.begin() + 1, forms.end());
    l07.AddRow(row);
  }
  for (auto& e : lx.Predicatives)
    if (e.ToRus) l08.AddRow({e.Tat, e.Rus}), ++n08;
  for (auto& p : lx.Phrases) l11.AddRow({p.Key, p.Value});
  for (auto& e : lx.Adverbs)
    if (e.ToRus && e.Flags.count("direct")) l11.AddRow({e.Tat, e.Rus});
  out.Report.Entries["conjunction/particle"] = n03;
  out.Report.Entries["postposition"] = n06;
  out.Report.Entries["determiner"] = (int)lx.Determiners.size();
  out.Report.Entries["predicative"] = n08;
  out.Report.Entries["phrase"] = (int)lx.Phrases.size();
  out.Save("itfst03.pack", l03);
  out.Save("itfst06.pack", l06);
  out.Save("itfst07.pack", l07);
  out.Save("itfst08.pack", l08);
  out.Save("itfst11.pack", l11);
}

}  // namespace

std::map<std::u16string, int> NumberVerbs(const TLexicon& lx) {
  std::map<std::u16string, int> numbers;
  std::set<int> taken;
  for (auto& [rus, n] : lx.VerbNumbers) {
    numbers[rus] = n;
    taken.insert(n);
  }
  std::set<std::u16string> rest;
  for (auto& e : lx.Verbs)
    if (!numbers.count(RusKey(e))) rest.insert(RusKey(e));
  int next = 10000;
  for (auto& r : rest) numbers[r] = next++;
  return numbers;
}

void BuildTatEngineData(const TLexicon& lx, const std::string& outDir, TBuildReport& report) {
  TOut out{outDir, report};
  BuildAdjectives(lx, out);
  BuildNouns(lx, out);
  BuildPronouns(lx, out);
  BuildVerbs(lx, out);
  BuildWholeWords(lx.Adverbs, out, "adverb", "flt02.pack", "itfst02.pack");
  BuildNumerals(lx, out);
  BuildLists(lx, out);
}

}  // namespace mkdata
