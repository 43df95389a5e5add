#include "SenseRules.h"

#include <string>

#include "ClauseTools.h"
#include "DictionaryRT.h"
#include "OrderRules.h"
#include "db_unit.h"

namespace rusengine {

namespace {

constexpr TVerbSense kVerbSenses[] = {
    {TSenseRelation::Subject, u"җырла", u"кош сандугач", u"сайра"},
    {TSenseRelation::Subject, u"яктырт", u"кояш ай йолдыз", u"балкы"},
    {TSenseRelation::Subject, u"чәчәк ат", u"чәчәк", u"ачыл"},
    {TSenseRelation::Subject, u"үс", u"бәя хак", u"күтәрел"},
    {TSenseRelation::Object, u"эшлә", u"дәрес", u"әзерлә"},
    {TSenseRelation::Object, u"эшлә",
     u"уенчык курчак кораб самолет модель ояча ремонт өстәл урындык", u"яса"},
};

bool ListHas(std::u16string_view list, std::u16string_view word) {
  while (!list.empty()) {
    const size_t space = list.find(u' ');
    if (list.substr(0, space) == word) return true;
    if (space == std::u16string_view::npos) break;
    list.remove_prefix(space + 1);
  }
  return false;
}

// The Tatar lemma of a slot's noun reading; empty for any other slot.
std::u16string NounLemma(const TTransKit& kit, const TDictionaryRT& dict) {
  if (!IsWordSlot(kit) || !HeadIs(kit, wcNoun)) return {};
  return dict.Noun().TatarLemma(Head(kit)->Row);
}

}  // namespace

const TVerbSense* FindVerbSense(TSenseRelation relation, std::u16string_view verb,
                                std::u16string_view noun) {
  for (const TVerbSense& s : kVerbSenses)
    if (s.Relation == relation && s.Verb == verb && ListHas(s.Nouns, noun)) return &s;
  return nullptr;
}

void VerbSenses(TTransKits& kits, const TClause& c, const TClauseFacts& f,
                const TDictionaryRT& dict) {
  if (f.Main < 0 || !HeadIs(kits[f.Main], wcVerb)) return;
  // The subject: the first plain noun before the verb; the objects: plain
  // nouns in the accusative anywhere else in the clause.
  std::u16string subject;
  std::vector<std::u16string> objects;
  for (int i = c.First; i < c.Last; ++i) {
    if (i == f.Main || !IsWordSlot(kits[i]) || !HeadIs(kits[i], wcNoun)) continue;
    const TWordForm& w = *Head(kits[i]);
    if (w.HasPrep) continue;
    if (i < f.Main && subject.empty() && (w.Form == 0 || w.Form == 6))
      subject = NounLemma(kits[i], dict);
    else if (w.Form == 3 || w.Form == 9)
      objects.push_back(NounLemma(kits[i], dict));
  }
  TTransKit& verb = kits[f.Main];
  const std::u16string lemma = dict.Verb().TatarLemma(Head(verb)->Row);
  const TVerbSense* sense = subject.empty()
                                ? nullptr
                                : FindVerbSense(TSenseRelation::Subject, lemma, subject);
  for (size_t k = 0; !sense && k < objects.size(); ++k)
    sense = FindVerbSense(TSenseRelation::Object, lemma, objects[k]);
  if (!sense) return;
  const int32_t row = RowOfTatarLemma(dict.Verb(), sense->Sense);
  if (row < 0) return;
  for (TWordForm& w : verb.Readings)
    if (w.WordClass == wcVerb) w.Row = row;
}

void AdjectiveSenses(TTransKits& kits, const TClause& c, const TDictionaryRT& dict) {
  // What a person's height is called: the Tatar lemma of "высокий" and
  // the one said of people.
  constexpr std::u16string_view kTall = u"югары", kTallPerson = u"озын";
  bool person = false;
  for (int i = c.First; i < c.Last; ++i) {
    const TTransKit& k = kits[i];
    if (!IsWordSlot(k) || Head(k)->HasPrep) continue;
    if (FindPronoun(k.Source, 0)) {
      person = true;
      break;
    }
    if (HeadIs(k, wcNoun)) {
      const TWordForm& w = *Head(k);
      person = (w.Form == 0 || w.Form == 6) && w.Animate &&
               !IsAnimalLemma(dict.Noun().TatarLemma(w.Row));
      break;
    }
  }
  if (!person) return;
  int32_t row = -1;
  for (int i = c.First; i < c.Last; ++i) {
    TTransKit& k = kits[i];
    if (!IsWordSlot(k) || !HeadIs(k, wcAdj) || dict.Adj().TatarLemma(Head(k)->Row) != kTall)
      continue;
    // Only as the predicate: "высокий дом" qualifies a noun after it.
    if (i + 1 < c.Last && IsWordSlot(kits[i + 1]) && HeadIs(kits[i + 1], wcNoun)) continue;
    if (row < 0) row = RowOfTatarLemma(dict.Adj(), kTallPerson);
    if (row < 0) return;
    for (TWordForm& w : k.Readings)
      if (w.WordClass == wcAdj) w.Row = row;
  }
}

}  // namespace rusengine
