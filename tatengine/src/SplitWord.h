// The recognition shared by the stem-and-ending analysers: a word is cut into
// a stem and an ending, both are looked up, and the stem's paradigm must be
// one the ending allows. Also the loader of the analysers' table files.
#pragma once

#include <string>
#include <string_view>

#include "zentrok/MyTables3.h"

namespace tatengine {

struct TSplit {
  int Code = 0;  // form code of the ending (1-255)
  int Row = 0;   // row of the stem in the stem table
};

// A stem table and an ending table with what is known about their keys,
// so that split points that cannot match are skipped without a search.
struct TSplitTables {
  const zentrok::TTable* Stems = nullptr;
  const zentrok::TTable* Endings = nullptr;
  int MinStem = 0, MaxStem = -1;  // key lengths in the stem table
  int MaxEnding = -1;             // longest ending
  bool StemsWithBlank = false;    // some stem holds a blank
  bool StemsWithHyphen = false;   // some stem holds a hyphen
  std::u16string StemFirst;       // first letters of the stems, lower case, sorted
  std::u16string EndingLast;      // last letters of the endings, lower case, sorted

  TSplitTables() = default;
  TSplitTables(const zentrok::TTable& stems, const zentrok::TTable& endings);
};

// Stem table: column 0 the Tatar stem, column 1 its paradigm number. Ending
// table: column 0 the ending, columns 1.. codes (paradigm * 256 + form code).
// Tries the longest stem first; within an ending row the leftmost fitting
// code column wins, and within it the first of equal stems. The stem keeps
// everything up to the last blank or hyphen of the text; with
// `stemPastSeparator` it must also take at least one character after it.
bool SplitWord(const TSplitTables& tables, std::u16string_view text, bool stemPastSeparator,
               TSplit& out);

// Loads the table file `name` from the data folder (UTF-8, with its trailing
// separator). Raises the table loader's errors.
zentrok::TTable LoadTable(const std::string& dataPath, const char* name);

}  // namespace tatengine
