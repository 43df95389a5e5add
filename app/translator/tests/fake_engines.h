// Two stand-in engines for the driver's own tests: each records the
// sentences it is given and answers through the registered callback, one
// piece per space-separated word. Words starting with "?" come back with
// flag -1, like words an engine does not know.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "zentrok/OutputTarget.h"
#include "zentrok/Translator2.h"

namespace fake {

struct Engine {
  TOutProc out = nullptr;
  std::vector<std::u16string> calls;
  std::function<void(const std::u16string&)> onParse;
  void Parse(const char16_t* s) {
    calls.emplace_back(s);
    if (onParse) onParse(calls.back());
    if (!out) return;
    std::u16string text = calls.back(), word;
    for (size_t i = 0; i <= text.size(); ++i) {
      if (i == text.size() || text[i] == u' ') {
        if (!word.empty()) out(word.c_str(), word[0] == u'*' ? -1 : 0);
        if (i < text.size()) out(u" ", 0);
        word.clear();
      } else {
        word += text[i];
      }
    }
  }
};

inline Engine tat, rus;
inline std::vector<std::string> registrations;

inline void ZENTROK_CALL SetOutTat(TOutProc p) { tat.out = p; registrations.push_back("tat"); }
inline void ZENTROK_CALL SetOutRus(TOutProc p) { rus.out = p; registrations.push_back("rus"); }
inline void ZENTROK_CALL ParseTat(const char16_t* s) { tat.Parse(s); }
inline void ZENTROK_CALL ParseRus(const char16_t* s) { rus.Parse(s); }

inline zentrok::TEngineBinding Binding() {
  return zentrok::TEngineBinding{&SetOutTat, &ParseTat, &SetOutRus, &ParseRus};
}

// Forgets registrations and calls (before creating a translator).
inline void Reset() {
  tat = Engine{};
  rus = Engine{};
  registrations.clear();
}

// Forgets the calls and hooks of the last run; keeps the callbacks.
inline void NewRun() {
  tat.calls.clear();
  rus.calls.clear();
  tat.onParse = nullptr;
  rus.onParse = nullptr;
}

struct Piece {
  std::u16string text;
  int32_t color, size, style;
  bool operator==(const Piece&) const = default;
};

// Records every styled insertion.
class RecordingTarget : public zentrok::TOutputTarget {
public:
  void AddStyledText(std::u16string_view text, int32_t color, int32_t size,
                     int32_t style) override {
    pieces.push_back(Piece{std::u16string(text), color, size, style});
  }
  std::vector<Piece> pieces;
};

}  // namespace fake
