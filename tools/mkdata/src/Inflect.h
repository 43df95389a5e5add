// The bridge between lexicon entries and the generators: reads an entry's
// flags and overrides and returns its forms as (code, form) lists in the
// numbering of each table. A form the rules cannot make raises
// TLexiconError at the entry's place. Russian forms keep ё wherever the
// lexicon or the stress rules put it (идёт, днём); the Russian-to-Tatar
// tables fold it to е themselves.
#pragma once

#include "Lexicon.h"
#include "Paradigms.h"
#include "RussianMorph.h"
#include "TatarMorph.h"

namespace mkdata {

TTatFlags TatFlagsOf(const TEntry& e);

// Tatar side, codes as in the Tatar-to-Russian engine (1-based).
TFormList TatNounList(const TEntry& e);
// The forms the Tatar-to-Russian engine recognises: TatNounList and, for a
// person in vowel + й (абый), the colloquial possessive абыйсы, and for a
// syncope noun or a loan in a voiced consonant its other spelling (сеңелесе
// beside сеңлесе, борны beside борыны, поездга beside поездка).
TFormList TatNounAnalysisList(const TEntry& e);
TFormList TatVerbList(const TEntry& e);
TFormList TatParticipleList(const TEntry& e);
// Adjective forms; a given t:cmp= (кечкенә: кечерәк) is the comparative.
TFormList TatAdjList(const TEntry& e);
// TatAdjList and, beside a given comparative, the one the rule makes.
TFormList TatAdjAnalysisList(const TEntry& e);

// Russian noun: gender (1-4), animacy and the twelve forms in block order.
struct TRusNoun {
  int Gender = 1;
  bool Animate = false;
  std::vector<std::u16string> Forms;  // 0-11
};
TRusNoun RusNounOf(const TEntry& e);

// Whether a Russian adjective has degrees (comparative, short forms):
// "qual", "short" or a given cmp=/sm=... say yes, "rel" says no, and
// otherwise the form decides (RusLooksRelative).
bool RusAdjIsQualitative(const TEntry& e);

// Russian adjective forms, v numbering 1-33 (see RusAdjForms).
std::vector<std::u16string> RusAdjOf(const TEntry& e);

// Russian verb forms by selector 1-18, and the verb info.
TRusVerbInfo RusVerbInfoOf(const TEntry& e);
std::vector<std::u16string> RusVerbOf(const TEntry& e);

// The verb forms the Tatar-to-Russian engine prints: RusVerbOf with a
// stand-in where Russian lacks a form and a Tatar word still needs one: the
// gerund of the past stem for a missing present gerund (писав), "смогу" and
// the infinitive for a missing 1st singular (смогу победить).
std::vector<std::u16string> RusEngineVerbOf(const TEntry& e);

// Shifts a 1-based Tatar code list to the 0-based codes of the
// Russian-to-Tatar engine.
TFormList ToZeroBased(const TFormList& list);

}  // namespace mkdata
