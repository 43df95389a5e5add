// The sentence rules: choose among readings by their neighbours, give unknown
// words a provisional class, put prepositions and moved glue words in Russian
// order, swap possessive pairs and make words agree.
#include <algorithm>

#include "Common_ta.h"
#include "Parser_sent_ta.h"
#include "RusForms.h"
#include "Transler.h"

namespace tatengine {

// ---- helpers --------------------------------------------------------------

TFormRus& TSP_tat::Rus(int slot) {
  if (slot < 0 || slot >= SlotCount() || Kits[slot].Readings.empty()) {
    FBlank = TTransUnit{};
    return FBlank.Rus;
  }
  return Kits[slot].Readings[0].Rus;
}

TFormTat& TSP_tat::Tat(int slot) {
  if (slot < 0 || slot >= SlotCount() || Kits[slot].Readings.empty()) {
    FBlank = TTransUnit{};
    return FBlank.Tat;
  }
  return Kits[slot].Readings[0].Tat;
}

int TSP_tat::Class(int slot) { return Rus(slot).WordClass; }

bool TSP_tat::HasReading(int slot, int mask, int& index) {
  if (slot < 0 || slot >= SlotCount() || Kits[slot].Kind != kkTranslated) return false;
  const TTransUnits& readings = Kits[slot].Readings;
  for (size_t k = 0; k < readings.size(); ++k) {
    if (readings[k].Rus.WordClass & mask) {
      index = static_cast<int>(k);
      return true;
    }
  }
  return false;
}

bool TSP_tat::SingleReading(int slot, int mask) {
  if (slot < 0 || slot >= SlotCount()) return false;
  const TTransUnits& readings = Kits[slot].Readings;
  return readings.size() == 1 && (readings[0].Rus.WordClass & mask) != 0;
}

void TSP_tat::Keep(int slot, int index) {
  if (slot < 0 || slot >= SlotCount()) return;
  TTransUnits& readings = Kits[slot].Readings;
  if (readings.size() <= 1 || index < 0 || index >= static_cast<int>(readings.size())) return;
  const int wordClass = readings[index].Rus.WordClass;
  readings.erase(std::remove_if(readings.begin(), readings.end(),
                                [wordClass](const TTransUnit& r) {
                                  return r.Rus.WordClass != wordClass;
                                }),
                 readings.end());
}

void TSP_tat::Drop(int slot, int index) {
  if (slot < 0 || slot >= SlotCount()) return;
  TTransUnits& readings = Kits[slot].Readings;
  if (index < 0 || index >= static_cast<int>(readings.size())) return;
  readings.erase(readings.begin() + index);
}

void TSP_tat::Move(int from, int to) {
  if (from < 0 || from >= SlotCount() || from == to) return;
  TTransKit kit = std::move(Kits[from]);
  Kits.erase(Kits.begin() + from);
  to = std::clamp(to, 0, SlotCount());
  Kits.insert(Kits.begin() + to, std::move(kit));
}

void TSP_tat::Agree(int target, int source, int fields) {
  if (target < 0 || target >= SlotCount() || Kits[target].Readings.empty()) return;
  const TFormRus from = Rus(source);
  TFormRus& to = Kits[target].Readings[0].Rus;
  if (fields & afCase) to.Case = from.Case;
  if (fields & afGender) to.Gender = from.Gender;
  if (fields & afVariant) to.Variant = from.Variant;
  if (fields & afNumber) to.Number = from.Number;
  to.Agreed = 1;
}

void TSP_tat::SetDefault(int slot, int wordClass) {
  if (slot < 0 || slot >= SlotCount() || Kits[slot].Readings.empty()) return;
  Translator->Dictionary().SetDefault(Kits[slot].Readings[0], wordClass);
}

namespace {

// The index of the first reading with exactly this class, or -1.
int FindClass(const TTransKit& kit, int wordClass) {
  for (size_t k = 0; k < kit.Readings.size(); ++k)
    if (kit.Readings[k].Rus.WordClass == wordClass) return static_cast<int>(k);
  return -1;
}

}  // namespace

// ---- 1-6: choosing readings ------------------------------------------------

void TSP_tat::ResolveDirectWords() {
  for (int i = FirstWord; i <= LastWord; ++i) {
    const int direct = FindClass(Kits[i], wcDirect);
    const int noun = FindClass(Kits[i], wcNoun);
    const int adjective = FindClass(Kits[i], wcAdjective);
    if (direct >= 0 && adjective >= 0) {
      // Before a noun the word is its adjective (бүтән китап: другая книга).
      Keep(i, i < LastWord && HasReading(i + 1, wcNoun) ? adjective : direct);
      continue;
    }
    if (direct < 0 || noun < 0) continue;
    // After a modifier the word is its noun (зур өйдә: в большом доме);
    // otherwise the whole-word translation stands (өйдә: дома).
    int owner = -1;
    const bool genitive = i > FirstWord && HasReading(i - 1, 0x108, owner) &&
                          NounRule(Kits[i - 1].Readings[owner].Tat.EndingCode).Case == 3;
    const bool modified = i > FirstWord && Kits[i - 1].Kind == kkTranslated &&
                          (HasReading(i - 1, wcAdjective | wcNumeral | wcUnchanged07) || genitive);
    Keep(i, modified ? noun : direct);
  }
}

void TSP_tat::PreferParticles() {
  for (int i = FirstWord; i <= LastWord; ++i) {
    int index;
    if (!HasReading(i, wcUnchanged07, index)) continue;
    if (Kits[i].Readings[index].Rus.Case == 1) ResetContext();
    Keep(i, index);
  }
}

void TSP_tat::ResolveFirstWord() {
  const int f = FirstWord;
  TTransKit& kit = Kits[f];
  if (kit.Kind == kkUnknown) {
    SetDefault(f, wcNoun);
    return;
  }
  int index;
  if (kit.HyphenPart == 1 && f < LastWord && Kits[f + 1].Readings.size() == 1 &&
      HasReading(f, Kits[f + 1].Readings[0].Rus.WordClass, index)) {
    Keep(f, index);
  } else if (f < LastWord && HasReading(f, wcNumeral, index) && HasReading(f + 1, wcNoun)) {
    // A count before a noun (йөз сум: a hundred roubles, not "face").
    Keep(f, index);
  } else if (HasReading(f, 0x108, index) || HasReading(f, 3, index)) {
    Keep(f, index);
  }
}

void TSP_tat::ResolvePostpositionPairs() {
  for (int i = FirstWord; i <= LastWord; ++i) {
    int a, b;
    if (HasReading(i, 0x148, a) && i < LastWord && HasReading(i + 1, wcPostposition, b)) {
      Keep(i, a);
      Keep(i + 1, b);
    }
    if (HasReading(i, wcPostposition, a) && i > 0 && HasReading(i - 1, 0x148, b)) {
      Keep(i, a);
      Keep(i - 1, b);
    }
  }
}

void TSP_tat::ResolveLastWord() {
  const int l = LastWord;
  if (Kits[l].Kind == kkUnknown) SetDefault(l, wcVerb);
  int index, noun;
  if (!HasReading(l, wcVerb, index)) return;
  // After a numeral or an adjective the last word is their noun (өч алма:
  // three apples, not "three, do not take").
  if (l > FirstWord && HasReading(l, wcNoun, noun) &&
      (SingleReading(l - 1, wcNumeral | wcAdjective) ||
       (HasReading(l - 1, wcNumeral | wcAdjective) && !HasReading(l - 1, wcVerb)))) {
    Keep(l, noun);
    return;
  }
  // After a noun in the nominative a bare stem that is also an adjective is
  // the predicate (Математика авыр: is hard), not an order.
  int adjective;
  int p = l - 1;
  while (p > FirstWord && SingleReading(p, wcAdverb)) --p;  // кыз бик матур
  if (p >= FirstWord && Kits[l].Readings[index].Tat.EndingCode == 2 &&
      HasReading(l, wcAdjective, adjective) && SingleReading(p, wcNoun) &&
      (Tat(p).EndingCode == 1 || Tat(p).EndingCode == 87)) {
    Keep(l, adjective);
    return;
  }
  // So is one after a likeness (кар кебек ак: белый как снег); an order
  // never follows "кебек".
  if (p >= FirstWord && Kits[l].Readings[index].Tat.EndingCode == 2 &&
      HasReading(l, wcAdjective, adjective) && IsLikeWord(Source(p))) {
    Keep(l, adjective);
    return;
  }
  Keep(l, index);
}

void TSP_tat::PruneReadings() {
  for (int i = 0; i < SlotCount(); ++i) {
    TTransKit& kit = Kits[i];
    auto both = [&kit](int a, int b) { return FindClass(kit, a) >= 0 && FindClass(kit, b) >= 0; };
    auto dropClass = [&](int c) { Drop(i, FindClass(kit, c)); };
    if (both(wcNoun, wcSubNoun)) dropClass(wcSubNoun);
    if (both(wcAdjective, wcParticiple)) dropClass(wcParticiple);
    if (both(wcVerb, wcSubNoun)) {
      const int v = FindClass(kit, wcVerb);
      const int code = kit.Readings[v].Tat.EndingCode;
      if (code == 75 || code == 76) Drop(i, v);
    }
    if (both(wcVerb, wcParticiple)) dropClass(wcParticiple);
    if (both(wcNoun, wcParticiple)) {
      const bool commaNext = i + 1 < SlotCount() && Kits[i + 1].Kind == kkSeparator &&
                             Kits[i + 1].Text.find(u',') != std::u16string::npos;
      dropClass(commaNext ? wcNoun : wcParticiple);
    }
  }
}

void TSP_tat::GuessUnknownWords() {
  for (int i = FirstWord + 1; i < LastWord; ++i) {
    if (Kits[i].Kind != kkUnknown || Class(i) != wcUnknown) continue;
    if ((SingleReading(i + 1, 0x220) || SingleReading(i - 1, wcAdjective)) &&
        !SingleReading(i + 1, 0x148))
      SetDefault(i, wcNoun);
    if (SingleReading(i - 1, wcAdverb))
      SetDefault(i, wcVerb);
    else if (SingleReading(i + 1, 0x149))
      SetDefault(i, wcAdjective);
  }
}

// ---- 8-11: pairs and the final choice --------------------------------------

void TSP_tat::ResolveModifierPairs() {
  for (int i = FirstWord; i <= LastWord - 1; ++i) {
    if (Kits[i].Kind == kkSeparator || Kits[i + 1].Kind == kkSeparator) continue;
    int j = i + 1;
    if (Tat(i + 1).WordClass == wcGlue && i + 1 < LastWord) j = i + 2;
    if (j > LastWord) return;
    if (Kits[i].HyphenPart == 1 && Kits[j].HyphenPart == 2) continue;
    int a, b;
    if ((HasReading(i, wcAdjective, a) && HasReading(j, 0x148, b)) ||
        (HasReading(i, wcAdverb, a) && HasReading(j, wcVerb, b))) {
      Keep(i, a);
      Keep(j, b);
    }
  }
}

void TSP_tat::ResolveVerbOrSubnoun() {
  for (int i = 0; i < SlotCount(); ++i) {
    TTransKit& kit = Kits[i];
    const int v = FindClass(kit, wcVerb);
    const int s = FindClass(kit, wcSubNoun);
    if (v < 0 || s < 0) continue;
    if (i > 0 && HasReading(i - 1, wcAdjective)) {
      Drop(i, s);
    } else if (i + 1 < SlotCount() && HasReading(i - 1, wcVerb)) {
      // After a verb the word is read as a verb too: a sub-noun needs the
      // noun it belongs to before it, while two verbs in a row are the
      // common converb + verb chain.
      Drop(i, s);
    } else {
      Drop(i, v);
    }
  }
}

void TSP_tat::ResolveHyphenHalves() {
  for (int i = 0; i <= LastWord; ++i) {
    int index;
    if (i < LastWord && Kits[i].HyphenPart == 1 && Kits[i].Readings.size() == 1 &&
        HasReading(i + 1, Class(i), index))
      Keep(i + 1, index);
    if (i > 0 && Kits[i].HyphenPart == 2 && Kits[i].Readings.size() == 1 &&
        HasReading(i - 1, Class(i), index))
      Keep(i - 1, index);
  }
}

void TSP_tat::ChooseReadings() {
  for (int i = FirstWord; i <= LastWord; ++i) {
    int index;
    if (HasReading(i, 72, index) || HasReading(i, wcAdjective, index) ||
        HasReading(i, wcAdverb, index) || HasReading(i, wcVerb, index))
      Keep(i, index);
  }
}

// ---- 12-16: word order ------------------------------------------------------

void TSP_tat::SplitPrepositions() {
  auto strip = [](TTransKit& kit) {
    for (TTransUnit& reading : kit.Readings) {
      reading.Rus.Prefix.clear();
      const size_t blank = reading.Rus.RusText.find(u' ');
      if (blank != std::u16string::npos) reading.Rus.RusText.erase(0, blank + 1);
    }
  };
  for (int i = 0; i < SlotCount(); ++i) {
    if (Class(i) != wcNoun) continue;
    if (i + 1 < SlotCount() && HasReading(i + 1, wcPostposition)) {
      strip(Kits[i]);
      continue;
    }
    if (Rus(i).Prefix.empty()) continue;
    // The noun's own prefix: the analyser fitted it to the noun (на, у, от).
    std::u16string text(Rus(i).Prefix);
    if (!text.empty() && text.back() == u' ') text.pop_back();
    TTransKit prep;
    prep.Kind = kkTranslated;
    prep.Capital = 0;  // capitalised only if it ends up first
    prep.HyphenPart = i + 1 < SlotCount() ? Kits[i + 1].HyphenPart : 0;
    TTransUnit reading;
    reading.Tat.WordClass = wcPostposition;
    reading.Tat.StemRow = 0;
    reading.Rus.WordClass = wcPostposition;
    reading.Rus.FoundClass = wcPostposition;
    reading.Rus.StemRow = 0;
    reading.Rus.RusText = std::move(text);
    prep.Readings.push_back(std::move(reading));
    strip(Kits[i]);
    Kits.insert(Kits.begin() + i + 1, std::move(prep));
    ++LastWord;
    ++i;
  }
}

void TSP_tat::RewriteConjunctions() {
  for (int i = 0; i + 1 < SlotCount(); ++i) {
    if (Class(i + 1) == wcVerb && Rus(i).RusText == u"и") {
      if (IsNegativeVerbEnding(Tat(i + 1).EndingCode)) {
        Rus(i).RusText = u"ни";
        Rus(i).Case = 3;
      } else if (i + 1 > 1 && (Class(i - 1) & 0x148)) {
        Rus(i).RusText = u"тоже";
        Rus(i).WordClass = wcUnchanged03;
      }
    }
    if (Rus(i + 1).RusText == u"и" && (Class(i) & 0x108) && i + 1 < SlotCount() - 1 &&
        (Class(i + 2) & 0x109))
      Rus(i + 1).WordClass = wcUnchanged03;
  }
}

void TSP_tat::MovePrepositions() {
  for (int i = FirstWord + 1; i <= LastWord; ++i) {
    if (Class(i) != wcPostposition || !(Class(i - 1) & 0x149)) continue;
    // A noun looked up in halves may have given each half a preposition:
    // the second one goes (only when it really is one).
    if (Kits[i - 1].HyphenPart == 1 && i + 2 <= LastWord && Class(i + 2) == wcPostposition) {
      Kits.erase(Kits.begin() + i + 2);
      --LastWord;
    }
    int j = Kits[i - 1].HyphenPart == 2 ? i - 2 : i - 1;
    if (j > 0 && Rus(j - 1).WordClass == wcGlue) --j;
    // Before the adjectives, numerals and determiners of the noun.
    // A fixed cardinal before an ordinal is a numeral on the Tatar side.
    while (j > 0 && ((Class(j - 1) & 0x11) ||
                     (Class(j - 1) == wcUnchanged07 && Tat(j - 1).WordClass != wcGlue) ||
                     (Class(j - 1) == wcUnchanged03 && Tat(j - 1).WordClass == wcNumeral))) {
      if (Rus(j - 1).Case == 14) break;
      --j;
    }
    Move(i, j);
  }
}

void TSP_tat::MoveGlues() {
  for (int i = FirstWord; i <= LastWord - 1; ++i) {
    if (Class(i) != wcMovedGlue) continue;
    int j = i;
    while (j < LastWord && !HasReading(j + 1, 9)) ++j;
    // Right after the first following adjective or noun; after the last
    // word when there is none (never past the punctuation that ends it).
    Move(i, j < LastWord ? j + 1 : LastWord);
    i = j + 1;
  }
}

void TSP_tat::SwapPossessives() {
  int rounds = 0;  // chained heads looked at again; bounded by the slots
  for (int i = FirstWord; i <= LastWord - 1; ++i) {
    if (Tat(i).WordClass != wcNoun || Kits[i].Kind != kkTranslated) continue;
    const int code = Tat(i).EndingCode;
    // The possessor: a bare noun (укучы китабы) or any genitive form
    // (әниемнең китабы); the possessed noun may have a preposition split
    // off before it (укучы китабында).
    const bool genitive = NounRule(code).Case == 3 || NounRule(code).Case == 4;
    if (!IsBareNounEnding(code) && !(genitive && NounRule(code).Prefix.empty())) continue;
    // A noun its own postposition governs is no possessor (мәктәптән соң
    // дусты белән: после школы с другом).
    if (i > FirstWord && Kits[i - 1].Kind == kkTranslated && Class(i - 1) == wcPostposition &&
        (IsAblativeEnding(code) || IsDativeEnding(code)))
      continue;
    // A genitive possessor that owns a possessor itself brings it along
    // (мәктәп директорының бүлмәсе: комната директора школы).
    int last = i;
    while (genitive && last + 1 < LastWord && Class(last + 1) == wcNoun && Rus(last + 1).Agreed &&
           Rus(last + 1).Case == 3 && Kits[last + 1].Kind == kkTranslated)
      ++last;
    int h = last + 1;
    // A postposition of the possessed noun moved before it (мәктәпнең
    // директоры белән: с директором школы).
    const bool preposition = Class(h) == wcPostposition && h < LastWord;
    const bool split = preposition && Rus(h).StemRow == 0 && Tat(h).StemRow == 0;
    if (preposition) ++h;
    // The head's own adjectives may stand between (әниемнең яңа күлмәге:
    // новое платье моей мамы); they stay before it.
    while (genitive && h < LastWord && Kits[h].Kind == kkTranslated &&
           (SingleReading(h, wcAdjective) || (Class(h) == wcUnchanged07 && Source(h) == u"иң")))
      ++h;
    if (preposition && !(split && h == last + 2) && !(genitive && IsPossessedHead(h))) continue;
    if (Rus(h).WordClass != wcNoun || !IsPossessedEnding(Tat(h).EndingCode)) continue;
    if (PossessorOf(Tat(h).EndingCode) != 3) continue;
    // The possessed noun keeps its own case; the possessor follows it in
    // the genitive, with the words that qualify it (иске өйнең ишеге:
    // дверь старого дома).
    Rus(h).Agreed = 1;
    Rus(i).Case = 3;
    Rus(i).Agreed = 1;
    const int from = genitive ? PossessorStart(i) : i;
    for (int k = from; k <= last; ++k) Move(from, h);
    // A genitive head owned in turn (директорының) is looked at again.
    const int headCode = Tat(from).EndingCode;
    const bool chained = Class(from) == wcNoun && NounRule(headCode).Prefix.empty() &&
                         (NounRule(headCode).Case == 3 || NounRule(headCode).Case == 4);
    i = chained && ++rounds < SlotCount() ? from - 1 : h;
  }
}

// ---- 17-22: agreement ------------------------------------------------------

void TSP_tat::AgreeLinkVerbs() {
  for (int i = FirstWord; i < LastWord; ++i)
    if (Class(i) == wcVerb && Tat(i).EndingCode == 41 && SingleReading(i + 1, 9)) Rus(i).Case = 15;
}

void TSP_tat::AgreeNumerals() {
  for (int i = 0; i + 1 < SlotCount(); ++i) {
    if (Class(i) != wcNumeral) continue;
    const uint8_t number = Rus(i).Number;
    // The counted noun may have adjectives before it (ике зур өй).
    int n = i + 1;
    while (n + 1 < SlotCount() && SingleReading(n, wcAdjective) && HasReading(n + 1, 0x108)) ++n;
    for (int k = i + 1; k <= n; ++k)
      for (TTransUnit& reading : Kits[k].Readings)
        if (reading.Rus.WordClass & 0x109) reading.Rus.Number = number;
  }
}

void TSP_tat::GovernCases() {
  int i = FirstWord;
  while (true) {
    while (i < LastWord && Class(i) != wcPostposition) ++i;
    if (i >= LastWord) return;
    int j = i + 1;
    // The governed word is the head noun, not a determiner before it (с
    // моим другом, у этого дома).
    while (j <= LastWord && (!(Class(j) & 0x148) || IsDeterminerOf(j))) ++j;
    if (j > LastWord) return;
    const int governed = Rus(i).Case;
    if (governed != 0) {
      if (Kits[j].HyphenPart == 1 && j + 1 < SlotCount()) ++j;
      if (governed % 2 == 0) Rus(j).Number = 2;
      const int x = CaseMap(governed, Rus(j).Number);
      for (int k = j; k > i; --k) {
        if (!(Class(k) & 0x148)) continue;
        Rus(k).Case = static_cast<uint8_t>(x);
        Rus(k).Agreed = 1;
      }
    }
    ++i;
  }
}

void TSP_tat::AgreeModifiers() {
  for (int i = FirstWord; i <= LastWord; ++i) {
    if (!(Class(i) & 0x108)) continue;
    for (int k = i - 1; k >= FirstWord; --k) {
      const int c = Class(k);
      if (!(c & 0xC041)) break;
      if (!(c & 0x41)) continue;
      if (Rus(k).Case == 14) break;
      if (c == wcUnchanged07 && Tat(k).WordClass == wcGlue) break;  // "ул" read as "он"
      Agree(k, i, afCase | afGender | afVariant | afNumber);
    }
  }
}

void TSP_tat::AgreeVerbs() {
  int b = FirstWord;
  while (b <= LastWord) {
    int i = b;
    while (i <= LastWord && Class(i) != wcVerb) ++i;
    if (i > LastWord) break;
    const int subject = SubjectOf(b, i);
    if (subject >= 0) {
      Agree(i, subject, afGender | afNumber);
      SubjectForm = Rus(subject);
      TFormRus& verb = Rus(i);
      // A Tatar 3rd-person verb stays singular after a plural subject
      // (балалар йоклый); the Russian one does not (дети спят).
      if (verb.Number == 2 && Tat(i).EndingCode != 0) {
        if (verb.Case == 5) verb.Case = 9;
        const size_t at = verb.Prefix.find(u"будет ");
        if (at != std::u16string::npos) verb.Prefix.replace(at, 6, u"будут ");
      }
    } else if (const int person = SpeakerPerson(i); person != 0) {
      // The person ending decides (алдым: я взял); a subject carried over
      // from an earlier sentence is not this verb's.
      Rus(i).Gender = 1;
      Rus(i).Number = person >= 4 ? 2 : 1;
      Rus(i).Agreed = 1;
    } else {
      // "никто", "кто" as the subject take a masculine singular verb
      // (Никто не пришёл); otherwise the last subject carries on.
      bool who = false;
      for (int k = b; k < i; ++k) {
        const std::u16string& text = Rus(k).RusText;
        who = who || (Kits[k].Kind == kkTranslated && (text == u"никто" || text == u"кто"));
      }
      Rus(i).Gender = who ? 1 : SubjectForm.Gender;
      Rus(i).Number = who ? 1 : SubjectForm.Number;
      Rus(i).Agreed = 1;
    }
    b = i + 1;
  }
  for (int i = FirstWord; i < LastWord; ++i)
    if (Class(i) == wcVerb && Tat(i).EndingCode == 41 && SingleReading(i + 1, 9))
      Agree(i, i + 1, afGender | afNumber);
}

void TSP_tat::AgreeFollowers() {
  for (int n = LastWord; n >= FirstWord; --n) {
    if (!(Class(n) & 0x108)) continue;
    // A possessor after its noun (дом моего друга) is not what the
    // predicate describes.
    // So is one with its own adjective (учитель русского языка).
    int before = n - 1;
    if (before > FirstWord && Class(before) == wcAdjective && Rus(before).Case == Rus(n).Case) --before;
    if ((Rus(n).Case == 3 || Rus(n).Case == 4) && before >= FirstWord && Class(before) == wcNoun) continue;
    // Nor is a noun governed by a preposition (школа в нашей деревне большая).
    int lead = n - 1;
    while (lead > FirstWord && Kits[lead].Kind == kkTranslated &&
           (Class(lead) & (wcAdjective | wcNumeral | wcUnchanged07 | wcUnchanged03)) && Class(lead) != wcPostposition)
      --lead;
    if (lead >= FirstWord && lead < n && Kits[lead].Kind == kkTranslated && Class(lead) == wcPostposition &&
        n + 1 <= LastWord && Class(n + 1) == wcAdjective && !Rus(n + 1).Agreed && lead - 1 >= FirstWord &&
        (Class(lead - 1) & 0x108)) {
      if (Rus(lead - 1).Case <= 2) Agree(n + 1, lead - 1, afCase | afGender | afVariant | afNumber);
      continue;
    }
    for (int k = n + 1; k <= LastWord; ++k) {
      const int c = Class(k);
      // Glue words, degree adverbs and a possessor in the genitive may
      // stand between (әнием бик матур, дом моего друга большой).
      if ((c & 0x108) && (Rus(k).Case == 3 || Rus(k).Case == 4)) continue;
      if (c == wcUnchanged03 && Rus(k).RusText == u"и") continue;  // светлая и большая
      if (!(c & 0xC003)) break;
      if (c != wcAdjective || Rus(k).Agreed) continue;
      if (Rus(k).Case == 14) break;
      Agree(k, n, afCase | afGender | afVariant | afNumber);
    }
  }
  int e = LastWord;
  while (e >= FirstWord) {
    int v = e;
    while (v >= FirstWord && Class(v) != wcVerb && !Rus(v).Agreed) --v;
    if (v < FirstWord) return;
    int m = v;
    while (m <= e && !(Class(m) & 0x108)) ++m;
    if (m <= e && !Rus(v).Agreed) Agree(v, m, afGender | afNumber);
    e = v - 1;
  }
}

}  // namespace tatengine
