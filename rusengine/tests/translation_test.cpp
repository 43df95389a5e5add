// Whole sentences through the C exports, on the fixture lexicon.
#include "EngineTest.h"

namespace rusengine::fixture {

TEngineLib& SharedEngine() {
  static TEngineLib engine;
  return engine;
}

using Translation = EngineTest;

TEST_F(Translation, SeparatorsAndSpacesBetweenWords) {
  EXPECT_EQ(P(u"Да, нет"), (std::vector<TPiece>{{u"Әйе", 0}, {u", ", 0}, {u"юк", 0}}));
  // However many spaces stood between two words, one is emitted.
  EXPECT_EQ(P(u"Я    знаю"), (std::vector<TPiece>{{u"Мин ", 0}, {u"беләм", 0}}));
  EXPECT_EQ(P(u"..."), (std::vector<TPiece>{{u"...", 0}}));
  EXPECT_TRUE(P(u"").empty());
  EXPECT_EQ(T(u"Я знаю 2 дома."), u"Мин беләм 2 йортлар.");
}

TEST_F(Translation, ParticlesAreDropped) {
  // The verb goes to the end of the clause.
  EXPECT_EQ(P(u"Знаешь ли ты"), (std::vector<TPiece>{{u"Син ", 0}, {u"беләсең", 0}}));
  EXPECT_EQ(T(u"Знаешь ль ты?"), u"Син беләсеңме?");
  // Only the lower-case particle as written is dropped.
  EXPECT_EQ(P(u"Знаешь ЛИ ты")[0], (TPiece{u"ЛИ ", -1}));
}

TEST_F(Translation, HyphensInsideAndAtTheEndOfWords) {
  EXPECT_EQ(T(u"Из-за солдата"), u"Солдат аркасында");
  EXPECT_EQ(P(u"слово-"), (std::vector<TPiece>{{u"Слово", -1}, {u"-", 0}}));
  EXPECT_EQ(P(u"дом--"), (std::vector<TPiece>{{u"Йорт", 0}, {u"--", 0}}));
}

TEST_F(Translation, CapitalPatterns) {
  // The first slot gets a capital initial only; a capitalised word later
  // keeps its pattern.
  EXPECT_EQ(T(u"ДОМ"), u"Йорт");
  EXPECT_EQ(T(u"я знаю ДОМ"), u"Мин беләм ЙОРТ");
  EXPECT_EQ(T(u"Я знаю Дом"), u"Мин беләм Йорт");
  // A one-letter capital word is a capital initial, not all capitals.
  EXPECT_EQ(T(u"Он: «Я знаю»"), u"Он: «Мин беләм»");
  EXPECT_EQ(T(u"я знаю, Я"), u"Мин беләм, Мин");
  EXPECT_EQ(T(u"я знаю, НЕ ДОМ"), u"Мин беләм, ЙОРТ ТҮГЕЛ");
}

TEST_F(Translation, UnknownWordsPassThroughAsWritten) {
  EXPECT_EQ(P(u"Я знаю НАТО"),
            (std::vector<TPiece>{{u"Мин ", 0}, {u"беләм ", 0}, {u"НАТО", -1}}));
  EXPECT_EQ(P(u"Я знаю iPhone")[2], (TPiece{u"iPhone", -1}));
  // At the start of the sentence only the first letter is raised.
  EXPECT_EQ(P(u"iPhone знаю")[0], (TPiece{u"IPhone ", -1}));
  EXPECT_EQ(P(u"Не блямс")[0], (TPiece{u"Блямс түгел", -1}));
}

TEST_F(Translation, Alternatives) {
  // Opening the sentence, the imperative reading wins.
  EXPECT_EQ(P(u"Знаем"), (std::vector<TPiece>{{u"Беләбез", 0}}));
  // After a subject the imperative reading goes.
  EXPECT_EQ(P(u"Я знаем"), (std::vector<TPiece>{{u"Мин ", 0}, {u"беләсез", 0}}));
  // Without capitals, even at the start of the sentence.
  EXPECT_EQ(T(u"Лук"), u"{суган, ук}");
  // Homonym stems of two paradigms both give readings.
  EXPECT_EQ(T(u"Я знаю ключ."), u"Мин беләм {ачкыч, чишмә}.");
}

TEST_F(Translation, Negation) {
  EXPECT_EQ(T(u"Я не знаю"), u"Мин белмим");
  EXPECT_EQ(T(u"Я не не знаю"), u"Мин беләм");
  EXPECT_EQ(T(u"Не дом"), u"Йорт түгел");
  EXPECT_EQ(T(u"Не читая"), u"Укымыйча");
  EXPECT_EQ(T(u"читая"), u"Укып");
  // The negation of an adjective travels to the noun.
  EXPECT_EQ(T(u"Не большой дом"), u"Зур йорт түгел");
  EXPECT_EQ(T(u"Не большой красный дом"), u"Зур кызыл йорт түгел");
  EXPECT_EQ(T(u"Не читающий"), u"Укучы түгел");
  EXPECT_EQ(T(u"Не так"), u"Шулай түгел");
}

TEST_F(Translation, NegationWithNoWordAfterIt) {
  // "не" closing a word run stands on its own; the separator comes once.
  EXPECT_EQ(P(u"Ты да или не?"), (std::vector<TPiece>{{u"Син ", 0},
                                                     {u"әйе ", 0},
                                                     {u"или ", -1},
                                                     {u"түгел", 0},
                                                     {u"?", 0}}));
  EXPECT_EQ(T(u"Не"), u"Түгел");
  // Two of them cancel and leave nothing, not even a stray space.
  EXPECT_EQ(T(u"Ты не не."), u"Син.");
}

TEST_F(Translation, Prepositions) {
  EXPECT_EQ(T(u"В доме"), u"Йортта");
  EXPECT_EQ(T(u"В дом"), u"Йортка");
  // Carried across adjectives to the noun.
  EXPECT_EQ(T(u"О большом доме"), u"Зур йорт турында");
  EXPECT_EQ(T(u"О большом красном доме"), u"Зур кызыл йорт турында");
  // A separator stops it.
  EXPECT_EQ(T(u"О большом, доме"), u"Зур турында, йорт");
  // Plural nouns take the plural case; code 7 has none.
  EXPECT_EQ(T(u"К домам"), u"Йортларга");
  EXPECT_EQ(T(u"В домах"), u"Йортта");
  EXPECT_EQ(T(u"Для домов"), u"Йортлар өчен");
  // A preposition without a postposition adds no blank.
  EXPECT_EQ(P(u"В доме.")[0], (TPiece{u"Йортта", 0}));
}

TEST_F(Translation, PrepositionWithNoWordAfterIt) {
  EXPECT_EQ(P(u"Я для, ты да"), (std::vector<TPiece>{{u"Мин ", 0},
                                                    {u"өчен", 0},
                                                    {u", ", 0},
                                                    {u"син ", 0},
                                                    {u"әйе", 0}}));
  // At the end of the sentence it keeps its own capitals.
  EXPECT_EQ(T(u"я ДЛЯ"), u"Мин ӨЧЕН");
  EXPECT_EQ(T(u"я Для"), u"Мин Өчен");
  // A "не" before it is kept.
  EXPECT_EQ(T(u"Я не для."), u"Мин өчен түгел.");
}

TEST_F(Translation, NounNumber) {
  EXPECT_EQ(T(u"Солдат"), u"Солдат");
  EXPECT_EQ(T(u"Больших солдат"), u"Зур солдатлар");
  EXPECT_EQ(T(u"Солдат большие"), u"Солдатлар зур");
  EXPECT_EQ(T(u"Больших, солдат"), u"Зур, солдат");
}

TEST_F(Translation, AdjectiveForms) {
  EXPECT_EQ(T(u"Новейший дом"), u"Иң яңа йорт");
  EXPECT_EQ(T(u"Новее"), u"Яңарак");
  EXPECT_EQ(T(u"Домом"), u"Йорт белән");
  EXPECT_EQ(T(u"Большим домом"), u"Зур белән йорт белән");
  EXPECT_EQ(T(u"Читающим"), u"Укучы белән");
}

TEST_F(Translation, LongestPhraseFirst) {
  EXPECT_EQ(P(u"Потому что так"), (std::vector<TPiece>{{u"Шуңа күрә", 0}}));
  EXPECT_EQ(P(u"Потому что знаю"), (std::vector<TPiece>{{u"Чөнки ", 0}, {u"беләм", 0}}));
  EXPECT_EQ(T(u"Я потому что так."), u"Мин шуңа күрә.");
}

TEST_F(Translation, YoIsLookedUpAsYe) {
  EXPECT_EQ(T(u"Ещё"), u"Тагын");
  EXPECT_EQ(T(u"ЕЩЁ все"), u"Тагын барысы");
  EXPECT_EQ(T(u"Всё"), u"Барысы");
  EXPECT_EQ(T(u"Ёлка"), u"Чыршылар");
  // prepositions too, whichever way they are written
  EXPECT_EQ(T(u"Насчёт домов"), u"Йортлар турында");
  EXPECT_EQ(T(u"Насчет домов"), u"Йортлар турында");
}

TEST_F(Translation, RepeatsAcrossSlots) {
  // Two slots whose only reading is the same text both keep it.
  EXPECT_EQ(T(u"Знаете знаете"), u"Беләсез беләсез");
  // A reading seen earlier in the sentence is dropped from a later slot.
  EXPECT_EQ(T(u"Знаете, знаем"), u"Беләсез, беләбез");
}

TEST_F(Translation, NoCallbackEmitsNothing) {
  SharedEngine().Disconnect();
  EXPECT_TRUE(P(u"Я знаю").empty());
  SharedEngine().Connect();
  EXPECT_EQ(T(u"Я знаю"), u"Мин беләм");
}

TEST_F(Translation, CallbackCannotReenter) {
  static TEngineLib* lib = &SharedEngine();
  static std::vector<std::u16string> pieces;
  pieces.clear();
  lib->FSetOut([](const char16_t* piece, int32_t) {
    pieces.push_back(piece);
    lib->FParse(u"Да");
  });
  lib->FParse(u"Я знаю");
  EXPECT_EQ(pieces, (std::vector<std::u16string>{u"Мин ", u"беләм"}));
  SharedEngine().Connect();
}

TEST_F(Translation, LongSentence) {
  std::u16string s;
  std::u16string expected;
  for (int i = 0; i < 2000; ++i) {
    s += u"я не знаю, ";
    expected += i == 0 ? u"Мин белмим, " : u"мин белмим, ";
  }
  EXPECT_EQ(T(s), expected);
}

}  // namespace rusengine::fixture
