#include "ObjectRules.h"

#include "SelectionRules.h"

#include <string>


namespace rusengine {

namespace {

constexpr std::u16string_view kThis = u"это";
constexpr std::u16string_view kThisObject = u"моны";

bool IsAccusativeNoun(const TWordForm& w) {
  return w.WordClass == wcNoun && !w.HasPrep && (w.Form == 3 || w.Form == 9);
}

bool IsDativeNoun(const TTransKit& kit) {
  if (!IsWordSlot(kit) || !HeadIs(kit, wcNoun)) return false;
  const TWordForm& w = *Head(kit);
  return !w.HasPrep && (w.Form == 2 || w.Form == 8);
}

void MakeDefinite(TTransKit& kit) {
  ForNouns(kit, [](TWordForm& r) {
    if (IsAccusativeNoun(r)) r.Bare = 0;
  });
}

}  // namespace

void DefiniteObjects(TTransKits& kits, const TClause& c, const TClauseFacts& f) {
  if (f.Main < 0 || !IsFiniteVerb(kits[f.Main])) return;
  for (int i = f.Main + 1; i < c.Last; ++i) {
    TTransKit& kit = kits[i];
    if (!IsWordSlot(kit) || kit.Source != kThis || Head(kit)->HasPrep) continue;
    // "это слово": a determiner of the noun after it.
    int next = i + 1;
    while (next < c.Last && !IsWordSlot(kits[next])) ++next;
    if (next < c.Last && HeadIs(kits[next], kMaskAdjective | wcNoun) && next == i + 1) continue;
    SetFixedText(kit, std::u16string(kThisObject));
  }
  for (int i = c.First; i < c.Last; ++i) {
    TTransKit& kit = kits[i];
    if (i == f.Main || !IsWordSlot(kit) || !IsAccusativeNoun(*Head(kit)) || !Head(kit)->Bare)
      continue;
    // Before the verb, with the pronoun subject after it.
    bool definite = false;
    for (int j = i + 1; j < f.Main && i < f.Main && !definite; ++j)
      definite = IsWordSlot(kits[j]) && !Head(kits[j])->HasPrep && FindPronoun(kits[j].Source, 0);
    for (int j = i + 1; j < c.Last && !definite; ++j) definite = IsDativeNoun(kits[j]);
    if (definite) MakeDefinite(kit);
  }
}

}  // namespace rusengine
