#include "PartitiveRules.h"

#include <algorithm>
#include <string>

#include "ClauseTools.h"
#include "DictionaryRT.h"
#include "db_unit.h"

namespace rusengine {

namespace {

// Tatar lemmas of the verbs that take an amount as their object.
constexpr std::u16string_view kAmountVerbs[] = {
    u"бир", u"ал",  u"сатып ал", u"китер", u"алып кил", u"кой", u"сал",
    u"өстә", u"эч", u"аша",      u"сора",  u"бурычка бир"};
bool IsGenitive(const TWordForm& w) {
  return w.WordClass == wcNoun && (w.Form == 1 || w.Form == 7);
}

// The second genitive of a masculine substance (чаю, сахару): read as the
// dative singular, it ends in -у/-ю.
bool IsSecondGenitive(const TTransKit& kit, const TWordForm& w) {
  return w.WordClass == wcNoun && w.Form == 2 &&
         (kit.Source.ends_with(u"у") || kit.Source.ends_with(u"ю"));
}

bool IsAmountVerb(const TTransKit& kit, const TDictionaryRT& dict) {
  return std::any_of(kit.Readings.begin(), kit.Readings.end(), [&](const TWordForm& w) {
    return w.WordClass == wcVerb && w.Form >= 1 && In(kAmountVerbs, dict.Verb().TatarLemma(w.Row));
  });
}

// A dative object before the amount (дай мне воды, налей брату чаю)
// means the -у/-ю form cannot be the recipient as well.
bool HasRecipient(const TTransKits& kits, int from, int to) {
  for (int i = from; i < to; ++i) {
    if (!IsWordSlot(kits[i]) || Head(kits[i])->HasPrep) continue;
    if (FindPronoun(kits[i].Source, 2)) return true;
    const TTransKit& k = kits[i];
    if (std::all_of(k.Readings.begin(), k.Readings.end(),
                    [](const TWordForm& w) { return w.WordClass == wcNoun && w.Form == 2; }))
      return true;
  }
  return false;
}

}  // namespace

void PartitiveObjects(TTransKits& kits, const TDictionaryRT& dict) {
  const int count = static_cast<int>(kits.size());
  int verb = -1;
  for (int i = 0; i < count; ++i) {
    TTransKit& kit = kits[i];
    if (IsBoundary(kit)) {
      verb = -1;
      continue;
    }
    if (!IsWordSlot(kit)) continue;
    if (IsAmountVerb(kit, dict)) {
      verb = i;
      continue;
    }
    if (verb < 0 || Head(kit)->HasPrep || !HasNoun(kit)) continue;
    const int at = verb;
    // Only the first noun after the verb and its recipient: the one after
    // it qualifies it (стакан воды).
    if (!HasRecipient(kits, i, i + 1)) verb = -1;
    const TWordForm* noun = nullptr;
    for (const TWordForm& w : kit.Readings)
      if (w.WordClass == wcNoun) {
        noun = &w;
        break;
      }
    // A substance (a mass noun in the lexicon): its genitive singular after
    // such a verb is an amount (воды, хлеба), where another noun's would be
    // read as a plural (книги).
    const bool substance = (dict.Noun().Stems().StemFlags(noun->Row) & kNounMass) != 0;
    const bool onlyGenitive =
        std::all_of(kit.Readings.begin(), kit.Readings.end(), [](const TWordForm& w) {
          return w.WordClass != wcNoun || IsGenitive(w);
        });
    auto amount = [&](const TWordForm& w) {
      if (IsGenitive(w)) return substance || onlyGenitive;
      return substance && IsSecondGenitive(kit, w) && HasRecipient(kits, at + 1, i);
    };
    auto it = std::find_if(kit.Readings.begin(), kit.Readings.end(), amount);
    if (it == kit.Readings.end()) continue;
    // An animate plural genitive is also the accusative (купи цыплят):
    // people and animals are counted, not measured.
    if (it->Form == 7 && !substance &&
        std::any_of(kit.Readings.begin(), kit.Readings.end(),
                    [](const TWordForm& w) { return w.WordClass == wcNoun && w.Form == 9; }))
      continue;
    verb = -1;
    TWordForm w = *it;
    w.Form = 3;  // a singular object ...
    w.Bare = 1;  // ... with no accusative ending
    kit.Readings = {w};
  }
}

}  // namespace rusengine
