// The Russian-to-Tatar engine's collections and text tables.
#include <algorithm>
#include <map>
#include <set>

#include "DataBuilder.h"
#include "Inflect.h"
#include "RussianPronouns.h"
#include "zentrok/TableWriter.h"
#include "zentrok/Utf.h"

namespace mkdata {

const char* const RusEngineFiles[7] = {"flip16.coll",  "flip32.coll",  "flip64.coll", "flip128.coll",
                                       "flip256.coll", "pc32prf.coll", "pc32mod.coll"};

namespace {

using zentrok::TPackTableWriter;
using zentrok::TTextTableWriter;

std::u16string Num(long long v) { return zentrok::Utf8ToUtf16(std::to_string(v)); }

// The engine folds ё to е in every Russian word before a lookup, so keys
// are stored with е.
std::u16string FoldYo(std::u16string s) {
  for (auto& c : s) {
    if (c == u'ё') c = u'е';
    else if (c == u'Ё') c = u'Е';
  }
  return s;
}
void FoldYoForms(std::vector<std::u16string>& forms) {
  for (auto& f : forms) f = FoldYo(f);
}

// One word class: Russian stems and endings, Tatar stems and endings.
class TClassTables {
public:
  explicit TClassTables(std::string name)
      : FName(std::move(name)), FRusSet(FName + " (Russian)"), FTatSet(FName + " (Tatar)") {}

  // Adds one lemma pair. Russian forms carry form ids, Tatar forms the
  // 0-based Tatar codes. Nonzero usage flags go in a fifth cell of the
  // stem row.
  void Add(const TFormList& rusForms, const TFormList& tat, int32_t flags = 0) {
    TFormList rus = rusForms;
    for (auto& f : rus) f.second = FoldYo(f.second);
    TSplit r = SplitForms(rus);
    TSplit t = SplitForms(tat);
    if (r.Endings.empty() || t.Endings.empty()) return;
    int rp = FRusSet.Number(r.Endings);
    int tp = FTatSet.Number(t.Endings);
    FRusIdx.Add(rp, r.Endings, 16);
    if (FTatWritten.insert(tp).second)
      for (auto& [code, ending] : t.Endings) FCodes.AddRow({int32_t(tp * 65536 + code), ending});
    if (flags != 0) FStems.AddRow({r.Stem, int32_t(rp), t.Stem, int32_t(tp), flags});
    else FStems.AddRow({r.Stem, int32_t(rp), t.Stem, int32_t(tp)});
    ++FCount;
  }

  void Save(const std::string& path, const char* endName, const char* codeName, const char* stemName,
            TBuildReport& report) {
    TPackTableWriter endings;
    for (auto& [ending, entries] : FRusIdx.Rows()) {
      TPackTableWriter::TRow row{ending};
      for (int c : TEndingIndex::Codes(entries, 16)) row.push_back(int32_t(c));
      endings.AddRow(std::move(row));
    }
    endings.SortText(0);
    FCodes.SortInt(0);
    FStems.SortText(0);
    zentrok::TCollectionWriter coll;
    coll.AddItem(endName, endings.Build());
    coll.AddItem(codeName, FCodes.Build());
    coll.AddItem(stemName, FStems.Build());
    coll.Save(path);
    report.Paradigms["rusengine " + FName + " (Russian)"] = FRusSet.Count();
    report.Paradigms["rusengine " + FName + " (Tatar)"] = FTatSet.Count();
    report.Rows[path.substr(path.find_last_of('/') + 1)] = (int)FStems.RowCount();
  }

  int Count() const { return FCount; }

private:
  std::string FName;
  TParadigmSet FRusSet, FTatSet;
  TEndingIndex FRusIdx;
  std::set<int> FTatWritten;
  TPackTableWriter FCodes, FStems;
  int FCount = 0;
};

TFormList Pick(const std::vector<std::u16string>& v, std::initializer_list<std::pair<int, int>> idToIndex) {
  TFormList l;
  for (auto [id, i] : idToIndex)
    if (i < (int)v.size() && !v[i].empty()) l.emplace_back(id, v[i]);
  return l;
}

void BuildNouns(const TLexicon& lx, const std::string& dir, TBuildReport& rep) {
  TClassTables t("noun");
  // Two-word nouns (день рождения, детский сад) are stored whole, blank
  // included: the engine matches a run of words against them and inflects
  // the Tatar head (туган көнгә).
  for (auto& e : lx.Nouns) {
    if (!e.ToTat) continue;
    TRusNoun rn = RusNounOf(e);
    FoldYoForms(rn.Forms);
    TFormList rus;
    for (int i = 0; i < 12; ++i) rus.emplace_back(i, rn.Forms[i]);
    // Usage flags: 1 mass, 2 has a relative adjective (radj=), 4 measure.
    const int32_t flags = (e.Flags.count("mass") ? 1 : 0) + (e.Values.count("radj") ? 2 : 0) +
                          (e.Flags.count("measure") ? 4 : 0);
    t.Add(rus, ToZeroBased(TatNounList(e)), flags);
  }
  rep.Entries["rusengine noun"] = t.Count();
  t.Save(dir + "/flip256.coll", "rnounfl", "tnouncd", "nounbs", rep);
}

void BuildAdjectives(const TLexicon& lx, const std::string& dir, TBuildReport& rep) {
  TClassTables t("adjective");
  for (auto& e : lx.Adjectives) {
    if (!e.ToTat) continue;
    auto v = RusAdjOf(e);
    FoldYoForms(v);
    // v numbering -> form ids: gender block x 6 + case (nom, gen, dat, acc, ins, prep)
    TFormList rus;
    for (int g = 0; g < 4; ++g) {
      int ids[6] = {1, 5, 9, 13, 21, 25};
      for (int c = 0; c < 6; ++c) rus.emplace_back(g * 6 + c, v[ids[c] + g]);
      rus.emplace_back(g * 6 + 3, v[17 + g]);  // animate accusative
    }
    rus.emplace_back(24, v[29]);
    for (int s = 0; s < 4; ++s)
      if (!v[30 + s].empty()) rus.emplace_back(s < 3 ? 26 + s : 30, v[30 + s]);
    // drop exact duplicates (same id, same form)
    TFormList uniq;
    for (auto& f : rus)
      if (std::find(uniq.begin(), uniq.end(), f) == uniq.end()) uniq.push_back(f);
    t.Add(uniq, ToZeroBased(TatAdjList(e)));
  }
  rep.Entries["rusengine adjective"] = t.Count();
  t.Save(dir + "/flip128.coll", "radjfl", "tadjcd", "adjbs", rep);
}

void BuildVerbs(const TLexicon& lx, const std::string& dir, TBuildReport& rep) {
  TClassTables verbs("verb"), vadj("verbal adjective"), vadv("verbal adverb");
  for (auto& e : lx.Verbs) {
    if (!e.ToTat) continue;
    auto v = RusVerbOf(e);
    FoldYoForms(v);
    auto tatAll = TatVerbForms(e.Tat, TatFlagsOf(e));
    auto info = RusVerbInfoOf(e);
    // The present forms of a perfective verb mean the future: ids 13-18.
    const int p = info.Perfective ? 13 : 3;
    TFormList rus = Pick(v, {{0, 1}, {1, 2}, {2, 6}, {p, 3}, {p + 1, 4}, {p + 2, 5}, {p + 3, 7},
                             {p + 4, 8}, {p + 5, 9}, {9, 10}, {10, 11}, {11, 12}, {12, 13}});
    verbs.Add(rus, ToZeroBased(TatVerbList(e)));

    // participles: 1 -учы, 2 -ган, 3 -а торган, 4 -ган (passive sense)
    TFormList tatPart = {{1, tatAll[81]}, {2, tatAll[41]}, {3, tatAll[17] + u" торган"}, {4, tatAll[41]}};
    std::u16string prp;
    try {
      prp = RusPresentParticiple(e.Rus, info);
    } catch (const std::invalid_argument&) {
    }
    if (!prp.empty()) {
      TFormList l;
      for (auto& f : RusParticipleDeclension(prp))
        if (!f.empty()) l.emplace_back(0, f);
      vadj.Add(l, tatPart);
    }
    TFormList past;
    for (auto& f : RusParticipleDeclension(v[15]))
      if (!f.empty()) past.emplace_back(1, f);
    vadj.Add(past, tatPart);

    // a verb without a present gerund is still read in its past-stem
    // gerund (писав)
    TFormList ger = {{info.Perfective ? 1 : 0, RusEngineGerund(e.Rus, info)}};
    vadv.Add(ger, {{0, tatAll[75]}, {1, tatAll[76]}});
  }
  rep.Entries["rusengine verb"] = verbs.Count();
  verbs.Save(dir + "/flip32.coll", "rverbfl", "tverbcd", "verbbs", rep);
  vadj.Save(dir + "/flip16.coll", "rvadjfl", "tvadjcd", "vadjbs", rep);
  vadv.Save(dir + "/flip64.coll", "rvadvfl", "tvadvcd", "vadvbs", rep);
}

void BuildTextTables(const TLexicon& lx, const std::string& dir, TBuildReport& rep) {
  TTextTableWriter prf;
  for (auto& p : lx.Prepositions)
    prf.AddRow({FoldYo(p.Rus), Num(p.FormId), Num(p.TatCode), p.Postposition});
  prf.Sort(0);
  prf.Save(dir + "/pc32prf.coll");
  rep.Rows["pc32prf.coll"] = (int)prf.RowCount();

  // whole words: the Russian list first, then the uninflected classes turned round
  TTextTableWriter mod;
  std::set<std::u16string> seen;
  auto add = [&](const std::u16string& rusText, const std::u16string& tat) {
    std::u16string rus = FoldYo(rusText);
    if (seen.insert(rus).second) mod.AddRow({rus, tat});
  };
  for (auto& w : lx.RusWords) add(w.Key, w.Value);
  for (auto* list : {&lx.Adverbs, &lx.Numerals, &lx.Conjunctions, &lx.Predicatives})
    for (auto& e : *list)
      if (e.ToTat) add(e.Rus, e.Tat);
  std::map<std::u16string, std::u16string> tatOf;  // the Tatar a nominative already says
  for (auto& w : lx.RusWords) tatOf.emplace(FoldYo(w.Key), w.Value);
  for (auto& d : lx.Determiners) {
    add(d.M, d.Tat);
    add(d.F, d.Tat);
    add(d.N, d.Tat);
    tatOf.emplace(FoldYo(d.M), d.Tat);
  }
  // every case form of a determiner says what its nominative says (этого,
  // всех, какую)
  for (auto& d : lx.Determiners) {
    const std::u16string& tat = tatOf[FoldYo(d.M)];
    for (auto& f : RusDeterminerForms(d.M))
      if (!f.empty()) add(f, tat);
  }
  mod.Sort(0);
  mod.Save(dir + "/pc32mod.coll");
  rep.Rows["pc32mod.coll"] = (int)mod.RowCount();
}

}  // namespace

void BuildRusEngineData(const TLexicon& lx, const std::string& outDir, TBuildReport& report) {
  BuildVerbs(lx, outDir, report);
  BuildAdjectives(lx, outDir, report);
  BuildNouns(lx, outDir, report);
  BuildTextTables(lx, outDir, report);
}

}  // namespace mkdata
