#include "RussianPronouns.h"

#include <stdexcept>

#include "RussianMorph.h"

namespace mkdata {
namespace {

using std::u16string;

bool EndsWith(const u16string& s, std::u16string_view e) {
  return s.size() >= e.size() && s.compare(s.size() - e.size(), e.size(), e) == 0;
}

// The distinct forms of a pronominal paradigm; the feminine oblique form
// serves the genitive, dative, instrumental and prepositional alike.
struct TPronominal {
  u16string MNom, FNom, NNom, PNom;
  u16string MGen, FObl, PGen;
  u16string MDat, PDat;
  u16string FAcc;
  u16string MIns, PIns;
  u16string MPrep;
};

std::vector<u16string> Table(const TPronominal& p) {
  const u16string rows[7][4] = {
      {p.MNom, p.FNom, p.NNom, p.PNom},  {p.MGen, p.FObl, p.MGen, p.PGen},
      {p.MDat, p.FObl, p.MDat, p.PDat},  {p.MNom, p.FAcc, p.NNom, p.PNom},
      {p.MGen, p.FAcc, p.NNom, p.PGen},  {p.MIns, p.FObl, p.MIns, p.PIns},
      {p.MPrep, p.FObl, p.MPrep, p.PGen}};
  std::vector<u16string> v(29);
  for (int r = 0; r < 7; ++r)
    for (int g = 0; g < 4; ++g) v[1 + r * 4 + g] = rows[r][g];
  return v;
}

// этот, сам, один: a hard stem with the pronominal endings -ого, -ому, -им.
TPronominal Hard(const u16string& s, const u16string& mNom) {
  return {mNom,       s + u"а",  s + u"о",   s + u"и",   s + u"ого", s + u"ой", s + u"их",
          s + u"ому", s + u"им", s + u"у",   s + u"им",  s + u"ими", s + u"ом"};
}

// мой, твой, свой (stem мо-), чей (stem чь-): й-endings, stressed ё.
TPronominal Soft(const u16string& s, const u16string& mNom) {
  return {mNom,       s + u"я",  s + u"ё",   s + u"и",   s + u"его", s + u"ей", s + u"их",
          s + u"ему", s + u"им", s + u"ю",   s + u"им",  s + u"ими", s + u"ём"};
}

// наш, ваш: a stem in ш with unstressed endings.
TPronominal Sibilant(const u16string& s) {
  return {s,          s + u"а",  s + u"е",   s + u"и",   s + u"его", s + u"ей", s + u"их",
          s + u"ему", s + u"им", s + u"у",   s + u"им",  s + u"ими", s + u"ем"};
}

std::vector<u16string> Singular(const u16string& w) {
  if (w == u"этот") return Table(Hard(u"эт", w));
  if (w == u"сам") return Table(Hard(u"сам", w));
  if (w == u"один") return Table(Hard(u"одн", w));
  if (w == u"тот")
    return Table({u"тот", u"та", u"то", u"те", u"того", u"той", u"тех", u"тому", u"тем", u"ту", u"тем",
                  u"теми", u"том"});
  if (w == u"весь")
    return Table({u"весь", u"вся", u"всё", u"все", u"всего", u"всей", u"всех", u"всему", u"всем", u"всю",
                  u"всем", u"всеми", u"всём"});
  if (w == u"мой" || w == u"твой" || w == u"свой") return Table(Soft(w.substr(0, w.size() - 1), w));
  if (w == u"чей") return Table(Soft(u"чь", w));
  if (w == u"наш" || w == u"ваш") return Table(Sibilant(w));
  if (w.size() >= 4 && (EndsWith(w, u"ый") || EndsWith(w, u"ий") || EndsWith(w, u"ой"))) {
    TRusAdjInfo info;
    info.Qualitative = false;
    try {
      std::vector<u16string> v = RusAdjForms(w, info);
      v.resize(29);
      return v;
    } catch (const std::invalid_argument&) {
      return {};
    }
  }
  return {};
}

// The singular lemma of a determiner the lexicon gives in the plural.
u16string SingularOf(const u16string& w) {
  if (w == u"все") return u"весь";
  if (w == u"эти") return u"этот";
  if (w == u"те") return u"тот";
  if (w == u"сами") return u"сам";
  if (EndsWith(w, u"ые")) return w.substr(0, w.size() - 1) + u"й";
  if (EndsWith(w, u"ие")) return w.substr(0, w.size() - 1) + u"й";
  return {};
}

}  // namespace

std::vector<u16string> RusDeterminerForms(const u16string& masculine) {
  // A particle joined by a hyphen stays as it is: какой-то, кое-какой.
  if (size_t h = masculine.find(u'-'); h != u16string::npos) {
    const bool prefix = masculine.compare(0, h, u"кое") == 0;
    const u16string head = prefix ? masculine.substr(h + 1) : masculine.substr(0, h);
    const u16string particle = prefix ? masculine.substr(0, h + 1) : masculine.substr(h);
    std::vector<u16string> v = RusDeterminerForms(head);
    for (auto& f : v)
      if (!f.empty()) f = prefix ? particle + f : f + particle;
    return v;
  }
  if (masculine == u"его" || masculine == u"её" || masculine == u"ее" || masculine == u"их") return {};
  std::vector<u16string> v = Singular(masculine);
  if (!v.empty()) return v;
  if (masculine == u"несколько") {
    // only its plural column matters; the rest is filled in below
    const u16string w = masculine;
    v = Table({w, w, w, w, w, w, u"нескольких", w, u"нескольким", w, w, u"несколькими", w});
  } else {
    const u16string singular = SingularOf(masculine);
    if (singular.empty()) return {};
    v = Singular(singular);
    if (v.empty() || v[4] != masculine) return {};
  }
  // Plural only: every column says the plural.
  for (int r = 0; r < 7; ++r)
    for (int g = 0; g < 3; ++g) v[1 + r * 4 + g] = v[1 + r * 4 + 3];
  return v;
}

}  // namespace mkdata
