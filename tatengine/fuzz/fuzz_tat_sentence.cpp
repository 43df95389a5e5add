// Feeds sentences built from the test lexicon's words, glue words,
// particles, separators and stray letters to the engine through its exports.
#include <cstddef>
#include <cstdint>
#include <string>

#include "Lexicon.h"
#include "tatengine.h"

namespace {

const char16_t* const Pieces[] = {
    u"китап", u"китапы", u"укучы", u"кызлар", u"өйдә", u"өйдан", u"зур", u"яшь", u"кызылрак",
    u"матурлар", u"алды", u"алып", u"укыды", u"укымады", u"укый", u"укып", u"чыкты", u"җибәра",
    u"укырга", u"кирәк", u"укыячак", u"бар", u"иде", u"идем", u"укыйсы", u"булды", u"сөйгән",
    u"һәм", u"белән", u"мин", u"аның", u"әйе", u"тау", u"көн", u"саен", u"бик", u"рәхмәт",
    u"бит", u"генә", u"әллә", u"менә", u"соң", u"тапкыр", u"ул", u"микән", u"яме", u"бер",
    u"хәзер", u"да", u"дип", u"тә", u"ике", u"тиз", u"хххх", u"Казан", u"-", u"--", u" ",
    u"   ", u",", u".", u"?", u"15", u"\u00ad", u"дыр", u"мы", u"ме", u"ә", u"\xd83d", u"\xde00"};
constexpr size_t PieceCount = sizeof Pieces / sizeof Pieces[0];

void Ignore(const char16_t*, int32_t) {}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool loaded = [] {
    const std::string dir = tatfix::MakeTempDir();
    tatfix::StandardLexicon().Write(dir);
    LoadTransler((dir + "/").c_str());
    SetOutProc(Ignore);
    return true;
  }();
  (void)loaded;
  std::u16string sentence;
  for (size_t k = 0; k < size; ++k) {
    const uint8_t b = data[k];
    if (b < 0xC0) {
      sentence += Pieces[b % PieceCount];
      if (b & 1) sentence += u' ';
    } else {
      sentence += static_cast<char16_t>(0x400 + (b - 0xC0) * 7);
    }
  }
  ParseSentence(sentence.c_str());
  return 0;
}
