/* The Russian-to-Tatar engine, librusengine.so. */
#ifndef ZENTROK_RUSENGINE_H
#define ZENTROK_RUSENGINE_H

#include "zentrok_engine.h"

#ifndef RUSENGINE_API
#define RUSENGINE_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Loads every data file from the folder `path` (8-bit, UTF-8 here, with a
 * trailing "/"). Call first and once. On failure the engine stays unusable
 * and LoadError_rt tells why. */
RUSENGINE_API void ZENTROK_CALL LoadTransler_rt(const char *path);

/* Registers the output callback, replacing an earlier one. */
RUSENGINE_API void ZENTROK_CALL SetOutProc_rt(TOutProc proc);

/* Translates one zero-terminated UTF-16 sentence and emits it through the
 * output callback before returning. Emits nothing when the engine did not
 * load. */
RUSENGINE_API void ZENTROK_CALL ParseSentence_rt(const char16_t *sentence);

/* The reason the last LoadTransler_rt failed (UTF-8), or "" after a good
 * load or before any load. Valid until the next LoadTransler_rt. */
RUSENGINE_API const char *ZENTROK_CALL LoadError_rt(void);

#ifdef __cplusplus
}
#endif

#endif
