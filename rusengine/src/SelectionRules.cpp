#include "SelectionRules.h"

#include "ClauseRules.h"
#include "Common_ru.h"
#include "db_unit.h"

namespace rusengine {

namespace {

bool FirstIs(const TTransKit& slot, uint16_t mask) {
  return !slot.Readings.empty() && (slot.Readings[0].WordClass & mask) != 0;
}

bool Has(const TTransKit& slot, uint16_t mask) {
  int index = 0;
  return FindClass(slot.Readings, mask, index);
}

// Keeps in slot i only its first plural reading, if it has one.
void KeepFirstPlural(TTransKit& slot) {
  for (size_t k = 0; k < slot.Readings.size(); ++k)
    if (slot.Readings[k].Form >= 6) {
      KeepReading(slot, static_cast<int>(k), true);
      return;
    }
}

// The form of the first adjective reading of a slot.
int AdjectiveForm(const TTransKit& slot) {
  int index = 0;
  return FindClass(slot.Readings, wcAdj, index) ? slot.Readings[index].Form : -1;
}

}  // namespace

bool FindClass(const TTransUnits& readings, uint16_t mask, int& index) {
  for (size_t i = 0; i < readings.size(); ++i)
    if (readings[i].WordClass & mask) {
      index = static_cast<int>(i);
      return true;
    }
  index = static_cast<int>(readings.size());
  return false;
}

void KeepReading(TTransKit& slot, int k, bool exclusive) {
  TTransUnits& r = slot.Readings;
  if (r.size() <= 1 || k < 0 || k >= static_cast<int>(r.size())) return;
  if (exclusive) {
    TWordForm kept = std::move(r[k]);
    r.clear();
    r.push_back(std::move(kept));
    return;
  }
  const uint16_t cls = r[k].WordClass;
  std::erase_if(r, [cls](const TWordForm& w) { return w.WordClass != cls; });
}

bool DeleteReading(TTransKit& slot, int k, bool force) {
  TTransUnits& r = slot.Readings;
  if (k < 0 || k >= static_cast<int>(r.size())) return false;
  if (!force && r.size() <= 1) return false;
  r.erase(r.begin() + k);
  return true;
}

void KeepPreferredClass(TTransKits& kits) {
  for (TTransKit& slot : kits) {
    int index = 0;
    if (FindClass(slot.Readings, wcMod, index)) {
      KeepReading(slot, index, false);
    } else if (FindClass(slot.Readings, kMaskNominal, index) && slot.Readings[0].HasPrep) {
      KeepReading(slot, index, false);
    } else if (Has(slot, wcAdj) && Has(slot, wcNoun)) {
      FindClass(slot.Readings, wcAdj, index);
      KeepReading(slot, index, false);
    } else if (FindClass(slot.Readings, wcNoun, index)) {
      KeepReading(slot, index, false);
    }
  }
}

void ChooseNounNumber(TTransKits& kits) {
  const int count = static_cast<int>(kits.size());
  auto plainWord = [&](int s) { return kits[s].IsWord == 1 && !Has(kits[s], wcAdj); };
  for (int i = 0; i < count; ++i) {
    TTransKit& slot = kits[i];
    if (slot.Readings.size() <= 1 || slot.Readings[0].WordClass != wcNoun) continue;
    // The nearest adjective after the noun wins over one before it; the
    // search never crosses a separator.
    int j = i;
    while (j < count && plainWord(j)) ++j;
    if (j > i && j < count && kits[j].IsWord == 1) {
      if (IsPluralAdjForm(AdjectiveForm(kits[j]))) {
        KeepFirstPlural(slot);
        continue;
      }
    }
    int k = i;
    while (k >= 0 && plainWord(k)) --k;
    if (k < i && k >= 0 && kits[k].IsWord == 1 && IsPluralAdjForm(AdjectiveForm(kits[k])))
      KeepFirstPlural(slot);
  }
}

void PreferNominative(TTransKits& kits) {
  for (TTransKit& slot : kits) {
    if (slot.Readings.size() <= 1 || !Has(slot, wcNoun)) continue;
    for (size_t k = 0; k < slot.Readings.size();) {
      const uint16_t form = slot.Readings[k].Form;
      if (form == 0 || form == 6 || !DeleteReading(slot, static_cast<int>(k), false)) ++k;
    }
  }
}

void MoveNegation(TTransKits& kits) {
  for (size_t i = 0; i + 1 < kits.size(); ++i) {
    if (!FirstIs(kits[i], kMaskAdjective) || !FirstIs(kits[i + 1], kMaskAgreeing)) continue;
    kits[i + 1].Readings[0].Negated = kits[i].Readings[0].Negated;
    kits[i].Readings[0].Negated = 0;
  }
}

void AttachPrepositions(TTransKits& kits, const TDB_standard& nouns) {
  const size_t count = kits.size();
  for (size_t i = 0; i < count; ++i) {
    TTransKit& slot = kits[i];
    if (slot.Readings.empty() || FirstIs(slot, wcNoun) || !slot.Readings[0].HasPrep) continue;
    // A personal pronoun keeps its preposition ("у меня", "с ним"), unless
    // it is его/её/их owning the noun after it ("с его братом").
    if (FirstIs(slot, wcMod) && FindPronoun(slot.Source) &&
        !((slot.Source == u"его" || slot.Source == u"ее" || slot.Source == u"их") &&
          i + 1 < count && FirstIs(kits[i + 1], kMaskAgreeing)))
      continue;
    size_t j = i;
    // "лет" is a whole word that stands for a noun: the walk ends there.
    while (j + 1 < count && !FirstIs(kits[j], wcNoun) && kits[j].Source != u"лет" &&
           kits[j + 1].IsWord == 1)
      ++j;
    if (j == i) continue;
    const int32_t first = slot.Readings[0].PrepFirst, last = slot.Readings[0].PrepLast;
    for (TWordForm& w : slot.Readings) w.HasPrep = 0;
    for (TWordForm& w : kits[j].Readings) {
      w.HasPrep = 1;
      w.PrepFirst = first;
      w.PrepLast = last;
    }
  }
  for (TTransKit& slot : kits) {
    if (slot.Readings.empty() || !slot.Readings[0].HasPrep || !Has(slot, wcNoun)) continue;
    for (size_t k = 0; k < slot.Readings.size();) {
      TWordForm& w = slot.Readings[k];
      if (w.WordClass == wcNoun && !nouns.ChoosePreposition(w) &&
          DeleteReading(slot, static_cast<int>(k), false))
        continue;
      ++k;
    }
  }
}

void ResolveReadings(TTransKits& kits, const TDB_standard& nouns) {
  KeepPreferredClass(kits);
  ChoosePrepositionCase(kits, nouns);
  PreferSingular(kits);
  PreferObjects(kits);
  ChooseNounNumber(kits);
  PreferNominative(kits);
  MoveNegation(kits);
  AttachPrepositions(kits, nouns);
}

void RemoveRepeats(TTransKits& kits, zentrok::TWideStringList& seen) {
  seen.Clear();
  for (TTransKit& slot : kits) {
    for (size_t k = 0; k < slot.Readings.size();) {
      const std::u16string& text = slot.Readings[k].Text;
      int index = 0;
      if (!seen.Find(text, index)) {
        seen.AddSorted(text);
        ++k;
      } else if (!DeleteReading(slot, static_cast<int>(k), false)) {
        ++k;
      }
    }
  }
  seen.Clear();
}

}  // namespace rusengine
