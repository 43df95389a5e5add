// The Russian sentence parser: tokens, output slots, reading selection,
// Tatar text generation, capitals, and the pieces handed to the output
// callback.
#pragma once

#include <string>
#include <string_view>

#include "Records.h"
#include "zentrok/Classes_Trg.h"
#include "zentrok_engine.h"

namespace rusengine {

class TTransler;

class TSP_rus {
public:
  TSP_rus() = default;
  virtual ~TSP_rus() = default;

  // Translates one sentence and emits it through OutProc.
  void Parse(std::u16string_view sentence);

  // Cuts s into word tokens (letters and inner hyphens; Source points into
  // s) and separator tokens (everything else, with the spaces next to it);
  // the particles "ли" and "ль" are dropped, and spaces between two words
  // vanish.
  void Tokenise(std::u16string_view s);
  // Groups the word runs into slots through the translator.
  void BuildKits();
  // Selection, generation, repeat removal and capitals.
  virtual void ApplyRules();
  // Several surviving readings become one "{x, y}" reading; a space goes
  // between two word slots.
  void JoinAlternatives();
  // Hands each slot's first reading to OutProc.
  void Emit();

  TUnits Units;
  TTransKits Kits;
  int MaxPhrase = 3;
  TOutProc OutProc = nullptr;
  TTransler* Transler = nullptr;  // not owned

private:
  zentrok::TWideStringList FRepeats;
  std::u16string FSentence;  // the sentence the tokens' Source points into
  std::u16string FText;  // reused generation buffer
};

}  // namespace rusengine
