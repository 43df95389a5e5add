// The two engines' exports, bound at load time. Available only in builds
// that link both engine libraries.
#pragma once

#include "zentrok/Translator2.h"

namespace zentrok {

TEngineBinding LinkedEngines();

}  // namespace zentrok
