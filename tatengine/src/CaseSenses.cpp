// Readings and prepositions that the neighbours of a noun decide: a word
// that is adjective and noun with nothing to qualify is the noun (авыру
// аркасында: из-за болезни); a material in the ablative before a verb of
// making says "из" (кардан ясалган: из снега, not "со снега"), a cause
// says "от" (авыруыннан: от болезни); "арасында"
// after a plural is "среди" (балалар арасында: среди детей), between two
// things named apart it stays "между".
#include "Common_ta.h"
#include "Parser_sent_ta.h"
#include "Senses.h"
#include "TextUtil.h"
#include "Transler.h"

namespace tatengine {
namespace {

// Materials things are made of (Tatar lemmas).
constexpr std::u16string_view Materials[] = {
    u"кар",    u"агач",  u"таш",   u"тимер", u"пыяла", u"балчык", u"ефәк", u"йон",    u"күн",
    u"алтын",  u"көмеш", u"он",    u"кирпеч", u"бакыр", u"тукыма", u"боз",  u"ком",    u"камыр",
    u"кәгазь", u"пластик", u"ситса", u"киез", u"мамык", u"бронза", u"мәрмәр", u"сөт", u"ит"};

// Causes: the ablative of these is "от" (авырудан: от болезни, ачлыктан:
// от голода, шатлыктан: от радости).
constexpr std::u16string_view Causes[] = {u"авыру", u"чир", u"грипп", u"ютәл", u"салкын", u"суык", u"эссе",
                                          u"ачлык", u"шатлык", u"курку", u"ару", u"сусау", u"оят", u"ялгызлык",
                                          u"кайгы", u"ачу", u"борчылу"};

// Stems of the verbs of making, as the verb or participle starts (ясалган,
// эшләнгән, тегелгән, салынган, пешерелгән, бәйләнгән, төзелгән).
constexpr std::u16string_view MakingStems[] = {u"яса", u"эшлә", u"тег", u"тек", u"төзе", u"төзел", u"пешер",
                                               u"бәйлә", u"салын", u"салган", u"кой"};

template <size_t N>
bool Among(std::u16string_view word, const std::u16string_view (&list)[N]) {
  for (auto w : list)
    if (w == word) return true;
  return false;
}

template <size_t N>
bool StartsWithAny(std::u16string_view word, const std::u16string_view (&list)[N]) {
  for (auto w : list)
    if (word.starts_with(w)) return true;
  return false;
}

}  // namespace

void TSP_tat::NounsWithNothingToQualify() {
  for (int k = FirstWord; k < LastWord; ++k) {
    int noun = -1, adjective = -1;
    if (!HasReading(k, wcNoun, noun) || !HasReading(k, wcAdjective, adjective)) continue;
    if (Kits[k].Readings[noun].Tat.WordClass != wcNoun) continue;
    // A postposition right after it governs it, so there is no noun for
    // it to qualify: the word names a thing (куркыныч аркасында: из-за угрозы).
    // The postposition is also what the next word means then, not a noun
    // the word would qualify (авыру аркасында: not "in the sick back").
    int post = -1;
    if (Kits[k + 1].Kind != kkTranslated || !HasReading(k + 1, wcPostposition, post)) continue;
    Keep(k, noun);
    Keep(k + 1, post);
  }
}

void TSP_tat::CaseSenses() {
  // A белән B арасында at slot b: между A и B, both in the instrumental.
  auto betweenTwo = [this](int b) {
    const int a = b - 2;
    if (a < FirstWord || Kits[b - 1].Kind != kkTranslated || Lowered(Source(b - 1)) != u"белән") return false;
    if (Kits[a].Kind != kkTranslated || Class(a) != wcNoun || CaseOfEnding(Tat(a).EndingCode) != 0) return false;
    if (CaseOfEnding(Tat(b).EndingCode) != 0) return false;
    for (int n : {a, b}) {
      int reading = -1;
      HasReading(n, wcNoun, reading);
      Keep(n, reading);
      Rus(n).Prefix.clear();
      Rus(n).Case = Rus(n).Number == 2 ? 10 : 9;
      Rus(n).Agreed = 1;
    }
    Kits.erase(Kits.begin() + b + 1);
    Kits[b - 1] = FixedKit(u"и");
    const int start = NounPhraseStart(a);
    TTransKit between = FixedKit(u"между");
    between.Capital = Kits[start].Capital;
    Kits[start].Capital = 0;
    Kits.insert(Kits.begin() + start, std::move(between));
    return true;
  };
  for (int k = FirstWord; k <= LastWord; ++k) {
    if (Kits[k].Kind != kkTranslated || Class(k) != wcNoun || Tat(k).WordClass != wcNoun) continue;
    const int code = Tat(k).EndingCode;
    if (IsAblativeEnding(code) && Among(TatarLemmaOf(k), Materials)) {
      // A verb or participle of making later in the clause.
      bool making = false;
      for (int v = k + 1; v <= LastWord && Kits[v].Kind == kkTranslated && !making; ++v)
        making = HasReading(v, wcVerb | wcParticiple) && StartsWithAny(Lowered(Source(v)), MakingStems);
      if (!making) continue;
      for (TTransUnit& reading : Kits[k].Readings)
        if (reading.Rus.WordClass == wcNoun && (reading.Rus.Prefix == u"с " || reading.Rus.Prefix == u"от "))
          reading.Rus.Prefix = u"из ";
      continue;
    }
    if (IsAblativeEnding(code) && Among(TatarLemmaOf(k), Causes)) {
      for (TTransUnit& reading : Kits[k].Readings)
        if (reading.Rus.WordClass == wcNoun && (reading.Rus.Prefix == u"с " || reading.Rus.Prefix == u"из "))
          reading.Rus.Prefix = u"от ";
      continue;
    }
    // "арасында" after a plural noun: among them (среди детей). A count
    // (ике өй арасында) or two things named (Казан белән Мәскәү арасында)
    // keep "между".
    if (k == LastWord || Lowered(Source(k + 1)) != u"арасында" || !HasReading(k + 1, wcPostposition)) continue;
    if (betweenTwo(k)) continue;
    if (!IsPluralEnding(code)) continue;
    bool apart = false;
    for (int j = ClauseStart(k); j < k; ++j) {
      const std::u16string w = Lowered(Source(j));
      apart = apart || w == u"белән" || w == u"һәм" || w == u"вә" || (Kits[j].Kind == kkTranslated && Class(j) == wcNumeral);
    }
    if (apart) continue;
    const std::u16string word = Source(k + 1);
    Kits[k + 1] = FixedKit(u"среди", wcPostposition);
    Tat(k + 1).Source = word;
    Rus(k + 1).Case = 4;  // genitive plural
  }
}

}  // namespace tatengine
