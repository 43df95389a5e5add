#include "Verbs.h"

#include <algorithm>

#include "Common_ta.h"
#include "SplitWord.h"
#include "TextUtil.h"
#include "VerbAspect.h"

namespace tatengine {
namespace {

// Auxiliaries after "-ып" that complete the action: чык (6), бетер (8), кал
// (9: куркып калды "испугался"), куй (13), җибәр (14), бет (17), җит (18).
bool IsCompletiveKind(int aux) {
  return aux == 6 || aux == 8 || aux == 9 || aux == 13 || aux == 14 || aux == 17 || aux == 18;
}

// Perfectives whose negated imperative warns (не забудь, не упади).
bool IsMishapVerb(std::u16string_view infinitive) {
  static constexpr std::u16string_view verbs[] = {u"забыть", u"опоздать", u"упасть", u"потерять",
                                                  u"простудиться", u"уронить", u"разбить"};
  for (std::u16string_view v : verbs)
    if (infinitive == v) return true;
  return false;
}

// Tatar verbs of going somewhere.
bool IsMotionStem(std::u16string_view stem) {
  static constexpr std::u16string_view stems[] = {u"кайт", u"кил", u"чык", u"кер", u"бар", u"кит",
                                                  u"йөгер", u"оч", u"төш", u"мен", u"күч"};
  for (std::u16string_view s : stems)
    if (stem == s) return true;
  return false;
}

bool IsConstructionCode(int c) {
  return c == 5 || c == 16 || c == 17 || c == 75 || (c >= 99 && c <= 104);
}

}  // namespace

TVerb::TVerb(const std::string& dataPath)
    : VerbForms(LoadTable(dataPath, "plr10.pack")),
      Endings(LoadTable(dataPath, "flt10.pack")),
      Stems(LoadTable(dataPath, "itfst10.pack")) {}

void TVerb::PerfectiveFuture(int code, TFormRus& rus) const {
  // The future of a perfective verb is its present form (приду, not "буду
  // прийти"); only imperfective verbs take "буду" + infinitive.
  if (code >= 51 && code <= 74 && IsPerfective(rus.StemRow)) {
    static constexpr uint8_t present[6] = {3, 4, 5, 7, 8, 9};
    rus.Case = present[(code - 51) % 6];
    rus.Prefix.assign(IsNegativeVerbEnding(code) ? u"не " : u"");
  }
}

bool TVerb::AnalyseWord(std::u16string_view text, TFormTat& tat, TFormRus& rus) const {
  TSplit split;
  if (!SplitWord(Split, text, false, split)) return false;
  const int c = split.Code;
  tat.WordClass = wcVerb;
  tat.StemRow = split.Row;
  tat.EndingCode = static_cast<uint8_t>(c);
  if (c <= 105) {
    const TCasePrefix rule = VerbRule(c);
    rus.Case = rule.Case;
    rus.Prefix.assign(rule.Prefix);
  }
  rus.StemRow = VerbForForm(split.Row, c);
  PerfectiveFuture(c, rus);
  // "давай" with an imperfective verb takes the infinitive: давай работать.
  if (c == 96 && !IsPerfective(rus.StemRow)) rus.Case = 1;
  // "кайткач": after the action, the perfective gerund (вернувшись).
  if (c == 79 && PartnerNumber(split.Row) > 0 && IsPerfective(rus.StemRow)) {
    rus.Case = 14;
    rus.Prefix.clear();
  }
  rus.WordClass = wcVerb;
  rus.Gender = 1;
  rus.Variant = 0;
  rus.Number = 1;
  rus.Suffix.clear();
  return true;
}

bool TVerb::Analyse(std::u16string_view text, std::u16string_view next, bool& usedNext,
                    TFormRus& rus, TFormTat& tat) const {
  usedNext = false;
  if (!AnalyseWord(text, tat, rus)) return false;
  const int c = tat.EndingCode;
  const int mainRow = tat.StemRow;

  if (!next.empty() && IsConstructionCode(c)) {
    int aux = 0;
    if (c == 5 && SameText(next, u"кирәк")) aux = 24;
    if (c >= 99 && c <= 104 && SameText(next, u"бар")) aux = 25;
    TFormTat nTat;
    TFormRus nRus;
    bool haveSecond = false;
    if (aux == 0) {
      if (AnalyseWord(next, nTat, nRus)) {
        const int number = VerbNumber(nTat.StemRow);
        if (IsAuxVerbId(number)) {
          aux = AuxKind(c, number);
          haveSecond = true;
        }
      }
    }
    usedNext = aux > 0;
    // "кайтып китте": going off after a motion is the motion itself, done
    // (вернулся домой), not "начал вернуться".
    const bool goneOff = aux == 7 && haveSecond && IsMotionStem(TatarStem(mainRow));
    if (usedNext) {
      if (IsNewStemKind(aux) && !goneOff) {
        // The auxiliary's meaning in the auxiliary's form, then the main verb;
        // "начать" and "начинать" take the imperfective (начал читать).
        rus.Case = 1;
        rus.StemRow = VerbNumber(mainRow);
        if (aux == 4 || aux == 7 || aux == 12) rus.StemRow = VerbForForm(mainRow, 15);
        std::u16string first = Generate(rus);
        tat.EndingCode = nTat.EndingCode;
        tat.StemRow = nTat.StemRow;
        rus = nRus;
        rus.StemRow = AuxStem(aux);
        // "-а башлый" in the present is "начинает", not "начнёт".
        if (aux == 4 && AspectOfForm(nTat.EndingCode) == awImperfective &&
            FindNumber(VerbForms, 2180) >= 0) {
          const TCasePrefix rule = VerbRule(nTat.EndingCode);
          rus.StemRow = 2180;
          rus.Case = rule.Case;
          rus.Prefix.assign(rule.Prefix);
        }
        rus.Suffix = u" ";
        rus.Suffix += first;
      } else if ((IsCompletiveKind(aux) && PartnerNumber(mainRow) > 0 && haveSecond) || goneOff) {
        // "укып бетердем", "язып куйдым": the auxiliary completes the action,
        // which Russian says with the perfective verb alone (прочитал,
        // записал), in the auxiliary's form.
        const int entry = VerbNumber(mainRow);
        const int partner = PartnerNumber(mainRow);
        tat.EndingCode = nTat.EndingCode;
        const TCasePrefix rule = VerbRule(nTat.EndingCode);
        rus.Case = rule.Case;
        rus.Prefix.assign(rule.Prefix);
        rus.Suffix.clear();
        rus.StemRow = IsPerfective(entry) || partner <= 0 ? entry : partner;
        PerfectiveFuture(nTat.EndingCode, rus);
      } else {
        const TAffixes affixes = AuxAffixes(aux);
        tat.EndingCode = static_cast<uint8_t>(c);
        rus.StemRow = VerbNumber(mainRow);
        // "надо" and "предстоит" take the infinitive.
        if (aux == 24 || aux == 25 || !haveSecond)
          rus.Case = 1;
        else
          rus.Case = VerbRule(nTat.EndingCode).Case;
        std::u16string prefix(affixes.Prefix);
        prefix += nRus.Prefix;
        std::u16string suffix = nRus.Suffix;
        suffix += affixes.Suffix;
        rus.Prefix = std::move(prefix);
        rus.Suffix = std::move(suffix);
      }
    }
  }
  tat.Source.assign(text);
  if (usedNext) {
    tat.Source += u' ';
    tat.Source += next;
  }
  return true;
}

bool TVerb::IsPerfective(int verbNumber) const {
  const int row = FindNumber(VerbForms, verbNumber);
  return row >= 0 && CellAt(VerbForms, row, 2) == u"p";
}

std::u16string TVerb::FormText(const TFormRus& rus, int selector) const {
  const int row = FindNumber(VerbForms, rus.StemRow);
  if (row < 0) return {};
  std::u16string text = rus.Prefix;
  const std::u16string_view form = CellAt(VerbForms, row, selector + 2);
  // The future of "быть" is "будет" alone, not "будет быть".
  if (form == u"быть" && text.ends_with(u" ") && text.find(u"буд") != std::u16string::npos)
    text.pop_back();
  else
    text += form;
  text += rus.Suffix;
  return text;
}

std::u16string TVerb::Generate(const TFormRus& rus) const {
  int k = rus.Case;
  if (k == 10 || k == 15) {
    const int gender = rus.Gender < 1 ? 1 : (rus.Gender > 3 ? 3 : rus.Gender);
    k = rus.Number == 1 && rus.Gender <= 3 ? k + gender - 1 : k + 3;
  }
  return FormText(rus, k);
}

std::u16string TVerb::PlainForm(const TFormRus& rus) const { return FormText(rus, rus.Case); }

void TVerb::SetDefault(TFormRus& rus) {
  rus.WordClass = wcVerb;
  rus.Case = 1;
  rus.StemRow = -1;
  rus.Gender = 1;
  rus.Variant = 0;
  rus.Number = 1;
  rus.Prefix.clear();
  rus.Suffix.clear();
}

std::u16string_view TVerb::TatarStem(int row) const { return CellAt(Stems, row, 0); }

int TVerb::VerbNumber(int row) const { return IntAt(Stems, row, 3) & 0xFFFF; }

int TVerb::InviteNumber(int row) const { return std::max(IntAt(Stems, row, 5), 0); }

int TVerb::PartnerNumber(int row) const {
  return static_cast<int>(static_cast<uint32_t>(IntAt(Stems, row, 3)) >> 16);
}

int TVerb::VerbForForm(int row, int code) const {
  const int entry = VerbNumber(row);
  const int partner = PartnerNumber(row);
  TAspectWish wish = AspectOfForm(code);
  // An order is to get something done (Напишите!, Закройте дверь!); to come,
  // go or enter Russian invites with the imperfective (Приходи!, Заходите!).
  if (code == 2 || code == 11) {
    // A posture verb names its own (Утырыгыз!: Садитесь!, Тор!: Вставай!).
    if (const int invite = InviteNumber(row); invite > 0) return invite;
    wish = IsMotionStem(TatarStem(row)) ? awImperfective : awPerfective;
  }
  const int chosen = VerbOfAspect(entry, partner, IsPerfective(entry), wish);
  // A warning against a mishap keeps the perfective: не забудь, не опоздай.
  if ((code == 3 || code == 12) && partner > 0) {
    const int perfective = IsPerfective(entry) ? entry : partner;
    const int r = FindNumber(VerbForms, perfective);
    if (r >= 0 && IsMishapVerb(CellAt(VerbForms, r, 1))) return perfective;
  }
  return chosen;
}

std::u16string_view TVerb::Government(int row) const {
  const std::u16string_view cell = CellAt(Stems, row, 2);
  const size_t bar = cell.find(u'|');
  return bar == std::u16string_view::npos ? std::u16string_view{} : cell.substr(bar + 1);
}

std::u16string InfinitiveOf(const TVerb& verbs, const TFormRus& form) {
  TFormRus rus = form;
  rus.Case = 1;
  rus.Prefix.clear();
  rus.Suffix.clear();
  return verbs.PlainForm(rus);
}

int VerbNumberOf(const TVerb& verbs, std::u16string_view infinitive) {
  const int rows = verbs.VerbForms.RowCount();
  for (int r = 0; r < rows; ++r)
    if (CellAt(verbs.VerbForms, r, 1) == infinitive) return IntAt(verbs.VerbForms, r, 0);
  return -1;
}

int RoundTripOf(const TVerb& verbs, const TFormRus& form) {
  static constexpr std::pair<std::u16string_view, std::u16string_view> trips[] = {
      {u"идти", u"ходить"},    {u"пойти", u"ходить"}, {u"ехать", u"ездить"}, {u"поехать", u"ездить"},
      {u"бежать", u"бегать"},  {u"побежать", u"бегать"}, {u"лететь", u"летать"}, {u"плыть", u"плавать"},
      {u"нести", u"носить"},   {u"везти", u"возить"}};
  const std::u16string infinitive = InfinitiveOf(verbs, form);
  for (const auto& [oneWay, round] : trips)
    if (infinitive == oneWay) return VerbNumberOf(verbs, round);
  return -1;
}

}  // namespace tatengine
