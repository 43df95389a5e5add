// Russian inflection by rule: noun declension (gender, animacy, hard, soft
// and mixed stems, fleeting vowels), adjective declension with the
// comparative, and verb conjugation (both conjugations, reflexive verbs,
// the past by gender, gerunds and active participles). Where a rule cannot
// know a form (stress, alternations), the lexicon gives it as an override.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace mkdata {

// Overrides by form name ("gs", "np", "1s", "pm" ...), see the lexicon README.
using TOverrides = std::map<std::string, std::u16string>;

struct TRusNounInfo {
  int Gender = 0;          // 1 m, 2 f, 3 n, 4 plural only; 0 guess from the ending
  bool Animate = false;
  bool Fleeting = false;   // fleeting vowel: день -> дня, сестра -> сестёр
  bool EndStress = false;  // stressed ending: отцом, днём, душой
  bool Indeclinable = false;
  TOverrides Forms;
};

// The twelve noun forms in block order: 0-5 nom, gen, dat, acc, ins, prep
// singular, 6-11 the same plural.
std::vector<std::u16string> RusNounForms(const std::u16string& lemma, TRusNounInfo& info);

// Gender guessed from the ending (the lexicon may override it).
int RusGuessGender(const std::u16string& lemma);

struct TRusAdjInfo {
  bool Qualitative = true;  // has degrees: comparative and short forms
  bool Short = false;       // generate short forms even for a stem the rules would skip
  TOverrides Forms;         // "cmp", "sm", "sf", "sn", "sp"
};

// Adjective forms by the v numbering of the adjective code table: 1-28
// (nom, gen, dat, acc inanimate, acc animate, ins, prep; each m, f, n, pl)
// and 29 comparative; 30-33 short m, f, n, pl. A relative adjective
// (деревянный, первый) has neither: 29-33 are empty.
std::vector<std::u16string> RusAdjForms(const std::u16string& lemma, const TRusAdjInfo& info);

// True for an adjective whose form says it is relative, with no degrees:
// ordinals (первый, двадцатый), -ский/-цкий/-ской, soft -ний (летний,
// вечерний), stressed -ной after a consonant other than ш, ж, л (дневной,
// родной), -овой/-евой/-яной (годовой, ледяной), еже- (ежедневный), material -янный/-яный after a consonant (деревянный,
// серебряный), participles in -вший, -ющий, -ущий (бывший, следующий);
// a few qualitative words with such endings (синий, древний, плоский) are
// known exceptions.
bool RusLooksRelative(const std::u16string& lemma);

struct TRusVerbInfo {
  bool Perfective = false;
  TOverrides Forms;  // "1s", "3s", "3p", "imp", "pm", "pf", "ger", "pap"
};

// Verb forms by selector 1-18 (index 0 unused): 1 infinitive, 2 imperative,
// 3-5 present 1-3sg, 6 imperative plural, 7-9 present 1-3pl, 10-12 past
// m f n, 13 past pl, 14 gerund, 15-18 active past participle m f n pl.
std::vector<std::u16string> RusVerbForms(const std::u16string& infinitive, const TRusVerbInfo& info);

// Verb forms Russian lacks are left empty: the present gerund of вязать,
// печь, пить, сохнуть (v[14]) and the 1st singular of победить (v[3]).

// The gerund the engine tables carry: the verb's own, or for an
// imperfective verb without one the gerund of its past stem (писав, пев,
// пёкши, сохнув), so that a Tatar converb still has a Russian word.
std::u16string RusEngineGerund(const std::u16string& infinitive, const TRusVerbInfo& info);

// Full declension (v 1-28 as for adjectives) of a participle given in the
// masculine nominative (читающий, читавшийся).
std::vector<std::u16string> RusParticipleDeclension(const std::u16string& masc);

// Present active participle (imperfective verbs only; empty otherwise).
std::u16string RusPresentParticiple(const std::u16string& infinitive, const TRusVerbInfo& info);

}  // namespace mkdata
