// Compound ordinals: in "мең тугыз йөз туксан бишенче елда" only the last
// word is an ordinal; Russian declines only that word too and keeps the
// cardinal words before it in the nominative, with the noun in the singular
// (в тысяча девятьсот девяносто пятом году). The cardinal words become one
// fixed slot so that no agreement or count rule declines them or makes the
// noun plural.
#include <algorithm>
#include <string>
#include <string_view>

#include "Parser_sent_ta.h"
#include "TextUtil.h"

namespace tatengine {
namespace {

struct TCardinal {
  std::u16string_view Tat;
  int Value;
};
constexpr TCardinal Cardinals[] = {
    {u"бер", 1},     {u"ике", 2},      {u"өч", 3},     {u"дүрт", 4},     {u"биш", 5},     {u"алты", 6},
    {u"җиде", 7},    {u"сигез", 8},    {u"тугыз", 9},  {u"ун", 10},      {u"егерме", 20}, {u"утыз", 30},
    {u"кырык", 40},  {u"илле", 50},    {u"алтмыш", 60}, {u"җитмеш", 70}, {u"сиксән", 80}, {u"туксан", 90},
    {u"йөз", 100},   {u"мең", 1000}};

int CardinalValue(std::u16string_view word) {
  for (const TCardinal& c : Cardinals)
    if (c.Tat == word) return c.Value;
  return 0;
}

// Whether every space-separated word of a slot's text is a cardinal word
// (a two-word numeral such as "ике мең" is one slot).
bool AllCardinals(std::u16string_view text) {
  if (text.empty()) return false;
  size_t from = 0;
  while (from <= text.size()) {
    const size_t space = std::min(text.find(u' ', from), text.size());
    if (CardinalValue(text.substr(from, space - from)) == 0) return false;
    from = space + 1;
  }
  return true;
}

// The Russian nominative of 1..999; feminine for тысяча (одна, две).
std::u16string Hundreds(int v, bool feminine) {
  static constexpr std::u16string_view hundreds[] = {u"",        u"сто",      u"двести",   u"триста",   u"четыреста",
                                                     u"пятьсот", u"шестьсот", u"семьсот", u"восемьсот", u"девятьсот"};
  static constexpr std::u16string_view tens[] = {u"",         u"",          u"двадцать",   u"тридцать",
                                                 u"сорок",    u"пятьдесят", u"шестьдесят", u"семьдесят",
                                                 u"восемьдесят", u"девяносто"};
  static constexpr std::u16string_view teens[] = {u"десять",      u"одиннадцать", u"двенадцать", u"тринадцать",
                                                  u"четырнадцать", u"пятнадцать", u"шестнадцать", u"семнадцать",
                                                  u"восемнадцать", u"девятнадцать"};
  static constexpr std::u16string_view units[] = {u"",     u"один",  u"два",    u"три",    u"четыре",
                                                  u"пять", u"шесть", u"семь",   u"восемь", u"девять"};
  std::u16string out;
  auto add = [&out](std::u16string_view word) {
    if (word.empty()) return;
    if (!out.empty()) out += u' ';
    out += word;
  };
  add(hundreds[v / 100]);
  const int rest = v % 100;
  if (rest >= 10 && rest < 20) {
    add(teens[rest - 10]);
  } else {
    add(tens[rest / 10]);
    const int unit = rest % 10;
    if (feminine && unit == 1)
      add(u"одна");
    else if (feminine && unit == 2)
      add(u"две");
    else
      add(units[unit]);
  }
  return out;
}

// The Russian nominative cardinal of 1..999999 (тысяча девятьсот девяносто).
std::u16string RussianCardinal(int value) {
  if (value <= 0 || value >= 1000000) return {};
  std::u16string out;
  const int thousands = value / 1000;
  if (thousands == 1) {
    out = u"тысяча";
  } else if (thousands > 1) {
    out = Hundreds(thousands, true);
    const int last = thousands % 10, lastTwo = thousands % 100;
    out += (last == 1 && lastTwo != 11)                             ? u" тысяча"
           : (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14)) ? u" тысячи"
                                                                    : u" тысяч";
  }
  const std::u16string rest = Hundreds(value % 1000, false);
  if (!rest.empty()) {
    if (!out.empty()) out += u' ';
    out += rest;
  }
  return out;
}

}  // namespace

void TSP_tat::CompoundOrdinals() {
  for (int o = FirstWord + 1; o <= LastWord; ++o) {
    int adjective = -1;
    if (Kits[o].Kind != kkTranslated || !HasReading(o, wcAdjective, adjective)) continue;
    const std::u16string ordinal = Source(o);
    if (ordinal.find(u"нче") == std::u16string::npos && ordinal.find(u"нчы") == std::u16string::npos) continue;
    // The cardinal words right before it.
    int start = o;
    while (start - 1 >= FirstWord && Kits[start - 1].Kind == kkTranslated && HasReading(start - 1, wcNumeral) &&
           AllCardinals(Source(start - 1)))
      --start;
    if (start == o) continue;
    // "ун бишенче" is one ordinal (пятнадцатый), not ten and a fifth.
    if (Source(o - 1) == u"ун" || Source(o - 1).ends_with(u" ун")) continue;
    std::u16string words;
    for (int k = start; k < o; ++k) {
      if (!words.empty()) words += u' ';
      words += Source(k);
    }
    int total = 0, current = 0;
    for (size_t from = 0; from <= words.size();) {
      const size_t space = std::min(words.find(u' ', from), words.size());
      const int v = CardinalValue(std::u16string_view(words).substr(from, space - from));
      from = space + 1;
      if (v == 1000) {
        total += (current ? current : 1) * 1000;
        current = 0;
      } else if (v == 100) {
        current = (current ? current : 1) * 100;
      } else {
        current += v;
      }
    }
    const std::u16string text = RussianCardinal(total + current);
    if (text.empty()) continue;
    Keep(o, adjective);
    const uint8_t capital = Kits[start].Capital;
    Kits.erase(Kits.begin() + start + 1, Kits.begin() + o);
    Kits[start] = FixedKit(text, wcUnchanged03);
    // Still a numeral on the Tatar side: the preposition of the phrase goes
    // before it (в тысяча девятьсот ...).
    Kits[start].Readings.front().Tat.WordClass = wcNumeral;
    Kits[start].Capital = capital;
    LastWord -= o - start - 1;
    o = start + 1;
  }
}

}  // namespace tatengine
