#include "zentrok/Translator2.h"

#include <stdexcept>

#include "zentrok/GlobalSettings2.h"
#include "zentrok/SentenceCut.h"
#include "zentrok/SysUtils_Trg.h"
#include "zentrok/TatAlphabet.h"

namespace zentrok {

TOutputTarget* TranslationTarget = nullptr;

namespace {
constexpr char16_t SoftHyphen = u'\x00AD';
}

TTranslator::TTranslator(const TEngineBinding& engines, TMessagePump pump)
    : ProcessMessages(std::move(pump)), FEngines(engines) {
  if (FEngines.SetOutProc) FEngines.SetOutProc(&OutputPiece);
  if (FEngines.SetOutProc_rt) FEngines.SetOutProc_rt(&OutputPiece);
}

void TTranslator::Stop() { StopRequested = true; }

void TTranslator::SetProgress(int16_t kind, uint8_t phase, float percent) {
  Kind = kind;
  Phase = phase;
  Percent = percent;
  if (OnProgress) OnProgress(kind, phase, percent);
}

bool TTranslator::IsSentenceEnd(int32_t p, const TCursor& cursor) const {
  if (p >= cursor.End) return true;
  char16_t c = At(p);
  return c == 0 || IsSentenceTerminator(c);
}

bool TTranslator::FindSentence(TCursor& cursor, TPosRange& S, TPosRange& G) const {
  S.Start = cursor.Pos;
  S.Stop = S.Start;
  while (!IsSentenceEnd(S.Stop, cursor)) ++S.Stop;
  const bool found = S.Start < cursor.End;
  G.Start = S.Stop;
  G.Stop = S.Stop;
  // The end test comes first so that no character past the run is read.
  // The terminator always belongs to the run, even U+1F60, which is also a
  // letter: without this a text holding it would never advance.
  if (G.Stop < cursor.End && IsSentenceTerminator(At(G.Stop))) ++G.Stop;
  while (G.Stop < cursor.End && At(G.Stop) != 0 && !IsCharAlphaNumeric(At(G.Stop))) ++G.Stop;
  cursor.Pos = G.Stop;
  return found;
}

void TTranslator::Translate(uint8_t Direction) {
  TParseSentenceProc parse = nullptr;
  if (Direction == DirRussianTatar || Direction == DirTatarRussian) {
    parse = Direction == DirRussianTatar ? FEngines.ParseSentence_rt : FEngines.ParseSentence;
    if (!parse) throw std::logic_error("the engine of this direction is not loaded");
  }

  StopRequested = false;
  TextLength = TextRange.cpMax - TextRange.cpMin + 1;
  // No buffer, or a reversed range, is an empty run rather than a crash.
  const bool hasText = TextRange.Text != nullptr && TextLength >= 1;
  if (!hasText) TextLength = 1;
  if (hasText) {
    NormalizeTatarCodes(TextRange.Text, TextLength);
    StripChar(TextRange.Text, TextLength, SoftHyphen);
  }
  SetProgress(1, PhaseStart, 0.0f);

  TCursor cursor{1, TextLength};
  int32_t step = TextLength / 100;
  if (step == 0) step = 1;
  int32_t max = 0;
  TPosRange S, G;
  while (hasText && FindSentence(cursor, S, G)) {
    S.Stop = G.Stop;
    if (parse) {
      FSentence.assign(TextRange.Text + (S.Start - 1), static_cast<size_t>(S.Stop - S.Start));
      parse(FSentence.c_str());
    }
    int32_t current = cursor.Pos / step;
    if (current > max) {
      max = current;
      SetProgress(1, PhaseProgress, static_cast<float>(current));
    }
    if (StopRequested) {
      StopRequested = false;
      SetProgress(1, PhaseEnd, static_cast<float>(max));
      return;
    }
    if (ProcessMessages) ProcessMessages();
    if (G.Stop >= cursor.End || At(G.Stop) == 0) break;
  }
  SetProgress(1, PhaseEnd, static_cast<float>(max));
}

void TranslateText(TTranslator& translator, std::u16string& text, uint8_t Direction) {
  if (text.empty() || text.back() != 0) text.push_back(0);
  translator.TextRange.cpMin = 0;
  translator.TextRange.cpMax = static_cast<int32_t>(text.size()) - 1;
  translator.TextRange.Text = text.data();
  translator.Translate(Direction);
}

void ZENTROK_CALL OutputPiece(const char16_t* Piece, int32_t Flag) {
  TOutputTarget* target = TranslationTarget;
  if (!target || !Piece) return;
  std::u16string_view piece(Piece);
  const TGlobalSettings& s = Settings;
  if (Flag == 0)
    target->AddStyledText(piece, s.BasicFontColor, s.BasicFontSize, s.BasicFontStyle);
  else
    target->AddStyledText(piece, s.MarkFontColor, s.MarkFontSize, s.MarkFontStyle);
}

}  // namespace zentrok
