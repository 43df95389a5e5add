#include "RussianMorph.h"

#include <stdexcept>

namespace mkdata {
namespace {

const std::u16string Vowels = u"аеёиоуыэюя";
bool In(char16_t c, std::u16string_view set) { return set.find(c) != std::u16string_view::npos; }
bool IsVowel(char16_t c) { return In(c, Vowels); }
bool EndsWith(const std::u16string& s, std::u16string_view e) {
  return s.size() >= e.size() && s.compare(s.size() - e.size(), e.size(), e) == 0;
}
std::u16string Cut(const std::u16string& s, size_t n) { return s.substr(0, s.size() >= n ? s.size() - n : 0); }
char16_t Last(const std::u16string& s) { return s.empty() ? 0 : s.back(); }
bool Sibilant(char16_t c) { return In(c, u"жшчщ"); }
bool Velar(char16_t c) { return In(c, u"кгх"); }

std::u16string Get(const TOverrides& o, const char* key, const std::u16string& fallback) {
  auto it = o.find(key);
  return it == o.end() ? fallback : it->second;
}

// Removes the fleeting vowel of the last syllable: день -> дн, отец -> отц,
// палец -> пальц, боец -> бойц.
std::u16string DropFleeting(const std::u16string& w) {
  std::u16string s = w;
  bool soft = Last(s) == u'ь';
  if (soft) s.pop_back();
  if (s.size() < 3) return w;
  size_t v = s.size() - 2;
  if (!In(s[v], u"оеёя")) return w;
  std::u16string head = s.substr(0, v);
  std::u16string tail = s.substr(v + 1);
  if (s[v] == u'я') head += u'й';  // заяц -> зайц
  else if (s[v] != u'о' && !head.empty() && IsVowel(Last(head))) head += u'й';
  else if (s[v] != u'о' && Last(head) == u'л') head += u'ь';
  return head + tail + (soft ? u"ь" : u"");
}

// Inserts the vowel of a zero-ending genitive plural between two final
// consonants: сестр -> сестёр, девушк -> девушек, лодк -> лодок, окн -> окон.
std::u16string InsertFleeting(const std::u16string& stem) {
  if (stem.size() < 2) return stem;
  char16_t a = stem[stem.size() - 2], b = stem.back();
  if (IsVowel(a) || IsVowel(b)) return stem;
  std::u16string head = stem.substr(0, stem.size() - 1);
  char16_t v = u'е';
  if (a == u'й' || a == u'ь') {
    head.pop_back();
    v = u'е';
  } else if (b == u'к' && !Sibilant(a)) {
    v = u'о';
  } else if (Velar(a)) {
    v = u'о';
  }
  return head + v + b;
}

// третий and the possessive adjectives of its type (лисий, волчий): a
// soft stem in -ь- before full endings (третьего, третья, третьи).
bool PossessiveSoft(const std::u16string& w) {
  for (std::u16string_view e : {u"третий", u"лисий", u"волчий", u"птичий", u"собачий", u"кошачий", u"божий",
                                u"рыбий", u"медвежий", u"коровий", u"овечий", u"заячий", u"девичий"})
    if (w == e || (EndsWith(w, e) && e == u"третий")) return true;
  return false;
}

std::vector<std::u16string> PossessiveSoftForms(const std::u16string& lemma) {
  const std::u16string st = Cut(lemma, 2) + u"ь";
  std::vector<std::u16string> v(34);
  const std::u16string rows[7][4] = {
      {lemma, st + u"я", st + u"е", st + u"и"},          {st + u"его", st + u"ей", st + u"его", st + u"их"},
      {st + u"ему", st + u"ей", st + u"ему", st + u"им"}, {lemma, st + u"ю", st + u"е", st + u"и"},
      {st + u"его", st + u"ю", st + u"е", st + u"их"},    {st + u"им", st + u"ей", st + u"им", st + u"ими"},
      {st + u"ем", st + u"ей", st + u"ем", st + u"их"}};
  for (int r = 0; r < 7; ++r)
    for (int g = 0; g < 4; ++g) v[1 + r * 4 + g] = rows[r][g];
  return v;
}

}  // namespace

int RusGuessGender(const std::u16string& lemma) {
  char16_t c = Last(lemma);
  if (c == u'а' || c == u'я') return EndsWith(lemma, u"мя") ? 3 : 2;
  if (c == u'о' || c == u'е' || c == u'ё') return 3;
  if (c == u'ь') return 0;  // must be given
  return 1;
}

std::vector<std::u16string> RusNounForms(const std::u16string& lemma, TRusNounInfo& info) {
  std::vector<std::u16string> f(12);
  if (info.Gender == 0) info.Gender = RusGuessGender(lemma);
  if (info.Gender == 0) throw std::invalid_argument("gender needed for a noun in -ь (m or f)");
  const std::u16string& L = lemma;
  const bool end = info.EndStress;
  bool secondDecl = true;  // masculine/neuter declension: animate accusative singular = genitive
  if (info.Indeclinable) {
    for (auto& s : f) s = L;
  } else if (info.Gender == 4) {
    std::u16string st = Cut(L, 1);
    bool soft = Last(L) == u'и' && !Velar(Last(st)) && !Sibilant(Last(st));
    f[6] = L;
    f[7] = st + (Last(L) == u'а' ? u"" : u"ов");
    f[8] = st + (soft ? u"ям" : u"ам");
    f[10] = st + (soft ? u"ями" : u"ами");
    f[11] = st + (soft ? u"ях" : u"ах");
    secondDecl = false;
  } else if (EndsWith(L, u"мя")) {
    std::u16string st = Cut(L, 1) + u"ен";
    f = {L, st + u"и", st + u"и", L, st + u"ем", st + u"и",
         st + u"а", Cut(L, 1) + u"ён", st + u"ам", u"", st + u"ами", st + u"ах"};
  } else if (Last(L) == u'а' || Last(L) == u'я') {
    secondDecl = false;
    std::u16string st = Cut(L, 1);
    char16_t s = Last(st);
    if (Last(L) == u'а') {
      std::u16string y = (Velar(s) || Sibilant(s)) ? u"и" : u"ы";
      std::u16string ins = ((Sibilant(s) || s == u'ц') && !end) ? u"ей" : u"ой";
      f = {L, st + y, st + u"е", st + u"у", st + ins, st + u"е",
           st + y, info.Fleeting ? InsertFleeting(st) : st, st + u"ам", u"", st + u"ами", st + u"ах"};
    } else if (s == u'и') {
      f = {L, st + u"и", st + u"и", st + u"ю", st + u"ей", st + u"и",
           st + u"и", st + u"й", st + u"ям", u"", st + u"ями", st + u"ях"};
    } else {
      std::u16string gp = IsVowel(s) ? st + u"й" : (info.Fleeting ? InsertFleeting(st) : st) + u"ь";
      f = {L, st + u"и", st + u"е", st + u"ю", st + (end ? u"ёй" : u"ей"), st + u"е",
           st + u"и", gp, st + u"ям", u"", st + u"ями", st + u"ях"};
    }
  } else if (Last(L) == u'ь' && info.Gender == 2) {
    secondDecl = false;
    // a fleeting vowel drops everywhere but the nominative, accusative and
    // instrumental singular (любовь -> любви, любовью); a given genitive
    // singular also names the plural stem (лжи -> лжи, лжей), since the two
    // are always alike in this declension
    std::u16string st = info.Fleeting ? Cut(DropFleeting(L), 1) : Cut(L, 1);
    auto gs = info.Forms.find("gs");
    if (gs != info.Forms.end() && Last(gs->second) == u'и' && gs->second.size() >= 2) st = Cut(gs->second, 1);
    bool sib = Sibilant(Last(st));
    f = {L, st + u"и", st + u"и", L, L + u"ю", st + u"и",
         st + u"и", st + u"ей", st + (sib ? u"ам" : u"ям"), u"", st + (sib ? u"ами" : u"ями"),
         st + (sib ? u"ах" : u"ях")};
  } else if (Last(L) == u'о' || Last(L) == u'е' || Last(L) == u'ё') {
    std::u16string st = Cut(L, 1);
    char16_t s = Last(st);
    if (Last(L) == u'о' || Sibilant(s) || s == u'ц') {
      std::u16string gp = info.Fleeting ? InsertFleeting(st) : st;
      f = {L, st + u"а", st + u"у", L, st + (Last(L) == u'о' ? u"ом" : u"ем"), st + u"е",
           st + u"а", gp, st + u"ам", u"", st + u"ами", st + u"ах"};
    } else if (s == u'и') {
      f = {L, st + u"я", st + u"ю", L, st + u"ем", st + u"и",
           st + u"я", st + u"й", st + u"ям", u"", st + u"ями", st + u"ях"};
    } else {
      // a written -ё is a stressed ending: ружьё -> ружьём
      f = {L, st + u"я", st + u"ю", L, st + (Last(L) == u'ё' ? u"ём" : u"ем"), st + u"е",
           st + u"я", st + u"ей", st + u"ям", u"", st + u"ями", st + u"ях"};
    }
  } else if (Last(L) == u'й' || Last(L) == u'ь') {
    std::u16string st = Cut(L, 1);
    if (info.Fleeting && (EndsWith(L, u"ей") || EndsWith(L, u"ёй")))
      st = Cut(L, 2) + u"ь";  // улей -> улья, соловей -> соловья
    else if (info.Fleeting)
      st = Cut(DropFleeting(st + u"ь"), 1);
    bool ij = Last(st) == u'и';
    bool yot = Last(L) == u'й';
    f = {L, st + u"я", st + u"ю", L, st + (end ? u"ём" : u"ем"), st + (ij ? u"и" : u"е"),
         st + u"и", st + (yot ? (end ? u"ёв" : u"ев") : u"ей"), st + u"ям", u"", st + u"ями", st + u"ях"};
  } else {
    std::u16string ob = info.Fleeting ? DropFleeting(L) : L;
    char16_t s = Last(ob);
    bool soft = s == u'ь';
    std::u16string st = soft ? Cut(ob, 1) : ob;
    if (soft) {
      f = {L, st + u"я", st + u"ю", L, st + (end ? u"ём" : u"ем"), st + u"е",
           st + u"и", st + u"ей", st + u"ям", u"", st + u"ями", st + u"ях"};
    } else {
      bool sib = Sibilant(s), vel = Velar(s), ts = s == u'ц';
      f = {L, st + u"а", st + u"у", L, st + (((sib || ts) && !end) ? u"ем" : u"ом"), st + u"е",
           st + ((vel || sib) ? u"и" : u"ы"), st + (sib ? u"ей" : (ts && !end) ? u"ев" : u"ов"),
           st + u"ам", u"", st + u"ами", st + u"ах"};
    }
  }
  // with a stressed ending the stem's ё is unstressed and written е in
  // every form but the nominative (ёж -> ежа, ежом)
  if (info.EndStress) {
    size_t yo = L.rfind(u'ё');
    bool stem = yo != std::u16string::npos;  // not the ending itself (ружьё -> ружьём)
    for (size_t i = stem ? yo + 1 : L.size(); i < L.size(); ++i) stem = stem && !IsVowel(L[i]);
    if (stem && yo + 1 < L.size())
      for (auto& form : f)
        if (form != L && yo < form.size() && form[yo] == u'ё') form[yo] = u'е';
  }
  // a given nominative plural brings its own oblique plural stem; the
  // endings keep the spelling rules after hushing sounds, ц and к/г/х
  // (сторожа -> сторожей, долги -> долгов, учителя -> учителей)
  auto np = info.Forms.find("np");
  // (feminine and neuter plurals keep the zero genitive unless they end in
  // -ья or a soft -и: деревья -> деревьев, матери -> матерей)
  if (np != info.Forms.end() && !info.Indeclinable && info.Gender != 4 && np->second.size() >= 2) {
    const std::u16string& v = np->second;
    const bool masc = info.Gender == 1;
    std::u16string b = Cut(v, 1);
    char16_t s = Last(b);
    bool hard = Velar(s) || Sibilant(s) || s == u'ц';
    std::u16string gp;
    bool soft = false;
    if (EndsWith(v, u"ья")) {
      gp = b + u"ев";
      soft = true;
    } else if (Last(v) == u'я' && masc) {
      gp = b + u"ей";
      soft = true;
    } else if (masc && (Last(v) == u'а' || Last(v) == u'ы' || (Last(v) == u'и' && hard))) {
      gp = b + (Sibilant(s) ? u"ей" : (s == u'ц' && !end) ? u"ев" : u"ов");
    } else if (Last(v) == u'и' && IsVowel(s)) {
      gp = b + u"ев";  // музеи -> музеев
      soft = true;
    } else if (Last(v) == u'и' && !hard) {
      gp = b + u"ей";
      soft = true;
    }
    if (!gp.empty()) {
      f[7] = gp;
      f[8] = b + (soft ? u"ям" : u"ам");
      f[10] = b + (soft ? u"ями" : u"ами");
      f[11] = b + (soft ? u"ях" : u"ах");
    }
  }
  static const char* Keys[12] = {"ns", "gs", "ds", "as", "is", "ps", "np", "gp", "dp", "ap", "ip", "pp"};
  for (int i = 0; i < 12; ++i)
    if (i != 3 && i != 9) f[i] = Get(info.Forms, Keys[i], f[i]);
  // a given plural with ё keeps it through the plural (звёзды -> звёздам);
  // a fleeting vowel moves the stress, so the genitive is left alone (сестёр)
  if (np != info.Forms.end() && np->second.find(u'ё') != std::u16string::npos) {
    const std::u16string& v = np->second;
    const size_t yo = v.find(u'ё');
    for (int i : {7, 8, 10, 11})
      if (!info.Forms.count(Keys[i]) && (i != 7 || !info.Fleeting) && yo < f[i].size() && f[i][yo] == u'е' &&
          f[i].compare(0, yo, v, 0, yo) == 0)
        f[i][yo] = u'ё';
  }
  if (info.Gender == 4)
    for (int i = 0; i < 6; ++i)
      if (i != 3) f[i] = f[i + 6];
  f[9] = info.Animate ? f[7] : f[6];
  if (info.Gender == 4) f[3] = f[9];
  else if (info.Animate && secondDecl && info.Gender == 1) f[3] = f[1];
  f[3] = Get(info.Forms, "as", f[3]);
  f[9] = Get(info.Forms, "ap", f[9]);
  return f;
}

std::vector<std::u16string> RusAdjForms(const std::u16string& lemma, const TRusAdjInfo& info) {
  std::vector<std::u16string> v(34);
  if (lemma.size() < 3) throw std::invalid_argument("adjective lemma too short");
  std::u16string end2 = lemma.substr(lemma.size() - 2);
  if (end2 != u"ый" && end2 != u"ий" && end2 != u"ой")
    throw std::invalid_argument("adjective lemma must end in -ый, -ий or -ой");
  std::u16string st = Cut(lemma, 2);
  if (PossessiveSoft(lemma)) return PossessiveSoftForms(lemma);
  char16_t s = Last(st);
  bool stressed = end2 == u"ой";
  bool vel = Velar(s), sib = Sibilant(s);
  bool soft = end2 == u"ий" && !vel && !sib;
  std::u16string Y = (vel || sib || soft) ? u"и" : u"ы";
  std::u16string O = (soft || (sib && !stressed)) ? u"е" : u"о";
  std::u16string A = soft ? u"я" : u"а";
  std::u16string U = soft ? u"ю" : u"у";
  std::u16string mNom = lemma;
  std::u16string mGen = st + O + u"го", mDat = st + O + u"му", mIns = st + Y + u"м", mPrep = st + O + u"м";
  std::u16string fNom = st + A + u"я", fObl = st + O + u"й", fAcc = st + U + u"ю";
  std::u16string nNom = st + O + u"е";
  std::u16string pNom = st + Y + u"е", pGen = st + Y + u"х", pDat = st + Y + u"м", pIns = st + Y + u"ми";
  if (EndsWith(lemma, u"третий")) {
    // The soft-sign stem of "третий": третьего, третья, третьи.
    const std::u16string b = st + u"ь";
    mGen = b + u"его", mDat = b + u"ему", mIns = b + u"им", mPrep = b + u"ем";
    fNom = b + u"я", fObl = b + u"ей", fAcc = b + u"ю", nNom = b + u"е";
    pNom = b + u"и", pGen = b + u"их", pDat = b + u"им", pIns = b + u"ими";
  }
  std::u16string rows[7][4] = {
      {mNom, fNom, nNom, pNom}, {mGen, fObl, mGen, pGen}, {mDat, fObl, mDat, pDat},
      {mNom, fAcc, nNom, pNom}, {mGen, fAcc, nNom, pGen}, {mIns, fObl, mIns, pIns},
      {mPrep, fObl, mPrep, pGen}};
  for (int r = 0; r < 7; ++r)
    for (int g = 0; g < 4; ++g) v[1 + r * 4 + g] = rows[r][g];
  std::u16string cmp;
  if (vel) {
    std::u16string b = Cut(st, 1);
    if (EndsWith(b, u"к")) b = Cut(b, 1);  // короткий -> короче
    cmp = b + (s == u'к' ? u"че" : s == u'г' ? u"же" : u"ше");
  } else {
    // the stress of a short stem goes to -ее, so its ё is written е
    // (тёплый -> теплее, весёлый -> веселее); a longer one keeps it
    // (серьёзнее, определённее)
    cmp = st + u"ее";
    const size_t yo = st.rfind(u'ё');
    int syllables = 0;
    for (char16_t c : lemma) syllables += IsVowel(c) ? 1 : 0;
    if (yo != std::u16string::npos && (syllables == 2 || yo + 2 == st.size())) cmp[yo] = u'е';
  }
  if (!info.Qualitative) return v;
  v[29] = Get(info.Forms, "cmp", cmp);
  // short forms: given, asked for, or made for a plain hard stem (красив,
  // нужен: a vowel goes between a consonant and the final н)
  bool plain = !vel && !sib && !soft && !stressed && st.size() >= 3;
  if (plain && !info.Short && !info.Forms.count("sm")) {
    std::u16string m = st;
    if (Last(st) == u'н' && !IsVowel(st[st.size() - 2])) {
      m = Cut(st, 1);
      if (Last(m) == u'ь') m.pop_back();  // сильный -> силён
      m += u"ен";
    }
    v[30] = m;
    v[31] = st + u"а";
    v[32] = st + u"о";
    v[33] = st + u"ы";
  }
  if (info.Short || info.Forms.count("sm")) {
    v[30] = Get(info.Forms, "sm", st);
    v[31] = Get(info.Forms, "sf", st + u"а");
    v[32] = Get(info.Forms, "sn", st + (soft || (sib && !stressed) ? u"е" : u"о"));
    v[33] = Get(info.Forms, "sp", st + Y);
  }
  return v;
}

bool RusLooksRelative(const std::u16string& w) {
  static const std::u16string_view Endings[] = {
      u"первый", u"второй",  u"третий", u"четвёртый", u"четвертый", u"пятый",    u"шестой",
      u"седьмой", u"восьмой", u"девятый", u"десятый",  u"цатый",     u"сороковой", u"сотый",
      u"тысячный", u"миллионный", u"ский", u"цкий", u"ской", u"цкой", u"ний", u"вший", u"ющий", u"ущий"};
  // qualitative despite their ending
  for (std::u16string_view e : {u"плоский", u"броский", u"синий", u"древний", u"искренний", u"поздний", u"ранний"})
    if (EndsWith(w, e)) return false;
  for (auto e : Endings)
    if (EndsWith(w, e)) return true;
  // stressed -ной after a consonant: дневной, ночной, родной, основной (but
  // смешной, больной, дурной have degrees)
  if (EndsWith(w, u"овой") || EndsWith(w, u"евой") || EndsWith(w, u"яной") || w.starts_with(u"еже"))
    return true;  // годовой, ледяной, шерстяной, ежедневный
  if (EndsWith(w, u"ной") && w.size() > 4) {
    char16_t c = w[w.size() - 4];
    bool known = EndsWith(w, u"дурной") || EndsWith(w, u"чудной") || EndsWith(w, u"озорной");
    if (!IsVowel(c) && c != u'ш' && c != u'ж' && c != u'л' && c != u'ь' && !known) return true;
  }
  for (std::u16string_view e : {u"янный", u"яный"})
    if (EndsWith(w, e) && w.size() > e.size()) {
      char16_t c = w[w.size() - e.size() - 1];
      if (!IsVowel(c) && c != u'ь' && c != u'ъ') return true;
    }
  return false;
}

std::vector<std::u16string> RusParticipleDeclension(const std::u16string& masc) {
  bool refl = EndsWith(masc, u"ся");
  std::u16string base = refl ? Cut(masc, 2) : masc;
  auto v = RusAdjForms(base, {});
  v.resize(29);
  if (refl)
    for (size_t i = 1; i < v.size(); ++i) v[i] += u"ся";
  return v;
}

namespace {

struct TVerbParts {
  bool Refl = false;
  std::u16string Base;  // infinitive without -ся/-сь
};

TVerbParts Split(const std::u16string& inf) {
  TVerbParts p;
  if (EndsWith(inf, u"ся") || EndsWith(inf, u"сь")) {
    p.Refl = true;
    p.Base = Cut(inf, 2);
  } else {
    p.Base = inf;
  }
  return p;
}

std::u16string Refl(const std::u16string& w, bool refl) {
  if (!refl || w.empty()) return w;
  return w + (IsVowel(Last(w)) ? u"сь" : u"ся");
}

// давать, узнавать, вставать: the -ва- drops in the present (даю, узнаю)
bool GivingVerb(const std::u16string& b) {
  return EndsWith(b, u"давать") || EndsWith(b, u"знавать") || EndsWith(b, u"ставать");
}

struct TPresent {
  std::u16string S1, S2, S3, P1, P2, P3;
};

bool HasVowel(std::u16string_view w) {
  for (char16_t c : w)
    if (IsVowel(c)) return true;
  return false;
}

// Imperfective verbs Russian forms no present gerund for: -чь (печь, беречь,
// мочь), a present stem without a vowel in the first conjugation (пьют,
// жмут, трут; but чтя, мстя), the з/с alternation of the а-class (пишут,
// вяжут, режут), -нуть losing its suffix in the past (сохнуть: сох,
// мёрзнуть: мёрз), and a few single verbs.
bool LacksPresentGerund(const std::u16string& b, const TPresent& p, const std::u16string& pm) {
  const std::u16string z = Cut(p.P3, 2);
  const bool second = p.S3[p.S3.size() - 2] == u'и';
  if (EndsWith(b, u"чь") || (!HasVowel(z) && !second)) return true;
  if ((EndsWith(b, u"зать") || EndsWith(b, u"сать")) && (Last(z) == u'ж' || Last(z) == u'ш')) return true;
  if (EndsWith(b, u"нуть") && pm != Cut(b, 2) + u"л") return true;
  for (std::u16string_view w : {u"петь", u"ехать", u"бежать", u"хотеть", u"лезть", u"стонать", u"спать"})
    if (b == w) return true;
  return false;
}

// Perfective verbs with no 1st person singular in the future: победить,
// убедить (and their prefixed kin), очутиться, and the -ить verbs whose
// -жу/-шу form is avoided (дерзить, чудить).
bool LacksFirstSingular(const std::u16string& b) {
  for (std::u16string_view w : {u"бедить", u"очутить", u"дерзить", u"чудить", u"затмить"})
    if (EndsWith(b, w)) return true;
  return false;
}

TPresent Present(const std::u16string& b, const TOverrides& o) {
  std::u16string s1, s3;
  if (EndsWith(b, u"овать")) {
    s1 = Cut(b, 5) + u"ую"; s3 = Cut(b, 5) + u"ует";
  } else if (EndsWith(b, u"евать") && (Sibilant(Last(Cut(b, 5))) || Last(Cut(b, 5)) == u'ц')) {
    s1 = Cut(b, 5) + u"ую"; s3 = Cut(b, 5) + u"ует";
  } else if (GivingVerb(b)) {
    s1 = Cut(b, 4) + u"ю"; s3 = Cut(b, 4) + u"ёт";
  } else if (EndsWith(b, u"ять") && b.size() > 3 && IsVowel(b[b.size() - 4])) {
    s1 = Cut(b, 3) + u"ю"; s3 = Cut(b, 3) + u"ет";  // лаять -> лаю, сеять -> сеет
  } else if (EndsWith(b, u"ать") || EndsWith(b, u"ять") || EndsWith(b, u"еть")) {
    s1 = Cut(b, 2) + u"ю"; s3 = Cut(b, 2) + u"ет";
  } else if (EndsWith(b, u"нуть")) {
    s1 = Cut(b, 3) + u"у"; s3 = Cut(b, 3) + u"ет";
  } else if (EndsWith(b, u"ить")) {
    std::u16string x = Cut(b, 3);
    s1 = x + (Sibilant(Last(x)) ? u"у" : u"ю"); s3 = x + u"ит";
  }
  s1 = Get(o, "1s", s1);
  s3 = Get(o, "3s", s3);
  if (s1.empty() || s3.size() < 2)
    throw std::invalid_argument("present forms cannot be guessed: give 1s= and 3s=");
  TPresent p;
  p.S1 = s1;
  p.S3 = s3;
  std::u16string y = Cut(s3, 2);
  char16_t vow = s3[s3.size() - 2];
  bool second = vow == u'и';
  std::u16string V(1, vow);
  p.S2 = Get(o, "2s", y + V + u"шь");
  p.P1 = Get(o, "1p", y + V + u"м");
  p.P2 = Get(o, "2p", y + V + u"те");
  std::u16string p3;
  if (second) p3 = y + (Sibilant(Last(y)) ? u"ат" : u"ят");
  else p3 = y + (Last(s1) == u'ю' ? u"ют" : u"ут");
  // к/г of the 1sg comes back in the 3pl (пеку, печёт -> пекут; стригу,
  // стрижёт -> стригут; могу, может -> могут), and the imperative follows it
  const std::u16string k = s1.size() >= 2 ? Cut(s1, 1) : std::u16string();
  if (!second && Last(s1) == u'у' && !k.empty() && (Last(k) == u'к' || Last(k) == u'г') &&
      (Last(y) == u'ч' || Last(y) == u'ж'))
    p3 = k + u"ут";
  p.P3 = Get(o, "3p", p3);
  return p;
}

// The gerund of the past stem: прочитав, вернувшись, испёкши; -нуть verbs
// that lose -ну- in the past keep it here (возникнув, достигнув, завянув).
std::u16string PastGerund(const std::u16string& b, const std::u16string& pm, bool r) {
  const bool l = Last(pm) == u'л';
  const std::u16string root = l ? Cut(pm, 1) : pm;
  if (!r && EndsWith(b, u"нуть") && pm != Cut(b, 2) + u"л") return Cut(b, 2) + u"в";
  return r ? root + (l ? u"вшись" : u"шись") : root + (l ? u"в" : u"ши");
}

}  // namespace

std::vector<std::u16string> RusVerbForms(const std::u16string& inf, const TRusVerbInfo& info) {
  const TOverrides& o = info.Forms;
  TVerbParts vp = Split(inf);
  const std::u16string& b = vp.Base;
  const bool r = vp.Refl;
  std::vector<std::u16string> v(19);
  TPresent p = Present(b, o);
  std::u16string z = Cut(p.P3, 2);  // present stem of the 3pl
  std::u16string imp;
  if (GivingVerb(b)) imp = Cut(b, 2) + u"й";
  else imp = IsVowel(Last(z)) ? z + u"й" : z + u"и";
  imp = Get(o, "imp", imp);
  std::u16string pm;
  if (EndsWith(b, u"ть")) pm = Cut(b, 2) + u"л";
  if (EndsWith(b, u"чь") && (Last(Cut(p.P3, 2)) == u'к' || Last(Cut(p.P3, 2)) == u'г')) {
    // -чь: the past has the к/г of the present and no -л; a last е is the
    // stressed ё (пёк, берёг, лёг; стриг, мог)
    pm = Cut(b, 2) + Last(Cut(p.P3, 2));
    if (pm.size() >= 2 && pm[pm.size() - 2] == u'е') pm[pm.size() - 2] = u'ё';
  }
  pm = Get(o, "pm", pm);
  if (pm.empty()) throw std::invalid_argument("past cannot be guessed: give pm=");
  // a ё in the last syllable of the masculine loses the stress to the
  // ending (нёс -> несла, вёл -> вела); one further back keeps it
  // (причёсывал -> причёсывала), and so does one before р, where the stem
  // keeps the stress (стёр -> стёрла, мёрз -> мёрзла)
  std::u16string pf = Last(pm) == u'л' ? pm + u"а" : pm + u"ла";
  if (size_t yo = pm.rfind(u'ё'); yo != std::u16string::npos) {
    bool last = true;
    for (size_t i = yo + 1; i < pm.size(); ++i) last = last && !IsVowel(pm[i]);
    if (last && (yo + 1 == pm.size() || pm[yo + 1] != u'р')) pf[yo] = u'е';
  }
  if (EndsWith(pm, u"шёл") || EndsWith(pm, u"чёл")) pf = Cut(pm, 2) + u"ла";  // пришёл -> пришла, прочёл -> прочла
  pf = Get(o, "pf", pf);
  std::u16string ps = Cut(pf, 1);
  v[1] = inf;
  v[2] = Refl(imp, r);
  v[3] = LacksFirstSingular(b) && !o.count("1s") ? std::u16string() : Refl(p.S1, r);
  v[4] = Refl(p.S2, r);
  v[5] = Refl(p.S3, r);
  v[6] = Refl(imp + u"те", r);
  v[7] = Refl(p.P1, r);
  v[8] = Refl(p.P2, r);
  v[9] = Refl(p.P3, r);
  v[10] = Refl(pm, r);
  v[11] = Refl(pf, r);
  v[12] = Refl(ps + u"о", r);
  v[13] = Refl(ps + u"и", r);
  std::u16string ger;
  if (info.Perfective) {
    ger = PastGerund(b, pm, r);
  } else if (!LacksPresentGerund(b, p, pm)) {
    std::u16string g = GivingVerb(b) ? Cut(b, 2) : z;
    ger = Refl(g + (Sibilant(Last(g)) ? u"а" : u"я"), r);
  }
  // given forms leave out -ся/-сь; one written with it is taken as it is
  if (auto g = o.find("ger"); g != o.end())
    ger = !r || EndsWith(g->second, u"сь") || EndsWith(g->second, u"ся") ? g->second
          : Last(g->second) == u'в'                                         ? g->second + u"шись"  // вернув
                                                                            : Refl(g->second, r);
  v[14] = ger;
  std::u16string pap = Last(pm) == u'л' ? Cut(pm, 1) + u"вший" : pm + u"ший";
  // imperfective -нуть verbs that lose -ну- in the past keep it in the
  // participle (мёрзнуть: мёрз, мёрзнувший); perfective ones do not (возникший)
  if (!info.Perfective && Last(pm) != u'л' && EndsWith(b, u"нуть")) pap = Cut(b, 2) + u"вший";
  pap = Get(o, "pap", pap);
  if (r && EndsWith(pap, u"ся")) pap = Cut(pap, 2);
  std::u16string pst = Cut(pap, 2);
  v[15] = pap + (r ? u"ся" : u"");
  v[16] = pst + u"ая" + (r ? u"ся" : u"");
  v[17] = pst + u"ее" + (r ? u"ся" : u"");
  v[18] = pst + u"ие" + (r ? u"ся" : u"");
  return v;
}

std::u16string RusEngineGerund(const std::u16string& inf, const TRusVerbInfo& info) {
  const std::vector<std::u16string> v = RusVerbForms(inf, info);
  if (!v[14].empty()) return v[14];
  TVerbParts vp = Split(inf);
  return PastGerund(vp.Base, Get(info.Forms, "pm", Cut(vp.Base, 2) + u"л"), vp.Refl);
}

std::u16string RusPresentParticiple(const std::u16string& inf, const TRusVerbInfo& info) {
  if (info.Perfective) return {};
  TVerbParts vp = Split(inf);
  TPresent p = Present(vp.Base, info.Forms);
  std::u16string m = Cut(p.P3, 1) + u"щий";
  return Get(info.Forms, "prp", m) + (vp.Refl ? u"ся" : u"");
}

}  // namespace mkdata
