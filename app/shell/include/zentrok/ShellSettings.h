// The settings record as the shell uses it.
#pragma once

#include "zentrok/GlobalSettings2.h"
