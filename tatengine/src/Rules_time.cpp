// Time expressions whose Russian case and preposition the Tatar case does
// not give: "бер сәгатьтән" (через час), "ике көнгә" (на два дня),
// "биш минутта" (за пять минут), "сишәмбедә" (во вторник), "өченче көнне" (на третий день), "сигезенче
// март" (восьмое марта), "2020 елда" (в 2020 году).
#include <algorithm>

#include "Common_ta.h"
#include "Parser_sent_ta.h"
#include "TextUtil.h"
#include "Transler.h"

namespace tatengine {
namespace {

bool IsWeekday(std::u16string_view lemma) {
  static constexpr std::u16string_view days[] = {u"понедельник", u"вторник", u"среда",      u"четверг",
                                                 u"пятница",     u"суббота", u"воскресенье"};
  return std::find(std::begin(days), std::end(days), lemma) != std::end(days);
}

// The genitive of the month a Tatar word names (мартта: марта), or "".
// By the Tatar stem: "май" is also butter in the lexicon.
std::u16string_view MonthGenitive(std::u16string_view word) {
  static constexpr std::pair<std::u16string_view, std::u16string_view> months[] = {
      {u"гыйнвар", u"января"}, {u"февраль", u"февраля"}, {u"март", u"марта"},       {u"апрель", u"апреля"},
      {u"май", u"мая"},        {u"июнь", u"июня"},       {u"июль", u"июля"},        {u"август", u"августа"},
      {u"сентябрь", u"сентября"}, {u"октябрь", u"октября"}, {u"ноябрь", u"ноября"}, {u"декабрь", u"декабря"}};
  for (auto [tat, rus] : months) {
    // The stem, then an ending (май, майда, мартның); a soft sign may go
    // before a vowel (сентябре).
    std::u16string_view stem = tat;
    if (stem.ends_with(u"ь") && !word.starts_with(stem)) stem.remove_suffix(1);
    if (word.starts_with(stem) && word.size() <= stem.size() + 4) return rus;
  }
  return {};
}

// Words after an ablative span that make it "from" or "than", not "in":
// ике сәгатьтән бирле (for two hours), биш минуттан артык (over five minutes).
bool KeepsAblative(std::u16string_view next) {
  static constexpr std::u16string_view words[] = {u"башлап", u"бирле", u"соң",   u"элек",  u"артык",
                                                  u"ким",    u"күбрәк", u"азрак", u"алда", u"соңрак"};
  return std::find(std::begin(words), std::end(words), next) != std::end(words);
}

bool IsOrdinalWord(std::u16string_view word) {
  return word.ends_with(u"нче") || word.ends_with(u"нчы");
}

bool IsDigits(std::u16string_view text) {
  bool digit = false;
  for (char16_t c : text) {
    if (c >= u'0' && c <= u'9')
      digit = true;
    else if (c != u' ')
      return false;
  }
  return digit;
}

}  // namespace

void TSP_tat::TimeCases() {
  for (int k = FirstWord; k <= LastWord; ++k) {
    if (Kits[k].Kind != kkTranslated || Class(k) != wcNoun) continue;
    const int code = Tat(k).EndingCode;
    const std::u16string lemma = LemmaOf(k);
    // A weekday says when in the accusative: во вторник, в субботу.
    if (IsWeekday(lemma) && Rus(k).Case == 11 && Rus(k).Prefix == u"в ") {
      Rus(k).Case = 7;
      Rus(k).Agreed = 1;
      continue;
    }
    // A counted span in the ablative is the time after which (через час);
    // in the dative the time for which (на два дня).
    const bool after = IsAblativeEnding(code);
    const bool span = IsDativeEnding(code);
    // In the locative the time it takes: биш минутта, за пять минут (but
    // "сигез сәгатьтә" is a clock time, "атнада ике тапкыр" a frequency).
    const bool within = !after && !span && (Rus(k).Case == 11 || Rus(k).Case == 12) && !IsHourNoun(k) &&
                        (Rus(k).Prefix == u"в " || Rus(k).Prefix == u"на ") && Source(k + 1) != u"тапкыр" &&
                        Source(k + 2) != u"тапкыр";
    // "берничә" counts like a numeral: берничә көннән, через несколько дней.
    if ((!after && !span && !within) || !IsTimeUnit(k) || (!IsCountWord(k - 1) && Source(k - 1) != u"берничә"))
      continue;
    const std::u16string next = Source(k + 1);
    // "биш яшьтән" is "с пяти лет".
    if (after && (Source(k).starts_with(u"яш") || KeepsAblative(next) || IsComparative(k + 1))) continue;
    if (k < LastWord && Class(k + 1) == wcPostposition) continue;
    Kits[k].Readings.resize(1);
    PutTimePreposition(k, after ? u"через" : within ? u"за" : u"на", after ? u"соң" : u"");
    if (Source(k - 1) == u"берничә") {
      // "несколько" takes the genitive plural (через несколько дней) and
      // hands the sentence capital to the preposition put before it.
      Rus(k).Case = 3;
      Rus(k).Number = 2;
      Kits[k + 1].Capital = Kits[k - 1].Capital;
      Kits[k - 1] = FixedKit(u"несколько", wcNumeral);
    }
  }
}

void TSP_tat::PutTimePreposition(int& k, std::u16string_view preposition, std::u16string_view source) {
  Kits.insert(Kits.begin() + k + 1, FixedKit(preposition, wcPostposition));
  ++LastWord;
  Rus(k + 1).Case = 7;
  Tat(k + 1).Source = source;
  Rus(k).Prefix.clear();
  Rus(k).Case = 7;
  Rus(k).Agreed = 1;
  // One unit goes without "один" (через час, на неделю); the last word of
  // a compound count stays (через двадцать один день).
  if (Source(k - 1) == u"бер" && !IsCountWord(k - 2)) {
    Kits[k].Capital = Kits[k - 1].Capital;
    Kits.erase(Kits.begin() + k - 1);
    --LastWord;
    --k;
  }
}

void TSP_tat::Dates() {
  // An ordinal before a month names a day: the ordinal is neuter and the
  // month is in the genitive (восьмое марта, первого сентября).
  for (int o = FirstWord; o < LastWord; ++o) {
    const int m = o + 1;
    if (Kits[o].Kind != kkTranslated || Class(o) != wcAdjective || !IsOrdinalWord(Source(o))) continue;
    if (Kits[m].Kind != kkTranslated || Class(m) != wcNoun) continue;
    const std::u16string_view monthName = MonthGenitive(Source(m));
    if (monthName.empty()) continue;
    const int code = Tat(m).EndingCode;
    const TFormRus& month = Rus(m);
    int ordinalCase = 3;
    std::u16string_view preposition;
    const bool possessor = month.Case <= 2 && month.Prefix.empty() && IsPossessedHead(m + 1);
    if (IsAblativeEnding(code)) {
      preposition = u"с";
    } else if (IsDativeEnding(code)) {
      preposition = u"к";
      ordinalCase = 5;
    } else if (month.Case <= 2 && month.Prefix.empty() && !possessor) {
      ordinalCase = 1;
    } else if (!(month.Case == 11 || month.Case == 3 || possessor)) {
      continue;
    }
    TTransUnit ordinal = Kits[o].Readings[0];
    ordinal.Rus.Case = static_cast<uint8_t>(ordinalCase);
    ordinal.Rus.Gender = 3;
    ordinal.Rus.Number = 1;
    ordinal.Rus.Prefix.clear();
    Translator->Dictionary().Generate(ordinal);
    if (ordinal.Rus.RusText.empty()) continue;
    std::u16string text = preposition.empty() ? u"" : std::u16string(preposition) + u' ';
    text += ordinal.Rus.RusText + u' ' + std::u16string(monthName);
    const uint8_t capital = Kits[o].Capital;
    TTransKit date = FixedKit(text, wcUnchanged03);
    date.Readings[0].Tat.Source = Source(o);
    Kits.erase(Kits.begin() + o, Kits.begin() + m + 1);
    --LastWord;
    if (possessor) {
      // "сигезенче март бәйрәме": праздник восьмого марта.
      Kits[o].Capital = capital;
      Kits.insert(Kits.begin() + o + 1, std::move(date));
      ++o;
    } else {
      date.Capital = capital;
      Kits.insert(Kits.begin() + o, std::move(date));
    }
  }
}

void TSP_tat::YearPrepositions() {
  // "2020 елда": the preposition goes before the digits (в 2020 году).
  for (int p = std::max(FirstWord, 1); p < LastWord; ++p) {
    if (Kits[p].Kind != kkTranslated || Class(p) != wcPostposition || Kits[p - 1].Kind != kkSeparator) continue;
    if (!IsDigits(Kits[p - 1].Text) || Class(p + 1) != wcNoun) continue;
    std::u16string& digits = Kits[p - 1].Text;
    const size_t at = digits.find_first_not_of(u' ');
    digits.insert(at, Kits[p].Text + u' ');
    // A sentence that starts with the year starts with the preposition.
    if (p - 1 == 0) UpperFirst(Kits[0].Text);
    Kits.erase(Kits.begin() + p);
    --LastWord;
  }
}

}  // namespace tatengine
