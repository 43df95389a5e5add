// zentrok-mkdata: compiles the lexicon sources into both engines' data files.
//   zentrok-mkdata --lexicon DIR --out DIR [--quiet]
//   zentrok-mkdata --lexicon DIR --dump nouns|verbs|adjectives
// The dump prints every entry with its generated forms, for reviewing the
// lexicon.
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "DataBuilder.h"
#include "Inflect.h"
#include "Lexicon.h"
#include "zentrok/Utf.h"

namespace {

void PrintForms(const std::u16string& head, const std::vector<std::u16string>& forms, size_t from) {
  std::string line = zentrok::Utf16ToUtf8(head);
  for (size_t i = from; i < forms.size(); ++i) line += "\t" + zentrok::Utf16ToUtf8(forms[i]);
  std::printf("%s\n", line.c_str());
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
      std::fprintf(stderr, "usage: zentrok-mkdata --lexicon DIR (--out DIR [--quiet] | --dump nouns|verbs|adjectives)\n");
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
    std::fprintf(stderr, "usage: zentrok-mkdata --lexicon DIR (--out DIR [--quiet] | --dump nouns|verbs|adjectives)\n");
    return 2;
  }
  try {
    mkdata::TLexicon lx = mkdata::LoadLexicon(lexicon);
    mkdata::TBuildReport report;
    mkdata::BuildTatEngineData(lx, out, report);
    mkdata::BuildRusEngineData(lx, out, report);
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
