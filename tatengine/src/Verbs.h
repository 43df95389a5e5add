// Verbs (class 512): recognition by stem and ending, two-word constructions
// with an auxiliary verb or with "кирәк" / "бар", and the Russian verb form.
#pragma once

#include <string>
#include <string_view>

#include "Records.h"
#include "SplitWord.h"
#include "zentrok/MyTables3.h"

namespace tatengine {

// Stem table column 3: the Russian verb number, plus 65536 times the number
// of its partner of the other aspect (0: none); column 2 the Russian verb,
// then "|" and the government of its object where it has one
// (бояться|abl:gen), column 5 the verb of its invitations (0: none). Verb
// form table: column 0 the verb number as decimal
// text, column 2 the aspect, the form for selector k in column k + 2.
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
  // The Russian verb number of a stem row and its aspect partner's (0: none).
  int VerbNumber(int row) const;
  int PartnerNumber(int row) const;
  // The verb number of the row's verb in the aspect a form code asks for.
  int VerbForForm(int row, int code) const;
  // The government of a stem row's verb ("abl:gen", "dat:на+acc"); empty
  // when the object keeps the case its Tatar ending gives.
  std::u16string_view Government(int row) const;
  // The verb of the positive imperative where the entry names one (column
  // 5: утыр "садись", тор "вставай"); 0 when none.
  int InviteNumber(int row) const;
  // The Tatar stem (column 0) of a stem row.
  std::u16string_view TatarStem(int row) const;

  // Declared in the order the files are loaded.
  zentrok::TTable VerbForms, Endings, Stems;
  TSplitTables Split{Stems, Endings};

private:
  // A future form of a perfective verb becomes its present (приду).
  void PerfectiveFuture(int code, TFormRus& rus) const;
  std::u16string FormText(const TFormRus& rus, int selector) const;
};

// The Russian infinitive of a verb reading (the form for selector 1).
std::u16string InfinitiveOf(const TVerb& verbs, const TFormRus& form);
// The Russian verb number of an infinitive; -1 when the data has none.
int VerbNumberOf(const TVerb& verbs, std::u16string_view infinitive);
// The verb number of the round trip or habit of a one-way verb of going
// (идти: ходить, ехать: ездить, бежать: бегать); -1 for other verbs.
int RoundTripOf(const TVerb& verbs, const TFormRus& form);

}  // namespace tatengine
