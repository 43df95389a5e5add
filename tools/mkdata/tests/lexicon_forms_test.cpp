// Every entry of the project's lexicon inflects into complete, well-formed
// paradigms: no empty code, no unresolved suffix placeholder or foreign
// letter, no suffix doubled by a wrong stem class (-сысы, -ларлар).
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "Inflect.h"
#include "Lexicon.h"
#include "RussianPronouns.h"
#include "zentrok_test_utf8.h"

using namespace mkdata;

namespace {

bool TatarLetter(char16_t c) {
  return (c >= u'а' && c <= u'я') || (c >= u'А' && c <= u'Я') || c == u'ё' || c == u'Ё' ||
         std::u16string_view(u"әөүҗңһӘӨҮҖҢҺ").find(c) != std::u16string_view::npos;
}

// Occurrences of `what` not followed by з (-сысыз "without his ..." is a
// suffix of its own, -сысы a doubled possessive).
size_t Count(const std::u16string& s, std::u16string_view what) {
  size_t n = 0;
  for (size_t p = s.find(what); p != std::u16string::npos; p = s.find(what, p + 1))
    if (p + what.size() >= s.size() || s[p + what.size()] != u'з') ++n;
  return n;
}

// The part of a form after what it shares with its lemma: the suffixes
// (a lemma that ends like a suffix, доллар or күсе, is no doubling).
std::u16string Ending(const std::u16string& lemma, const std::u16string& form) {
  size_t n = 0;
  while (n < lemma.size() && n < form.size() && lemma[n] == form[n]) ++n;
  return form.substr(n);
}

// What is wrong with one form of a lemma, or "" when nothing is.
std::string Fault(const std::u16string& lemma, const std::u16string& form) {
  if (form.empty()) return "empty";
  for (char16_t c : form)
    if (!TatarLetter(c) && c != u' ' && c != u'-') return "bad letter";
  for (std::u16string_view twice :
       {u"сысы", u"сесе", u"ларлар", u"ләрләр", u"нарнар", u"нәрнәр", u"лерлер", u"ларнар", u"ләрнәр"})
    if (Count(Ending(lemma, form), twice) > 0) return "doubled suffix";
  return "";
}

// Walks the given codes of every entry; collects faults as "file:line lemma code form: fault".
void Walk(const std::vector<TEntry>& list, int codes,
          const std::function<std::vector<std::u16string>(const TEntry&)>& generate, std::vector<std::string>& bad) {
  for (const auto& e : list) {
    std::vector<std::u16string> f;
    try {
      f = generate(e);
    } catch (const std::exception& ex) {
      bad.push_back(e.Place.Where() + " " + U8(e.Tat) + ": " + ex.what());
      continue;
    }
    if ((int)f.size() <= codes) {
      bad.push_back(e.Place.Where() + " " + U8(e.Tat) + ": too few forms");
      continue;
    }
    for (int c = 1; c <= codes; ++c)
      if (std::string why = Fault(e.Tat, f[c]); !why.empty())
        bad.push_back(e.Place.Where() + " " + U8(e.Tat) + " " + std::to_string(c) + " \"" + U8(f[c]) + "\": " + why);
  }
}

std::string Report(const std::vector<std::string>& bad) {
  std::string s;
  for (size_t i = 0; i < bad.size() && i < 40; ++i) s += bad[i] + "\n";
  return s;
}

const TLexicon& Project() {
  static const TLexicon lx = LoadLexicon(ZENTROK_LEXICON_DIR);
  return lx;
}

}  // namespace

TEST(ProjectLexiconForms, EveryTatarParadigmIsComplete) {
  const TLexicon& lx = Project();
  std::vector<std::string> bad;
  Walk(lx.Nouns, NounCodes, [](const TEntry& e) { return TatNounForms(e.Tat, TatFlagsOf(e)); }, bad);
  Walk(lx.Verbs, VerbCodes, [](const TEntry& e) { return TatVerbForms(e.Tat, TatFlagsOf(e)); }, bad);
  Walk(lx.Verbs, ParticipleCodes, [](const TEntry& e) { return TatParticipleForms(e.Tat, TatFlagsOf(e)); }, bad);
  Walk(lx.Adjectives, 3, [](const TEntry& e) { return TatAdjForms(e.Tat, TatFlagsOf(e)); }, bad);
  EXPECT_TRUE(bad.empty()) << bad.size() << " faults, the first:\n" << Report(bad);
}

TEST(ProjectLexiconForms, PossessiveCompoundsEndInAPossessive) {
  // a t:px3 lemma whose last word is no 3rd-person possessive of any stem
  // would decline as a bare noun with the possessive endings doubled
  std::vector<std::string> bad;
  for (const auto& e : Project().Nouns) {
    if (!e.Flags.count("t:px3")) continue;
    size_t sp = e.Tat.rfind(u' ');
    std::u16string last = sp == std::u16string::npos ? e.Tat : e.Tat.substr(sp + 1);
    TTatFlags f = TatFlagsOf(e);
    if (f.Px3Stem.empty() && TatPx3Stems(last, f).empty())
      bad.push_back(e.Place.Where() + " " + U8(e.Tat));
    auto forms = TatNounForms(e.Tat, f);
    if (forms[1] != e.Tat || forms[19] != e.Tat) bad.push_back(e.Place.Where() + " " + U8(e.Tat) + ": own form lost");
    // the plural goes before the possessive, never after it (хакылар)
    for (int code : {87})
      if (forms[code].starts_with(e.Tat))
        bad.push_back(e.Place.Where() + " " + U8(e.Tat) + " " + std::to_string(code) + " \"" + U8(forms[code]) + "\"");
  }
  EXPECT_TRUE(bad.empty()) << Report(bad);
}

TEST(ProjectLexiconForms, EveryRussianParadigmIsComplete) {
  const TLexicon& lx = Project();
  std::vector<std::string> bad;
  auto check = [&](const TEntry& e, const std::vector<std::u16string>& f, int from, int to) {
    for (int i = from; i <= to; ++i)
      if (std::string why = Fault(e.Rus, f[i]); !why.empty())
        bad.push_back(e.Place.Where() + " " + U8(e.Rus) + " " + std::to_string(i) + " \"" + U8(f[i]) + "\": " + why);
  };
  for (const auto& e : lx.Nouns) check(e, RusNounOf(e).Forms, 0, 11);
  // the engine's verb table, with stand-ins where Russian lacks a form, has
  // every form up to the participles
  for (const auto& e : lx.Verbs) check(e, RusEngineVerbOf(e), 1, 18);
  for (const auto& e : lx.Adjectives) check(e, RusAdjOf(e), 1, 28);
  EXPECT_TRUE(bad.empty()) << bad.size() << " faults, the first:\n" << Report(bad);
}

TEST(ProjectLexiconForms, EveryDeterminerDeclinesInItsOwnGenders) {
  // the declension must start from the very forms the entry gives, or an
  // agreeing determiner would change word (каждый -> какой)
  std::vector<std::string> bad;
  for (const auto& d : Project().Determiners) {
    const std::vector<std::u16string> f = RusDeterminerForms(d.M);
    const bool genitive = d.M == u"его" || d.M == u"её" || d.M == u"их";
    if (genitive) {
      if (!f.empty()) bad.push_back(d.Place.Where() + " " + U8(d.M) + ": a genitive pronoun declined");
      continue;
    }
    if (f.empty()) {
      bad.push_back(d.Place.Where() + " " + U8(d.M) + ": no declension");
      continue;
    }
    const bool pluralOnly = d.Number == 2;
    if (f[pluralOnly ? 4 : 1] != d.M || (!pluralOnly && (f[2] != d.F || f[3] != d.N)))
      bad.push_back(d.Place.Where() + " " + U8(d.M) + ": nominative " + U8(f[1]) + " " + U8(f[2]) + " " + U8(f[3]));
    for (int v = 1; v <= 28; ++v)
      if (std::string why = Fault(d.M, f[v]); !why.empty())
        bad.push_back(d.Place.Where() + " " + U8(d.M) + " v" + std::to_string(v) + ": " + why);
  }
  EXPECT_TRUE(bad.empty()) << Report(bad);
}

TEST(ProjectLexiconForms, SyncopeNounsAreReadInBothSpellings) {
  // a noun that drops its vowel (халкы) or may drop it (борны) is read with
  // and without it in the 3rd-person possessive
  int nouns = 0;
  std::vector<std::string> bad;
  for (const auto& e : Project().Nouns) {
    if (!e.ToRus || !(e.Flags.count("t:syncope") || e.Flags.count("t:syncopable")) || e.Flags.count("t:px3")) continue;
    ++nouns;
    std::set<std::u16string> px3;
    for (auto& [code, form] : TatNounAnalysisList(e))
      if (code == 19) px3.insert(form);
    if (px3.size() < 2) bad.push_back(e.Place.Where() + " " + U8(e.Tat) + ": one spelling only");
  }
  EXPECT_GE(nouns, 5);
  EXPECT_TRUE(bad.empty()) << Report(bad);
}
