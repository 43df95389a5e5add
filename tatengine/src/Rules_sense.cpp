// Senses that the possessor decides, and names with a word of address.
// A noun with a possessed sense (кызым: дочь, абыем: старший брат) is read
// in it by the analyser whenever it has a possessive ending; these rules
// take it back, or give the sense a thing's owner asks for, where the owner
// is a thing (авыл кызы: девочка деревни, татар кызы: татарская девочка,
// авылның исеме: название деревни), and fold "абый"/"апа" after a name into
// the name (Рөстәм абый: Рустам).
#include "Common_ta.h"
#include "DictionaryTR.h"
#include "Parser_sent_ta.h"
#include "RusForms.h"
#include "TextUtil.h"
#include "Transler.h"

namespace tatengine {
namespace {

// Words of polite address that follow a name: абый (to an older man), апа
// (to an older woman), and their spoken forms.
bool IsAddressWord(std::u16string_view lemma) {
  return lemma == u"абый" || lemma == u"апа" || lemma == u"абзый" || lemma == u"апай";
}

// A genitive personal pronoun said before a possessed noun: 1 of the speaker
// or the one spoken to (минем, синең, безнең, сезнең), 3 of someone else
// (аның, аларның), 0 none.
int GenitivePronoun(std::u16string_view source) {
  const std::u16string low = Lowered(source);
  for (std::u16string_view form : {u"минем", u"синең", u"безнең", u"сезнең"})
    if (low == form) return 1;
  return low == u"аның" || low == u"аларның" ? 3 : 0;
}

}  // namespace

void TSP_tat::HomeTargets() {
  // "өемә", "өенә", "өебезгә" with a verb of motion are "домой" like the
  // bare "өйгә": the owner is the one who goes (Ул өенә кайтты: Он вернулся
  // домой), so "минем" before goes with it. After "аның" the home is
  // someone else's (Аның өенә бардык: в его дом) and stays a noun.
  for (int i = FirstWord; i <= LastWord; ++i) {
    int noun = -1;
    if (!HasReading(i, wcNoun, noun) || Kits[i].Readings.size() != 1) continue;
    const int code = Tat(i).EndingCode;
    const bool dative = code == 9 || code == 15 || code == 21 || code == 27 || code == 33;
    if (!dative || NounLemmaOf(i, noun) != u"өй" || !Rus(i).Prefix.starts_with(u"в")) continue;
    bool motion = false;
    for (int k = ClauseStart(i); k <= LastWord && Kits[k].Kind != kkSeparator; ++k)
      motion = motion || IsMotionVerb(k);
    const int owner = i - 1 >= FirstWord && Kits[i - 1].Kind == kkTranslated ? GenitivePronoun(Tat(i - 1).Source) : 0;
    if (!motion || owner == 3) continue;
    const uint8_t capital = Kits[i].Capital;
    Kits[i] = FixedKit(u"домой");
    Kits[i].Capital = capital;
    if (owner == 1) {
      Kits[i].Capital = Kits[i - 1].Capital;
      Kits.erase(Kits.begin() + i - 1);
      --LastWord;
      --i;
    }
  }
}

std::u16string_view TSP_tat::NounLemmaOf(int slot, int reading) {
  if (slot < 0 || slot >= SlotCount() || Kits[slot].Kind != kkTranslated) return {};
  const TTransUnit& unit = Kits[slot].Readings[reading];
  if (unit.Tat.WordClass != wcNoun || unit.Rus.WordClass != wcNoun) return {};
  const zentrok::TTable& stems = Translator->Dictionary().Noun.Stems;
  if (unit.Tat.StemRow < 0 || unit.Tat.StemRow >= stems.RowCount()) return {};
  return CellAt(stems, unit.Tat.StemRow, 4);
}

void TSP_tat::NamesWithAddress() {
  for (int i = FirstWord; i < LastWord; ++i) {
    int name = -1;
    int address = -1;
    if (!HasReading(i, wcNoun, name) || !HasReading(i + 1, wcNoun, address)) continue;
    const std::u16string_view person = NounLemmaOf(i, name);
    if (person.empty() || !IsUpperChar(person.front())) continue;
    const TTransUnit& word = Kits[i + 1].Readings[address];
    const int code = word.Tat.EndingCode;
    if (!IsAddressWord(NounLemmaOf(i + 1, address)) || IsPluralEnding(code)) continue;
    // The name alone: Russian addresses an adult by the name (and "вы"),
    // and a bare "брат"/"сестра" would make a relative of every elder.
    // The name takes the case the address word had (Рөстәм абыйга: Рустаму).
    // A possessive ending (Рөстәм абыебыз: наш Рустам) keeps its owner.
    TTransUnit& named = Kits[i].Readings[name];
    if (named.Tat.EndingCode != 1) continue;
    named.Tat.EndingCode = static_cast<uint8_t>(code);
    named.Rus.Case = word.Rus.Case;
    named.Rus.Prefix = word.Rus.Prefix;
    named.Rus.Possessor = word.Rus.Possessor;
    Kits[i].Readings.assign(1, named);
    Kits.erase(Kits.begin() + i + 1);
    --LastWord;
  }
}

void TSP_tat::ThingOwnersKeepTheBareSense() {
  const TNoun& nouns = Translator->Dictionary().Noun;
  for (int i = FirstWord; i < LastWord; ++i) {
    // The owner: a thing in the nominative or the genitive (a thing has no
    // daughter or elder sister), or a word that may be read as a noun and
    // as an adjective (татар кызы), which names a kind. An adjective alone
    // describes the possessed noun itself (матур кызым: моя красивая дочь).
    int owner = -1;
    int adjective = -1;
    bool thing = false;
    if (HasReading(i, wcNoun, owner)) {
      const TTransUnit& unit = Kits[i].Readings[owner];
      const int code = unit.Tat.EndingCode;
      const bool nominativeOrGenitive = code == 1 || code == 2 || code == 37 || code == 87;
      thing = unit.Tat.WordClass == wcNoun && nominativeOrGenitive &&
              (unit.Rus.Variant == 0 || (code == 1 && HasReading(i, wcAdjective, adjective)));
    }
    if (!thing || Kits[i + 1].Kind != kkTranslated) continue;
    for (TTransUnit& head : Kits[i + 1].Readings) {
      if (head.Tat.WordClass != wcNoun || PossessorOf(head.Tat.EndingCode) != 3) continue;
      TTransUnit owned;
      if (!nouns.Analyse(head.Tat.Source, owned.Tat, owned.Rus, TNoun::owThing)) continue;
      if (owned.Tat.StemRow == head.Tat.StemRow) continue;
      owned.Rus.FoundClass = owned.Rus.WordClass;
      head = owned;
    }
  }
}

bool TSP_tat::CountAgreeingNoun(TTransUnit& reading, bool feminine) {
  // A noun of two words whose first agrees (старший брат) after два, три,
  // четыре: the adjective takes the plural (два старших брата, две старшие
  // сестры), the noun the genitive singular.
  TTransUnit singular = reading;
  singular.Rus.Case = 3;
  singular.Rus.Number = 1;
  Translator->Dictionary().Generate(singular);
  const size_t space = singular.Rus.RusText.rfind(u' ');
  // A measure word carries its measured noun as a suffix (стакан молока):
  // that is not a two-word noun.
  if (singular.Rus.WordClass != wcNoun || space == std::u16string::npos || !singular.Rus.Prefix.empty() ||
      !singular.Rus.Suffix.empty())
    return false;
  TTransUnit plural = reading;
  plural.Rus.Case = feminine ? 1 : 3;
  plural.Rus.Number = 2;
  Translator->Dictionary().Generate(plural);
  const size_t pluralSpace = plural.Rus.RusText.rfind(u' ');
  if (pluralSpace == std::u16string::npos) return false;
  reading.Rus.RusText = plural.Rus.RusText.substr(0, pluralSpace) + singular.Rus.RusText.substr(space);
  reading.Rus.WordClass = wcUnchanged03;
  return true;
}

}  // namespace tatengine
