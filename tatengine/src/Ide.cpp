#include "Ide.h"

#include "Adj.h"
#include "Common_ta.h"
#include "TextUtil.h"
#include "Verbs.h"

namespace tatengine {

TIde::TIde() : AuxWords{u"идем", u"идең", u"иде", u"идек", u"идегез", u"иделәр"} {}

int TIde::AuxNumber(std::u16string_view word) const {
  for (size_t k = 0; k < AuxWords.size(); ++k)
    if (SameText(word, AuxWords[k])) return static_cast<int>(k) + 1;
  // With the question particle: идеңме, иделәрме.
  if (word.size() > 4) {
    const std::u16string low = Lowered(word);
    if (low.ends_with(u"ме") || low.ends_with(u"мы")) {
      const std::u16string_view bare = std::u16string_view(low).substr(0, low.size() - 2);
      for (size_t k = 0; k < AuxWords.size(); ++k)
        if (bare == AuxWords[k]) return static_cast<int>(k) + 1;
    }
  }
  return 0;
}

bool TIde::Analyse(std::u16string_view text, std::u16string_view next, bool& usedNext,
                   TFormRus& rus, TFormTat& tat) const {
  usedNext = false;
  if (!text.empty() && !next.empty()) {
    const int n = AuxNumber(next);
    // Adjective + auxiliary: "был" + the adjective.
    if (n > 0 && FAdj->Analyse(text, tat, rus)) {
      // идек, идегез, иделәр: a plural subject.
      rus.Prefix = n >= 4 ? u"были " : u"был ";
      if (n >= 4) rus.Number = 2;
      usedNext = true;
      return true;
    }
    // Verb + auxiliary: conditional and past person forms.
    if (n > 0 && FVerb->AnalyseWord(text, tat, rus)) {
      const int c = tat.EndingCode;
      bool recognised = true;
      switch (c) {
        case 5: case 101: rus.Prefix.clear(); rus.Suffix = u" бы"; rus.Case = 1; break;
        case 6: rus.Prefix = u"не "; rus.Suffix = u" бы"; rus.Case = 1; break;
        case 9: rus.Prefix.clear(); rus.Suffix = u" бы"; rus.Case = 10; break;
        case 10: rus.Prefix = u"не "; rus.Suffix = u" бы"; rus.Case = 10; break;
        case 7: case 8: case 17: case 23: case 41: case 47: case 53: case 59: case 86: {
          int pattern = 0;
          switch (c) {
            case 7: pattern = 7; break;
            case 8: pattern = 8; break;
            case 17: pattern = 1; break;
            case 23: pattern = 2; break;
            case 41: pattern = 3; break;
            case 47: pattern = 4; break;
            case 53: pattern = 5; break;
            case 59: pattern = 6; break;
            default: pattern = 14; break;
          }
          rus.Case = c == 86 ? 1 : 10;
          const TAffixes forms = IdePersonForm(pattern, n);
          rus.Prefix.assign(forms.Prefix);
          rus.Suffix.assign(forms.Suffix);
          break;
        }
        default:
          if (c >= 63 && c <= 74) {
            // "-ыр иде": what would be, the past with "бы" (я бы помог,
            // мы бы не пошли); the person is the auxiliary's.
            rus.Case = 10;
            rus.Prefix.assign(c >= 69 ? u"не " : u"");
            rus.Suffix.clear();
            rus.Number = n >= 4 ? 2 : 1;
            // "бы" after the subject: the clause rules put it there.
            rus.Prefix.insert(0, u"бы ");
            break;
          }
          // The person on the verb itself: укыйлар иде, кайтканнар иде.
          if ((c >= 15 && c <= 26) || (c >= 39 && c <= 50)) {
            const int person = (c - 15) % 6 + 1;
            const TAffixes forms = IdePersonForm(IsNegativeVerbEnding(c) ? 2 : 1, person);
            rus.Case = 10;
            rus.Prefix.assign(forms.Prefix);
            rus.Suffix.assign(forms.Suffix);
            if (person >= 4) rus.Number = 2;
          } else {
            recognised = false;
          }
      }
      tat.EndingCode = 1;
      if (recognised) {
        usedNext = true;
        return true;
      }
    }
    // Intention + a form of "бул": "намереваться" in the form of "бул".
    TFormTat nTat;
    TFormRus nRus;
    if (FVerb->AnalyseWord(next, nTat, nRus) && FVerb->TatarStem(nTat.StemRow) == u"бул" &&
        nTat.EndingCode < 51) {
      TFormTat mTat = tat;
      TFormRus mRus = rus;
      if (FVerb->AnalyseWord(text, mTat, mRus) && mTat.EndingCode == 105) {
        const int c2 = nTat.EndingCode;
        tat = std::move(mTat);
        rus = std::move(mRus);
        usedNext = true;
        tat.EndingCode = static_cast<uint8_t>(c2);
        // The sentence's own capital is put on when the text is composed;
        // mid-sentence the prefix is lowercase (Я не намеревался).
        std::u16string prefix = Lowered(VerbRuleCap(c2));
        prefix += IntentForm(VerbRule(c2).Case);
        rus.Prefix = std::move(prefix);
        rus.Case = 1;
        return true;
      }
    }
  }
  // The auxiliary alone (after a noun: укытучы иде, студентлар идек).
  if (const int n = AuxNumber(text); n > 0) {
    tat.WordClass = wcUnchanged03;
    tat.Source.assign(text);
    rus.WordClass = wcUnchanged03;
    rus.Number = n >= 4 ? 2 : 1;
    rus.RusText = n >= 4 ? u"были" : u"был";
    return true;
  }
  return false;
}

std::u16string TIde::Translate(TFormRus& rus) const {
  switch (rus.WordClass) {
    case wcAdjective: return FAdj->Generate(rus);
    case wcUnchanged03: return rus.Number == 2 ? u"были" : u"был";
    case wcVerb: return FVerb->PlainForm(rus);
    default: return {};
  }
}

}  // namespace tatengine
