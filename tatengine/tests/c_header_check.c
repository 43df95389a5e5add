/* The public header compiles as C and declares the exports with the
 * signatures hosts call. */
#include "tatengine.h"

static void ZENTROK_CALL Sink(const char16_t *piece, int32_t flag) {
  (void)piece;
  (void)flag;
}

int TatengineHeaderIsC(void) {
  void (*load)(const char *) = LoadTransler;
  void (*set)(TOutProc) = SetOutProc;
  void (*parse)(const char16_t *) = ParseSentence;
  void *(*init)(void) = ParserInit;
  const char *(*error)(void) = LoadError;
  set(Sink);
  return load != 0 && parse != 0 && init != 0 && error != 0;
}
