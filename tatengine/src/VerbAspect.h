// Which Russian aspect a Tatar verb form asks for. A Tatar verb translates
// into one Russian verb (the lexicon's entry); where the entry names a
// partner of the other aspect, the form decides which of the two is said.
#pragma once

#include <string_view>

namespace tatengine {

enum TAspectWish {
  awEntry = 0,         // the entry's own verb (infinitive, imperative, converbs)
  awImperfective = 1,  // ongoing or repeated: present, the -учы participle
  awPerfective = 2,    // completed or one-off: past, future, "давай"
};

// The aspect a verb form code asks for.
TAspectWish AspectOfForm(int code);

// Chooses between the entry's verb number and its partner's (0: none) for
// the wish; perfective tells whether the entry's own verb is perfective.
int VerbOfAspect(int entry, int partner, bool entryPerfective, TAspectWish wish);

// Words that make an action repeated, habitual or lasting (еш, гел, һәр,
// көн саен, озак): the verb keeps the imperfective in the past and future.
bool IsHabitualWord(std::u16string_view lowered);

}  // namespace tatengine
