#include "RusForms.h"

#include <array>

namespace tatengine {
namespace {

using std::u16string_view;

// Forms of one possessive pronoun: by Russian case 1-6 (rows) for masculine,
// feminine, neuter and plural (columns); the animate accusative is the
// genitive and is taken from row 2.
using TPossessive = std::array<std::array<u16string_view, 4>, 6>;

constexpr TPossessive Moj = {{{u"мой", u"моя", u"моё", u"мои"},
                              {u"моего", u"моей", u"моего", u"моих"},
                              {u"моему", u"моей", u"моему", u"моим"},
                              {u"мой", u"мою", u"моё", u"мои"},
                              {u"моим", u"моей", u"моим", u"моими"},
                              {u"моём", u"моей", u"моём", u"моих"}}};
constexpr TPossessive Tvoj = {{{u"твой", u"твоя", u"твоё", u"твои"},
                               {u"твоего", u"твоей", u"твоего", u"твоих"},
                               {u"твоему", u"твоей", u"твоему", u"твоим"},
                               {u"твой", u"твою", u"твоё", u"твои"},
                               {u"твоим", u"твоей", u"твоим", u"твоими"},
                               {u"твоём", u"твоей", u"твоём", u"твоих"}}};
constexpr TPossessive Nash = {{{u"наш", u"наша", u"наше", u"наши"},
                               {u"нашего", u"нашей", u"нашего", u"наших"},
                               {u"нашему", u"нашей", u"нашему", u"нашим"},
                               {u"наш", u"нашу", u"наше", u"наши"},
                               {u"нашим", u"нашей", u"нашим", u"нашими"},
                               {u"нашем", u"нашей", u"нашем", u"наших"}}};
constexpr TPossessive Vash = {{{u"ваш", u"ваша", u"ваше", u"ваши"},
                               {u"вашего", u"вашей", u"вашего", u"ваших"},
                               {u"вашему", u"вашей", u"вашему", u"вашим"},
                               {u"ваш", u"вашу", u"ваше", u"ваши"},
                               {u"вашим", u"вашей", u"вашим", u"вашими"},
                               {u"вашем", u"вашей", u"вашем", u"ваших"}}};

constexpr TPossessive Etot = {{{u"этот", u"эта", u"это", u"эти"},
                               {u"этого", u"этой", u"этого", u"этих"},
                               {u"этому", u"этой", u"этому", u"этим"},
                               {u"этот", u"эту", u"это", u"эти"},
                               {u"этим", u"этой", u"этим", u"этими"},
                               {u"этом", u"этой", u"этом", u"этих"}}};
constexpr TPossessive Tot = {{{u"тот", u"та", u"то", u"те"},
                              {u"того", u"той", u"того", u"тех"},
                              {u"тому", u"той", u"тому", u"тем"},
                              {u"тот", u"ту", u"то", u"те"},
                              {u"тем", u"той", u"тем", u"теми"},
                              {u"том", u"той", u"том", u"тех"}}};

u16string_view TableForm(const TPossessive& table, int x, int gender, bool animate) {
  if (x < 1 || x > 12) return {};
  int row = (x - 1) / 2;
  const bool plural = x % 2 == 0 || gender == 4;
  const int column = plural ? 3 : (gender >= 1 && gender <= 3 ? gender - 1 : 0);
  // The animate accusative is the genitive, except in the feminine singular.
  if (row == 3 && animate && (plural || column != 1)) row = 1;
  return table[row][column];
}

// Oblique forms (genitive, dative, instrumental, prepositional) of the
// numerals that do not follow the "-ь" pattern.
struct TNumeralRow {
  u16string_view Nominative;
  u16string_view Feminine;  // nominative/accusative with a feminine noun
  u16string_view Genitive, Dative, Instrumental, Prepositional;
};
constexpr TNumeralRow IrregularNumerals[] = {
    {u"два", u"две", u"двух", u"двум", u"двумя", u"двух"},
    {u"три", u"три", u"трёх", u"трём", u"тремя", u"трёх"},
    {u"четыре", u"четыре", u"четырёх", u"четырём", u"четырьмя", u"четырёх"},
    {u"оба", u"обе", u"обоих", u"обоим", u"обоими", u"обоих"},
    {u"сорок", u"сорок", u"сорока", u"сорока", u"сорока", u"сорока"},
    {u"девяносто", u"девяносто", u"девяноста", u"девяноста", u"девяноста", u"девяноста"},
    {u"сто", u"сто", u"ста", u"ста", u"ста", u"ста"},
    {u"тысяча", u"тысяча", u"тысячи", u"тысяче", u"тысячей", u"тысяче"},
    {u"несколько", u"несколько", u"нескольких", u"нескольким", u"несколькими", u"нескольких"},
    {u"восемь", u"восемь", u"восьми", u"восьми", u"восемью", u"восьми"},
};

bool EndsWith(u16string_view s, u16string_view tail) {
  return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

// One word of a numeral in case 1-6.
std::u16string NumeralWord(u16string_view word, int caseNo, int gender, bool animate) {
  if (caseNo == 4) caseNo = animate && IsPaucal(word) ? 2 : 1;
  for (const TNumeralRow& row : IrregularNumerals) {
    if (word != row.Nominative) continue;
    switch (caseNo) {
      case 1: return std::u16string(gender == 2 ? row.Feminine : row.Nominative);
      case 2: return std::u16string(row.Genitive);
      case 3: return std::u16string(row.Dative);
      case 5: return std::u16string(row.Instrumental);
      case 6: return std::u16string(row.Prepositional);
      default: return std::u16string(word);
    }
  }
  if (caseNo == 1) return std::u16string(word);
  std::u16string w(word);
  // пятьдесят .. восемьдесят: both halves decline (пятидесяти, пятьюдесятью).
  if (EndsWith(w, u"ьдесят")) {
    std::u16string head = w.substr(0, w.size() - 6);
    if (caseNo == 5) return head + u"ьюдесятью";
    if (head == u"восем") head = u"восьм";
    return head + u"идесяти";
  }
  // пять .. двадцать, тридцать: genitive/dative/prepositional -и, instrumental -ью.
  if (EndsWith(w, u"ь")) {
    w.pop_back();
    return caseNo == 5 ? w + u"ью" : w + u"и";
  }
  return w;
}

}  // namespace

int PossessorOf(int nounCode) {
  if (nounCode >= 7 && nounCode <= 36) return (nounCode - 7) / 6 + 1;
  if (nounCode >= 42 && nounCode <= 71) return (nounCode - 42) / 6 + 1;
  if (nounCode >= 76 && nounCode <= 80) return nounCode - 75;
  if (nounCode == 81) return 3;
  if (nounCode >= 83 && nounCode <= 85) return nounCode - 82;
  if (nounCode == 86) return 3;
  return 0;
}

std::u16string_view PossessiveForm(int person, int x, int gender, bool animate) {
  const TPossessive* table = nullptr;
  switch (person) {
    case 1: table = &Moj; break;
    case 2: table = &Tvoj; break;
    case 4: table = &Nash; break;
    case 5: table = &Vash; break;
    default: return {};
  }
  return TableForm(*table, x, gender, animate);
}

std::u16string_view DemonstrativeForm(std::u16string_view masculine, int x, int gender, bool animate) {
  if (masculine == u"этот") return TableForm(Etot, x, gender, animate);
  if (masculine == u"тот") return TableForm(Tot, x, gender, animate);
  return {};
}

bool IsPaucal(std::u16string_view numeral) {
  const size_t blank = numeral.rfind(u' ');
  const u16string_view last = blank == u16string_view::npos ? numeral : numeral.substr(blank + 1);
  return last == u"два" || last == u"три" || last == u"четыре" || last == u"оба";
}

std::u16string NumeralForm(std::u16string_view numeral, int caseNo, int gender, bool animate) {
  std::u16string out;
  size_t p = 0;
  while (p <= numeral.size()) {
    size_t q = numeral.find(u' ', p);
    if (q == u16string_view::npos) q = numeral.size();
    if (!out.empty()) out += u' ';
    const bool last = q == numeral.size();
    // Only the last word agrees in gender (двадцать две).
    out += NumeralWord(numeral.substr(p, q - p), caseNo, last ? gender : 1, animate);
    p = q + 1;
  }
  return out;
}

}  // namespace tatengine
