// Verbs (class 512): recognition by stem and ending, two-word constructions
// with an auxiliary verb or with "кирәк" / "бар", and the Russian verb form.
#pragma once

#include <string>
#include <string_view>

#include "Records.h"
#include "SplitWord.h"
#include "zentrok/MyTables3.h"

namespace tatengine {

// Stem table column 3: the Russian verb number. Verb form table: column 0
// the verb number as decimal text, the form for selector k in column k + 2.
class TVerb {
public:
  explicit TVerb(const std::string& dataPath);

  // Recognises text as a verb; when `next` makes a construction with it,
  // the construction fills the records and usedNext is set.
  bool Analyse(std::u16string_view text, std::u16string_view next, bool& usedNext,
               TFormRus& rus, TFormTat& tat) const;
  // Recognition of a single word (no construction).
  bool AnalyseWord(std::u16string_view text, TFormTat& tat, TFormRus& rus) const;
  // Prefix + the form for Case (cases 10 and 15 chosen by gender, or the
  // plural form) + Suffix; empty when the verb number has no forms.
  std::u16string Generate(const TFormRus& rus) const;
  std::u16string Translate(const TFormRus& rus) const { return Generate(rus); }
  // The form for Case itself, without the gender choice.
  std::u16string PlainForm(const TFormRus& rus) const;
  static void SetDefault(TFormRus& rus);
  // Whether the Russian verb with this number is perfective (column 2 "p").
  bool IsPerfective(int verbNumber) const;
  // The Tatar stem (column 0) of a stem row.
  std::u16string_view TatarStem(int row) const;

  // Declared in the order the files are loaded.
  zentrok::TTable VerbForms, Endings, Stems;
  TSplitTables Split{Stems, Endings};

private:
  std::u16string FormText(const TFormRus& rus, int selector) const;
};

}  // namespace tatengine
