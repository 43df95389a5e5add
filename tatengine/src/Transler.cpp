#include "Transler.h"

#include "DerivedVerb.h"
#include "TextUtil.h"

namespace tatengine {

TTransler::TTransler(const std::string& dataPath)
    : FDictionary(std::make_unique<TDictionaryTR>(dataPath)) {}

void TTransler::JoinTokens(int from, int to, const TUnits& units, std::u16string& out) {
  out.clear();
  for (int k = from; k <= to; ++k) {
    if (k > from) out += u' ';
    out += units[k].Text;
  }
}

std::u16string TTransler::JoinTokens(int from, int to, const TUnits& units) {
  std::u16string text;
  JoinTokens(from, to, units, text);
  return text;
}

void TTransler::MarkTranslated(bool capital, TTransKit& kit, int hyphenPart) {
  kit.Kind = kkTranslated;
  kit.Capital = capital ? 1 : 0;
  kit.HyphenPart = hyphenPart;
}

void TTransler::MarkUnknown(std::u16string_view text, TTransKit& kit, int hyphenPart) {
  kit.Kind = kkUnknown;
  kit.Text.assign(text);
  kit.HyphenPart = hyphenPart;
  kit.Readings.assign(1, TTransUnit{});
  kit.Readings[0].Rus.WordClass = wcUnknown;
}

bool TTransler::StripPredicate(std::u16string& word, std::u16string& suffix) {
  // "-дыр" (is), the question "-мы", and the personal predicate endings of
  // a noun or adjective: шатмын (I am glad), укытучыбыз (we are teachers).
  static constexpr std::u16string_view endings[] = {u"дыр", u"дер", u"мы",  u"ме",  u"мын",
                                                    u"мен", u"сың", u"сең", u"быз", u"без"};
  const std::u16string low = Lowered(word);
  const size_t length = low.size();
  for (std::u16string_view ending : endings) {
    suffix.assign(ending);
    if (length < ending.size()) continue;
    // The ending's first occurrence must be the one at the end of the word.
    const size_t at = low.find(ending);
    if (at != std::u16string::npos && at == length - ending.size()) {
      word.resize(at);
      return true;
    }
  }
  return false;
}

bool TTransler::LookupWord(std::u16string_view text, std::u16string_view next, TTransKit& kit,
                           bool& usedNext) const {
  bool found = FDictionary->Lookup(text, next, usedNext, kit);
  if (!found) {
    std::u16string stem(text), suffix;
    if (StripPredicate(stem, suffix) && !stem.empty()) {
      found = FDictionary->Lookup(stem, next, usedNext, kit);
      if (found) kit.Readings[0].Tat.Source = stem + suffix;
    }
  }
  if (!found) {
    // A known verb with a voice suffix the lexicon lacks (күченгәннәр).
    TTransUnit derived;
    const TVerb& verb = FDictionary->Verb;
    if (AnalyseDerivedVerb(verb, text, derived.Tat, derived.Rus)) {
      derived.Tat.Source.assign(text);
      derived.Rus.RusText = verb.Translate(derived.Rus);
      LowerInPlace(derived.Rus.RusText);
      kit.Readings.push_back(std::move(derived));
      found = true;
    }
  }
  if (found) {
    for (TTransUnit& reading : kit.Readings) {
      reading.Rus.Agreed = 0;
      reading.Rus.FoundClass = reading.Rus.WordClass;
    }
  }
  return found;
}

bool TTransler::TranslatePhrase(int start, int& stop, TTransKits& kits,
                                const TUnits& units) const {
  const size_t k = kits.size() - 1;
  kits[k].HyphenPart = -1;
  bool found = false;
  bool usedNext = false;
  int end = stop;
  for (; end >= start; --end) {
    JoinTokens(start, end, units, FPhrase);
    const std::u16string_view next =
        end + 1 < static_cast<int>(units.size()) ? std::u16string_view(units[end + 1].Text)
                                                 : std::u16string_view();
    usedNext = false;
    found = LookupWord(FPhrase, next, kits[k], usedNext);
    if (found) break;
  }
  if (!found) end = start;

  const std::u16string& word = units[start].Text;
  if (found || word.find(u'-') == std::u16string::npos) {
    stop = end + 1 + (found && usedNext ? 1 : 0);
    if (found)
      MarkTranslated(!word.empty() && IsUpperChar(word[0]), kits[k], -1);
    else
      MarkUnknown(word, kits[k], -1);
    return found;
  }

  // An unknown hyphenated word: look its halves up one by one.
  const size_t h = word.find(u'-');
  const std::u16string_view first = std::u16string_view(word).substr(0, h);
  const std::u16string_view second = std::u16string_view(word).substr(h + 1);
  bool unused = false;
  if (LookupWord(first, {}, kits[k], unused))
    MarkTranslated(!first.empty() && IsUpperChar(first[0]), kits[k], 1);
  else
    MarkUnknown(first, kits[k], 1);
  kits.emplace_back();
  TTransKit& half = kits.back();
  const bool secondFound = LookupWord(second, {}, half, unused);
  if (secondFound)
    MarkTranslated(!second.empty() && IsUpperChar(second[0]), half, 2);
  else
    MarkUnknown(second, half, 2);
  stop = start + 1;
  return secondFound;
}

}  // namespace tatengine
