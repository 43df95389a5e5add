#include "AttributeRules.h"

#include <algorithm>
#include <string>

#include "Common_ru.h"
#include "DictionaryRT.h"
#include "PackTables.h"
#include "db_unit.h"

namespace rusengine {

namespace {

// Materials: their relative adjectives (медный, стеклянный) stand for a
// plain attribute, not an izafet: бакыр чыбык, пыяла ишек, алтын балдак.
// The lexicon does not mark materials, so they are listed here.
constexpr std::u16string_view kMaterials[] = {
    u"агач",  u"алтын", u"көмеш",  u"бакыр",  u"тимер",   u"корыч",  u"таш",    u"кирпеч",
    u"пыяла", u"балчык", u"ефәк",  u"йон",    u"тире",    u"күн",    u"кәгазь", u"картон",
    u"бетон", u"нарат", u"имән",   u"каен",   u"пластмасса", u"резин", u"мех",   u"бәрхет",
    u"ир-ат", u"хатын-кыз"};

// Whether a Tatar noun has a relative adjective in the lexicon (китап:
// книжный): such a noun qualifies a possessed noun in an izafet. A noun
// used as an adjective (авыру бала, башлангыч мәктәп) has none.
bool HasRelativeAdjective(const TDB_standard& nouns, std::u16string_view lemma) {
  const TFlank& stems = nouns.Stems();
  for (int32_t r = 0; r < stems.RowCount(); ++r)
    if ((stems.StemFlags(r) & kNounRelative) && nouns.TatarLemma(r) == lemma) return true;
  return false;
}

// Whether the Russian paradigm of an adjective reading has degrees (a
// comparative or short forms): such an adjective describes, not relates.
bool HasDegrees(const TWordForm& w, const TDictionaryRT& dict) {
  const int32_t paradigm = dict.Adj().Stems().StemParadigm(w.Row);
  for (const int form : {24, 26, 27, 28, 30}) {
    const std::vector<int32_t> with = dict.Adj().Endings().ParadigmsWithSameEnding(form, form);
    if (std::binary_search(with.begin(), with.end(), paradigm)) return true;
  }
  return false;
}

}  // namespace

bool IsMeasureSlot(const TTransKit& kit) {
  return IsWordSlot(kit) && kit.Measure;
}

void MeasuredAmounts(TTransKits& kits, const TClause& c, const TDictionaryRT& dict) {
  const TDB_standard& nouns = dict.Noun();
  for (int i = c.First; i + 1 < c.Last; ++i) {
    TTransKit& measure = kits[i];
    TTransKit& substance = kits[i + 1];
    if (!IsWordSlot(measure) || !HeadIs(measure, wcNoun) || !IsWordSlot(substance) ||
        !HeadIs(substance, wcNoun) || substance.Attribute != 1 || Head(measure)->Possessor >= 0)
      continue;
    if (!(nouns.Stems().StemFlags(Head(measure)->Row) & kNounMeasure)) continue;
    const std::u16string lemma = nouns.TatarLemma(Head(measure)->Row);
    // The substance takes the measure's case, preposition and role.
    const TWordForm m = *Head(measure);
    ForNouns(substance, [&](TWordForm& r) {
      r.Form = static_cast<uint16_t>(m.Form % 6);
      r.HasPrep = m.HasPrep;
      r.PrepFirst = m.PrepFirst;
      r.PrepLast = m.PrepLast;
      r.TatForm = static_cast<int16_t>(m.HasPrep ? SingularCode(m.TatForm) : m.TatForm);
      r.CaseCode = m.CaseCode;
      // An amount is never a known thing: бер стакан су бир.
      r.Bare = m.Form % 6 == 3 && !m.HasPrep ? 1 : m.Bare;
      r.Possessor = -1;
    });
    substance.Readings.resize(1);
    substance.Attribute = 0;
    const bool counted = i > c.First && IsNumeral(kits[i - 1], dict);
    SetFixedText(measure, counted ? lemma : u"бер " + lemma);
    measure.Measure = 1;
  }
}

void RelativeAdjectiveIzafet(TTransKits& kits, const TClause& c, const TDictionaryRT& dict) {
  for (int i = c.First; i + 1 < c.Last; ++i) {
    if (!IsWordSlot(kits[i]) || !HeadIs(kits[i], wcAdj)) continue;
    if (!IsWordSlot(kits[i + 1]) || !HeadIs(kits[i + 1], wcNoun)) continue;
    const TWordForm& adj = *Head(kits[i]);
    const std::u16string lemma = dict.Adj().TatarLemma(adj.Row);
    if (lemma.empty() || lemma.find(u' ') != std::u16string::npos ||
        In(kMaterials, lemma))
      continue;
    if (!HasRelativeAdjective(dict.Noun(), lemma) || HasDegrees(adj, dict)) continue;
    if (Head(kits[i + 1])->Possessor >= 0) continue;
    ForNouns(kits[i + 1], [](TWordForm& r) { r.Possessor = 2; });
    kits[i + 1].Izafet = 1;
  }
}

}  // namespace rusengine
