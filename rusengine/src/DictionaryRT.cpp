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
  if (kit.Readings.empty()) AnalyseSoftComparative(text, kit);
  return !kit.Readings.empty();
}

void TDictionaryRT::AnalyseSoftComparative(std::u16string_view text, TTransKit& kit) const {
  constexpr std::u16string_view kSoft = u"по";
  if (text.size() < 6 || !text.starts_with(kSoft) || text.find(u' ') != std::u16string_view::npos)
    return;
  const std::u16string_view rest = text.substr(kSoft.size());
  TTransUnits found;
  FAdj->AnalyseWord(rest, found);
  std::erase_if(found, [](const TWordForm& w) { return w.Form != kComparativeForm; });
  if (found.empty() && FMod->AnalyseWord(rest, found)) {
    // "побольше": a whole word whose Tatar is a comparative (күбрәк).
    std::u16string tat;
    FMod->GetText(found[0], tat);
    if (!tat.ends_with(u"рак") && !tat.ends_with(u"рәк")) found.clear();
  }
  kit.Readings.insert(kit.Readings.end(), found.begin(), found.end());
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
