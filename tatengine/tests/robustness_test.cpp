// Many generated sentences: no crash, output for every sentence that has
// something to say, unknown pieces taken from the source, digits kept.
#include <algorithm>
#include <cstdint>

#include <unicode/uchar.h>

#include "EngineFixture.h"

namespace tatfix {
namespace {

const char16_t* const Tokens[] = {
    u"китап", u"китапы", u"укучы", u"кызлар", u"өйдә", u"өйдан", u"зур", u"яшь", u"кызылрак",
    u"алды", u"алып", u"укыды", u"укымады", u"укып", u"чыкты", u"укырга", u"кирәк", u"бар",
    u"иде", u"идем", u"укыйсы", u"булды", u"сөйгән", u"һәм", u"белән", u"мин", u"аның", u"тау",
    u"көн", u"саен", u"бит", u"генә", u"әллә", u"менә", u"соң", u"тапкыр", u"ул", u"микән",
    u"яме", u"бер", u"хәзер", u"да", u"дип", u"ике", u"тиз", u"хххх", u"Казан", u"абв-где",
    u"китап-дәфтәр", u"-", u", ", u". ", u"? ", u"42", u" - "};
constexpr size_t TokenCount = sizeof Tokens / sizeof Tokens[0];

std::u16string Lower(std::u16string s) {
  for (char16_t& c : s) c = static_cast<char16_t>(u_tolower(c));
  return s;
}

using RobustnessTest = EngineTest;

TEST_F(RobustnessTest, GeneratedSentences) {
  uint32_t seed = 2026;
  for (int n = 0; n < 3000; ++n) {
    std::u16string sentence;
    seed = seed * 1103515245u + 12345u;
    const int length = 1 + static_cast<int>((seed >> 16) % 9);
    for (int k = 0; k < length; ++k) {
      seed = seed * 1103515245u + 12345u;
      if (!sentence.empty() && (seed & 0x100)) sentence += u' ';
      sentence += Tokens[(seed >> 16) % TokenCount];
    }
    const auto pieces = RunSentence(sentence);
    const bool onlyParticles = Lower(sentence) == u"да" || Lower(sentence) == u"дип";
    EXPECT_EQ(pieces.empty(), onlyParticles) << ::testing::PrintToString(sentence);
    const std::u16string out = Text(pieces);
    if (sentence.find(u"42") != std::u16string::npos) {
      EXPECT_NE(out.find(u"42"), std::u16string::npos);
    }
    for (const TPiece& p : pieces) {
      if (p.Flag != -1) {
        EXPECT_EQ(p.Flag, 0);
        continue;
      }
      std::u16string word = p.Text;
      while (!word.empty() && (word.back() == u' ' || word.back() == u'-')) word.pop_back();
      EXPECT_NE(Lower(sentence).find(Lower(word)), std::u16string::npos)
          << ::testing::PrintToString(sentence);
    }
  }
}

}  // namespace
}  // namespace tatfix
