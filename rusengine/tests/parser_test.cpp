// The tokeniser, on its own.
#include <gtest/gtest.h>

#include "Parser_sent_ru.h"

namespace rusengine {
namespace {

struct TTok {
  int IsWord;
  std::u16string Text;
  bool operator==(const TTok&) const = default;
};

std::vector<TTok> Tokens(std::u16string_view s) {
  TSP_rus p;
  p.Tokenise(s);
  std::vector<TTok> out;
  for (const TUnit& u : p.Units) out.push_back({u.IsWord, u.Text});
  return out;
}

TEST(Tokenise, WordsSeparatorsAndSpaces) {
  EXPECT_EQ(Tokens(u"Да, нет"), (std::vector<TTok>{{1, u"Да"}, {0, u", "}, {1, u"нет"}}));
  EXPECT_EQ(Tokens(u"я  знаю"), (std::vector<TTok>{{1, u"я"}, {1, u"знаю"}}));
  EXPECT_EQ(Tokens(u" я 12 дом "),
            (std::vector<TTok>{{0, u" "}, {1, u"я"}, {0, u" 12 "}, {1, u"дом"}, {0, u" "}}));
  // Only U+0020 vanishes between words.
  EXPECT_EQ(Tokens(u"я\tдом"), (std::vector<TTok>{{1, u"я"}, {0, u"\t"}, {1, u"дом"}}));
  EXPECT_TRUE(Tokens(u"").empty());
  EXPECT_EQ(Tokens(u"..."), (std::vector<TTok>{{0, u"..."}}));
}

TEST(Tokenise, Hyphens) {
  EXPECT_EQ(Tokens(u"из-за"), (std::vector<TTok>{{1, u"из-за"}}));
  EXPECT_EQ(Tokens(u"слово-"), (std::vector<TTok>{{1, u"слово"}, {0, u"-"}}));
  EXPECT_EQ(Tokens(u"-слово"), (std::vector<TTok>{{0, u"-"}, {1, u"слово"}}));
  EXPECT_EQ(Tokens(u"а--б-"), (std::vector<TTok>{{1, u"а--б"}, {0, u"-"}}));
}

TEST(Tokenise, Particles) {
  EXPECT_EQ(Tokens(u"Знаешь ли ты"), (std::vector<TTok>{{1, u"Знаешь"}, {1, u"ты"}}));
  EXPECT_EQ(Tokens(u"ль, ли"), (std::vector<TTok>{{0, u", "}}));
  EXPECT_EQ(Tokens(u"Ли ли-то"), (std::vector<TTok>{{1, u"Ли"}, {1, u"ли-то"}}));
}

}  // namespace
}  // namespace rusengine
