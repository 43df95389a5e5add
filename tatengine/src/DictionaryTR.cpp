#include "DictionaryTR.h"

#include "TextUtil.h"

namespace tatengine {
namespace {

void Append(TTransKit& kit, const TFormTat& tat, const TFormRus& rus, std::u16string text) {
  kit.Readings.push_back(TTransUnit{tat, rus});
  kit.Readings.back().Rus.RusText = std::move(text);
}

}  // namespace

TDictionaryTR::TDictionaryTR(const std::string& dataPath)
    : Adj(dataPath),
      Noun(dataPath),
      SubNoun(dataPath),
      Verb(dataPath),
      Adverb(dataPath),
      Numeral(dataPath),
      Unchanging(dataPath),
      Direct(dataPath),
      Gan(dataPath),
      Senses(dataPath) {
  Aux.SetAnalysers(&Verb, &Adj);
}

bool TDictionaryTR::Lookup(std::u16string_view text, std::u16string_view next, bool& usedNext,
                           TTransKit& kit) const {
  usedNext = false;
  bool found = false;
  // The analysers fill these two records in turn; what one writes stays for
  // the later ones unless they overwrite it.
  TFormTat tat;
  TFormRus rus;

  if (Direct.Analyse(text, tat, rus)) {
    Append(kit, tat, rus, Direct.Translate(rus));
    // A whole word that is also a noun form (өйдә: "дома" or "в доме")
    // keeps the noun reading; the rules choose by the neighbours.
    // The same for an adjective (бүтән: "больше" or "другой").
    TFormTat otherTat;
    TFormRus otherRus;
    if (text.find(u' ') == std::u16string_view::npos) {
      if (Noun.Analyse(text, otherTat, otherRus)) {
        std::u16string t = Noun.Translate(otherRus);
        LowerInPlace(t);
        Append(kit, otherTat, otherRus, std::move(t));
      } else if (Adj.Analyse(text, otherTat, otherRus)) {
        std::u16string t = Adj.Translate(otherRus);
        LowerInPlace(t);
        Append(kit, otherTat, otherRus, std::move(t));
      }
    }
    return true;
  }
  // "күрә алмадым" is "could not see", not the postposition "күрә".
  if (!next.empty()) {
    TFormTat canTat;
    TFormRus canRus;
    if (Verb.Analyse(text, next, usedNext, canRus, canTat) && usedNext && canRus.StemRow == 2037) {
      std::u16string t = Verb.Translate(canRus);
      LowerInPlace(t);
      Append(kit, canTat, canRus, std::move(t));
      return true;
    }
    usedNext = false;
  }
  if (Unchanging.Analyse(text, tat, rus)) {
    std::u16string t = Unchanging.Translate(rus);
    LowerInPlace(t);
    Append(kit, tat, rus, std::move(t));
    found = true;
  }
  if (Glues.Analyse(text, tat, rus)) {
    Append(kit, tat, rus, std::u16string());
    return true;
  }
  auto add = [&](std::u16string t) {
    LowerInPlace(t);
    Append(kit, tat, rus, std::move(t));
    found = true;
  };
  if (Aux.Analyse(text, next, usedNext, rus, tat)) {
    add(Aux.Translate(rus));
    if (usedNext) return true;
  }
  if (Verb.Analyse(text, next, usedNext, rus, tat)) {
    add(Verb.Translate(rus));
    if (usedNext) return true;
  }
  if (Adj.Analyse(text, tat, rus)) add(Adj.Translate(rus));
  if (Adverb.Analyse(text, tat, rus)) add(Adverb.Translate(rus));
  if (SubNoun.Analyse(text, tat, rus)) add(SubNoun.Translate(rus));
  if (Numeral.Analyse(text, tat, rus)) add(Numeral.Translate(rus));
  if (Noun.Analyse(text, tat, rus)) add(Noun.Translate(rus));
  if (Gan.Analyse(text, tat, rus)) add(Gan.Translate(rus));
  return found;
}

void TDictionaryTR::Generate(TTransUnit& reading) const {
  TFormRus& rus = reading.Rus;
  if (rus.FoundClass == wcGlue) {
    rus.RusText = Glues.Generate(rus);
    return;
  }
  switch (rus.WordClass) {
    case wcAdjective: rus.RusText = Adj.Generate(rus); break;
    case wcNoun: rus.RusText = Noun.Generate(rus); break;
    case wcUnchanged07: rus.RusText = Unchanging.Generate(rus); break;
    case wcSubNoun: rus.RusText = SubNoun.Generate(rus); break;
    case wcVerb: rus.RusText = Verb.Generate(rus); break;
    default: break;
  }
}

void TDictionaryTR::SetDefault(TTransUnit& reading, int wordClass) const {
  TFormRus& rus = reading.Rus;
  switch (wordClass) {
    case wcAdjective: TAdj::SetDefault(rus); break;
    case wcAdverb: TAdverb::SetDefault(rus); break;
    case wcUnchanged03: case wcPostposition: case wcUnchanged07: case wcUnchanged08:
      TUnchanged::SetDefault(rus, wordClass);
      break;
    case wcNoun: TNoun::SetDefault(rus); break;
    case wcNumeral: TNumber::SetDefault(rus); break;
    case wcSubNoun: TSubNoun::SetDefault(rus); break;
    case wcVerb: TVerb::SetDefault(rus); break;
    case wcDirect: TDirect::SetDefault(rus); break;
    case wcGlue: TGlues::SetDefault(rus); break;
    default: break;
  }
}

}  // namespace tatengine
