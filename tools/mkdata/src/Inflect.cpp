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

// Russian texts are written with е for ё: the Russian-to-Tatar engine folds ё
// to е before every lookup, and most readers expect е.
std::u16string NoYo(std::u16string s) {
  for (auto& c : s) {
    if (c == u'ё') c = u'е';
    else if (c == u'Ё') c = u'Е';
  }
  return s;
}
void NoYo(std::vector<std::u16string>& v) {
  for (auto& s : v) s = NoYo(s);
}

template <class F>
auto Guard(const TEntry& e, F f) -> decltype(f()) {
  try {
    return f();
  } catch (const std::invalid_argument& ex) {
    throw TLexiconError(e.Place.Where() + ": " + zentrok::Utf16ToUtf8(e.Rus) + ": " + ex.what());
  }
}

}  // namespace

TTatFlags TatFlagsOf(const TEntry& e) {
  TTatFlags f;
  if (e.Flags.count("t:back")) f.Harmony = 1;
  if (e.Flags.count("t:front")) f.Harmony = -1;
  f.NoVoice = e.Flags.count("t:novoice") > 0;
  f.Syncope = e.Flags.count("t:syncope") > 0;
  f.Voiceless = e.Flags.count("t:T") > 0;
  if (e.Flags.count("t:ar")) f.Aorist = 1;
  if (e.Flags.count("t:ir")) f.Aorist = 2;
  if (auto it = e.Values.find("t:pres"); it != e.Values.end()) f.Present = it->second;
  return f;
}

TFormList TatNounList(const TEntry& e) { return FromVector(TatNounForms(e.Tat, TatFlagsOf(e)), 1); }
TFormList TatVerbList(const TEntry& e) { return FromVector(TatVerbForms(e.Tat, TatFlagsOf(e)), 1); }
TFormList TatParticipleList(const TEntry& e) {
  return FromVector(TatParticipleForms(e.Tat, TatFlagsOf(e)), 1);
}
TFormList TatAdjList(const TEntry& e) { return FromVector(TatAdjForms(e.Tat, TatFlagsOf(e)), 1); }

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
    n.Forms = RusNounForms(head, info);
    for (auto& f : n.Forms) f += tail;
    NoYo(n.Forms);
    n.Gender = info.Gender;
    n.Animate = info.Animate;
    return n;
  });
}

std::vector<std::u16string> RusAdjOf(const TEntry& e) {
  return Guard(e, [&] {
    TRusAdjInfo info;
    info.Short = e.Flags.count("short") > 0;
    for (auto& [k, v] : e.Values) info.Forms[k] = v;
    auto v = RusAdjForms(e.Rus, info);
    NoYo(v);
    return v;
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
    auto v = RusVerbForms(e.Rus, RusVerbInfoOf(e));
    NoYo(v);
    return v;
  });
}

TFormList ToZeroBased(const TFormList& list) {
  TFormList out;
  for (auto& [c, f] : list) out.emplace_back(c - 1, f);
  return out;
}

}  // namespace mkdata
