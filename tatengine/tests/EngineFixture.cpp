#include "EngineFixture.h"

#include "tatengine.h"

namespace tatfix {

namespace {

std::vector<TPiece>* Collected = nullptr;

void Collect(const char16_t* piece, int32_t flag) {
  if (Collected != nullptr) Collected->push_back(TPiece{piece, flag});
}

}  // namespace

std::string LoadLexicon(const TLexicon& lexicon) {
  std::string dir = MakeTempDir();
  lexicon.Write(dir);
  LoadTransler((dir + "/").c_str());
  SetOutProc(Collect);
  return dir;
}

void ReloadLexicon(const std::string& dir) {
  LoadTransler((dir + "/").c_str());
  ParserInit();
}

void UseStandardLexicon() {
  {
    static const std::string dir = [] {
      std::string d = MakeTempDir();
      StandardLexicon().Write(d);
      return d;
    }();
    LoadTransler((dir + "/").c_str());
    ASSERT_STREQ(LoadError(), "");
  }
  ParserInit();
  SetOutProc(Collect);
}

std::vector<TPiece> RunSentence(std::u16string_view sentence) {
  std::vector<TPiece> pieces;
  std::u16string text(sentence);
  Collected = &pieces;
  ParseSentence(text.c_str());
  Collected = nullptr;
  return pieces;
}

std::u16string Text(const std::vector<TPiece>& pieces) {
  std::u16string text;
  for (const TPiece& p : pieces) text += p.Text;
  return text;
}

std::u16string Translate(std::u16string_view sentence) { return Text(RunSentence(sentence)); }

}  // namespace tatfix
