/* The Tatar-to-Russian engine, libtatengine.so. */
#ifndef ZENTROK_TATENGINE_H
#define ZENTROK_TATENGINE_H

#include "zentrok_engine.h"

#ifndef TATENGINE_API
#define TATENGINE_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Loads every data file from the folder `path` (8-bit, UTF-8 here, with a
 * trailing "/": file names are appended as they stand). Call first and
 * once. On failure the engine stays unusable and LoadError tells why. */
TATENGINE_API void ZENTROK_CALL LoadTransler(const char *path);

/* Registers the output callback, replacing an earlier one. */
TATENGINE_API void ZENTROK_CALL SetOutProc(TOutProc proc);

/* Translates one zero-terminated UTF-16 sentence and emits it through the
 * output callback before returning: one piece per output slot, flag -1 for
 * an unknown word passed through as written, 0 for everything else. Emits
 * nothing for an empty sentence, a null pointer, when no callback is
 * registered, or when the engine did not load. */
TATENGINE_API void ZENTROK_CALL ParseSentence(const char16_t *sentence);

/* Forgets the subject remembered from earlier sentences; returns the parser
 * as an opaque handle (hosts do not use it). */
TATENGINE_API void *ZENTROK_CALL ParserInit(void);

/* The reason the last LoadTransler failed (UTF-8), or "" after a good load
 * or before any load. Valid until the next LoadTransler. */
TATENGINE_API const char *ZENTROK_CALL LoadError(void);

#ifdef __cplusplus
}
#endif

#endif
