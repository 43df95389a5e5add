// zentrok-evaltr: translates sentences read from stdin, one per line, with
// an engine library loaded from a folder, and prints one translation per
// line. Used by the dev-set evaluation; unknown words are wrapped in
// [[...]] when --mark is given.
//   zentrok-evaltr --dir BIN_DIR --direction tt-ru|ru-tt [--mark]
#include <dlfcn.h>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "zentrok/Utf.h"

namespace {

using TOutProc = void (*)(const char16_t* piece, int32_t flag);
using TLoad = void (*)(const char*);
using TSetOut = void (*)(TOutProc);
using TParse = void (*)(const char16_t*);
using TError = const char* (*)();

std::u16string Output;
bool Mark = false;

void Collect(const char16_t* piece, int32_t flag) {
  if (flag != 0 && Mark) Output += u"[[";
  Output += piece;
  if (flag != 0 && Mark) Output += u"]]";
}

template <class T>
T Symbol(void* lib, const char* name) {
  void* p = dlsym(lib, name);
  if (!p) {
    std::fprintf(stderr, "zentrok-evaltr: the engine has no %s\n", name);
    std::exit(1);
  }
  return reinterpret_cast<T>(p);
}

}  // namespace

int main(int argc, char** argv) {
  std::string dir, direction;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--dir") && i + 1 < argc) dir = argv[++i];
    else if (!std::strcmp(argv[i], "--direction") && i + 1 < argc) direction = argv[++i];
    else if (!std::strcmp(argv[i], "--mark")) Mark = true;
  }
  bool tt = direction == "tt-ru";
  if (dir.empty() || (!tt && direction != "ru-tt")) {
    std::fprintf(stderr, "usage: zentrok-evaltr --dir BIN_DIR --direction tt-ru|ru-tt [--mark]\n");
    return 2;
  }
  if (dir.back() != '/') dir += '/';
  std::string libPath = dir + (tt ? "libtatengine.so" : "librusengine.so");
  void* lib = dlopen(libPath.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!lib) {
    std::fprintf(stderr, "zentrok-evaltr: %s\n", dlerror());
    return 1;
  }
  const char* sfx = tt ? "" : "_rt";
  auto load = Symbol<TLoad>(lib, (std::string("LoadTransler") + sfx).c_str());
  auto setOut = Symbol<TSetOut>(lib, (std::string("SetOutProc") + sfx).c_str());
  auto parse = Symbol<TParse>(lib, (std::string("ParseSentence") + sfx).c_str());
  load(dir.c_str());
  if (void* e = dlsym(lib, tt ? "LoadError" : "LoadError_rt")) {
    const char* msg = reinterpret_cast<TError>(e)();
    if (msg && *msg) {
      std::fprintf(stderr, "zentrok-evaltr: %s\n", msg);
      return 1;
    }
  }
  setOut(Collect);
  std::string line;
  while (std::getline(std::cin, line)) {
    Output.clear();
    std::u16string s = zentrok::Utf8ToUtf16(line);
    parse(s.c_str());
    std::string out = zentrok::Utf16ToUtf8(Output);
    std::printf("%s\n", out.c_str());
  }
  return 0;
}
