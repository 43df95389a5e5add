// Nouns (class 8) and sub-nouns (class 256): recognition by stem and ending,
// Russian generation from a paradigm, case, number and variant.
#pragma once

#include <string>
#include <string_view>

#include "Records.h"
#include "SplitWord.h"
#include "zentrok/MyTables3.h"

namespace tatengine {

// Stem table column 3: Russian paradigm * 65536 + flags * 256 + gender (flag
// 1: the noun takes на/с in the place cases; flag 2: the row is the sense of
// the possessed noun, as кызым "моя дочь" beside кыз "девочка").
// Code table: key "paradigm*65536 + variant*256 + case-and-number", column 1
// the Russian ending.
class TNoun {
public:
  explicit TNoun(const std::string& dataPath);

  // A form with a possessive ending takes the noun's possessed sense where
  // it has one, unless possessedSense is false.
  bool Analyse(std::u16string_view text, TFormTat& tat, TFormRus& rus, bool possessedSense = true) const;
  std::u16string Translate(TFormRus& rus) const { return Generate(rus); }
  // Maps Case through the case map (the record keeps the new value) and
  // returns Prefix + Russian stem + ending. Case 0 returns RusText.
  std::u16string Generate(TFormRus& rus) const;
  static void SetDefault(TFormRus& rus);
  // Fits the preposition of a dative, locative or ablative form to the noun:
  // a person takes the dative, у + genitive and от (дала маме, у мамы, от
  // мамы); a noun marked in the lexicon as a surface or event takes на and с
  // (на работу, на работе, с работы); other nouns keep в and из.
  static void AdjustPlaceCase(TFormRus& rus, int code, bool onSurface);

  // Of the rows that share a stem and a Tatar paradigm, the one for a form
  // with a possessive ending (possessed) or without one: a noun with a
  // possessed sense has two rows, every other noun one, returned as it is.
  int SenseRow(int row, bool possessed) const;
  bool IsPossessedSense(int row) const;

  // Declared in the order the files are loaded.
  zentrok::TTable Endings, RusEndings, Stems, Codes;
  TSplitTables Split{Stems, Endings};

private:
  static constexpr uint32_t PossessedSenseFlag = 0x200;
  int FindVariant(uint32_t paradigm, int caseNo) const;
};

// Stem table column 3: key base in its second byte, gender in the low byte.
// Code table key: (column 3 and 0xFF00) + raw case.
class TSubNoun {
public:
  explicit TSubNoun(const std::string& dataPath);

  bool Analyse(std::u16string_view text, TFormTat& tat, TFormRus& rus) const;
  std::u16string Translate(TFormRus& rus) const { return Generate(rus); }
  std::u16string Generate(TFormRus& rus) const;
  // A sub-noun's neutral form is the noun's.
  static void SetDefault(TFormRus& rus) { TNoun::SetDefault(rus); }

  // Declared in the order the files are loaded.
  zentrok::TTable Endings, RusEndings, Stems, Codes;
  TSplitTables Split{Stems, Endings};
};

}  // namespace tatengine
