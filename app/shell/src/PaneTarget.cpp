#include "zentrok/PaneTarget.h"

#include "zentrok/GlobalSettings2.h"
#include "zentrok/RichEditW.h"

namespace zentrok {

void TPaneTarget::AddStyledText(std::u16string_view text, int32_t color, int32_t size,
                                int32_t style) {
  if (FGathering) {
    FBuffer.append(text);
    return;
  }
  FPane->AddStyledText(std::u16string(text), static_cast<TColor>(color), size, style);
}

void TPaneTarget::BeginGathering(size_t reserve) {
  FBuffer.clear();
  FBuffer.reserve(reserve);
  FGathering = true;
}

void TPaneTarget::Flush() {
  FGathering = false;
  if (!FBuffer.empty())
    FPane->AddStyledText(FBuffer, static_cast<TColor>(Settings.BasicFontColor),
                         Settings.BasicFontSize, Settings.BasicFontStyle);
  FBuffer.clear();
  FBuffer.shrink_to_fit();
}

}  // namespace zentrok
