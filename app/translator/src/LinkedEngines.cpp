#include "zentrok/LinkedEngines.h"

#include "rusengine.h"
#include "tatengine.h"

namespace zentrok {

TEngineBinding LinkedEngines() {
  return TEngineBinding{&::SetOutProc, &::ParseSentence, &::SetOutProc_rt, &::ParseSentence_rt};
}

}  // namespace zentrok
