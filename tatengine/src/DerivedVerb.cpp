#include "DerivedVerb.h"

#include <array>
#include <string>

#include "TextUtil.h"
#include "Verbs.h"

namespace tatengine {
namespace {

bool IsTatarVowel(char16_t c) {
  return std::u16string_view(u"аәоөуүыеэиюя").find(c) != std::u16string_view::npos;
}

// The voice suffixes, the longer first. One consonant alone follows a vowel
// stem (ясал, әзерлән); the others follow a consonant.
constexpr std::array<std::u16string_view, 13> kSuffixes = {
    u"дыр", u"дер", u"тыр", u"тер", u"ын", u"ен", u"ыл", u"ел", u"ыш", u"еш", u"н", u"л", u"ш"};

// The first letter of the ending as it stands after the known stem: the
// derived stem ends in н, л or ш, the known one in any sound (күчендек ->
// күчтек), and a longer stem takes -ыр where a short one takes -ар
// (күченергә -> күчәргә).
char16_t Counterpart(char16_t c) {
  switch (c) {
    case u'г': return u'к';
    case u'к': return u'г';
    case u'д': return u'т';
    case u'т': return u'д';
    case u'ы': return u'а';
    case u'е': return u'ә';
    default: return 0;
  }
}

}  // namespace

bool AnalyseDerivedVerb(const TVerb& verb, std::u16string_view text, TFormTat& tat, TFormRus& rus) {
  if (text.find(u' ') != std::u16string_view::npos || text.find(u'-') != std::u16string_view::npos)
    return false;
  const std::u16string low = Lowered(text);
  // The known stem has at least two letters: ю- and ки- are the shortest
  // stems with a suffix (юын, киен) and need no cut at the first letter.
  for (size_t p = 2; p + 1 < low.size(); ++p) {
    for (std::u16string_view suffix : kSuffixes) {
      if (low.compare(p, suffix.size(), suffix) != 0 || p + suffix.size() >= low.size()) continue;
      // у, ү and ю end a stem like consonants (юын).
      const char16_t last = low[p - 1];
      const bool afterVowel = IsTatarVowel(last) && last != u'у' && last != u'ү' && last != u'ю';
      if ((suffix.size() == 1) != afterVowel) continue;
      const std::u16string base = low.substr(0, p);
      std::u16string rest = low.substr(p + suffix.size());
      for (int variant = 0; variant < 2; ++variant) {
        if (variant == 1) {
          const char16_t other = Counterpart(rest[0]);
          if (other == 0) break;
          rest[0] = other;
        }
        TFormTat t;
        TFormRus r;
        if (!verb.AnalyseWord(base + rest, t, r)) continue;
        // The cut must be where the known stem ends, not inside its ending.
        if (verb.TatarStem(t.StemRow).size() > base.size()) continue;
        tat = std::move(t);
        rus = std::move(r);
        return true;
      }
    }
  }
  return false;
}

}  // namespace tatengine
