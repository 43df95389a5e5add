/* What both translation engines share with their hosts: the calling
 * convention of the exports and the output callback.
 *
 * A host loads an engine's data once, registers one output callback and then
 * hands it sentences, one zero-terminated UTF-16 string per call. Before the
 * call returns, the engine calls the callback once per output piece:
 *   piece  zero-terminated UTF-16 text, valid only during the callback;
 *   flag   0 for translated words and separators, -1 for an unknown word
 *          passed through as written.
 * All calls happen on one thread and must not overlap. */
#ifndef ZENTROK_ENGINE_H
#define ZENTROK_ENGINE_H

#include <stdint.h>
#ifndef __cplusplus
#include <uchar.h>
#endif

#if defined(_WIN32) && !defined(_WIN64)
#define ZENTROK_CALL __stdcall
#else
#define ZENTROK_CALL
#endif

#if defined(_WIN32)
#define ZENTROK_EXPORT __declspec(dllexport)
#else
#define ZENTROK_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef void(ZENTROK_CALL *TOutProc)(const char16_t *piece, int32_t flag);

#ifdef __cplusplus
}
#endif

#endif
