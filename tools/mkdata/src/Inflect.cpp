#include "Inflect.h"

#include <stdexcept>

#include "zentrok/Utf.h"

namespace mkdata {
namespace {

TFormList FromVector(const std::vector<std::u16string>& v, int first) {
  TFormList l;
  for (int i = first; i < (int)v.size(); ++i)
    if (!v[i].empty()) l.emplace_back(i, v[i]);
  return l;
}

template <class F>
auto Guard(const TEntry& e, F f) -> decltype(f()) {
  try {
    return f();
  } catch (const std::invalid_argument& ex) {
    throw TLexiconError(e.Place.Where() + ": " + zentrok::Utf16ToUtf8(e.Rus) + ": " + ex.what());
  }
}

// The masculine lemma of an adjective cited in any gender: столовая ->
// столовый, рабочая -> рабочий, домашнее -> домашний.
std::u16string MasculineOf(const std::u16string& w) {
  if (w.size() < 3) return w;
  std::u16string end = w.substr(w.size() - 2), stem = w.substr(0, w.size() - 2);
  if (end == u"ый" || end == u"ий" || end == u"ой") return w;
  char16_t s = stem.back();
  bool hush = std::u16string_view(u"кгхжшчщ").find(s) != std::u16string_view::npos;
  if (end == u"ая" || end == u"ое") return stem + (hush ? u"ий" : u"ый");
  if (end == u"яя" || end == u"ее") return stem + u"ий";
  if (end == u"ые" || end == u"ие") return stem + (end == u"ие" ? u"ий" : u"ый");
  return w;
}

int GenderOfAdjective(const std::u16string& w) {
  std::u16string end = w.size() >= 2 ? w.substr(w.size() - 2) : w;
  if (end == u"ая" || end == u"яя") return 2;
  if (end == u"ое" || end == u"ее") return 3;
  if (end == u"ые" || end == u"ие") return 4;
  return 1;
}

// An adjective declined as a noun of the given gender: forms 0-11.
std::vector<std::u16string> AdjAsNoun(const std::u16string& w, int gender, bool anim) {
  auto v = RusAdjForms(MasculineOf(w), {});
  int g = gender >= 1 && gender <= 3 ? gender - 1 : 3;
  std::vector<std::u16string> f(12);
  int sg[6] = {1, 5, 9, anim ? 17 : 13, 21, 25};
  int pl[6] = {4, 8, 12, anim ? 20 : 16, 24, 28};
  for (int i = 0; i < 6; ++i) {
    f[i] = gender == 4 ? v[pl[i]] : v[sg[i] + g];
    f[6 + i] = v[pl[i]];
  }
  return f;
}

}  // namespace

TTatFlags TatFlagsOf(const TEntry& e) {
  TTatFlags f;
  if (e.Flags.count("t:back")) f.Harmony = 1;
  if (e.Flags.count("t:front")) f.Harmony = -1;
  f.Loan = e.Flags.count("t:loan") > 0;
  f.NoVoice = e.Flags.count("t:novoice") > 0;
  f.Syncope = e.Flags.count("t:syncope") > 0;
  f.Syncopable = e.Flags.count("t:syncopable") > 0;
  if (auto it = e.Values.find("t:pstem"); it != e.Values.end()) f.PStem = it->second;
  f.Voiceless = e.Flags.count("t:T") > 0;
  f.Px3 = e.Flags.count("t:px3") > 0;
  if (auto it = e.Values.find("t:stem"); it != e.Values.end()) f.Px3Stem = it->second;
  if (e.Flags.count("t:ar")) f.Aorist = 1;
  if (e.Flags.count("t:ir")) f.Aorist = 2;
  if (auto it = e.Values.find("t:pres"); it != e.Values.end()) f.Present = it->second;
  return f;
}

TFormList TatNounList(const TEntry& e) { return FromVector(TatNounForms(e.Tat, TatFlagsOf(e)), 1); }
TFormList TatNounAnalysisList(const TEntry& e) {
  TFormList l = TatNounList(e);
  if (e.Flags.count("anim"))
    for (auto& f : TatColloquialPx3(e.Tat, TatFlagsOf(e))) l.push_back(f);
  for (auto& f : TatSyncopeVariants(e.Tat, TatFlagsOf(e))) l.push_back(f);
  for (auto& f : TatVoicingVariants(e.Tat, TatFlagsOf(e))) l.push_back(f);
  return l;
}
TFormList TatVerbList(const TEntry& e) { return FromVector(TatVerbForms(e.Tat, TatFlagsOf(e)), 1); }
TFormList TatParticipleList(const TEntry& e) {
  return FromVector(TatParticipleForms(e.Tat, TatFlagsOf(e)), 1);
}
TFormList TatAdjList(const TEntry& e) {
  TFormList l = FromVector(TatAdjForms(e.Tat, TatFlagsOf(e)), 1);
  if (auto it = e.Values.find("t:cmp"); it != e.Values.end())
    for (auto& [code, form] : l)
      if (code == 2) form = it->second;
  return l;
}
TFormList TatAdjAnalysisList(const TEntry& e) {
  TFormList l = TatAdjList(e);
  // the comparative by rule is read beside a given one (кечкенәрәк, кечерәк)
  if (e.Values.count("t:cmp")) {
    const auto rule = TatAdjForms(e.Tat, TatFlagsOf(e));
    if (rule.size() > 2 && !rule[2].empty() && rule[2] != e.Values.at("t:cmp")) l.emplace_back(2, rule[2]);
  }
  return l;
}

TRusNoun RusNounOf(const TEntry& e) {
  return Guard(e, [&] {
    TRusNounInfo info;
    if (e.Flags.count("m")) info.Gender = 1;
    if (e.Flags.count("f")) info.Gender = 2;
    if (e.Flags.count("n")) info.Gender = 3;
    if (e.Flags.count("pl")) info.Gender = 4;
    info.Animate = e.Flags.count("anim") > 0;
    info.Fleeting = e.Flags.count("fleet") > 0;
    info.EndStress = e.Flags.count("end") > 0;
    info.Indeclinable = e.Flags.count("indecl") > 0;
    for (auto& [k, v] : e.Values) info.Forms[k] = v;
    // a phrase declines its first word; the rest stays as written
    std::u16string head = e.Rus, tail;
    if (auto sp = e.Rus.find(u' '); sp != std::u16string::npos) {
      head = e.Rus.substr(0, sp);
      tail = e.Rus.substr(sp);
    }
    TRusNoun n;
    if (e.Flags.count("agree") && !tail.empty()) {
      // adjective + noun: both decline (родной язык -> родного языка)
      std::u16string noun = tail.substr(1);
      if (e.Flags.count("adj")) {
        if (info.Gender == 0) info.Gender = GenderOfAdjective(noun);
        n.Forms = AdjAsNoun(noun, info.Gender, info.Animate);
      } else {
        n.Forms = RusNounForms(noun, info);
      }
      auto adj = AdjAsNoun(head, info.Gender, info.Animate);
      for (int i = 0; i < 12; ++i) n.Forms[i] = adj[i] + u" " + n.Forms[i];
    } else if (e.Flags.count("adj")) {
      // a substantivised adjective: столовая, животное, рабочий
      if (info.Gender == 0) info.Gender = GenderOfAdjective(e.Rus);
      n.Forms = AdjAsNoun(e.Rus, info.Gender, info.Animate);
    } else {
      n.Forms = RusNounForms(head, info);
      for (auto& f : n.Forms) f += tail;
    }
    n.Gender = info.Gender;
    n.Animate = info.Animate;
    return n;
  });
}

bool RusAdjIsQualitative(const TEntry& e) {
  if (e.Flags.count("qual") || e.Flags.count("short")) return true;
  for (const char* key : {"cmp", "sm", "sf", "sn", "sp"})
    if (e.Values.count(key)) return true;
  if (e.Flags.count("rel")) return false;
  return !RusLooksRelative(e.Rus);
}

std::vector<std::u16string> RusAdjOf(const TEntry& e) {
  return Guard(e, [&] {
    TRusAdjInfo info;
    info.Short = e.Flags.count("short") > 0;
    for (auto& [k, v] : e.Values)
      if (k.rfind("t:", 0) != 0) info.Forms[k] = v;
    info.Qualitative = RusAdjIsQualitative(e);
    return RusAdjForms(e.Rus, info);
  });
}

TRusVerbInfo RusVerbInfoOf(const TEntry& e) {
  TRusVerbInfo info;
  info.Perfective = e.Flags.count("p") > 0;
  for (auto& [k, v] : e.Values)
    if (k.rfind("t:", 0) != 0) info.Forms[k] = v;
  return info;
}

std::vector<std::u16string> RusVerbOf(const TEntry& e) {
  return Guard(e, [&] {
    return RusVerbForms(e.Rus, RusVerbInfoOf(e));
  });
}

std::vector<std::u16string> RusEngineVerbOf(const TEntry& e) {
  return Guard(e, [&] {
    const TRusVerbInfo info = RusVerbInfoOf(e);
    std::vector<std::u16string> v = RusVerbForms(e.Rus, info);
    if (v[14].empty()) v[14] = RusEngineGerund(e.Rus, info);
    if (v[3].empty()) v[3] = u"смогу " + e.Rus;
    return v;
  });
}

TFormList ToZeroBased(const TFormList& list) {
  TFormList out;
  for (auto& [c, f] : list) out.emplace_back(c - 1, f);
  return out;
}

}  // namespace mkdata
