// A small Tatar-Russian lexicon for the engine's tests and benchmark,
// written with the project's table writer as the engine's 27 data files.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace tatfix {

using TRow = std::vector<std::u16string>;

// The engine's 27 data files, in the order the engine loads them.
extern const char* const DataFiles[27];

// Rows of every data file; files without rows are written as empty tables.
struct TLexicon {
  std::map<std::string, std::vector<TRow>> Tables;
  void Add(const std::string& file, TRow row) { Tables[file].push_back(std::move(row)); }
  // Writes all 27 files into dir (sorted on column 0 by the writer).
  void Write(const std::string& dir) const;
};

// The lexicon most tests use (see Lexicon.cpp for its words).
TLexicon StandardLexicon();

// Builders for the rows tests add to a lexicon.
// Decimal text of a number, as the tables store numbers.
std::u16string N(long v);
// A Tatar ending code: Tatar paradigm * 256 + form code (paradigm 1 by default).
std::u16string C(int paradigm, int code);
inline std::u16string C(int code) { return C(1, code); }
// Russian noun endings by case-and-number code 1-12 into "cds04.pack";
// an animate paradigm carries its keys with variant 1.
void NounParadigm(TLexicon& lx, int paradigm, const std::vector<std::u16string>& endings,
                  bool animate = false);
// A noun stem row in "itfst04.pack": Tatar stem, Russian stem, Russian
// paradigm and gender (1-3).
void Noun(TLexicon& lx, const std::u16string& tat, const std::u16string& rus, int paradigm, int gender);

// A regular Russian verb in -ть into "plr10.pack": number, infinitive,
// aspect ("i" or "p"), then its forms by selector (infinitive, imperative,
// present 1sg-3pl, past m f n pl, gerund, participles) built on stem s.
void RegularVerb(TLexicon& lx, long number, const char16_t* aspect, const std::u16string& s);

// A Russian verb into "plr10.pack" by its 14 forms: infinitive, imperative
// sg, present 1sg 2sg 3sg, imperative pl, present 1pl 2pl 3pl, past m f n
// pl, gerund; the participles are built on the plural past stem.
void RusVerb(TLexicon& lx, int number, const char16_t* aspect, std::vector<std::u16string> f);
// A Tatar verb stem into "itfst10.pack": its Russian verb, the aspect
// partner's number (0: none) and the invitation verb's (0: none).
void TatVerb(TLexicon& lx, const char16_t* stem, std::u16string rus, int number, int partner, int invite = 0);

// "мочь" (Russian verb 2037, the auxiliary of "-а ала") in "plr10.pack",
// in place of the bare row the standard lexicon has under that number.
void CanVerb(TLexicon& lx);
// "ал" read as "взять" (Russian verb 5165), which with "-а" before it is
// the auxiliary of "мочь".
void TakeVerb(TLexicon& lx);

// A declining personal pronoun as the data compiler writes it: every Tatar
// form is a whole stem whose paradigm number is its form code (1
// nominative, 9 dative, 10 accusative); the Russian forms by case-and-number
// code 1-12 under pronoun paradigm r.
void Pronoun(TLexicon& lx, int r, std::vector<std::pair<std::u16string, int>> forms, std::vector<std::u16string> rus);

// Context senses, written into "senses.coll" when there are rules: a rule
// (Tatar lemma, relation, context words joined by commas, Russian word,
// imperfective and perfective verb numbers, government) and class members
// (lx.Add(SenseClasses, {"@name", lemma})).
inline constexpr const char* SenseRules = "senses.rules";
inline constexpr const char* SenseClasses = "senses.classes";
void SenseRule(TLexicon& lx, const std::u16string& word, const std::u16string& relation,
               const std::u16string& context, const std::u16string& russian, long imperfective = 0,
               long perfective = 0, const std::u16string& government = u"");

// A fresh temporary folder.
std::string MakeTempDir();

}  // namespace tatfix
