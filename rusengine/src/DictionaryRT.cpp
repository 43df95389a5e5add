#include "DictionaryRT.h"

#include "Common_ru.h"

namespace rusengine {

TDictionaryRT::TDictionaryRT(const std::string& dataPath) {
  TPrepositionSource prepositions(dataPath);
  FVAdj = std::make_unique<TVAdj>(dataPath, prepositions);
  FVAdv = std::make_unique<TVAdv>(dataPath, prepositions);
  FVerb = std::make_unique<TVerb>(dataPath, prepositions);
  FAdj = std::make_unique<TAdj>(dataPath, prepositions);
  FNoun = std::make_unique<TNoun>(dataPath, prepositions);
  FMod = std::make_unique<TMod>(dataPath);
}

bool TDictionaryRT::Analyse(std::u16string_view text, TTransKit& kit) const {
  if (FMod->AnalyseWord(text, kit.Readings)) return true;
  if (!FVAdj->AnalyseWord(text, kit.Readings)) FAdj->AnalyseWord(text, kit.Readings);
  FVAdv->AnalyseWord(text, kit.Readings);
  FVerb->AnalyseWord(text, kit.Readings);
  FNoun->AnalyseWord(text, kit.Readings);
  return !kit.Readings.empty();
}

void TDictionaryRT::GetText(const TWordForm& reading, std::u16string& text) const {
  text.clear();
  switch (reading.WordClass) {
    case wcVAdj: FVAdj->GetText(reading, text); break;
    case wcVAdv: FVAdv->GetText(reading, text); break;
    case wcVerb: FVerb->GetText(reading, text); break;
    case wcAdj: FAdj->GetText(reading, text); break;
    case wcNoun: FNoun->GetText(reading, text); break;
    case wcPrep:
      // A preposition standing alone still shows a "не" before it.
      text = FNoun->PrepositionText(reading.Row);
      if (reading.Negated && !text.empty()) text.append(kNotWord);
      break;
    case wcMod: FMod->GetText(reading, text); break;
    case wcUnknown: FUnknown.GetText(reading, text); break;
    default: break;
  }
}

}  // namespace rusengine
