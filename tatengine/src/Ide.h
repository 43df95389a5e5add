// Constructions with the past auxiliary "иде" and its person forms
// (adjective + aux, verb + aux), intention + a form of "бул", and "иде"
// alone. Takes the following word into the slot when it is part of one.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "Records.h"

namespace tatengine {

class TVerb;
class TAdj;

class TIde {
public:
  TIde();
  void SetAnalysers(const TVerb* verb, const TAdj* adj) {
    FVerb = verb;
    FAdj = adj;
  }

  bool Analyse(std::u16string_view text, std::u16string_view next, bool& usedNext,
               TFormRus& rus, TFormTat& tat) const;
  // Class 1: the adjective form; 4: "был"; 512: the verb form for Case
  // (no gender choice); otherwise empty.
  std::u16string Translate(TFormRus& rus) const;

  // The person forms of the auxiliary; aux number n = index + 1.
  std::array<std::u16string_view, 6> AuxWords;

private:
  // Aux number 1-6 of a word, 0 when it is none.
  int AuxNumber(std::u16string_view word) const;

  const TVerb* FVerb = nullptr;
  const TAdj* FAdj = nullptr;
};

}  // namespace tatengine
