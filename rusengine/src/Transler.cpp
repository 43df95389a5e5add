#include "Transler.h"

#include "Common_ru.h"

namespace rusengine {

namespace {

bool IsWordAt(const TUnits& units, int i) {
  return i >= 0 && i < static_cast<int>(units.size()) && units[i].IsWord == 1;
}

// The capitals a slot takes from the word it was made from. A single
// capital letter ("Я" in direct speech) says only that the word starts
// with a capital, so it does not turn the whole translation into capitals.
uint8_t SlotPattern(const TUnit& unit) {
  return unit.CasePattern == 2 && unit.Text.size() == 1 ? 1 : unit.CasePattern;
}

// Moves the window's end one word on when the word after it is in the run.
void ExtendEnd(int& end, const TUnits& units) {
  if (IsWordAt(units, end + 1)) ++end;
}

}  // namespace

TTransler::TTransler(const std::string& dataPath) : FDictionary(dataPath) {}

bool TTransler::IsNegation(int& start, int& end, const TUnits& units) const {
  if (start > end || !IsWordAt(units, start) || units[start].Text != u"не") return false;
  ++start;
  ExtendEnd(end, units);
  return true;
}

bool TTransler::IsPreposition(int& start, int& end, int32_t& first, int32_t& last,
                              const TUnits& units) const {
  if (!IsWordAt(units, start)) return false;
  // keys are stored with е: насчёт and насчет are one preposition
  if (!FDictionary.Noun().FindPreposition(NormalizeYo(std::u16string(units[start].Text)), first, last)) return false;
  ++start;
  ExtendEnd(end, units);
  return true;
}

bool TTransler::TranslateFixedPhrase(int start, int& end, TTransKits& kits,
                                     const TUnits& units) {
  // Only a preposition, or "не" and a preposition, open such a phrase:
  // "не" before a verb ("не знаю") is the verb's own negation.
  auto preposition = [&](int i) {
    int32_t first = 0, last = 0;
    return IsWordAt(units, i) &&
           FDictionary.Noun().FindPreposition(NormalizeYo(std::u16string(units[i].Text)), first, last);
  };
  if (!IsWordAt(units, start)) return false;
  if (!preposition(start) && !(units[start].Text == u"не" && preposition(start + 1))) return false;
  for (int e = end; e > start; --e) {
    if (!IsWordAt(units, e)) continue;
    FPhrase.clear();
    for (int i = start; i <= e; ++i) {
      if (i > start) FPhrase.push_back(u' ');
      FPhrase.append(units[i].Text);
    }
    FPhrase = NormalizeYo(std::move(FPhrase));
    TTransUnits readings;
    if (!FDictionary.Mod().AnalyseWord(FPhrase, readings)) continue;
    TTransKit& kit = kits.emplace_back();
    kit.IsWord = 1;
    kit.Translated = 1;
    kit.CasePattern = SlotPattern(units[start]);
    kit.Readings = std::move(readings);
    kit.Source = FPhrase;
    end = e + 1;
    return true;
  }
  return false;
}

void TTransler::TranslateAt(int start, int& end, TTransKits& kits, const TUnits& units) {
  if (TranslateFixedPhrase(start, end, kits, units)) return;
  const int firstToken = start;
  bool negated = IsNegation(start, end, units);
  while (IsNegation(start, end, units)) negated = !negated;

  bool hasPrep = false;
  int32_t first = 0, last = 0;
  int prepToken = -1;
  for (int s = start; IsPreposition(start, end, first, last, units); s = start) {
    hasPrep = true;
    prepToken = s;
  }

  if (end < start) {
    TTransKit& kit = kits.emplace_back();
    kit.IsWord = 1;
    kit.Translated = 1;
    end = start;
    if (hasPrep) {
      // A preposition with no word after it in the run stands alone; its
      // own capitalisation is the one that was written.
      kit.CasePattern = SlotPattern(units[prepToken]);
      TWordForm& w = kit.Readings.emplace_back();
      w.WordClass = wcPrep;
      w.Row = first;
      SetNegated(kit, negated);
    } else if (negated) {
      // Only "не" with no word after it in the run: the negation stands on
      // its own rather than vanishing.
      kit.CasePattern = SlotPattern(units[firstToken]);
      TWordForm& w = kit.Readings.emplace_back();
      w.WordClass = wcUnknown;
      w.Text = kNegationWord;
    }
    // Two "не" that cancel leave a slot with no reading, which emits nothing.
    return;
  }

  TTransKit& kit = kits.emplace_back();
  kit.IsWord = 1;
  if (TranslatePhrase(start, end, kit, units)) {
    kit.Translated = 1;
    kit.CasePattern = SlotPattern(units[start]);
    for (int i = start; i < end; ++i) {
      if (i > start) kit.Source.push_back(u' ');
      kit.Source.append(units[i].Text);
    }
    kit.Source = NormalizeYo(std::move(kit.Source));
  } else {
    // Unknown words pass through as written.
    kit.Translated = 0;
    TWordForm& w = kit.Readings.emplace_back();
    w.WordClass = wcUnknown;
    w.Text = units[start].Source.empty() ? units[start].Text : std::u16string(units[start].Source);
    kit.Source = units[start].Text;
    end = start + 1;
  }
  // The negation is carried by unknown words too, so that "не" is never
  // dropped without a trace.
  SetNegated(kit, negated);
  AttachPrep(kit, hasPrep, first, last);
}

bool TTransler::TranslatePhrase(int start, int& end, TTransKit& kit, const TUnits& units) {
  int e = end;
  bool found = false;
  while (e >= start && !found) {
    FPhrase.clear();
    for (int i = start; i <= e; ++i) {
      if (i > start) FPhrase.push_back(u' ');
      FPhrase.append(units[i].Text);
    }
    FPhrase = NormalizeYo(std::move(FPhrase));
    found = FDictionary.Analyse(FPhrase, kit);
    --e;
  }
  end = e + 2;
  return found;
}

std::u16string TTransler::NormalizeYo(std::u16string text) {
  for (char16_t& c : text)
    if (c == u'ё' || c == u'Ё' || c == 0x00B8 || c == 0x00A8) c = u'е';
  return text;
}

void TTransler::SetNegated(TTransKit& kit, bool value) {
  for (TWordForm& w : kit.Readings) w.Negated = value ? 1 : 0;
}

void TTransler::AttachPrep(TTransKit& kit, bool hasPrep, int32_t first, int32_t last) {
  for (TWordForm& w : kit.Readings) {
    w.HasPrep = hasPrep ? 1 : 0;
    w.PrepFirst = first;
    w.PrepLast = last;
  }
}

}  // namespace rusengine
