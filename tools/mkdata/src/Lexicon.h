// The lexicon sources (data/lexicon/*.tsv) read into plain records, with
// every entry checked; a bad entry raises TLexiconError "file:line: message".
#pragma once

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace mkdata {

class TLexiconError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// Where an entry came from, for messages.
struct TPlace {
  std::string File;
  int Line = 0;
  std::string Where() const { return File + ":" + std::to_string(Line); }
};

// One line of a source file: its cells (UTF-16) and its place.
struct TSourceLine {
  TPlace Place;
  std::vector<std::u16string> Cells;
};

// Reads a TSV source: UTF-8, one entry a line, cells separated by tabs,
// "#" starts a comment line, blank lines are skipped, "-" is an empty cell.
// Checks that each line has between minCells and maxCells cells.
std::vector<TSourceLine> ReadSource(const std::string& path, int minCells, int maxCells);

// A bilingual entry of an open class (noun, verb, adjective, adverb,
// numeral) or of a closed list with a Russian word.
struct TEntry {
  TPlace Place;
  std::u16string Tat;
  std::u16string Rus;
  bool ToRus = true;  // used by the Tatar-to-Russian engine
  bool ToTat = true;  // used by the Russian-to-Tatar engine
  std::set<std::string> Flags;                   // plain flags ("anim", "t:back")
  std::map<std::string, std::u16string> Values;  // key=value options
  std::u16string Extra;                          // third cell of some lists (postposition case)
};

struct TDeterminer {  // agreeing pronoun (list 07)
  TPlace Place;
  std::u16string Tat, M, F, N;
  int Number = 1, Case = 1;
};

struct TPronoun {  // declining pronoun (sub-noun)
  TPlace Place;
  std::u16string Tat;
  int Gender = 1;
  std::vector<std::u16string> Rus;                    // 12 forms by case-and-number code 1-12
  std::vector<std::pair<int, std::u16string>> Forms;  // Tatar noun form code, whole form
};

struct TPreposition {
  TPlace Place;
  std::u16string Rus;
  int FormId = 0;   // governed case, noun form id 0-5
  int TatCode = 0;  // Tatar noun code for the Russian-to-Tatar engine
  std::u16string Postposition;
};

struct TPair {  // a plain two-text list (phrases, Russian whole words)
  TPlace Place;
  std::u16string Key, Value;
};

struct TLexicon {
  std::vector<TEntry> Nouns, Verbs, Adjectives, Adverbs, Numerals;
  std::vector<TEntry> Conjunctions;   // list 03
  std::vector<TEntry> Postpositions;  // list 06 (Extra = governed case)
  std::vector<TDeterminer> Determiners;
  std::vector<TEntry> Predicatives;  // list 08
  std::vector<TPair> Phrases;        // list 11
  std::vector<TPronoun> Pronouns;
  std::vector<TPreposition> Prepositions;
  std::vector<TPair> RusWords;  // whole Russian words and phrases
  std::map<std::u16string, int> VerbNumbers;
  // Russian verbs with a pinned number; their options describe the Russian
  // conjugation when no Tatar verb brings it (new-stem verbs such as "мочь").
  std::vector<TEntry> PinnedVerbs;
};

// The Russian side's identity: the Russian word, and "#N" for a homonym
// marked hom=N (болеть "to be ill" and болеть#2 "to hurt" conjugate apart).
std::u16string RusKey(const TEntry& e);

// Reads every source file of the folder and checks the entries.
TLexicon LoadLexicon(const std::string& folder);

// Parses an integer cell; raises TLexiconError at place.
int ParseInt(const std::u16string& cell, const TPlace& place, const char* what);

}  // namespace mkdata
