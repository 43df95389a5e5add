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
// 1: the noun takes на/с in the place cases; 2: a measure word such as
// стакан or кило; 4: a mass noun such as молоко, counted in the singular;
// 8: the row is the sense of the possessed noun, as кызым "моя дочь" beside
// кыз "девочка"; 16: its sense when a thing owns it, as авылның исеме
// "название деревни"; 32: a sense only a context rule gives, as тәмле аш
// "вкусный суп" beside аш "еда").
// Column 6, where present: the Russian relative adjective that stands for the
// noun before a possessed noun (лес: лесной).
// Code table: key "paradigm*65536 + variant*256 + case-and-number", column 1
// the Russian ending.
class TNoun {
public:
  explicit TNoun(const std::string& dataPath);

  // Who owns a possessed noun, as far as its sense goes.
  // owContext marks a row no owner asks for: a context rule's sense.
  enum TOwner : uint32_t { owNone = 0, owPerson = 0x800, owThing = 0x1000, owContext = 0x2000 };
  // A form with a possessive ending takes the noun's sense for the owner
  // where it has one (a person is assumed), else the bare sense; owNone
  // asks for the bare sense.
  bool Analyse(std::u16string_view text, TFormTat& tat, TFormRus& rus, TOwner owner = owPerson) const;
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

  // The lexicon's marks of a stem row; false or empty for a row outside the
  // table.
  bool IsMeasure(int stemRow) const { return (Flags(stemRow) & 2) != 0; }
  bool IsMass(int stemRow) const { return (Flags(stemRow) & 4) != 0; }
  bool TakesNa(int stemRow) const { return (Flags(stemRow) & 1) != 0; }
  std::u16string_view RelativeAdjective(int stemRow) const;
  // Of the rows that share a stem and a Tatar paradigm, the one of the
  // sense for the owner (owNone: the bare sense), falling back to the bare
  // one: a noun with possessed senses has two or three rows, every other
  // noun one, returned as it is.
  int SenseRow(int row, TOwner owner) const;
  TOwner SenseOf(int row) const;
  // Gives a noun reading the context sense whose Russian word is `russian`
  // (a row of the same stem and Tatar paradigm marked owContext): stem row,
  // gender, declension variant and the в/на of the place cases follow the
  // new noun. False, and nothing changed, when the noun has no such sense.
  bool TakeContextSense(TFormRus& rus, std::u16string_view russian) const;

  // Declared in the order the files are loaded.
  zentrok::TTable Endings, RusEndings, Stems, Codes;
  TSplitTables Split{Stems, Endings};

private:
  int FindVariant(uint32_t paradigm, int caseNo) const;
  int Flags(int stemRow) const;
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
