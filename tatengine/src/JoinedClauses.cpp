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
    TTransKit separator = SeparatorKit(u" ");
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

namespace tatengine {
namespace {

// A Tatar noun form code in the nominative: bare, plural or possessed.
bool IsNominativeCode(int code) {
  return code == 1 || code == 87 || (code >= 7 && code <= 36 && (code - 7) % 6 == 0) ||
         (code >= 42 && code <= 71 && (code - 42) % 6 == 0);
}

}  // namespace

void TSP_tat::CoordinatedSubjects() {
  // "Әти һәм әни кайтты": two nouns in the nominative joined by "һәм" are
  // one subject, Папа и мама вернулись. The second noun rides on the first
  // as its suffix, so that the order rules move the pair as one word; the
  // verb agrees in the plural (CoordinatedAgreement).
  for (int k = FirstWord + 1; k < LastWord; ++k) {
    if (Kits[k].Kind != kkTranslated || Source(k) != u"һәм") continue;
    const int a = k - 1;
    const int b = k + 1;
    if (Kits[a].Kind != kkTranslated || Kits[b].Kind != kkTranslated) continue;
    if (Class(a) != wcNoun || Class(b) != wcNoun || Tat(a).WordClass != wcNoun || Tat(b).WordClass != wcNoun) continue;
    // Nothing before it in the clause is a subject (Мин алма һәм груша
    // ашадым: the pair is the object).
    if (SubjectOf(ClauseStart(a), a) >= 0) continue;
    if (!IsNominativeCode(Tat(a).EndingCode) || !IsNominativeCode(Tat(b).EndingCode)) continue;
    // Only a subject: a finite verb ends the clause, nothing governs the pair.
    if (b + 1 > LastWord || Kits[b + 1].Kind != kkTranslated || Class(b + 1) == wcPostposition) continue;
    // The clause's finite verb is in the 3rd person: with the speaker's
    // own verb the pair is an object (Алма һәм груша ашадым).
    int verb = -1;
    for (int n = b + 1; n <= LastWord && Kits[n].Kind != kkSeparator; ++n)
      if (Kits[n].Kind == kkTranslated && Class(n) == wcVerb && Tat(n).WordClass == wcVerb &&
          Tat(n).EndingCode >= 15 && Tat(n).EndingCode <= 74)
        verb = n;
    if (verb < 0) continue;
    const int person = (Tat(verb).EndingCode - 15) % 6;
    if (person != 2 && person != 5) continue;
    TTransUnit second = Kits[b].Readings[0];
    second.Rus.Case = 1;
    Translator->Dictionary().Generate(second);
    if (second.Rus.RusText.empty()) continue;
    Kits[a].Readings.resize(1);
    Rus(a).Suffix = u" и " + second.Rus.RusText;
    Tat(a).Source += u" һәм " + Tat(b).Source;
    Kits.erase(Kits.begin() + k, Kits.begin() + b + 1);
    LastWord -= 2;
  }
}

void TSP_tat::CoordinatedAgreement() {
  for (int v = FirstWord; v <= LastWord; ++v) {
    if (Kits[v].Kind != kkTranslated || Class(v) != wcVerb || Tat(v).WordClass != wcVerb) continue;
    const int subject = SubjectOf(ClauseStart(v), v);
    if (subject < 0 || !Rus(subject).Suffix.starts_with(u" и ")) continue;
    TFormRus& rus = Rus(v);
    rus.Number = 2;
    if (rus.Case == 5) rus.Case = 9;
    const size_t at = rus.Prefix.find(u"будет ");
    if (at != std::u16string::npos) rus.Prefix.replace(at, 6, u"будут ");
  }
}

}  // namespace tatengine
