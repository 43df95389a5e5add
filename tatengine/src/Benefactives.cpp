// "-ып бир": doing something for someone. Russian says the main verb alone
// in the tense and person of "бир", perfective: Әни миңа күлмәк тегеп
// бирде "Мама сшила мне платье", Мин сиңа хат язып бирермен "Я напишу
// тебе письмо". With "ал" the thing is bought for someone (алып бирде
// "купила") or, asked for, brought (алып бир "принеси").
#include "Common_ta.h"
#include "Parser_sent_ta.h"
#include "TextUtil.h"
#include "Transler.h"
#include "VerbAspect.h"
#include "Verbs.h"

namespace tatengine {

void TSP_tat::Benefactives() {
  const TVerb& verbs = Translator->Dictionary().Verb;
  for (int v = FirstWord; v < LastWord; ++v) {
    if (Kits[v].Kind != kkTranslated || Kits[v + 1].Kind != kkTranslated || Class(v) != wcVerb ||
        Class(v + 1) != wcVerb || Tat(v).WordClass != wcVerb || Tat(v + 1).WordClass != wcVerb)
      continue;
    if (Tat(v).EndingCode != 75 || verbs.TatarStem(Tat(v + 1).StemRow) != u"бир") continue;
    // "бир" in a finite form or an infinitive; the -ып form of "бир" itself
    // would chain on.
    const int auxCode = Tat(v + 1).EndingCode;
    if (auxCode == 75 || auxCode == 76) continue;
    const TTransUnit aux = Kits[v + 1].Readings[0];
    TTransUnit& main = Kits[v].Readings[0];
    const int row = main.Tat.StemRow;
    const int entry = verbs.VerbNumber(row);
    int number = VerbOfAspect(entry, verbs.PartnerNumber(row), verbs.IsPerfective(entry), awPerfective);
    // An order to hand something over is "принеси" (Миңа су алып бир:
    // Принеси мне воды); otherwise it was bought.
    const bool order = auxCode == 2 || auxCode == 3 || auxCode == 11 || auxCode == 12;
    if (verbs.TatarStem(row) == u"ал")
      if (const int get = VerbNumberOf(verbs, order ? u"принести" : u"купить"); get >= 0) number = get;
    const std::u16string source = main.Tat.Source + u" " + aux.Tat.Source;
    main.Tat.EndingCode = aux.Tat.EndingCode;
    main.Tat.Source = source;
    main.Rus.StemRow = number;
    main.Rus.Case = aux.Rus.Case;
    main.Rus.Prefix = aux.Rus.Prefix;
    main.Rus.Suffix = aux.Rus.Suffix;
    main.Rus.Number = aux.Rus.Number;
    main.Rus.Gender = aux.Rus.Gender;
    Kits[v].Readings.resize(1);
    Kits.erase(Kits.begin() + v + 1);
    --LastWord;
  }
}

}  // namespace tatengine
