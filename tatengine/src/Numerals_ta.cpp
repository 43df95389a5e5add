#include "Numerals_ta.h"

#include <algorithm>

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

// Calls f with each blank-separated word of text, in order; stops when f
// returns false.
template <typename F>
void ForEachWord(std::u16string_view text, F f) {
  for (size_t from = 0; from <= text.size();) {
    const size_t space = std::min(text.find(u' ', from), text.size());
    if (!f(text.substr(from, space - from))) return;
    from = space + 1;
  }
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

}  // namespace

int CardinalValue(std::u16string_view word) {
  for (const TCardinal& c : Cardinals)
    if (c.Tat == word) return c.Value;
  return 0;
}

bool AllCardinals(std::u16string_view text) {
  if (text.empty()) return false;
  bool all = true;
  ForEachWord(text, [&all](std::u16string_view word) { return all = CardinalValue(word) != 0; });
  return all;
}

int CardinalsValue(std::u16string_view words) {
  int total = 0, current = 0;
  ForEachWord(words, [&](std::u16string_view word) {
    const int v = CardinalValue(word);
    if (v == 1000) {
      total += (current ? current : 1) * 1000;
      current = 0;
    } else if (v == 100) {
      current = (current ? current : 1) * 100;
    } else {
      current += v;
    }
    return true;
  });
  return total + current;
}

std::u16string RussianCardinal(int value) {
  if (value <= 0 || value >= 1000000) return {};
  std::u16string out;
  const int thousands = value / 1000;
  if (thousands == 1) {
    out = u"тысяча";
  } else if (thousands > 1) {
    out = Hundreds(thousands, true);
    const int last = thousands % 10, lastTwo = thousands % 100;
    out += (last == 1 && lastTwo != 11)                                 ? u" тысяча"
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

bool EndsInOne(std::u16string_view numeral) { return numeral == u"один" || numeral.ends_with(u" один"); }

bool SplitOne(std::u16string_view numeral, std::u16string_view& tens) {
  if (!numeral.ends_with(u" один")) return false;
  tens = numeral.substr(0, numeral.size() - 5);
  return true;
}

}  // namespace tatengine
