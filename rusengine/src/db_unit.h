// The word database: one class per Russian word class. Each recognises
// Russian word forms by splitting them into a stem and an ending against its
// tables, and generates the Tatar form of a recognised reading from a Tatar
// stem and a Tatar ending.
//
//   class     code  collection      ending     code       stem
//   TVAdj        2  flip16.coll     rvadjfl    tvadjcd    vadjbs
//   TVAdv        4  flip64.coll     rvadvfl    tvadvcd    vadvbs
//   TVerb        8  flip32.coll     rverbfl    tverbcd    verbbs
//   TAdj        16  flip128.coll    radjfl     tadjcd     adjbs
//   TNoun       32  flip256.coll    rnounfl    tnouncd    nounbs
//   TMod       128  pc32mod.coll (text table: Russian word or phrase; Tatar)
//   TUnknown  4096  no table
// The preposition table "pc32prf.coll" (text table: Russian preposition;
// governed case as a noun form 0-5; Tatar form code; Tatar postposition) is
// loaded once and shared by the collection-based classes.
//
// Constructors load at once and raise zentrok::EFOpenError for a missing
// file and zentrok::EDamagedTable for a damaged table or a missing item.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "PackTables.h"
#include "Records.h"
#include "zentrok/MyTables3.h"

namespace rusengine {

// Item and file names of one class's tables.
struct TNames {
  std::string EndingTable;
  std::string CodeTable;
  std::string StemTable;
  std::string Collection;
};

inline constexpr const char* kPrepositionFile = "pc32prf.coll";
inline constexpr const char* kWholeWordFile = "pc32mod.coll";

// The preposition table, loaded once for all classes.
class TPrepositionSource {
public:
  explicit TPrepositionSource(std::string dataPath) : FDataPath(std::move(dataPath)) {}
  std::shared_ptr<const zentrok::TTable> Get();

private:
  std::string FDataPath;
  std::shared_ptr<const zentrok::TTable> FTable;
};

class TDB_standard {
public:
  // Loads the tables named by names from dataPath (the folder, with its
  // trailing separator, to which the file names are appended).
  TDB_standard(const std::string& dataPath, const TNames& names, uint16_t code,
               TPrepositionSource& prepositions);
  virtual ~TDB_standard() = default;
  TDB_standard(const TDB_standard&) = delete;
  TDB_standard& operator=(const TDB_standard&) = delete;

  // Readings of word split after its first n characters, appended to
  // readings; false (and nothing appended) when the split does not fit.
  virtual bool AnalyseAt(std::u16string_view word, int n, TTransUnits& readings) const;
  // The run of preposition-table rows equal to text.
  virtual bool FindPreposition(std::u16string_view text, int32_t& first, int32_t& last) const;
  // Fills TatForm after analysis.
  virtual bool Complete(TWordForm& reading) const = 0;
  // The Tatar text of a reading; empty when it cannot be generated.
  virtual void GetText(const TWordForm& reading, std::u16string& text) const;
  // Appends every reading of word; the longest stem wins and all readings
  // of that split are kept. True when it found any.
  virtual bool AnalyseWord(std::u16string_view word, TTransUnits& readings) const;

  // Picks the preposition row that agrees with a noun reading's case and
  // sets the reading's TatForm from it. False when it carries none.
  bool ChoosePreposition(TWordForm& reading) const;
  // The Tatar postposition of a preposition row.
  std::u16string_view PrepositionText(int32_t row) const;
  // The Russian case (noun form 0-5) and the Tatar form code of a
  // preposition row; -1 for a row that does not exist.
  int32_t GovernedCase(int32_t row) const;
  // The Russian preposition of a row; empty for a row that does not exist.
  std::u16string_view PrepositionWord(int32_t row) const;
  int32_t PrepositionCode(int32_t row) const;
  // The Tatar stem of a stem row; empty for a row that does not exist.
  std::u16string_view TatarStem(int32_t row) const;
  // The Tatar dictionary form of a stem row (a verb's bare stem, a noun's
  // nominative); empty when the row has none.
  std::u16string TatarLemma(int32_t row) const;

  uint16_t ClassCode() const { return FClassCode; }
  const TFlank& Stems() const { return *FStems; }
  const TFlank& Endings() const { return *FEndings; }

protected:
  // For TMod and TUnknown, which use none of the four tables.
  explicit TDB_standard(uint16_t code) : FClassCode(code) {}
  // Stem + ending for tatForm, then the postposition when the reading
  // carries a preposition; empty when there is no such ending.
  void Generate(const TWordForm& reading, int tatForm, std::u16string& text) const;

  std::unique_ptr<TCode> FCodes;
  std::unique_ptr<TFlank> FEndings;
  std::unique_ptr<TFlank> FStems;
  std::shared_ptr<const zentrok::TTable> FPrepositions;
  uint16_t FClassCode;

private:
  mutable TIntKit FCodeBuffer;  // reused by AnalyseAt
  // Whether a stem or an ending holds a blank. When none does, a phrase of
  // several words cannot be split into a stem and an ending that both
  // match, and is not searched for.
  bool FHasBlanks = false;
};

class TVAdj : public TDB_standard {
public:
  TVAdj(const std::string& dataPath, TPrepositionSource& prepositions);
  bool Complete(TWordForm& reading) const override;
  void GetText(const TWordForm& reading, std::u16string& text) const override;
};

class TVAdv : public TDB_standard {
public:
  TVAdv(const std::string& dataPath, TPrepositionSource& prepositions);
  bool Complete(TWordForm& reading) const override;
  void GetText(const TWordForm& reading, std::u16string& text) const override;
};

class TVerb : public TDB_standard {
public:
  TVerb(const std::string& dataPath, TPrepositionSource& prepositions);
  bool Complete(TWordForm& reading) const override;
  void GetText(const TWordForm& reading, std::u16string& text) const override;
};

// Adjectives: when one split gives several readings they are merged into
// the first, with Form 29 (plural) when its form was above 5, else 0.
class TAdj : public TDB_standard {
public:
  TAdj(const std::string& dataPath, TPrepositionSource& prepositions);
  bool AnalyseAt(std::u16string_view word, int n, TTransUnits& readings) const override;
  bool Complete(TWordForm& reading) const override;
  void GetText(const TWordForm& reading, std::u16string& text) const override;
};

// Nouns. A noun whose plural accusative is its plural genitive names a
// person or an animal: its readings are marked Animate.
class TNoun : public TDB_standard {
public:
  TNoun(const std::string& dataPath, TPrepositionSource& prepositions);
  bool Complete(TWordForm& reading) const override;
  void GetText(const TWordForm& reading, std::u16string& text) const override;
  bool IsAnimateRow(int32_t row) const;

private:
  std::vector<int32_t> FAnimate;  // animate Russian paradigms, sorted
};

// Words and phrases translated whole, from the text table "pc32mod.coll";
// a negated entry is followed by " түгел".
class TMod : public TDB_standard {
public:
  explicit TMod(const std::string& dataPath);
  bool AnalyseWord(std::u16string_view word, TTransUnits& readings) const override;
  bool Complete(TWordForm& reading) const override;
  void GetText(const TWordForm& reading, std::u16string& text) const override;

private:
  std::unique_ptr<zentrok::TTable> FWords;
};

// The text of unknown words: the reading's own text, followed by " түгел"
// when negated.
class TUnknown : public TDB_standard {
public:
  TUnknown() : TDB_standard(wcUnknown) {}
  bool AnalyseWord(std::u16string_view, TTransUnits&) const override { return false; }
  bool Complete(TWordForm& reading) const override;
  void GetText(const TWordForm& reading, std::u16string& text) const override;
};

}  // namespace rusengine
