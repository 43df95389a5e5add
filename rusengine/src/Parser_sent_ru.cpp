#include "Parser_sent_ru.h"

#include <algorithm>

#include "ClauseRules.h"
#include "Common_ru.h"
#include "MoodRules.h"
#include "PartitiveRules.h"
#include "SelectionRules.h"
#include "TextCase.h"
#include "Transler.h"

namespace rusengine {

void TSP_rus::Parse(std::u16string_view sentence) {
  Units.clear();
  Kits.clear();
  if (sentence.empty()) return;
  FSentence.assign(sentence);
  Tokenise(FSentence);
  for (TUnit& u : Units) {
    u.CasePattern = GetCasePattern(u.Text);
    LowerInPlace(u.Text);
  }
  BuildKits();
  if (!Kits.empty()) {
    ApplyRules();
    JoinAlternatives();
    Emit();
    Kits.clear();
  }
}

void TSP_rus::Tokenise(std::u16string_view s) {
  const size_t len = s.size();
  size_t p = 0;
  while (p < len) {
    size_t start = p;
    while (p < len && !IsLetter(s[p])) ++p;
    if (start < p) {
      TUnit& u = Units.emplace_back();
      u.IsWord = 0;
      u.Text = s.substr(start, p - start);
    }
    if (p >= len) break;
    start = p;
    while (p < len && (IsLetter(s[p]) || (s[p] == u'-' && p > start))) ++p;
    while (s[p - 1] == u'-') --p;  // a hyphen never ends a word
    const std::u16string_view word = s.substr(start, p - start);
    if (word != u"ли" && word != u"ль") {
      TUnit& u = Units.emplace_back();
      u.IsWord = 1;
      u.Text = word;
      u.Source = word;
    }
    size_t q = p;
    while (q < len && s[q] == u' ') ++q;
    if (q < len && IsLetter(s[q])) p = q;
  }
}

void TSP_rus::BuildKits() {
  const int count = static_cast<int>(Units.size());
  int i = 0;
  while (i < count) {
    if (!Units[i].IsWord) {
      TTransKit& kit = Kits.emplace_back();
      kit.IsWord = 0;
      kit.Translated = 1;
      TWordForm& w = kit.Readings.emplace_back();
      w.WordClass = wcSeparator;
      w.Text = Units[i].Text;
      ++i;
      continue;
    }
    int j = i;
    while (j < count && Units[j].IsWord) ++j;
    int s = i;
    while (s < j) {
      int e = s + std::min(MaxPhrase, j - s) - 1;
      if (!Transler) return;
      Transler->TranslateAt(s, e, Kits, Units);
      s = std::max(e, s + 1);  // always make progress
    }
    i = j;
  }
}

void TSP_rus::ApplyRules() {
  if (Kits.empty() || !Transler) return;
  const TDictionaryRT& dict = Transler->Dictionary();
  MarkPredicatePhrases(Kits, dict);
  PreferVerbsInContext(Kits);
  PreferDirection(Kits, dict);
  DropBarePrepositional(Kits);
  PreferAbsentGenitive(Kits, dict);
  PreferComparedGenitive(Kits);
  PreferQuantityCase(Kits, dict);
  PartitiveObjects(Kits, dict);
  MarkAttributes(Kits, dict);
  ResolveReadings(Kits, dict.Noun());
  // A slot that opened the sentence and moves away loses its capital,
  // which only the sentence start gave it.
  TTransKit* opening = Kits[0].CasePattern == 1 && Kits[0].IsWord == 1 ? &Kits[0] : nullptr;
  const std::u16string openingSource = opening ? opening->Source : std::u16string();
  ApplyClauseRules(Kits, dict);
  if (opening && !(Kits[0].Source == openingSource))
    for (TTransKit& slot : Kits)
      if (&slot != &Kits[0] && slot.Source == openingSource && slot.CasePattern == 1) {
        slot.CasePattern = 0;
        break;
      }

  // The sentence starts with a capital. Only the first letter changes, so
  // an unknown word written in capitals stays as written.
  for (TTransKit& slot : Kits)
    if (!slot.Readings.empty()) {
      slot.CasePattern = 1;
      break;
    }

  for (TTransKit& slot : Kits) {
    if (!slot.Readings.empty() && slot.Readings[0].WordClass == wcSeparator) continue;
    for (size_t k = 0; k < slot.Readings.size();) {
      dict.GetText(slot.Readings[k], FText);
      if (FText.empty()) {
        slot.Readings.erase(slot.Readings.begin() + static_cast<ptrdiff_t>(k));
      } else {
        if (slot.AskParticle) AppendQuestionParticle(FText);
        FText.append(slot.Tail);
        slot.Readings[k].Text = FText;
        ++k;
      }
    }
  }
  RemoveRepeats(Kits, FRepeats);

  for (TTransKit& slot : Kits)
    for (TWordForm& w : slot.Readings) w.Text = ApplyCase(std::move(w.Text), slot.CasePattern);
}

void TSP_rus::JoinAlternatives() {
  const TDictionaryRT* dict = Transler ? &Transler->Dictionary() : nullptr;
  for (TTransKit& slot : Kits) {
    if (slot.Readings.size() <= 1 || !dict) continue;
    std::u16string joined = u"{";
    for (size_t k = 0; k < slot.Readings.size(); ++k) {
      if (k > 0) joined.append(u", ");
      dict->GetText(slot.Readings[k], FText);
      joined.append(FText);
    }
    joined.push_back(u'}');
    slot.Readings.clear();
    TWordForm& w = slot.Readings.emplace_back();
    w.WordClass = wcUnknown;
    w.Text = std::move(joined);
  }
  // One space between two word slots. Slots that lost every reading emit
  // nothing and are passed over, so a vanished word leaves no stray space.
  TTransKit* previous = nullptr;
  for (TTransKit& slot : Kits) {
    if (slot.Readings.empty()) continue;
    if (previous && previous->IsWord == 1 && slot.IsWord == 1)
      for (TWordForm& w : previous->Readings) w.Text.push_back(u' ');
    previous = &slot;
  }
}

void TSP_rus::Emit() {
  if (!OutProc) return;
  for (const TTransKit& slot : Kits)
    if (!slot.Readings.empty())
      OutProc(slot.Readings[0].Text.c_str(), slot.Translated == 1 ? 0 : -1);
}

}  // namespace rusengine
