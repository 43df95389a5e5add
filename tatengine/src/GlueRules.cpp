// The glue rule: decides each glue word's role from its neighbours and
// stores it in the reading (GlueMode, GlueFlag, a changed class); the glue
// generator turns that into text after agreement.
#include "Common_ta.h"
#include "Parser_sent_ta.h"
#include "TextUtil.h"

namespace tatengine {
namespace {

void MakeNoun(TFormRus& rus, int gender) {
  rus.WordClass = wcNoun;
  rus.Number = 1;
  rus.Variant = 0;
  rus.Case = 1;
  rus.Gender = static_cast<uint8_t>(gender);
}

bool EndsInQuestion(std::u16string_view source) {
  if (source.size() < 2) return false;
  const char16_t a = ToLowerChar(source[source.size() - 2]);
  const char16_t b = ToLowerChar(source[source.size() - 1]);
  return a == u'м' && (b == u'ы' || b == u'е');
}

}  // namespace

void TSP_tat::ApplyGlues() {
  for (int i = 0; i < SlotCount(); ++i) {
    if (Kits[i].Readings.empty() || Tat(i).WordClass != wcGlue) continue;
    const int kind = Tat(i).StemRow;
    const int prev = i - 1;
    const int next = i + 1;
    const bool hasPrev = i >= 1;
    int p = 0, n = 0;
    bool opens = false;
    // Note: Rus(i) is re-read after every Keep, which may change the
    // neighbours' readings but never slot i's.
    switch (kind) {
      case 0:
        if (i != LastWord) break;
        if (hasPrev && HasReading(prev, 0x108, p)) {
          Keep(prev, p);
          Rus(i).GlueMode = 0;
        } else if (hasPrev && HasReading(prev, wcVerb, p)) {
          Rus(i).WordClass = wcVerb;
          Keep(prev, p);
          Rus(i).GlueMode = 1;
        }
        break;
      case 1: {
        // Counted, "бит" is a page (кырык биш бит: сорок пять страниц).
        // "бер" counts too (утыз бер бит: тридцать одна страница).
        if (FirstWord < i && hasPrev && (HasReading(prev, wcNumeral, p) || Source(prev) == u"ничә" ||
                                         Source(prev) == u"берничә" || Source(prev) == u"бер")) {
          if (HasReading(prev, wcNumeral, p)) Keep(prev, p);
          MakeNoun(Rus(i), 2);
          Rus(i).GlueMode = 2;
          break;
        }
        const bool a = i < LastWord && HasReading(next, wcPostposition, n);
        const bool b = FirstWord < i && hasPrev && HasReading(prev, wcAdjective, p);
        if (a || b) {
          MakeNoun(Rus(i), 3);
          if (a) Keep(next, n);
          if (b) Keep(prev, p);
          Rus(i).GlueMode = 0;
        } else {
          Rus(i).GlueMode = 1;
        }
        break;
      }
      case 2:
        if (hasPrev && HasReading(prev, wcAdjective, p)) {
          Keep(prev, p);
          Rus(i).GlueMode = 0;
        } else {
          Rus(i).GlueMode = 1;
        }
        Rus(i).WordClass = wcPostposition;
        Rus(i).GlueFlag = 1;
        break;
      case 4:
        Rus(i).WordClass = wcMovedGlue;
        Rus(i).GlueMode = 0;
        Rus(i).GlueFlag = 1;
        break;
      case 6:
        if (i == LastWord) {
          Rus(i).WordClass = wcVerb;
          Rus(i).GlueMode = 0;
        } else {
          Rus(i).GlueMode = 1;
        }
        break;
      case 7: {
        if (hasPrev && HasReading(prev, 0x108, p) &&
            IsAblativeEnding(Kits[prev].Readings[p].Tat.EndingCode)) {
          Keep(prev, p);
          Rus(i).GlueMode = 0;
          Rus(i).WordClass = wcPostposition;
          Rus(i).GlueFlag = 1;
          break;
        }
        int question = -1;
        if (hasPrev && Kits[prev].Kind == kkTranslated) {
          const TTransUnits& readings = Kits[prev].Readings;
          for (size_t k = 0; k < readings.size() && question < 0; ++k)
            if (EndsInQuestion(readings[k].Tat.Source)) question = static_cast<int>(k);
        }
        if (question >= 0) {
          Keep(prev, question);
          Rus(i).GlueMode = 1;
        } else if (i == SlotCount() - 1) {
          Rus(i).GlueMode = 3;
        } else if (HasReading(next, wcVerb, n)) {
          Keep(next, n);
          Rus(i).WordClass = wcVerb;
          Rus(i).GlueMode = 2;
        } else {
          Rus(i).GlueMode = 3;
        }
        break;
      }
      case 8:
        if (i < LastWord && HasReading(next, 0x108, n)) {
          Rus(i).WordClass = wcAdjective;
          Keep(next, n);
          Rus(i).GlueMode = 0;
        } else {
          Rus(i).GlueMode = 1;
        }
        break;
      case 9:
        // "that" only before a noun in the nominative; before any other form
        // (ул авылга китте) it is the pronoun "he".
        // A noun that ends a sentence is what "he" is (Ул укытучы. Ул
        // укытучы түгел.).
        // Opening a sentence "ул" + bare noun + verb is "he" with an object
        // (Ул хат язды: он написал письмо); a verb of motion takes no such
        // object (Ул кыз килде: та девочка пришла).
        // Times and adverbs before it leave it the clause's opening word
        // (Яшь чакта ул спорт белән шөгыльләнде: он занимался спортом).
        opens = OpensClauseAfterTimes(i);
        if (i < LastWord && HasReading(next, 0x108, n) &&
            NounRule(Kits[next].Readings[n].Tat.EndingCode).Case <= 2 &&
            !(next == LastWord && next + 1 < SlotCount()) &&
            !(next + 1 == LastWord && Lowered(Tat(LastWord).Source) == u"түгел") &&
            !(opens && next + 1 == ClauseEnd(next) && Kits[next].Readings[n].Tat.EndingCode == 1 &&
              HasReading(next + 1, wcVerb) && !HasReading(next + 1, 0x109) && !IsMotionVerb(next + 1)) &&
            // Nor before a noun with a postposition and a verb after it (Ул
            // кашык белән ашый: он ест ложкой).
            !(opens && next + 2 <= LastWord && HasReading(next + 1, wcPostposition) &&
              !HasReading(next + 1, ~wcPostposition) && HasReading(LastWord, wcVerb)) &&
            // Nor before what one works as (Ул табиб булып эшли: он работает врачом).
            !(next + 1 <= LastWord && Kits[next + 1].Kind == kkTranslated &&
              Lowered(Tat(next + 1).Source) == u"булып")) {
          Rus(i).WordClass = wcAdjective;
          Keep(next, n);
          Rus(i).GlueMode = 0;
        } else {
          // The pronoun "он": a subject in the nominative.
          Rus(i).WordClass = wcUnchanged07;
          Rus(i).Case = 1;
          Rus(i).GlueMode = 1;
        }
        break;
      case 10:
        if (i == LastWord) {
          Rus(i).WordClass = wcAdjective;
          Rus(i).GlueMode = 0;
        } else {
          Rus(i).WordClass = wcAdverb;
          Rus(i).GlueMode = 1;
        }
        break;
      case 11:
        Rus(i).GlueMode = i == LastWord ? 1 : 0;
        break;
      case 12:
        if (i == LastWord) {
          Rus(i).GlueMode = 1;
        } else {
          MakeNoun(Rus(i), 2);
          Rus(i).GlueMode = 0;
        }
        break;
      case 13:
        // "бер" + verb is "раз" (just once); a verbal noun that is a noun as
        // well (бер сорау: один вопрос) is the noun.
        if (i < LastWord && HasReading(next, wcVerb, n) &&
            !(Kits[next].Readings[n].Tat.EndingCode == 1 && HasReading(next, wcNoun))) {
          Keep(next, n);
          MakeNoun(Rus(i), 1);
          Rus(i).GlueMode = 1;
        } else {
          Rus(i).WordClass = wcAdjective;
          Rus(i).GlueMode = 0;
        }
        break;
      default:  // kinds 3 and 5: nothing
        break;
    }
  }
}

}  // namespace tatengine
