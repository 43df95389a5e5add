// TPaneTarget: a rich-edit pane as the receiver of the engines' output.
//
// Normally each piece goes in at the pane's caret in the style the driver
// chose. While gathering (the user turned marking of untranslated words
// off) the pieces are only collected, unstyled, and Flush inserts all of
// them at once at the end of the run in the basic style, so no translated
// text is lost and the pane is touched once.
#pragma once

#include <string>

#include "zentrok/OutputTarget.h"

namespace zentrok {

class TCustomRichEditW;

class TPaneTarget : public TOutputTarget {
public:
  explicit TPaneTarget(TCustomRichEditW* pane) : FPane(pane) {}

  void AddStyledText(std::u16string_view text, int32_t color, int32_t size,
                     int32_t style) override;

  TCustomRichEditW* Pane() const { return FPane; }

  // Starts collecting pieces; reserve is a size hint in characters.
  void BeginGathering(size_t reserve);
  bool Gathering() const { return FGathering; }
  // Inserts what was gathered at the caret in the basic style of the
  // settings and stops gathering.
  void Flush();

private:
  TCustomRichEditW* FPane;
  bool FGathering = false;
  std::u16string FBuffer;
};

}  // namespace zentrok
