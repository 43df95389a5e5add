#include "VerbAspect.h"

namespace tatengine {

TAspectWish AspectOfForm(int code) {
  // present (15-20) and its negation, and the -а converb (17): ongoing
  if (code >= 15 && code <= 26) return awImperfective;
  // the definite past -ды and the -ган past: what happened. Negated, the
  // entry decides: activities keep the imperfective (укымадым: не читал),
  // one-off changes whose entry is the perfective keep it (килмәде: не
  // пришёл, аңламадым: не понял).
  if ((code >= 27 && code <= 32) || (code >= 39 && code <= 44)) return awPerfective;
  // both futures, also negated: приду, не забуду
  if (code >= 51 && code <= 74) return awPerfective;
  // the negated imperative is imperfective (не пиши), the -учы participle and
  // the -ганда "when" clause describe a process
  if (code == 3 || code == 12 || code == 81 || code == 82 || code == 83 || code == 84)
    return awImperfective;
  // "давай" + 1st person plural: давай пойдём; -гач "having done"
  if (code == 96 || code == 79) return awPerfective;
  return awEntry;
}

// Words that make an action repeated, habitual or lasting: еш "often",
// гел "always", көн саен "every day", һәр "every" (һәр көнне) ...
bool IsHabitualWord(std::u16string_view lowered) {
  static constexpr std::u16string_view words[] = {
      u"еш",       u"гел",       u"һәрвакыт", u"һәрчак",  u"кайвакыт", u"кайчак",
      u"кайчакта", u"гадәттә",   u"саен",     u"һәр",     u"һаман",    u"даими",
      u"элек",     u"еш-еш",     u"һәрвакытта", u"көн дә", u"көн саен",
      // lasting a while: көне буе "all day long", озак "for long"
      u"буе", u"буена", u"озак"};
  for (std::u16string_view w : words)
    if (lowered == w) return true;
  return false;
}

int VerbOfAspect(int entry, int partner, bool entryPerfective, TAspectWish wish) {
  if (partner <= 0 || wish == awEntry) return entry;
  const bool wantPerfective = wish == awPerfective;
  return wantPerfective == entryPerfective ? entry : partner;
}

}  // namespace tatengine
