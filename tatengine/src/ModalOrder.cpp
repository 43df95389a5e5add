// The order of a modal group. Tatar ends the clause with the infinitive and
// the modal word (Син иртә торырга тиеш); Russian says the modal right after
// the one who must, then the adverbs, the infinitive and its objects: Ты
// должен рано вставать. "иде" after the modal word is "был" after it,
// agreeing like "должен": Она должна была прийти. A plural noun subject
// needs no pronoun from "иделәр": Дети играли.
#include "Common_ta.h"
#include "Parser_sent_ta.h"
#include "TextUtil.h"
#include "Transler.h"

namespace tatengine {
namespace {

bool IsInfinitiveCode(int code) { return code == 5 || code == 6; }

// Modal words that need no subject: the one who must is in the dative
// (Миңа барырга кирәк: Мне надо идти).
bool IsImpersonalModal(std::u16string_view low) {
  return low == u"кирәк" || low == u"кирәкми" || low == u"мөмкин" || low == u"ярамый";
}

// "был" agreeing like the form of "должен" before it.
std::u16string_view PastOfMust(std::u16string_view must) {
  if (must == u"должна") return u"была";
  if (must == u"должно") return u"было";
  if (must == u"должны") return u"были";
  return u"был";
}

}  // namespace

void TSP_tat::ModalsFirst() {
  for (int m = FirstWord + 1; m <= LastWord; ++m) {
    if (Kits[m].Kind != kkTranslated) continue;
    // The modal stands right before its infinitive: either a word (должен,
    // нельзя) or a finite verb (хочу), or one slot "надо" + infinitive.
    const std::u16string low = Source(m);
    const bool merged = Class(m) == wcVerb && Rus(m).Prefix.starts_with(u"надо ");
    const bool modalWord = low == u"тиеш" || IsImpersonalModal(low);
    const bool governing = Class(m) == wcVerb && Tat(m).WordClass == wcVerb &&
                           !IsInfinitiveCode(Tat(m).EndingCode) &&
                           Tat(m).Source.find(u' ') == std::u16string::npos;
    const bool beforeInfinitive = m < LastWord && Kits[m + 1].Kind == kkTranslated && Class(m + 1) == wcVerb &&
                                  Tat(m + 1).WordClass == wcVerb &&
                                  IsInfinitiveCode(Tat(m + 1).EndingCode);
    if (!merged && !((modalWord || governing) && beforeInfinitive)) continue;

    const int from = ClauseStart(m);
    // "тиеш иде": должен был.
    if (low == u"тиеш") {
      int ide = m + 2;
      while (ide <= LastWord && Kits[ide].Kind == kkTranslated && !IsIdeWord(Source(ide))) ++ide;
      if (ide <= LastWord && Kits[ide].Kind == kkTranslated) {
        Kits[ide].Readings.resize(1);
        TFormRus& was = Rus(ide);
        was.WordClass = wcUnchanged03;
        was.RusText.assign(PastOfMust(Rus(m).RusText));
        Move(ide, m + 1);
      }
    }
    // Who must: the subject, or for надо, нельзя, можно a person in the
    // dative at the clause start.
    int who = -1;
    if (merged || IsImpersonalModal(low)) {
      for (int k = from; k < m && who < 0; ++k)
        if (Kits[k].Kind == kkTranslated && (Rus(k).Case == 5 || Rus(k).Case == 6) &&
            ((Class(k) == wcNoun && IsDativeEnding(Tat(k).EndingCode)) || Class(k) == wcSubNoun) &&
            (k == from || Class(k - 1) != wcPostposition))
          who = k;
      if (who < 0) continue;
    } else {
      who = SubjectOf(from, m);
      if (who < 0) continue;
    }
    int t = who + 1;
    // The subject's possessor in the genitive stays with it.
    while (t < m && Class(t) == wcNoun && (Rus(t).Case == 3 || Rus(t).Case == 4)) ++t;
    if (t >= m) continue;
    bool plain = true;  // only words that may follow the modal lie between
    for (int k = t; k < m; ++k)
      plain = plain && Kits[k].Kind == kkTranslated &&
              (Class(k) != wcVerb || Tat(k).WordClass == wcGlue);
    if (!plain) continue;
    if (merged) {
      // "надо" leaves the infinitive's slot and goes before the adverbs.
      TTransKit must = FixedKit(u"надо");
      must.Readings[0].Tat.Source = u"кирәк";
      Rus(m).Prefix.erase(0, 5);
      Kits.insert(Kits.begin() + t, std::move(must));
      ++LastWord;
      ++m;
      continue;
    }
    Move(m, t);
    // "был" after "должен" goes along.
    if (m + 1 <= LastWord && Kits[m + 1].Kind == kkTranslated && Class(m + 1) == wcUnchanged03 &&
        IsIdeWord(Source(m + 1)))
      Move(m + 1, t + 1);
  }
}

void TSP_tat::InfinitivesBeforeObjects() {
  // An infinitive left at the clause end after its objects and the adverbs
  // (хочу завтра в кино пойти) goes before the objects: хочу завтра пойти
  // в кино.
  for (int i = FirstWord + 2; i <= LastWord; ++i) {
    if (Kits[i].Kind != kkTranslated || Class(i) != wcVerb || Tat(i).WordClass != wcVerb ||
        !IsInfinitiveCode(Tat(i).EndingCode))
      continue;
    if (i < LastWord && Kits[i + 1].Kind != kkSeparator) continue;
    int g = i;
    while (g - 1 >= FirstWord && Kits[g - 1].Kind == kkTranslated &&
           (Class(g - 1) &
            (wcNoun | wcSubNoun | wcAdjective | wcNumeral | wcUnchanged07 | wcPostposition)))
      --g;
    int a = g;
    while (a - 1 >= FirstWord && Kits[a - 1].Kind == kkTranslated &&
           (Class(a - 1) & (wcAdverb | wcDirect)))
      --a;
    const int m = a - 1;
    if (g == i || m < FirstWord || Kits[m].Kind != kkTranslated) continue;
    // "был" of "должен был" stands between.
    const std::u16string low = IsIdeWord(Source(m)) && m > FirstWord ? Source(m - 1) : Source(m);
    const bool word = low == u"тиеш" || IsImpersonalModal(low);
    // A finite verb right before the group is left to the verb rules.
    const bool modal = word || (a < g && Class(m) == wcVerb && Tat(m).WordClass == wcVerb &&
                                !IsInfinitiveCode(Tat(m).EndingCode));
    if (modal) Move(i, g);
  }
}

}  // namespace tatengine
