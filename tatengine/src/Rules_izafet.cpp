// Noun + possessed noun groups: "мәктәп директоры" (директор школы),
// "татар теле" (татарский язык), "татар теле дәресендә" (на уроке
// татарского языка), "өч баланың әнисе" (мать троих детей). The Russian
// head comes first and takes the case of the whole group; each possessor
// follows it in the genitive, except one the lexicon also reads as an
// adjective, which stays before its noun and agrees with it.
#include <array>
#include <vector>

#include "Common_ta.h"
#include "Parser_sent_ta.h"
#include "RusForms.h"
#include "Transler.h"

namespace tatengine {
namespace {

// The genitive of the collective numerals that count people in Russian
// (мать троих детей); "" for numerals that have none in common use.
std::u16string_view CollectiveGenitive(std::u16string_view numeral) {
  static constexpr std::array<std::pair<std::u16string_view, std::u16string_view>, 6> Forms = {{
      {u"два", u"двоих"},
      {u"три", u"троих"},
      {u"четыре", u"четверых"},
      {u"пять", u"пятерых"},
      {u"шесть", u"шестерых"},
      {u"семь", u"семерых"},
  }};
  for (const auto& [cardinal, collective] : Forms)
    if (cardinal == numeral) return collective;
  return {};
}

}  // namespace

bool TSP_tat::IsPossessedHead(int slot) {
  if (slot < FirstWord || slot > LastWord || Kits[slot].Kind != kkTranslated) return false;
  return Rus(slot).WordClass == wcNoun && IsPossessedEnding(Tat(slot).EndingCode) &&
         PossessorOf(Tat(slot).EndingCode) == 3;
}

void TSP_tat::PossessorAdjectives() {
  for (int i = FirstWord; i < LastWord; ++i) {
    int adjective = -1;
    int noun = -1;
    int head = -1;
    if (!HasReading(i, wcAdjective, adjective) || !HasReading(i, wcNoun, noun)) continue;
    if (!IsBareNounEnding(Kits[i].Readings[noun].Tat.EndingCode)) continue;
    if (Kits[i].Readings[adjective].Tat.EndingCode > 1 || !HasReading(i + 1, wcNoun, head)) continue;
    const int code = Kits[i + 1].Readings[head].Tat.EndingCode;
    if (IsPossessedEnding(code) && PossessorOf(code) == 3) Keep(i, adjective);
  }
}

void TSP_tat::IzafetGroups() {
  for (int i = FirstWord; i < LastWord; ++i) {
    if (Kits[i].Kind != kkTranslated) continue;
    const int start = i;
    // A count before a genitive possessor counts the possessor.
    const bool counted = Class(i) == wcNumeral && NumeralForm(Rus(i).RusText, 2, 1, false) != Rus(i).RusText;
    const int owner = counted ? i + 1 : i;
    // The possessor: a noun (bare or genitive) or a word read as an adjective.
    int noun = -1;
    int adjective = -1;
    bool genitive = false;
    bool bare = false;
    if (HasReading(owner, wcNoun, noun)) {
      const TTransUnit& reading = Kits[owner].Readings[noun];
      const int code = reading.Tat.EndingCode;
      genitive = (NounRule(code).Case == 3 || NounRule(code).Case == 4) && NounRule(code).Prefix.empty();
      bare = IsBareNounEnding(code) && reading.Tat.WordClass == wcNoun;
    }
    if (!counted && (bare || noun < 0) && HasReading(owner, wcAdjective, adjective) &&
        Kits[owner].Readings[adjective].Tat.EndingCode <= 1) {
      bare = true;
    } else {
      adjective = -1;
    }
    if (counted ? !genitive : !(genitive || bare)) continue;

    // The chain of possessed nouns: each but the last is in the nominative
    // and possesses the next; only the last may have a preposition split
    // off before it (татар теле дәресендә: на уроке).
    std::vector<int> heads;
    int preposition = -1;
    for (int h = owner + 1; h <= LastWord;) {
      int n = h;
      if (Class(n) == wcPostposition && Rus(n).StemRow == 0 && Tat(n).StemRow == 0 && IsPossessedHead(n + 1)) {
        preposition = n;
        ++n;
      }
      if (!IsPossessedHead(n)) break;
      heads.push_back(n);
      if (preposition >= 0 || NounRule(Tat(n).EndingCode).Case != 1) break;
      h = n + 1;
    }
    if (heads.empty()) continue;

    if (adjective >= 0) Keep(owner, adjective);
    // A single bare or genitive possessor before one head is left to
    // SwapPossessives.
    if (heads.size() == 1 && adjective < 0 && !counted) continue;

    // The words qualifying a genitive possessor go along with it.
    int first = start;
    if (!counted && adjective < 0 && genitive) first = PossessorStart(owner);
    const int end = heads.back();
    std::vector<TTransKit> group;
    if (preposition >= 0) group.push_back(std::move(Kits[preposition]));
    for (size_t k = heads.size(); k-- > 0;) {
      TTransKit& head = Kits[heads[k]];
      if (!head.Readings.empty()) {
        head.Readings[0].Rus.Agreed = 1;
        if (k + 1 < heads.size()) head.Readings[0].Rus.Case = 3;
      }
      if (k == 0 && adjective >= 0) {
        TTransKit modifier = std::move(Kits[owner]);
        TFormRus& adj = modifier.Readings[0].Rus;
        const TFormRus& to = head.Readings[0].Rus;
        adj.Case = to.Case;
        adj.Gender = to.Gender;
        adj.Variant = to.Variant;
        adj.Number = to.Number;
        adj.Agreed = 1;
        group.push_back(std::move(modifier));
      }
      group.push_back(std::move(head));
    }
    if (adjective < 0) {
      TTransKit possessor = std::move(Kits[owner]);
      TFormRus& rus = possessor.Readings[noun].Rus;
      rus.Case = 3;
      rus.Agreed = 1;
      if (counted) {
        TTransKit count = std::move(Kits[start]);
        const std::u16string_view collective =
            rus.Variant == 1 && rus.Gender != 2 ? CollectiveGenitive(count.Readings[0].Rus.RusText)
                                                : std::u16string_view();
        if (!collective.empty()) {
          // The noun takes the genitive plural of a counted oblique case.
          rus.Number = 2;
          count = FixedKit(collective);
        }
        group.push_back(std::move(count));
      }
      if (possessor.Readings.size() > 1) {
        TTransUnit chosen = possessor.Readings[noun];
        possessor.Readings.assign(1, chosen);
      }
      for (int k = first; k < start; ++k) group.push_back(std::move(Kits[k]));
      group.push_back(std::move(possessor));
    }
    Kits.erase(Kits.begin() + first, Kits.begin() + end + 1);
    const int count = static_cast<int>(group.size());
    Kits.insert(Kits.begin() + first, std::make_move_iterator(group.begin()), std::make_move_iterator(group.end()));
    LastWord += count - (end + 1 - first);
    i = first + count - 1;
  }
}

}  // namespace tatengine
