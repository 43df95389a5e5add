#include "AttributeRules.h"

#include <algorithm>
#include <string>

#include "Common_ru.h"
#include "DictionaryRT.h"
#include "PackTables.h"
#include "db_unit.h"

namespace rusengine {

namespace {

// Tatar nouns that qualify another noun bare: materials (агач йорт, тимер
// юл, алтын балдак) and nouns used as adjectives (башлангыч мәктәп,
// авыру бала).
constexpr std::u16string_view kPlainAttributes[] = {
    u"агач",  u"алтын", u"көмеш",  u"бакыр",  u"тимер",   u"корыч",  u"таш",    u"кирпеч",
    u"пыяла", u"балчык", u"ефәк",  u"йон",    u"тире",    u"күн",    u"кәгазь", u"картон",
    u"бетон", u"нарат", u"имән",   u"каен",   u"пластмасса", u"резин", u"мех",   u"бәрхет",
    u"авыру", u"батыр", u"куркыныч", u"күк",  u"көзге",   u"киләчәк", u"ирекле", u"оста",
    u"еллык", u"көндәлек", u"ерткыч", u"өстәмә", u"башлангыч", u"запас", u"квадрат", u"дус",
    u"ир-ат", u"хатын-кыз"};

// Tatar lemmas of measures and containers.
constexpr std::u16string_view kMeasures[] = {
    u"стакан", u"чынаяк", u"шешә",  u"банка",   u"капчык", u"кашык", u"килограмм",
    u"литр",   u"кисәк",  u"кружка", u"пачка",  u"чиләк",  u"тәлинкә", u"тартма", u"кило"};
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
    const std::u16string lemma = nouns.TatarLemma(Head(measure)->Row);
    if (!In(kMeasures, lemma)) continue;
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
        In(kPlainAttributes, lemma))
      continue;
    if (RowOfTatarLemma(dict.Noun(), lemma) < 0 || HasDegrees(adj, dict)) continue;
    ForNouns(kits[i + 1], [](TWordForm& r) {
      if (r.Possessor < 0) r.Possessor = 2;
    });
  }
}

}  // namespace rusengine
