// Tatar inflection by rule: vowel harmony, the consonant of a suffix chosen
// by the sound it follows, and the stem alternations (к/г, п/б, й + vowel,
// у/ү -> в, dropped ь). Every generator returns the forms indexed by the
// form codes of data/CONVENTIONS.md (index 0 unused).
//
// A lemma of several words (ярдәм ит, аш бүлмәсе) inflects its last word
// only: harmony, stem class and alternations are that word's, and the
// words before it stand unchanged in every form. Harmony of a hyphenated
// compound (ата-ана) follows its last part.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace mkdata {

struct TTatFlags {
  int Harmony = 0;         // 0 from the last vowel, 1 back, -1 front
  bool NoVoice = false;    // final к/п does not become г/б before a vowel
  bool Syncope = false;    // the last stem vowel drops before a vowel (халык -> халкы)
  bool Syncopable = false; // nouns: the vowel is kept (борыны) but may drop (борны); analysis takes both
  std::u16string PStem;    // nouns: the vowel stem the possessives go on (сеңел: сеңле -> сеңлем, сеңлесе)
  bool Voiceless = false;  // final voiced consonant counts as voiceless (клуб -> клубка)
  bool Px3 = false;        // the lemma already ends in a 3rd-person possessive (ишегалды)
  std::u16string Px3Stem;  // with Px3: the last word without its possessive (хуҗалыгы -> хуҗалык);
                           // empty: found by rule (TatPx3Stems)
  bool Loan = false;       // Russian loan: back unless it ends in -ия/-ея/-ие/-ье/-ь; final -и is a plain
                           // vowel (такси -> таксисы, таксим), not the native [ий] (әти -> әтием)
  int Aorist = 0;          // consonant verb stems: 0 by syllables, 1 -ар, 2 -ыр
  std::u16string Present;  // irregular present/-а converb stem (йөр -> йөри)
};

// True when the word takes back-vowel suffixes; decided on the last word.
bool TatIsBack(const std::u16string& word, const TTatFlags& flags);

// Appends a suffix template to a word. Placeholders: A а/ә, I ы/е, U у/ү
// (by harmony); G г/к, D д/т (к, т after a voiceless sound); Z д/т/н (the
// ablative: н after м, н, ң); L л/н (н after a nasal). A template that
// starts with a vowel placeholder first applies the stem alternations.
std::u16string TatAppend(const std::u16string& word, const std::u16string& tmpl, bool back,
                         const TTatFlags& flags = {});

// The stems a word ending in a 3rd-person possessive may come from, most
// likely first; each gives the word back as its own 3rd-person possessive
// (хуҗалыгы -> хуҗалык, хуҗалыг; бүлмәсе -> бүлмә; өе -> өй; авыртуы ->
// авырту; халкы with Syncope -> халык, халк). Empty when the word does not
// end in one.
std::vector<std::u16string> TatPx3Stems(const std::u16string& word, const TTatFlags& flags);

constexpr int NounCodes = 87;
constexpr int VerbCodes = 105;
constexpr int ParticipleCodes = 71;

// Noun forms, codes 1-87. A Px3 noun (авыл хуҗалыгы) inflects its stem
// (хуҗалык): the possessives replace its own (хуҗалыгым), the plural takes
// it after -лар (хуҗалыклары), and the bare cases are those of the 3rd
// person (хуҗалыгына, хуҗалыгын).
std::vector<std::u16string> TatNounForms(const std::u16string& lemma, const TTatFlags& flags);
// Verb forms, codes 1-105, from the stem (the 2sg imperative).
std::vector<std::u16string> TatVerbForms(const std::u16string& stem, const TTatFlags& flags);
// The colloquial 3rd-person possessive of a noun in vowel + й, codes 19-24:
// абыйсы, абыйсына ... beside the standard абые. For analysis only; empty
// for other nouns.
std::vector<std::pair<int, std::u16string>> TatColloquialPx3(const std::u16string& lemma,
                                                             const TTatFlags& flags);
// Spellings a reader meets beside the generated noun forms, codes 1-87, for
// analysis only: the unsyncopated forms of a Syncope noun (сеңелем, сеңеле,
// сеңелесе beside сеңлем, сеңлесе; халыкы beside халкы) and the syncopated
// forms of a Syncopable one (борны beside борыны). Only forms that differ
// from TatNounForms are listed; empty for other nouns.
std::vector<std::pair<int, std::u16string>> TatSyncopeVariants(const std::u16string& lemma,
                                                               const TTatFlags& flags);
// The other spelling of a loan noun ending in a voiced consonant, for
// analysis only: the suffix consonant by the letter (поездга, поездда beside
// поездка, поездта for a t:T noun) or by the sound (заводка beside заводга
// for one without). Codes 3, 5, 6, 82 where they differ; empty for
// native words and other endings.
std::vector<std::pair<int, std::u16string>> TatVoicingVariants(const std::u16string& lemma,
                                                               const TTatFlags& flags);
// -ган participle with case and possessive endings, codes 1-71.
std::vector<std::u16string> TatParticipleForms(const std::u16string& stem, const TTatFlags& flags);
// Adjective forms: 1 base, 2 comparative, 3 substantivised plural.
std::vector<std::u16string> TatAdjForms(const std::u16string& lemma, const TTatFlags& flags);

}  // namespace mkdata
