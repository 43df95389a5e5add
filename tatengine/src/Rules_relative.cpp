// A bare noun before a possessed noun where Russian says it with a relative
// adjective: "урман юлы" (лесная дорога), "китап кибетендә" (в книжном
// магазине). The lexicon names the adjective on the noun; the noun reading
// is replaced by it only here, so "урманга" elsewhere stays "в лес". The
// possessed noun groups then treat it like any adjective possessor.
#include "Common_ta.h"
#include "Parser_sent_ta.h"
#include "RusForms.h"
#include "TextUtil.h"
#include "Transler.h"

namespace tatengine {
namespace {

// Heads that name a part or a property of their possessor keep it in the
// genitive (крыша дома, центр города, название деревни), and a place before
// the word for its kind is its name (Казан шәһәре: город Казань).
bool IsRelationalHead(std::u16string_view lemma) {
  static constexpr std::u16string_view heads[] = {
      u"центр", u"середина", u"конец", u"начало", u"край", u"крыша", u"дверь", u"окно", u"стена", u"название",
      u"имя", u"история", u"часть", u"сторона", u"половина", u"вершина", u"дно", u"угол", u"цвет", u"запах",
      u"вкус", u"звук", u"размер", u"число", u"количество", u"берег", u"хозяин", u"глава", u"житель",
      u"население", u"территория", u"граница", u"карта", u"план", u"адрес", u"номер", u"ключ", u"голова",
      u"лицо", u"рост", u"температура", u"поверхность", u"уровень", u"результат", u"народ", u"урок",
      u"качество", u"цена", u"стоимость", u"вес", u"состав",
      // A place named by its kind: город Казань, Республика Татарстан.
      u"город", u"деревня", u"село", u"республика", u"страна", u"область", u"район"};
  for (std::u16string_view h : heads)
    if (lemma == h) return true;
  return false;
}

}  // namespace

void TSP_tat::RelativeAdjectives() {
  if (!Translator) return;
  const TDictionaryTR& dictionary = Translator->Dictionary();
  for (int i = FirstWord; i < LastWord; ++i) {
    int noun = -1;
    int head = -1;
    if (!HasReading(i, wcNoun, noun) || HasReading(i, wcAdjective)) continue;
    const TTransUnit& reading = Kits[i].Readings[noun];
    if (reading.Tat.WordClass != wcNoun || reading.Tat.EndingCode != 1) continue;
    const std::u16string_view word = dictionary.Noun.RelativeAdjective(reading.Rus.StemRow);
    if (word.empty()) continue;
    // The head: a possessed noun that is no postposition (урман эчендә: в лесу)
    // and no person (авыл кешесе: человек из деревни).
    if (!HasReading(i + 1, wcNoun, head) || HasReading(i + 1, wcPostposition)) continue;
    const TTransUnit& possessed = Kits[i + 1].Readings[head];
    const int code = possessed.Tat.EndingCode;
    // A personal ending takes the place of the 3rd-person one on the whole
    // compound (сезнең авыл мәктәбегез: ваша сельская школа).
    if (possessed.Tat.WordClass != wcNoun || !IsPossessedEnding(code) || PossessorOf(code) == 0) continue;
    if (possessed.Rus.Variant == 1) continue;
    // A measure or container keeps what it holds in the genitive: кусок хлеба.
    if (dictionary.Noun.IsMeasure(possessed.Rus.StemRow)) continue;
    TTransUnit lemma = possessed;
    lemma.Rus.Case = 1;
    lemma.Rus.Number = 1;
    lemma.Rus.Prefix.clear();
    dictionary.Generate(lemma);
    if (IsRelationalHead(lemma.Rus.RusText)) continue;
    const int row = dictionary.Adj.RelativeRow(word);
    if (row < 0) continue;

    TTransUnit adjective;
    adjective.Tat = reading.Tat;
    adjective.Tat.WordClass = wcAdjective;
    adjective.Tat.StemRow = -1;
    adjective.Rus.WordClass = wcAdjective;
    adjective.Rus.FoundClass = wcAdjective;
    TAdj::SetDefault(adjective.Rus);
    adjective.Rus.StemRow = row;
    Kits[i].Readings.assign(1, std::move(adjective));
  }
}

}  // namespace tatengine
