// The translation driver: the host side of the engine protocol.
//
// A run (Translate) takes the caller's UTF-16 buffer, replaces the legacy
// substitute letters by the proper Tatar letters, removes soft hyphens,
// cuts the text into sentences (SentenceCut.h) and hands them one at a time
// to the engine of the chosen direction. The engine answers through
// OutputPiece, which inserts each piece into TranslationTarget in the basic
// style (flag 0) or the marking style (any other flag) of the settings.
// Between sentences the run reports progress, honours Stop and lets the
// user interface run through the injected message pump.
//
// Positions inside the driver are 1-based: position p is the p-th character
// of the buffer.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "zentrok/OutputTarget.h"
#include "zentrok_engine.h"

namespace zentrok {

// The text of a run, laid out like a rich edit's text-range record. The
// caller owns Text: zero-filled and at least cpMax - cpMin + 1 characters,
// the last of them U+0000. The driver changes it in place.
struct TTextRange {
  int32_t cpMin;
  int32_t cpMax;
  char16_t* Text;
};

// A range of 1-based positions; Stop is one past the last character.
struct TPosRange {
  int32_t Start;
  int32_t Stop;
};

// The scan position of a run and the position of its terminating U+0000.
struct TCursor {
  int32_t Pos;
  int32_t End;
};

typedef void(ZENTROK_CALL* TSetOutProcProc)(TOutProc proc);
typedef void(ZENTROK_CALL* TParseSentenceProc)(const char16_t* sentence);

// The engine entry points the driver calls. The program binds them to the
// engines' exports at load time (LinkedEngines.h); a missing pair makes its
// direction unavailable.
struct TEngineBinding {
  TSetOutProcProc SetOutProc;          // Tatar to Russian
  TParseSentenceProc ParseSentence;
  TSetOutProcProc SetOutProc_rt;       // Russian to Tatar
  TParseSentenceProc ParseSentence_rt;
};

// Directions of Translate (the settings field Direction).
inline constexpr uint8_t DirRussianTatar = 0;
inline constexpr uint8_t DirTatarRussian = 1;

// Progress phases.
inline constexpr uint8_t PhaseStart = 0;
inline constexpr uint8_t PhaseProgress = 1;
inline constexpr uint8_t PhaseEnd = 2;

// Receives progress: Kind is always 1; Percent grows by whole steps of a
// hundredth of the text (it counts characters for texts under 100 and may
// pass 100 slightly at the end).
using TProgressEvent = std::function<void(int16_t Kind, uint8_t Phase, float Percent)>;
// Lets the user interface process its pending events; called once per
// sentence. The desktop program passes one that runs Qt's event loop once.
using TMessagePump = std::function<void()>;

class TTranslator {
public:
  // Registers OutputPiece with every bound engine (SetOutProc, then
  // SetOutProc_rt). The engines must already be loaded.
  explicit TTranslator(const TEngineBinding& engines, TMessagePump pump = {});

  // Runs one translation of TextRange. Direction 0 calls ParseSentence_rt,
  // 1 calls ParseSentence; any other value walks the text and reports
  // progress without calling an engine. A direction whose engine is not
  // bound raises std::logic_error before anything is reported. Exceptions
  // from the engine or the target pass through, without the end report.
  void Translate(uint8_t Direction);
  // Ends the current run after the sentence in progress. Outside a run it
  // only sets the flag, which the next run clears at its start.
  void Stop();
  // Stores the report in Kind, Phase and Percent and passes it to
  // OnProgress when one is assigned.
  void SetProgress(int16_t kind, uint8_t phase, float percent);

  // The next sentence S from the cursor and the separator run G after it;
  // moves the cursor to G.Stop. False when no text is left.
  bool FindSentence(TCursor& cursor, TPosRange& S, TPosRange& G) const;
  // True at the terminating U+0000, at or past cursor.End, and at a
  // terminator character.
  bool IsSentenceEnd(int32_t p, const TCursor& cursor) const;

  int32_t TextLength = 0;  // cpMax - cpMin + 1, counting the final U+0000
  bool StopRequested = false;
  int16_t Kind = 0;
  float Percent = 0.0f;
  uint8_t Phase = 0;
  TProgressEvent OnProgress;
  TTextRange TextRange{0, 0, nullptr};
  TMessagePump ProcessMessages;

private:
  char16_t At(int32_t p) const { return TextRange.Text[p - 1]; }

  TEngineBinding FEngines;
  std::u16string FSentence;  // reused for every sentence of a run
};

// Points TextRange at text, which gets a terminating U+0000 when it lacks
// one, and runs Translate. The text is normalised in place.
void TranslateText(TTranslator& translator, std::u16string& text, uint8_t Direction);

// The output callback registered with both engines: flag 0 inserts the piece
// into TranslationTarget in the basic style of Settings, any other flag in
// the marking style. Without a target the piece is dropped.
void ZENTROK_CALL OutputPiece(const char16_t* Piece, int32_t Flag);

}  // namespace zentrok
