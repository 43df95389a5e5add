// Cutting a lemma's forms into one stem and a set of endings, and giving
// equal ending sets one paradigm number.
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace mkdata {

// One lemma's forms: (form code, form). A code may occur once; empty forms
// are skipped (the code does not exist for that lemma).
using TFormList = std::vector<std::pair<int, std::u16string>>;

// The endings of a paradigm: (form code, ending), in code order.
using TEndingSet = std::vector<std::pair<int, std::u16string>>;

struct TSplit {
  std::u16string Stem;
  TEndingSet Endings;
};

// The stem is the longest common prefix of all non-empty forms.
TSplit SplitForms(const TFormList& forms);

// A paradigm number or form code that does not fit the field a table keeps
// it in.
class TParadigmLimitError : public std::length_error {
public:
  using std::length_error::length_error;
};

// Numbers ending sets from First upward in order of first appearance, up to
// Limit; one more raises TParadigmLimitError naming the set (What).
class TParadigmSet {
public:
  explicit TParadigmSet(std::string what = "paradigms", int limit = 32767, int first = 1)
      : FWhat(std::move(what)), FLimit(limit), FNext(first) {}
  int Number(const TEndingSet& endings);
  int Count() const { return static_cast<int>(FSets.size()); }
  // (number, endings) in number order.
  std::vector<std::pair<int, const TEndingSet*>> All() const;

private:
  std::map<TEndingSet, int> FSets;
  std::string FWhat;
  int FLimit;
  int FNext;
};

// ending -> codes (paradigm << shift | code), codes in order of form code
// then paradigm; used to build every ending table.
class TEndingIndex {
public:
  // Shift 8 keeps paradigm x 256 + code in 16 bits (paradigm <= 255, code
  // <= 255), shift 16 paradigm x 65536 + code (paradigm <= 32767, code <=
  // 65535); anything larger raises TParadigmLimitError.
  void Add(int paradigm, const TEndingSet& endings, int shift);
  const std::map<std::u16string, std::vector<std::pair<int, int>>>& Rows() const { return FRows; }
  // The codes of one ending row, ordered.
  static std::vector<int> Codes(const std::vector<std::pair<int, int>>& entries, int shift);

private:
  // ending -> (form code, paradigm)
  std::map<std::u16string, std::vector<std::pair<int, int>>> FRows;
};

}  // namespace mkdata
