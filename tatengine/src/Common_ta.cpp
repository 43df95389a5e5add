#include "Common_ta.h"

#include <array>
#include <initializer_list>

namespace tatengine {
namespace {

using std::u16string_view;

template <size_t N>
struct TCaseTable {
  std::array<TCasePrefix, N + 1> Rows{};  // index 0 unused (case 0, no prefix)
  void Set(int code, int caseNo, u16string_view prefix = {}) {
    Rows[code] = TCasePrefix{static_cast<uint8_t>(caseNo), prefix};
  }
  TCasePrefix At(int code) const {
    if (code < 1 || code > static_cast<int>(N)) return TCasePrefix{0, {}};
    return Rows[code];
  }
};

TCaseTable<87> MakeNounRules() {
  TCaseTable<87> t;
  t.Set(1, 1);
  t.Set(2, 3);
  t.Set(3, 7, u"в ");
  t.Set(4, 7);
  t.Set(5, 3, u"из ");
  t.Set(6, 11, u"в ");
  for (int b = 7; b <= 31; b += 6) {
    t.Set(b, 1);
    t.Set(b + 1, 3);
    t.Set(b + 2, 5);
    t.Set(b + 3, 7);
    t.Set(b + 4, 3, u"из ");
    t.Set(b + 5, 11, u"в ");
  }
  t.Set(37, 4);
  t.Set(38, 6);
  t.Set(39, 8);
  t.Set(40, 4, u"из ");
  t.Set(41, 12, u"в ");
  for (int b = 42; b <= 66; b += 6) {
    t.Set(b, 2);
    t.Set(b + 1, 4);
    t.Set(b + 2, 6);
    t.Set(b + 3, 8);
    t.Set(b + 4, 4, u"из ");
    t.Set(b + 5, 12, u"в ");
  }
  t.Set(72, 3, u"без ");
  t.Set(73, 4, u"без ");
  t.Set(74, 3);
  t.Set(75, 4);
  for (int c = 76; c <= 81; ++c) t.Set(c, 3, u"без ");
  for (int c = 82; c <= 85; ++c) t.Set(c, 11, u"находящийся в ");
  t.Set(86, 12, u"находящийся в ");
  t.Set(87, 2);
  return t;
}

TCaseTable<71> MakeGanRules() {
  TCaseTable<71> t;
  t.Set(1, 1);
  t.Set(2, 2);
  t.Set(3, 3);
  t.Set(4, 2);
  t.Set(5, 2, u"от ");
  t.Set(6, 1, u"когда ");
  // Singular possessor blocks: cases 4, 5, 6, 4, 5, 8.
  auto singular = [&t](int b, u16string_view a, u16string_view g, u16string_view d,
                       u16string_view a2, u16string_view abl, u16string_view loc) {
    t.Set(b, 4, a);
    t.Set(b + 1, 5, g);
    t.Set(b + 2, 6, d);
    t.Set(b + 3, 4, a2);
    t.Set(b + 4, 5, abl);
    t.Set(b + 5, 8, loc);
  };
  singular(7, u"мое ", u"моего ", u"моему ", u"мое ", u"от моего ", u"в моем ");
  singular(13, u"твое ", u"твоего ", u"твоему ", u"твое ", u"от твоего ", u"в твоем ");
  singular(19, {}, {}, {}, {}, u"от ", u"в ");
  singular(25, u"наше ", u"нашего ", u"нашему ", u"наше ", u"от нашего ", u"в нашем ");
  singular(31, u"ваше ", u"вашего ", u"вашему ", u"ваше ", u"от вашего ", u"в вашем ");
  t.Set(37, 10);
  t.Set(38, 11);
  t.Set(39, 9);
  t.Set(40, 10, u"от ");
  t.Set(41, 12, u"в ");
  // Plural blocks: cases 9, 10, 11, 9, 10, 12.
  auto plural = [&t](int b, u16string_view a, u16string_view g, u16string_view d,
                     u16string_view a2, u16string_view abl, u16string_view loc) {
    t.Set(b, 9, a);
    t.Set(b + 1, 10, g);
    t.Set(b + 2, 11, d);
    t.Set(b + 3, 9, a2);
    t.Set(b + 4, 10, abl);
    t.Set(b + 5, 12, loc);
  };
  plural(42, u"мои ", u"моих ", u"моим ", u"мои ", u"от моих ", u"в моих ");
  plural(48, u"твои ", u"твоих ", u"твоим ", u"твои ", u"от твоих ", u"в твоих ");
  plural(54, {}, {}, {}, {}, u"от ", u"в ");
  plural(60, u"наши ", u"наших ", u"нашим ", u"наши ", u"от наших ", u"в наших ");
  plural(66, u"ваши ", u"ваших ", u"вашим ", u"ваши ", u"от ваших ", u"в ваших ");
  return t;
}

TCaseTable<105> MakeVerbRules() {
  TCaseTable<105> t;
  t.Set(1, 1);
  t.Set(2, 2);
  t.Set(3, 2, u"не ");
  t.Set(4, 1, u"не ");
  t.Set(5, 1);
  t.Set(6, 1, u"не ");
  t.Set(7, 5, u"если ");
  t.Set(8, 5, u"если не ");
  t.Set(9, 5, u"пусть ");
  t.Set(10, 5, u"пусть не ");
  t.Set(11, 6);
  t.Set(12, 6, u"не ");
  t.Set(13, 9, u"пусть ");
  t.Set(14, 9, u"пусть не ");
  const int plain[] = {3, 4, 5, 7, 8, 9};
  for (int k = 0; k < 6; ++k) {
    t.Set(15 + k, plain[k]);
    t.Set(21 + k, plain[k], u"не ");
  }
  for (int c = 27; c <= 29; ++c) t.Set(c, 10);
  for (int c = 30; c <= 32; ++c) t.Set(c, 13);
  for (int c = 33; c <= 35; ++c) t.Set(c, 10, u"не ");
  for (int c = 36; c <= 38; ++c) t.Set(c, 13, u"не ");
  for (int c = 39; c <= 41; ++c) t.Set(c, 10);
  for (int c = 42; c <= 44; ++c) t.Set(c, 13);
  for (int c = 45; c <= 47; ++c) t.Set(c, 10, u"не ");
  for (int c = 48; c <= 50; ++c) t.Set(c, 13, u"не ");
  static constexpr u16string_view future[12] = {
      u"буду ",    u"будешь ",    u"будет ",    u"будем ",    u"будете ",    u"будут ",
      u"не буду ", u"не будешь ", u"не будет ", u"не будем ", u"не будете ", u"не будут "};
  for (int k = 0; k < 12; ++k) {
    t.Set(51 + k, 1, future[k]);
    t.Set(63 + k, 1, future[k]);
  }
  t.Set(75, 14);
  t.Set(76, 14, u"не ");
  t.Set(77, 1, u"до того как ");
  t.Set(78, 1, u"до того как не ");
  t.Set(79, 1, u"после того как ");
  t.Set(80, 1, u"после того как не ");
  t.Set(81, 15);
  t.Set(82, 15, u"не ");
  t.Set(83, 10, u"когда ");
  t.Set(84, 10, u"когда не ");
  const int cond[] = {3, 4, 7, 8, 9};
  for (int k = 0; k < 5; ++k) {
    t.Set(85 + k, cond[k], u"если ");
    t.Set(90 + k, cond[k], u"если не ");
  }
  t.Set(95, 3, u"дай ");
  t.Set(96, 7, u"давай ");
  t.Set(97, 3, u"давай не ");
  t.Set(98, 7, u"давай не ");
  t.Set(99, 8);
  t.Set(100, 9);
  t.Set(101, 3);
  t.Set(102, 7);
  t.Set(103, 3);
  t.Set(104, 7);
  t.Set(105, 1);
  return t;
}

const TCaseTable<87> NounRules = MakeNounRules();
const TCaseTable<71> GanRules = MakeGanRules();
const TCaseTable<105> VerbRules = MakeVerbRules();

bool InRanges(int code, std::initializer_list<std::pair<int, int>> ranges) {
  for (auto [lo, hi] : ranges)
    if (code >= lo && code <= hi) return true;
  return false;
}

int Clamp(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

}  // namespace

TCasePrefix NounRule(int code) { return NounRules.At(code); }
TCasePrefix GanRule(int code) { return GanRules.At(code); }
TCasePrefix VerbRule(int code) { return VerbRules.At(code); }

std::u16string_view VerbRuleCap(int code) {
  // Every prefix ends in a blank so that it joins the word after it.
  if (code == 3 || code == 4 || code == 6) return u"не ";
  if (code == 7) return u"если ";
  if (code == 8) return u"если не ";
  if (code == 9 || code == 13) return u"Пусть ";
  if (code == 10 || code == 14) return u"Пусть не ";
  if (code == 12 || InRanges(code, {{21, 26}, {33, 38}, {45, 50}})) return u"Не ";
  return {};
}

std::u16string_view IntentForm(int caseNo) {
  static constexpr u16string_view forms[13] = {
      u"намереваться ",  u"намеревайся ",  u"намереваюсь ",   u"намереваешься ", u"намеревается ",
      u"намеревайся ",   u"намереваемся ", u"намереваетесь ", u"намереваются ",  u"намеревался ",
      u"намеревалась ",  u"намеревалось ", u"намеревались "};
  if (caseNo < 1 || caseNo > 13) return {};
  return forms[caseNo - 1];
}

bool IsLikeWord(std::u16string_view word) {
  return word == u"кебек" || word == u"төсле" || word == u"сыман" || word == u"күк";
}

// 37-41 are the bare plural in the five oblique cases, the ablative (40)
// included: балалардан is "от детей", never "от ребёнка".
bool IsPluralEnding(int code) {
  return InRanges(code, {{37, 71}, {73, 73}, {75, 75}, {86, 87}});
}
bool IsBareNounEnding(int code) {
  return InRanges(code, {{1, 6}, {37, 41}, {72, 75}, {82, 82}, {87, 87}});
}
bool IsPossessedEnding(int code) {
  return InRanges(code, {{7, 36}, {42, 71}, {76, 81}, {83, 86}});
}
bool IsNegativeVerbEnding(int code) {
  return code == 3 || code == 4 || code == 6 || code == 8 || code == 10 || code == 12 ||
         code == 14 ||
         InRanges(code, {{21, 26}, {33, 38}, {45, 50}, {57, 62}, {69, 74}});
}
bool IsAblativeEnding(int code) {
  switch (code) {
    case 5: case 11: case 17: case 23: case 29: case 35:
    case 40: case 46: case 52: case 58: case 64: case 70:
      return true;
    default:
      return false;
  }
}

bool IsDativeEnding(int code) {
  switch (code) {
    case 3: case 9: case 15: case 21: case 27: case 33:
    case 38: case 44: case 50: case 56: case 62: case 68:
      return true;
    default:
      return false;
  }
}

int CaseMap(int caseNo, int number) {
  static constexpr uint8_t singular[20] = {1, 1, 3, 3, 5, 5, 7, 7, 9, 9,
                                           11, 11, 1, 3, 1, 3, 5, 7, 5, 7};
  int c = Clamp(caseNo, 1, 20);
  return singular[c - 1] + (number == 2 ? 1 : 0);
}

int AdjFormCode(int caseNo, int variant, int gender) {
  int row = Clamp((caseNo + 1) / 2, 1, 7);
  int g = Clamp(gender, 1, 4);
  if (row == 7) return 29;
  if (row == 4) return (variant >= 1 ? 17 : 13) + g - 1;
  if (row > 4) return (row - 1) * 4 + 4 + g;
  return (row - 1) * 4 + g;
}

bool IsAuxVerbId(int number) {
  static constexpr int ids[] = {364,  473,  587,  932,  1733, 1808, 2091, 2180, 2825, 2914,
                                4030, 4127, 4825, 5151, 5157, 5165, 5182, 5186, 5230};
  for (int id : ids)
    if (id == number) return true;
  return false;
}

int AuxKind(int mainCode, int auxNumber) {
  struct TPair {
    int Aux, Kind;
  };
  static constexpr TPair code75[] = {{364, 13},  {473, 10},  {587, 18},  {932, 8},   {1733, 14},
                                     {1808, 5},  {2091, 17}, {2914, 15}, {4030, 9},  {4127, 16},
                                     {4825, 12}, {5151, 19}, {5157, 7},  {5165, 1},  {5182, 3},
                                     {5186, 11}, {5230, 6}};
  if (mainCode == 5) return auxNumber == 861 ? 21 : 0;
  if (mainCode == 16 || (mainCode >= 99 && mainCode <= 104)) return auxNumber == 5186 ? 23 : 0;
  if (mainCode == 17) {
    if (auxNumber == 2180) return 4;
    if (auxNumber == 2825) return 20;
    if (auxNumber == 5165) return 2;
    return 0;
  }
  if (mainCode == 75) {
    for (const TPair& p : code75)
      if (p.Aux == auxNumber) return p.Kind;
    return 0;
  }
  if (mainCode == 105) return auxNumber == 186 ? 22 : 0;
  return 0;
}

int AuxStem(int kind) {
  switch (kind) {
    case 2: return 2037;
    case 4: return 5248;
    case 5: return 5249;
    case 7: return 5248;
    case 9: return 5250;
    case 12: return 2180;
    case 21: return 2180;
    case 22: return 4050;
    case 23: return 5300;
    default: return 0;
  }
}

bool IsNewStemKind(int kind) { return AuxStem(kind) != 0; }

TAffixes AuxAffixes(int kind) {
  switch (kind) {
    case 1: return {u"немного ", {}};
    case 3: return {u"постоянно ", {}};
    case 6: return {u"весь ", {}};
    case 8: return {u"до конца ", {}};
    case 10: return {{}, u" вовнутрь"};
    case 11: return {u"постепенно ", {}};
    case 13: return {u"обязательно ", {}};
    case 14: return {u"быстро ", {}};
    case 15: return {{}, u" вверх"};
    case 16: return {{}, u" вниз"};
    case 17: return {u"до конца ", {}};
    case 18: return {u"до конца ", {}};
    case 19: return {u"постоянно ", {}};
    case 20: return {u"чуть не ", {}};
    case 24: return {u"надо ", {}};
    case 25: return {u"предстоит ", {}};
    default: return {};
  }
}

TAffixes IdePersonForm(int pattern, int n) {
  static constexpr u16string_view plain[6] = {u"я ", u"ты ", u"", u"мы ", u"вы ", u"они "};
  static constexpr u16string_view negative[6] = {u"я не ", u"ты не ", u"не ",
                                                 u"мы не ", u"вы не ", u"они не "};
  static constexpr u16string_view ifPlain[6] = {u"если я ", u"если ты ", u"если ",
                                                u"если мы ", u"если вы ", u"если они "};
  static constexpr u16string_view ifNegative[6] = {u"если я не ", u"если ты не ", u"если не ",
                                                   u"если мы не ", u"если вы не ", u"если они не "};
  static constexpr u16string_view wish[6] = {u"я хотел бы ", u"ты хотел бы ", u"хотел бы ",
                                             u"мы хотели бы ", u"вы хотели бы ", u"они хотели бы "};
  if (n < 1 || n > 6) return {};
  int k = n - 1;
  switch (pattern) {
    case 1: case 3: return {plain[k], {}};
    case 2: case 4: return {negative[k], {}};
    case 5: return {plain[k], u" бы"};
    case 6: return {negative[k], u" бы"};
    case 7: return {ifPlain[k], u" бы"};
    case 8: return {ifNegative[k], u" бы"};
    case 14: return {wish[k], {}};
    default: return {};
  }
}

const TGlueWord GlueWords[GlueWordCount] = {
    {u"бар", 0},   {u"бит", 1},    {u"генә", 2},   {u"гына", 2},   {u"да", 3},
    {u"дә", 3},    {u"әллә", 4},   {u"кенә", 2},   {u"кына", 2},   {u"менә", 6},
    {u"соң", 7},   {u"та", 3},     {u"тапкыр", 8}, {u"тә", 3},     {u"ул", 9},
    {u"микән", 11}, {u"яме", 12},  {u"бер", 13},   {u"хәзер", 10}};

std::u16string_view GlueText(int kind, int index) {
  static constexpr u16string_view texts[GlueKindCount][4] = {
      {u"есть", u"иди", {}, {}},
      {u"лицо (страница)", u"ведь", {}, {}},
      {u"довольно", u"только", {}, {}},
      {{}, {}, {}, {}},
      {u"ли", {}, {}, {}},
      {{}, {}, {}, {}},
      {u"поднимается", u"вот", {}, {}},
      {u"после", u"ли", u"поздно", u"же"},
      {u"находчивый", u"раз", {}, {}},
      {u"этот", u"он", {}, {}},
      {u"готов", u"сейчас", {}, {}},
      {u"ли", {}, {}, {}},
      {u"красота", u"ладно", {}, {}},
      {u"один", u"раз", {}, {}}};
  if (kind < 0 || kind >= GlueKindCount || index < 0 || index > 3) return {};
  return texts[kind][index];
}

std::u16string_view FaceForm(int x) {
  static constexpr u16string_view f[12] = {u"лицо", u"лица", u"лица", u"лиц",
                                           u"лицу", u"лицам", u"лицо", u"лиц",
                                           u"лицом", u"лицами", u"лице", u"лицах"};
  return f[Clamp(x, 1, 12) - 1];
}

std::u16string_view PageForm(int x) {
  static constexpr u16string_view f[12] = {u"страница", u"страницы", u"страницы", u"страниц",
                                           u"странице", u"страницам", u"страницу", u"страницы",
                                           u"страницей", u"страницами", u"странице", u"страницах"};
  return f[Clamp(x, 1, 12) - 1];
}

std::u16string_view RiseForm(int number) {
  return number == 2 ? u"поднимаются" : u"поднимается";
}

std::u16string_view ThisForm(int gender) {
  static constexpr u16string_view f[4] = {u"этот", u"эта", u"это", u"эти"};
  return f[Clamp(gender, 1, 4) - 1];
}

std::u16string_view ReadyForm(int gender) {
  static constexpr u16string_view f[4] = {u"готов", u"готова", u"готово", u"готовы"};
  return f[Clamp(gender, 1, 4) - 1];
}

std::u16string_view ResourcefulForm(int x, int gender) {
  static constexpr u16string_view odd[6][4] = {
      {u"находчивый", u"находчивая", u"находчивое", u"находчивые"},
      {u"находчивого", u"находчивую", u"находчивого", u"находчивых"},
      {u"находчивому", u"находчивой", u"находчивому", u"находчивым"},
      {u"находчивого", u"находчивую", u"находчивое", u"находчивых"},
      {u"находчивым", u"находчивой", u"находчивым", u"находчивыми"},
      {u"находчивом", u"находчивой", u"находчивом", u"находчивых"}};
  int c = Clamp(x, 1, 12);
  int row = (c - 1) / 2;
  if (c % 2 == 0) return odd[row][3];  // plural: one form for every gender
  return odd[row][Clamp(gender, 1, 4) - 1];
}

std::u16string_view OneForm(int x, int gender, bool animate) {
  static constexpr u16string_view odd[6][4] = {
      {u"один", u"одна", u"одно", u"одни"},       {u"одного", u"одной", u"одного", u"одних"},
      {u"одному", u"одной", u"одному", u"одним"}, {u"один", u"одну", u"одно", u"одни"},
      {u"одним", u"одной", u"одним", u"одними"},  {u"одном", u"одной", u"одном", u"одних"}};
  int c = Clamp(x, 1, 12);
  int row = (c - 1) / 2;
  int column = c % 2 == 0 ? 3 : Clamp(gender, 1, 4) - 1;
  // The accusative of an animate masculine noun or plural is the genitive
  // (увидел одного мальчика), of an inanimate one the nominative (взял
  // один билет).
  if (row == 3 && animate && (column == 0 || column == 3)) row = 1;
  return odd[row][column];
}

int PronounPerson(std::u16string_view low) {
  static constexpr std::u16string_view pronouns[6] = {u"мин", u"син", u"ул", u"без", u"сез", u"алар"};
  for (int k = 0; k < 6; ++k)
    if (low == pronouns[k]) return k + 1;
  return 0;
}

int IdePerson(std::u16string_view low) {
  static constexpr std::u16string_view forms[6] = {u"идем", u"идең", u"иде", u"идек", u"идегез", u"иделәр"};
  for (int k = 0; k < 6; ++k)
    if (low == forms[k]) return k + 1;
  return 0;
}

}  // namespace tatengine
