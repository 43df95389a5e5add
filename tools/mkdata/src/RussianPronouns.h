// The declension of Russian pronominal determiners: этот, тот, весь, сам,
// один, мой, твой, свой, наш, ваш, чей, and the determiners that decline as
// adjectives (какой, такой, каждый, который, любой, никакой, самый). The
// engines store them in the nominative (list 07); these forms let the
// Tatar-to-Russian engine make them agree with their noun (какую книгу, в
// этом доме, всех детей) and the Russian-to-Tatar engine recognise every
// case form.
#pragma once

#include <string>
#include <vector>

namespace mkdata {

// Forms by the v numbering of the adjective code table, 1-28 (index 0
// unused): nominative, genitive, dative, accusative inanimate, accusative
// animate, instrumental, prepositional, each masculine, feminine, neuter,
// plural. The word is given as the lexicon stores it, in the masculine
// nominative; a plural-only word (все, некоторые, несколько) is given in
// its plural and gets the plural column everywhere (its singular columns
// repeat the plural). A particle after a hyphen stays on every form
// (какой-то -> какого-то). Empty for words that do not decline (его, её,
// их) or that the rules do not know.
std::vector<std::u16string> RusDeterminerForms(const std::u16string& masculine);

}  // namespace mkdata
