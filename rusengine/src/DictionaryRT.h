// The Russian dictionary: one object of every word class, asked in a fixed
// order, and the Tatar text of any reading.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "Records.h"
#include "db_unit.h"

namespace rusengine {

class TDictionaryRT {
public:
  // Loads every data file from dataPath, in this order: flip16.coll,
  // pc32prf.coll, flip64.coll, flip32.coll, flip128.coll, flip256.coll,
  // pc32mod.coll. Raises the first load error met.
  explicit TDictionaryRT(const std::string& dataPath);

  // Appends the readings of text (a word, or words joined by one space) to
  // kit. A whole-word entry wins alone; otherwise verbal adjectives (or, if
  // none, adjectives), verbal adverbs, verbs and nouns all contribute.
  // True when kit has a reading afterwards.
  bool Analyse(std::u16string_view text, TTransKit& kit) const;
  // The Tatar text of a reading; empty for a separator or a reading that
  // cannot be generated. A preposition standing alone (class 64) gives its
  // postposition, followed by " түгел" when negated.
  void GetText(const TWordForm& reading, std::u16string& text) const;

  const TUnknown& Unknown() const { return FUnknown; }
  const TVAdj& VAdj() const { return *FVAdj; }
  const TVAdv& VAdv() const { return *FVAdv; }
  const TVerb& Verb() const { return *FVerb; }
  const TAdj& Adj() const { return *FAdj; }
  const TNoun& Noun() const { return *FNoun; }
  const TMod& Mod() const { return *FMod; }

private:
  // "подешевле", "побольше": по- before a comparative softens it; the
  // comparative readings of the rest, when the word has no other.
  void AnalyseSoftComparative(std::u16string_view text, TTransKit& kit) const;
  // The adjective form id of the comparative.
  static constexpr uint16_t kComparativeForm = 24;

  TUnknown FUnknown;
  std::unique_ptr<TVAdj> FVAdj;
  std::unique_ptr<TVAdv> FVAdv;
  std::unique_ptr<TVerb> FVerb;
  std::unique_ptr<TAdj> FAdj;
  std::unique_ptr<TNoun> FNoun;
  std::unique_ptr<TMod> FMod;
};

}  // namespace rusengine
