// zentrok-mkdata: compiles the lexicon sources into both engines' data files.
//   zentrok-mkdata --lexicon DIR --out DIR [--quiet]
//   zentrok-mkdata --lexicon DIR --dump nouns|verbs|adjectives|russian
// The dump prints every entry with its generated forms, for reviewing the
// lexicon.
#include <cstdio>
#include <cstring>
#include <exception>
#include <set>
#include <string>

#include "DataBuilder.h"
#include "Inflect.h"
#include "Lexicon.h"
#include "RussianPronouns.h"
#include "Senses.h"
#include "zentrok/Utf.h"

namespace {

void PrintForms(const std::u16string& head, const std::vector<std::u16string>& forms, size_t from) {
  std::string line = zentrok::Utf16ToUtf8(head);
  for (size_t i = from; i < forms.size(); ++i) line += "\t" + zentrok::Utf16ToUtf8(forms[i]);
  std::printf("%s\n", line.c_str());
}

void Row(const char* cls, const std::u16string& lemma, const std::string& tags, const std::u16string& form) {
  if (form.empty()) return;
  std::printf("%s\t%s\t%s\t%s\n", cls, zentrok::Utf16ToUtf8(lemma).c_str(), tags.c_str(),
              zentrok::Utf16ToUtf8(form).c_str());
}

// Every generated Russian form of the single-word lemmas, tagged with the
// grammemes of the OpenCorpora tag set, for checking against an
// independent dictionary: class, lemma, tags, form.
void DumpRussian(const mkdata::TLexicon& lx) {
  using namespace mkdata;
  static const char* Cases[6] = {"nomn", "gent", "datv", "accs", "ablt", "loct"};
  static const char* Genders[4] = {"masc", "femn", "neut", "plur"};
  std::set<std::u16string> seen;
  for (auto& e : lx.Nouns) {
    if (e.Rus.find(u' ') != std::u16string::npos || !seen.insert(u"n" + e.Rus).second) continue;
    if (e.Flags.count("indecl")) continue;
    auto n = RusNounOf(e);
    for (int i = 0; i < 12; ++i)
      Row("noun", e.Rus, std::string(Cases[i % 6]) + (i < 6 ? ",sing" : ",plur"), n.Forms[i]);
  }
  static const int CaseRows[6] = {1, 5, 9, 13, 21, 25};
  for (auto& e : lx.Adjectives) {
    if (!seen.insert(u"a" + e.Rus).second) continue;
    auto v = RusAdjOf(e);
    for (int c = 0; c < 6; ++c)
      for (int g = 0; g < 4; ++g) {
        std::string tags = std::string(Cases[c]) + "," + (g < 3 ? std::string(Genders[g]) + ",sing" : "plur");
        if (c == 3 && (g == 0 || g == 3)) tags += ",inan";
        Row("adjective", e.Rus, tags, v[CaseRows[c] + g]);
      }
    Row("adjective", e.Rus, "accs,masc,sing,anim", v[17]);
    Row("adjective", e.Rus, "accs,plur,anim", v[20]);
    Row("comparative", e.Rus, "COMP", v[29]);
    // whether the adjective has degrees at all, against the dictionary's Qual mark
    Row("degree", e.Rus, "Qual", RusAdjIsQualitative(e) ? u"yes" : u"no");
  }
  // determiners declined like adjectives (этот, мой, весь, какой); the
  // plural-only ones (все, некоторые) are cited by a form no dictionary
  // lemmatises to and are left out
  for (auto& d : lx.Determiners) {
    if (d.Number != 1 || !seen.insert(u"d" + d.M).second) continue;
    auto v = RusDeterminerForms(d.M);
    if (v.empty()) continue;
    for (int c = 0; c < 6; ++c)
      for (int g = 0; g < 4; ++g) {
        std::string tags = std::string(Cases[c]) + "," + (g < 3 ? std::string(Genders[g]) + ",sing" : "plur");
        if (c == 3 && (g == 0 || g == 3)) tags += ",inan";
        Row("determiner", d.M, tags, v[CaseRows[c] + g]);
      }
    Row("determiner", d.M, "accs,masc,sing,anim", v[17]);
    Row("determiner", d.M, "accs,plur,anim", v[20]);
  }
  for (auto& e : lx.Verbs) {
    if (!seen.insert(u"v" + e.Rus).second) continue;
    auto v = RusVerbOf(e);
    bool perf = e.Flags.count("p") > 0;
    std::string tense = perf ? "futr" : "pres";
    const char* persons[6] = {"1per,sing", "2per,sing", "3per,sing", "1per,plur", "2per,plur", "3per,plur"};
    int sel[6] = {3, 4, 5, 7, 8, 9};
    Row("verb", e.Rus, "INFN", v[1]);
    Row("verb", e.Rus, "impr,sing", v[2]);
    Row("verb", e.Rus, "impr,plur", v[6]);
    for (int p = 0; p < 6; ++p) Row("verb", e.Rus, std::string(persons[p]) + "," + tense, v[sel[p]]);
    Row("verb", e.Rus, "past,masc,sing", v[10]);
    Row("verb", e.Rus, "past,femn,sing", v[11]);
    Row("verb", e.Rus, "past,neut,sing", v[12]);
    Row("verb", e.Rus, "past,plur", v[13]);
    Row("gerund", e.Rus, perf ? "GRND,past" : "GRND,pres", v[14]);
    // the stand-in the engines use where Russian has no present gerund
    if (v[14].empty()) Row("gerund", e.Rus, "GRND,past", RusEngineGerund(e.Rus, RusVerbInfoOf(e)));
    for (int g = 0; g < 4; ++g)
      Row("participle", e.Rus,
          std::string("PRTF,past,actv,nomn,") + (g < 3 ? std::string(Genders[g]) + ",sing" : "plur"),
          v[15 + g]);
  }
}

void Dump(const mkdata::TLexicon& lx, const std::string& what) {
  using namespace mkdata;
  if (what == "nouns")
    for (auto& e : lx.Nouns) {
      PrintForms(e.Rus, RusNounOf(e).Forms, 0);
      PrintForms(e.Tat, TatNounForms(e.Tat, TatFlagsOf(e)), 1);
    }
  else if (what == "verbs")
    for (auto& e : lx.Verbs) {
      PrintForms(e.Rus, RusVerbOf(e), 1);
      PrintForms(e.Tat, TatVerbForms(e.Tat, TatFlagsOf(e)), 1);
    }
  else if (what == "adjectives")
    for (auto& e : lx.Adjectives) {
      PrintForms(e.Rus, RusAdjOf(e), 1);
      PrintForms(e.Tat, TatAdjForms(e.Tat, TatFlagsOf(e)), 1);
    }
  else if (what == "russian")
    DumpRussian(lx);
  else
    throw std::runtime_error("nothing to dump for \"" + what + "\"");
}

}  // namespace

int main(int argc, char** argv) {
  std::string lexicon, out, dump;
  bool quiet = false;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--lexicon") && i + 1 < argc) lexicon = argv[++i];
    else if (!std::strcmp(argv[i], "--out") && i + 1 < argc) out = argv[++i];
    else if (!std::strcmp(argv[i], "--quiet")) quiet = true;
    else if (!std::strcmp(argv[i], "--dump") && i + 1 < argc) dump = argv[++i];
    else {
      std::fprintf(stderr, "usage: zentrok-mkdata --lexicon DIR (--out DIR [--quiet] | --dump nouns|verbs|adjectives|russian)\n");
      return 2;
    }
  }
  if (!lexicon.empty() && !dump.empty()) {
    try {
      Dump(mkdata::LoadLexicon(lexicon), dump);
    } catch (const std::exception& e) {
      std::fprintf(stderr, "zentrok-mkdata: %s\n", e.what());
      return 1;
    }
    return 0;
  }
  if (lexicon.empty() || out.empty()) {
    std::fprintf(stderr, "usage: zentrok-mkdata --lexicon DIR (--out DIR [--quiet] | --dump nouns|verbs|adjectives|russian)\n");
    return 2;
  }
  try {
    mkdata::TLexicon lx = mkdata::LoadLexicon(lexicon);
    mkdata::TBuildReport report;
    const mkdata::TSenses senses = mkdata::ReadSenses(lexicon, lx);
    mkdata::TLexicon withNounSenses = lx;
    mkdata::AddNounSenses(withNounSenses, senses);
    mkdata::BuildTatEngineData(withNounSenses, out, report);
    mkdata::BuildRusEngineData(lx, out, report);
    mkdata::BuildSenses(lx, senses, out, report);
    if (!quiet) {
      for (auto& [k, v] : report.Entries) std::printf("entries   %-28s %6d\n", k.c_str(), v);
      for (auto& [k, v] : report.Paradigms) std::printf("paradigms %-28s %6d\n", k.c_str(), v);
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "zentrok-mkdata: %s\n", e.what());
    return 1;
  }
  return 0;
}
