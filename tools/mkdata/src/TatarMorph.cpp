#include "TatarMorph.h"

namespace mkdata {
namespace {

const std::u16string BackVowels = u"аоуы";
const std::u16string FrontVowels = u"әөүиэ";
const std::u16string AllVowels = u"аоуыәөүиэеяюё";
const std::u16string VoicelessLetters = u"птк шсчцфхһщ";

bool In(char16_t c, const std::u16string& set) { return set.find(c) != std::u16string::npos; }
bool IsVowel(char16_t c) { return In(c, AllVowels); }
bool EndsWith(const std::u16string& s, std::u16string_view e) {
  return s.size() >= e.size() && s.compare(s.size() - e.size(), e.size(), e) == 0;
}

int Syllables(const std::u16string& s) {
  int n = 0;
  for (char16_t c : s)
    if (IsVowel(c)) ++n;
  return n;
}

// The last word of a lemma: after the last blank or hyphen (ата-ана -> ана),
// or the whole lemma when that part has no vowel.
std::u16string LastWord(const std::u16string& lemma) {
  size_t p = lemma.find_last_of(u" -");
  if (p == std::u16string::npos || p + 1 >= lemma.size()) return lemma;
  std::u16string w = lemma.substr(p + 1);
  return Syllables(w) > 0 ? w : lemma;
}

// Runs a generator on the last blank-separated word of a lemma and puts the
// words before it, unchanged, in front of every form.
template <class F>
std::vector<std::u16string> OnLastWord(const std::u16string& lemma, F generate) {
  size_t sp = lemma.rfind(u' ');
  if (sp == std::u16string::npos || sp == 0 || sp + 1 >= lemma.size()) return generate(lemma);
  std::vector<std::u16string> forms = generate(lemma.substr(sp + 1));
  const std::u16string head = lemma.substr(0, sp + 1);
  for (auto& f : forms)
    if (!f.empty()) f = head + f;
  return forms;
}

// The letter that decides the next suffix's consonant: the last one, looking
// through a final ь/ъ.
char16_t FinalSound(const std::u16string& w) {
  for (size_t i = w.size(); i > 0; --i) {
    char16_t c = w[i - 1];
    if (c != u'ь' && c != u'ъ') return c;
  }
  return 0;
}

enum class TSound { Vowel, Voiced, Nasal, Voiceless };

TSound SoundClass(const std::u16string& w, const TTatFlags& f) {
  char16_t c = FinalSound(w);
  if (c == 0) return TSound::Vowel;
  if (c == u'у' || c == u'ү') return TSound::Voiced;  // [w] after a vowel, vowel-like after a consonant
  if (IsVowel(c)) return TSound::Vowel;
  if (c == u'м' || c == u'н' || c == u'ң') return TSound::Nasal;
  if (In(c, VoicelessLetters)) return TSound::Voiceless;
  if (f.Voiceless && (c == u'б' || c == u'в' || c == u'г' || c == u'д')) return TSound::Voiceless;
  return TSound::Voiced;
}

// Stem changes before a suffix that starts with a vowel.
std::u16string BeforeVowel(std::u16string w, char16_t& firstVowel, bool back, const TTatFlags& f) {
  if (!w.empty() && (w.back() == u'ь' || w.back() == u'ъ')) w.pop_back();
  if (w.empty()) return w;
  char16_t last = w.back();
  char16_t prev = w.size() >= 2 ? w[w.size() - 2] : 0;
  if (last == u'й') {
    // й + ы/е -> е, й + а/ә -> я, й + у/ү -> ю
    w.pop_back();
    if (firstVowel == u'I') firstVowel = u'е';
    else if (firstVowel == u'A') firstVowel = u'я';
    else if (firstVowel == u'U') firstVowel = u'ю';
    return w;
  }
  if ((last == u'у' || last == u'ү') && prev && IsVowel(prev)) {
    w.back() = u'в';
    return w;
  }
  if (last == u'и' && firstVowel != 0) {
    // verbs and nouns in -и: й appears before the vowel (ки -> кия, киеп)
    if (firstVowel == u'I') firstVowel = u'е';
    else if (firstVowel == u'A') firstVowel = u'я';
    else if (firstVowel == u'U') firstVowel = u'ю';
    return w;
  }
  if (f.Syncope) {
    // drop the vowel of the last syllable: халык -> халк
    size_t n = w.size();
    if (n >= 3 && IsVowel(w[n - 2]) && !IsVowel(w[n - 1])) w.erase(n - 2, 1);
    prev = w.size() >= 2 ? w[w.size() - 2] : 0;
  }
  if (!f.NoVoice && prev && IsVowel(prev)) {
    if (last == u'к') w.back() = u'г';
    else if (last == u'п') w.back() = u'б';
  }
  return w;
}

char16_t Resolve(char16_t ph, bool back) {
  switch (ph) {
    case u'A': return back ? u'а' : u'ә';
    case u'I': return back ? u'ы' : u'е';
    case u'U': return back ? u'у' : u'ү';
    default: return ph;
  }
}

}  // namespace

bool TatIsBack(const std::u16string& lemma, const TTatFlags& flags) {
  if (flags.Harmony != 0) return flags.Harmony > 0;
  const std::u16string word = LastWord(lemma);
  if (flags.Loan) {
    // loans take back suffixes whatever their last vowel (такси, кофе,
    // билет), except those ending in й + vowel after и/е or a soft sign
    // (фамилия, идея, здание, печенье) and those in a soft sign (роль)
    for (std::u16string_view e : {u"ия", u"ея", u"ие", u"ье"})
      if (EndsWith(word, e)) return false;
    return !(word.size() >= 2 && word.back() == u'ь' && !IsVowel(word[word.size() - 2]));
  }
  // a final ь after a consonant marks a front word (шигырь, яшь, сәгать)
  if (word.size() >= 2 && word.back() == u'ь' && !IsVowel(word[word.size() - 2])) return false;
  for (size_t i = word.size(); i > 0; --i) {
    char16_t c = word[i - 1];
    if (In(c, BackVowels)) return true;
    if (In(c, FrontVowels)) return false;
    if (c == u'е') {
      // е after a back vowel is [йы]: уен, каен, сыер
      return i >= 2 && In(word[i - 2], BackVowels);
    }
    if (c == u'я' || c == u'ю' || c == u'ё') {
      if (i == 1) return true;
      char16_t p = word[i - 2];
      if (p == u'ь' || p == u'ъ' || In(p, BackVowels)) return true;
      if (In(p, FrontVowels) || p == u'е') return false;
      // after a consonant: look further left
      continue;
    }
  }
  return true;
}

std::u16string TatAppend(const std::u16string& word, const std::u16string& tmpl, bool back,
                         const TTatFlags& flags) {
  if (tmpl.empty()) return word;
  std::u16string w = word;
  std::u16string t = tmpl;
  char16_t first = t[0];
  if (first == u'A' || first == u'I' || first == u'U') {
    char16_t v = first;
    w = BeforeVowel(w, v, back, flags);
    t[0] = v;
  }
  for (char16_t c : t) {
    TSound s = SoundClass(w, flags);
    switch (c) {
      case u'G': w += s == TSound::Voiceless ? u'к' : u'г'; break;
      case u'D': w += s == TSound::Voiceless ? u'т' : u'д'; break;
      case u'Z': w += s == TSound::Voiceless ? u'т' : s == TSound::Nasal ? u'н' : u'д'; break;
      case u'L': w += s == TSound::Nasal ? u'н' : u'л'; break;
      default: w += Resolve(c, back); break;
    }
  }
  return w;
}

namespace {

struct TNounBuilder {
  bool Back;
  TTatFlags Flags;
  std::vector<std::u16string> Out;

  // A form that ends the stem proper: later suffixes see no lexical flags.
  std::u16string AddPlain(const std::u16string& w, const std::u16string& t) const {
    return TatAppend(w, t, Back, {});
  }
  // The six cases in the order nom, gen, dat, acc, abl, loc from `first`.
  void Bare(int first, const std::u16string& w, const TTatFlags& f = {}) {
    Out[first] = w;
    Out[first + 1] = TatAppend(w, u"нIң", Back, f);
    Out[first + 2] = TatAppend(w, u"GA", Back, f);
    Out[first + 3] = TatAppend(w, u"нI", Back, f);
    Out[first + 4] = TatAppend(w, u"ZAн", Back, f);
    Out[first + 5] = TatAppend(w, u"DA", Back, f);
  }
  void AfterPx12(int first, const std::u16string& w) {  // after -ым/-ың
    Out[first] = w;
    Out[first + 1] = AddPlain(w, u"нIң");
    Out[first + 2] = w + (Back ? u"а" : u"ә");
    Out[first + 3] = AddPlain(w, u"нI");
    Out[first + 4] = AddPlain(w, u"нAн");
    Out[first + 5] = AddPlain(w, u"дA");
  }
  void AfterPx3(int first, const std::u16string& w) {  // after -ы/-сы
    Out[first] = w;
    Out[first + 1] = AddPlain(w, u"нIң");
    Out[first + 2] = AddPlain(w, u"нA");
    Out[first + 3] = w + u"н";
    Out[first + 4] = AddPlain(w, u"ннAн");
    Out[first + 5] = AddPlain(w, u"ндA");
  }
};

// у/ү and ю end a stem like consonants: суы, аюы, сөюе.
bool EndsInVowelForPossessive(const std::u16string& w) {
  if (w.empty()) return false;
  char16_t c = w.back();
  return IsVowel(c) && c != u'у' && c != u'ү' && c != u'ю';
}

// Possessive stems 1sg, 2sg, 3, 1pl, 2pl.
std::array<std::u16string, 5> Possessives(const std::u16string& w, bool back, const TTatFlags& f) {
  std::array<std::u16string, 5> p;
  if (!w.empty() && w.back() == u'и' && !f.Loan) {
    p = {w + (back ? u"ым" : u"ем"), w + (back ? u"ың" : u"ең"), w + (back ? u"сы" : u"се"),
         w + (back ? u"ыбыз" : u"ебез"), w + (back ? u"ыгыз" : u"егез")};
  } else if (EndsInVowelForPossessive(w)) {
    p = {w + u"м", w + u"ң", TatAppend(w, u"сI", back), TatAppend(w, u"бIз", back),
         TatAppend(w, u"гIз", back)};
  } else {
    p = {TatAppend(w, u"Iм", back, f), TatAppend(w, u"Iң", back, f), TatAppend(w, u"I", back, f),
         TatAppend(w, u"IбIз", back, f), TatAppend(w, u"IгIз", back, f)};
  }
  return p;
}

}  // namespace

namespace {

// The harmony of a possessive compound: its own written vowels, except for
// a loan, whose stem decides (полициясе: полиция, front).
bool Px3Back(const std::u16string& word, const std::u16string& stem, const TTatFlags& f) {
  return f.Loan ? TatIsBack(stem, f) : TatIsBack(word, f);
}

// The flags under which `stem` gives `word` as its 3rd-person possessive:
// as given, else with a final к/п kept (хак -> хакы); false when neither.
bool Px3Fits(const std::u16string& word, const std::u16string& stem, TTatFlags& f) {
  f.Px3 = false;
  f.Px3Stem.clear();
  if (Syllables(stem) == 0) return false;
  const bool back = Px3Back(word, stem, f);
  if (Possessives(stem, back, f)[2] == word) return true;
  if (f.NoVoice) return false;
  f.NoVoice = true;
  if (Possessives(stem, back, f)[2] == word) return true;
  f.NoVoice = false;
  return false;
}

}  // namespace

std::vector<std::u16string> TatPx3Stems(const std::u16string& word, const TTatFlags& flags) {
  std::vector<std::u16string> raw;
  const size_t n = word.size();
  if (n < 2 || (word.back() != u'ы' && word.back() != u'е')) return {};
  const bool back = TatIsBack(word, flags);
  // -сы/-се after a vowel: бүлмә-се, бала-сы
  if (n >= 3 && word[n - 2] == u'с' && EndsInVowelForPossessive(word.substr(0, n - 2)))
    raw.push_back(word.substr(0, n - 2));
  std::u16string s = word.substr(0, n - 1);
  const char16_t last = s.back();
  const char16_t prev = s.size() >= 2 ? s[s.size() - 2] : 0;
  if (word.back() == u'е' && IsVowel(last)) raw.push_back(s + u"й");  // өе -> өй, кырые -> кырый, буе -> буй
  if (!IsVowel(last) || last == u'у' || last == u'ү' || last == u'ю') {
    // voiced г/б between vowels come from к/п: хуҗалыгы -> хуҗалык, төбе -> төп
    if (!flags.NoVoice && !flags.Loan && prev && IsVowel(prev) && (last == u'г' || last == u'б')) {
      std::u16string v = s;
      v.back() = last == u'г' ? u'к' : u'п';
      raw.push_back(v);
    }
    raw.push_back(s);
    // a dropped vowel comes back in the stem: халкы -> халык
    if (flags.Syncope && s.size() >= 3 && !IsVowel(last) && !IsVowel(prev) && last != u'ь' && prev != u'ь') {
      std::u16string v = s;
      v.insert(v.size() - 1, 1, back ? u'ы' : u'е');
      raw.insert(raw.begin(), v);
    }
  }
  std::vector<std::u16string> out;
  for (auto& c : raw) {
    TTatFlags f = flags;
    if (Px3Fits(word, c, f)) out.push_back(c);
  }
  return out;
}

namespace {

std::vector<std::u16string> PlainNounForms(const std::u16string& lemma, const TTatFlags& flags) {
  TNounBuilder b{TatIsBack(lemma, flags), flags, std::vector<std::u16string>(NounCodes + 1)};
  const bool back = b.Back;
  TTatFlags sound;  // only the sound class carries over to consonant-initial suffixes
  sound.Voiceless = flags.Voiceless;
  b.Bare(1, lemma, sound);
  auto px = flags.PStem.empty() ? Possessives(lemma, back, flags) : Possessives(flags.PStem, back, {});
  b.AfterPx12(7, px[0]);
  b.AfterPx12(13, px[1]);
  b.AfterPx3(19, px[2]);
  b.Bare(25, px[3]);
  b.Bare(31, px[4]);
  std::u16string pl = TatAppend(lemma, u"LAр", back, sound);
  {
    TNounBuilder pb{back, {}, std::vector<std::u16string>(7)};
    pb.Bare(1, pl);
    for (int i = 0; i < 5; ++i) b.Out[37 + i] = pb.Out[2 + i];
  }
  b.Out[87] = pl;
  auto ppx = Possessives(pl, back, {});
  b.AfterPx12(42, ppx[0]);
  b.AfterPx12(48, ppx[1]);
  b.AfterPx3(54, ppx[2]);
  b.Bare(60, ppx[3]);
  b.Bare(66, ppx[4]);
  b.Out[72] = TatAppend(lemma, u"сIз", back);
  b.Out[73] = TatAppend(pl, u"сIз", back);
  b.Out[74] = TatAppend(lemma, u"нIкI", back);
  b.Out[75] = TatAppend(pl, u"нIкI", back);
  b.Out[76] = TatAppend(px[0], u"сIз", back);
  b.Out[77] = TatAppend(px[1], u"сIз", back);
  b.Out[78] = TatAppend(px[2], u"сIз", back);
  b.Out[79] = TatAppend(px[3], u"сIз", back);
  b.Out[80] = TatAppend(px[4], u"сIз", back);
  b.Out[81] = TatAppend(ppx[2], u"сIз", back);
  b.Out[82] = TatAppend(lemma, u"DAгI", back, sound);
  b.Out[83] = TatAppend(px[0], u"дAгI", back);
  b.Out[84] = TatAppend(px[1], u"дAгI", back);
  b.Out[85] = TatAppend(px[2], u"ндAгI", back);
  b.Out[86] = TatAppend(ppx[2], u"ндAгI", back);
  return b.Out;
}

// A noun whose lemma ends in a 3rd-person possessive: the forms of its
// stem, with the bare singular and plural taken from the 3rd person.
std::vector<std::u16string> Px3NounForms(const std::u16string& word, const TTatFlags& flags) {
  std::u16string stem = flags.Px3Stem;
  if (stem.empty()) {
    auto stems = TatPx3Stems(word, flags);
    if (stems.empty()) return PlainNounForms(word, flags);  // not a possessive after all
    stem = stems.front();
  }
  TTatFlags f = flags;
  Px3Fits(word, stem, f);  // a given stem may need its final к/п kept
  if (f.Harmony == 0) f.Harmony = Px3Back(word, stem, f) ? 1 : -1;
  auto o = PlainNounForms(stem, f);
  const bool back = f.Harmony > 0;
  for (int i = 0; i < 6; ++i) o[1 + i] = o[19 + i];  // хуҗалыгы, хуҗалыгына ...
  o[87] = o[54];                                      // хуҗалыклары
  for (int i = 0; i < 5; ++i) o[37 + i] = o[55 + i];  // хуҗалыкларына ...
  o[74] = TatAppend(o[19], u"нIкI", back);            // хуҗалыгыныкы
  o[75] = TatAppend(o[54], u"нIкI", back);
  o[82] = o[85];                                      // хуҗалыгындагы
  // 72 (-сыз) and 73 keep the stem: хуҗалыксыз, not хуҗалыгысыз
  return o;
}

std::vector<std::u16string> NounForms(const std::u16string& lemma, const TTatFlags& flags) {
  return flags.Px3 ? Px3NounForms(lemma, flags) : PlainNounForms(lemma, flags);
}

}  // namespace

std::vector<std::u16string> TatNounForms(const std::u16string& lemma, const TTatFlags& flags) {
  return OnLastWord(lemma, [&](const std::u16string& w) { return NounForms(w, flags); });
}

std::vector<std::pair<int, std::u16string>> TatSyncopeVariants(const std::u16string& lemma,
                                                               const TTatFlags& flags) {
  if (flags.Px3 || !(flags.Syncope || flags.Syncopable)) return {};
  const std::vector<std::u16string> own = TatNounForms(lemma, flags);
  std::vector<TTatFlags> others;
  TTatFlags full = flags;  // the vowel kept: сеңелем, сеңеле, халыкы
  full.Syncope = false;
  full.Syncopable = false;
  full.PStem.clear();
  if (flags.Syncope) {
    others.push_back(full);
    if (!flags.PStem.empty()) {
      // the vowel stem built on the whole lemma: сеңеле-се
      TTatFlags f = full;
      const std::u16string last = LastWord(lemma);
      f.PStem = last + flags.PStem.back();
      others.push_back(f);
    }
  } else {
    TTatFlags f = full;  // the vowel dropped: борны
    f.Syncope = true;
    others.push_back(f);
  }
  std::vector<std::pair<int, std::u16string>> out;
  for (const TTatFlags& f : others) {
    const std::vector<std::u16string> v = TatNounForms(lemma, f);
    for (int code = 1; code <= NounCodes; ++code) {
      if (v[code].empty() || v[code] == own[code]) continue;
      bool seen = false;
      for (auto& [c, w] : out) seen = seen || (c == code && w == v[code]);
      if (!seen) out.emplace_back(code, v[code]);
    }
  }
  return out;
}

std::vector<std::pair<int, std::u16string>> TatVoicingVariants(const std::u16string& lemma,
                                                               const TTatFlags& flags) {
  const std::u16string word = LastWord(lemma);
  if (flags.Px3 || !(flags.Loan || flags.Voiceless) || word.empty()) return {};
  const char16_t c = word.back();
  if (c != u'б' && c != u'в' && c != u'г' && c != u'д' && c != u'ж' && c != u'з') return {};
  TTatFlags other = flags;
  other.Voiceless = !flags.Voiceless;
  const std::vector<std::u16string> own = TatNounForms(lemma, flags);
  const std::vector<std::u16string> v = TatNounForms(lemma, other);
  std::vector<std::pair<int, std::u16string>> out;
  for (int code : {3, 5, 6, 82})
    if (!v[code].empty() && v[code] != own[code]) out.emplace_back(code, v[code]);
  return out;
}

std::vector<std::pair<int, std::u16string>> TatColloquialPx3(const std::u16string& lemma,
                                                             const TTatFlags& flags) {
  const size_t n = lemma.size();
  if (flags.Px3 || n < 3 || lemma.back() != u'й' || !IsVowel(lemma[n - 2])) return {};
  const bool back = TatIsBack(lemma, flags);
  TNounBuilder b{back, {}, std::vector<std::u16string>(7)};
  b.AfterPx3(1, lemma + (back ? u"сы" : u"се"));
  std::vector<std::pair<int, std::u16string>> out;
  for (int i = 0; i < 6; ++i) out.emplace_back(19 + i, b.Out[1 + i]);
  return out;
}

namespace {

// у/ү and ю ([йу]) end a verb stem like consonants: ту -> туа, туып;
// ю -> юа, юып, юарга.
bool VowelFinal(const std::u16string& s) {
  return !s.empty() && IsVowel(s.back()) && s.back() != u'у' && s.back() != u'ү' && s.back() != u'ю';
}

// A vowel stem whose final е is [йе] after a vowel (бие): before a suffix
// vowel the й fuses with it (бию, биячәк).
bool YotFinal(const std::u16string& s) {
  return s.size() >= 2 && s.back() == u'е' && IsVowel(s[s.size() - 2]);
}

// The present / -а converb stem: укы -> укый, эшлә -> эшли, яз -> яза.
std::u16string PresentStem(const std::u16string& s, bool back, const TTatFlags& f) {
  if (!f.Present.empty()) return f.Present;
  if (s.empty()) return s;
  char16_t c = s.back();
  std::u16string base = s.substr(0, s.size() - 1);
  if (c == u'а' || c == u'ы') return base + u"ый";
  if (c == u'ә' || c == u'е') return base + u"и";
  if (c == u'я') return base + (back ? u"йый" : u"йи");  // буя [буйа] -> буйый
  return TatAppend(s, u"A", back, f);
}

// The aorist (-ар/-ыр/-р) stem.
std::u16string AoristStem(const std::u16string& s, bool back, const TTatFlags& f) {
  if (VowelFinal(s)) {
    if (s.back() == u'и') return TatAppend(s, u"Aр", back, f);
    return s + u"р";
  }
  int kind = f.Aorist;
  if (kind == 0) {
    // у/ү after a vowel is [w] and makes no syllable: ау, сау, яу take -ар
    int n = Syllables(s);
    if (s.size() >= 2 && (s.back() == u'у' || s.back() == u'ү') && IsVowel(s[s.size() - 2])) --n;
    kind = n <= 1 ? 1 : 2;
  }
  return TatAppend(s, kind == 1 ? u"Aр" : u"Iр", back, f);
}

std::u16string VerbalNoun(const std::u16string& s, bool back, const TTatFlags& f) {
  if (YotFinal(s)) return s.substr(0, s.size() - 1) + u"ю";
  if (!s.empty() && (s.back() == u'ы' || s.back() == u'е'))
    return s.substr(0, s.size() - 1) + (back ? u"у" : u"ү");
  if (VowelFinal(s) && s.back() != u'и') return s + (back ? u"у" : u"ү");
  return TatAppend(s, u"U", back, f);
}

std::vector<std::u16string> VerbForms(const std::u16string& s, const TTatFlags& f) {
  const bool back = TatIsBack(s, f);
  std::vector<std::u16string> o(VerbCodes + 1);
  auto A = [&](const std::u16string& w, const std::u16string& t) { return TatAppend(w, t, back); };
  const std::u16string neg = A(s, u"мA");  // negative stem; everything after it is vowel-final
  const std::u16string pres = PresentStem(s, back, f);
  const std::u16string negPres = s + (back ? u"мый" : u"ми");
  const std::u16string full[6] = {u"мIн", u"сIң", u"", u"бIз", u"сIз", u"LAр"};
  const std::u16string presP[6] = {u"м", u"сIң", u"", u"бIз", u"сIз", u"LAр"};
  const std::u16string shortP[6] = {u"м", u"ң", u"", u"к", u"гIз", u"LAр"};

  o[1] = VerbalNoun(s, back, f);
  o[2] = s;
  o[3] = neg;
  o[4] = A(neg, u"U");
  const std::u16string aor = AoristStem(s, back, f);
  o[5] = A(aor, u"GA");
  o[6] = A(neg, u"скA");
  o[7] = A(s, u"сA");
  o[8] = A(neg, u"сA");
  o[9] = A(s, u"сIн");
  o[10] = A(neg, u"сIн");
  o[11] = VowelFinal(s) && s.back() != u'и' ? A(s, u"гIз") : TatAppend(s, u"IгIз", back, f);
  o[12] = A(neg, u"гIз");
  o[13] = A(s, u"сIннAр");
  o[14] = A(neg, u"сIннAр");
  const std::u16string past = A(s, u"DI");
  const std::u16string negPast = A(neg, u"дI");
  const std::u16string gan = A(s, u"GAн");
  const std::u16string negGan = A(neg, u"гAн");
  const std::u16string fut = YotFinal(s)                            ? A(s.substr(0, s.size() - 1), u"ячAк")
                             : VowelFinal(s) && s.back() != u'и' ? A(s, u"ячAк")
                                                                 : TatAppend(s, u"AчAк", back, f);
  const std::u16string negFut = A(neg, u"ячAк");
  const std::u16string negAor = A(neg, u"с");
  for (int p = 0; p < 6; ++p) {
    o[15 + p] = A(pres, presP[p]);
    o[21 + p] = A(negPres, presP[p]);
    o[27 + p] = A(past, shortP[p]);
    o[33 + p] = A(negPast, shortP[p]);
    o[39 + p] = A(gan, full[p]);
    o[45 + p] = A(negGan, full[p]);
    o[51 + p] = A(fut, full[p]);
    o[57 + p] = A(negFut, full[p]);
    o[63 + p] = A(aor, full[p]);
    o[69 + p] = A(negAor, full[p]);
  }
  // the negative aorist has its own 1sg and 1pl: -мам, -мабыз
  o[69] = A(neg, u"м");
  o[72] = A(neg, u"бIз");
  o[75] = VowelFinal(s) && s.back() != u'и' ? s + u"п" : TatAppend(s, u"Iп", back, f);
  o[76] = s + (back ? u"мыйча" : u"мичә");
  o[77] = A(gan, u"чI");
  o[78] = A(negGan, u"чI");
  o[79] = A(s, u"GAч");
  o[80] = A(neg, u"гAч");
  o[81] = A(o[1], u"чI");
  o[82] = A(neg, u"UчI");
  o[83] = A(gan, u"дA");
  o[84] = A(negGan, u"дA");
  const std::u16string cond = A(s, u"сA");
  const std::u16string negCond = A(neg, u"сA");
  const std::u16string condP[5] = {u"м", u"ң", u"к", u"гIз", u"лAр"};
  for (int p = 0; p < 5; ++p) {
    o[85 + p] = A(cond, condP[p]);
    o[90 + p] = A(negCond, condP[p]);
  }
  if (VowelFinal(s) && s.back() != u'и') {
    o[95] = pres + u"м";
    o[96] = pres + u"к";
  } else {
    std::u16string v = TatAppend(s, u"I", back, f);  // only for the stem changes
    std::u16string stem = v.substr(0, v.size() - 1);
    if (!s.empty() && s.back() == u'й') stem = s;  // куй -> куйыйм
    o[95] = stem + (back ? u"ыйм" : u"им");
    o[96] = stem + (back ? u"ыйк" : u"ик");
  }
  o[97] = s + (back ? u"мыйм" : u"мим");
  o[98] = s + (back ? u"мыйк" : u"мик");
  const std::u16string asy =
      VowelFinal(s) && s.back() != u'и' ? A(pres, u"сI") : TatAppend(s, u"AсI", back, f);
  o[99] = A(asy, u"гIз");
  o[100] = A(asy, u"лAрI");
  o[101] = asy + u"м";
  o[102] = A(asy, u"бIз");
  o[103] = asy + u"ң";
  o[104] = asy;
  o[105] = A(s, u"мAкчI");
  return o;
}

}  // namespace

std::vector<std::u16string> TatVerbForms(const std::u16string& stem, const TTatFlags& flags) {
  return OnLastWord(stem, [&](const std::u16string& w) {
    TTatFlags f = flags;
    // an irregular present given for the whole lemma names its last word's
    if (size_t sp = f.Present.rfind(u' '); sp != std::u16string::npos) f.Present.erase(0, sp + 1);
    return VerbForms(w, f);
  });
}

std::vector<std::u16string> TatParticipleForms(const std::u16string& lemma, const TTatFlags& flags) {
  return OnLastWord(lemma, [&](const std::u16string& s) {
    const bool back = TatIsBack(s, flags);
    TTatFlags gf;
    gf.Harmony = back ? 1 : -1;
    const std::u16string gan = TatAppend(s, u"GAн", back, flags);
    auto noun = NounForms(gan, gf);
    noun.resize(ParticipleCodes + 1);
    return noun;
  });
}

std::vector<std::u16string> TatAdjForms(const std::u16string& lemma, const TTatFlags& flags) {
  return OnLastWord(lemma, [&](const std::u16string& w) {
    const bool back = TatIsBack(w, flags);
    std::vector<std::u16string> o(4);
    o[1] = w;
    // a final к or п after a vowel is voiced before -рак, as before a
    // vowel: кызыграк, күбрәк, ераграк; not in a word that keeps it (хак)
    std::u16string voiced = w;
    if (!flags.NoVoice && voiced.size() >= 2 && IsVowel(voiced[voiced.size() - 2])) {
      if (voiced.back() == u'к') voiced.back() = u'г';
      else if (voiced.back() == u'п') voiced.back() = u'б';
    }
    o[2] = TatAppend(voiced, u"рAк", back);
    o[3] = TatAppend(w, u"LAр", back);
    return o;
  });
}

}  // namespace mkdata
