// Two clauses joined by "һәм" (or a separate "да") after a finite verb: Мин
// ишекне ачтым һәм чыгып киттем "Я открыл дверь и ушёл". The joint becomes "и" and a
// clause boundary, so that each clause gets its own Russian order; the
// second clause does not repeat the subject pronoun of the first.
#include <algorithm>

#include "Common_ta.h"
#include "Parser_sent_ta.h"
#include "TextUtil.h"
#include "Transler.h"

namespace tatengine {
namespace {

bool IsFiniteCode(int code) { return code >= 15 && code <= 74; }

}  // namespace

void TSP_tat::JoinedClauses() {
  // Before the glue rules take "да" for a particle of the verb. (A "да"
  // the lookup already read with the verb before it, as in "ачты да", is
  // not seen here.)
  auto finiteVerb = [this](int slot) {
    if (slot < FirstWord || slot > LastWord || Kits[slot].Kind != kkTranslated) return false;
    for (const TTransUnit& reading : Kits[slot].Readings)
      if (reading.Rus.WordClass == wcVerb && reading.Tat.WordClass == wcVerb && IsFiniteCode(reading.Tat.EndingCode))
        return true;
    return false;
  };
  for (int k = FirstWord + 1; k < LastWord; ++k) {
    if (Kits[k].Kind != kkTranslated || Kits[k + 1].Kind == kkSeparator) continue;
    const std::u16string word = Source(k);
    if (word != u"да" && word != u"дә" && word != u"һәм") continue;
    if (!finiteVerb(k - 1)) continue;
    // Another finite verb must follow in the same sentence.
    bool second = false;
    for (int n = k + 1; n <= LastWord && Kits[n].Kind != kkSeparator; ++n) second = second || finiteVerb(n);
    if (!second) continue;
    TTransKit joint = FixedKit(u"и");
    joint.Readings[0].Tat.Source = word;
    Kits[k] = std::move(joint);
    // A blank separator ends the first clause without a comma.
    TTransKit separator;
    separator.Kind = kkSeparator;
    separator.Text = u" ";
    separator.HyphenPart = -1;
    TTransUnit placeholder;
    placeholder.Rus.WordClass = wcSeparator;
    placeholder.Rus.Number = 1;
    placeholder.Rus.Case = 1;
    placeholder.Rus.Gender = 1;
    placeholder.Rus.StemRow = -1;
    separator.Readings.push_back(std::move(placeholder));
    Kits.insert(Kits.begin() + k, std::move(separator));
    ++LastWord;
    ++k;
  }
}

void TSP_tat::JoinedSubjects() {
  // "Я открыл дверь и я ушёл": the pronoun after "и" that the first clause
  // already has goes.
  for (int k = FirstWord + 1; k < LastWord; ++k) {
    if (Kits[k].Kind != kkTranslated || Kits[k - 1].Kind != kkSeparator || Kits[k - 1].Text != u" " ||
        Rus(k).RusText != u"и")
      continue;
    const int p = k + 1;
    static constexpr std::u16string_view pronouns[] = {u"я", u"ты", u"он", u"она", u"мы", u"вы", u"они"};
    const std::u16string pronoun = RusWord(p);
    if (std::find(std::begin(pronouns), std::end(pronouns), pronoun) == std::end(pronouns)) continue;
    bool said = false;
    for (int m = ClauseStart(k - 2); m < k - 1; ++m) said = said || RusWord(m) == pronoun;
    if (!said) continue;
    Kits[k].Capital = Kits[k].Capital || Kits[p].Capital;
    Kits.erase(Kits.begin() + p);
    --LastWord;
  }
}

}  // namespace tatengine
