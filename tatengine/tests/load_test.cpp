// Loading: the exported names, missing and damaged data files.
#include <dlfcn.h>
#include <stdio.h>
#include <unistd.h>

#include <fstream>

#include "EngineFixture.h"
#include "tatengine.h"

namespace tatfix {
namespace {

std::string LibraryPath() {
  const char* bin = getenv("ZENTROK_BIN");
  return std::string(bin != nullptr ? bin : ".") + "/libtatengine.so";
}

TEST(LibraryTest, ExportsResolveByName) {
  void* lib = dlopen(LibraryPath().c_str(), RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(lib, nullptr) << dlerror();
  for (const char* name : {"LoadTransler", "SetOutProc", "ParseSentence", "ParserInit", "LoadError"})
    EXPECT_NE(dlsym(lib, name), nullptr) << name;
  dlclose(lib);
}

class LoadTest : public ::testing::Test {
protected:
  void TearDown() override { UseStandardLexicon(); }
};

TEST_F(LoadTest, MissingFolderNamesTheFirstFile) {
  LoadTransler("/nonexistent-zentrok-folder/");
  const std::string error = LoadError();
  EXPECT_NE(error.find("Cannot open file \""), std::string::npos) << error;
  EXPECT_NE(error.find("/nonexistent-zentrok-folder/flt01.pack"), std::string::npos) << error;
  // The engine stays unusable but safe.
  EXPECT_TRUE(RunSentence(u"китап").empty());
  EXPECT_NE(ParserInit(), nullptr);
}

TEST_F(LoadTest, FirstMissingFileInLoadOrderIsReported) {
  const std::string dir = MakeTempDir();
  StandardLexicon().Write(dir);
  unlink((dir + "/itfst13.pack").c_str());
  unlink((dir + "/cds09.pack").c_str());
  LoadTransler((dir + "/").c_str());
  const std::string error = LoadError();
  EXPECT_NE(error.find("cds09.pack"), std::string::npos) << error;
  EXPECT_TRUE(RunSentence(u"китап").empty());

  // Every one of the 27 files is needed.
  const std::string d = MakeTempDir();
  StandardLexicon().Write(d);
  for (const char* name : DataFiles) {
    const std::string path = d + "/" + name;
    ASSERT_EQ(rename(path.c_str(), (path + ".away").c_str()), 0);
    LoadTransler((d + "/").c_str());
    EXPECT_NE(std::string(LoadError()).find(name), std::string::npos) << name;
    ASSERT_EQ(rename((path + ".away").c_str(), path.c_str()), 0);
  }
  LoadTransler((d + "/").c_str());
  EXPECT_STREQ(LoadError(), "");
}

TEST_F(LoadTest, DamagedFileIsReportedNotCrashed) {
  const std::string dir = MakeTempDir();
  StandardLexicon().Write(dir);
  {
    std::ofstream f(dir + "/itfst04.pack", std::ios::binary | std::ios::trunc);
    const char junk[] = "\x01\x00\x00\x00\xff\xff\xff\x7f\x10\x00";
    f.write(junk, sizeof junk);
  }
  LoadTransler((dir + "/").c_str());
  const std::string error = LoadError();
  EXPECT_FALSE(error.empty());
  EXPECT_NE(error.find("itfst04.pack"), std::string::npos) << error;
  EXPECT_TRUE(RunSentence(u"китап").empty());
}

TEST_F(LoadTest, GoodLoadAfterAFailedOneWorksAgain) {
  LoadTransler("/nonexistent-zentrok-folder/");
  EXPECT_STRNE(LoadError(), "");
  UseStandardLexicon();
  EXPECT_STREQ(LoadError(), "");
  EXPECT_EQ(Translate(u"китап"), u"книга");
}

TEST_F(LoadTest, TablesWithShortRowsDoNotReadOutside) {
  // Stem rows without their Russian columns, ending rows without codes and
  // verb form rows without forms: words translate to what is there.
  TLexicon lx;
  lx.Add("flt04.pack", {u""});
  lx.Add("flt04.pack", {u"лар", u"343"});
  lx.Add("itfst04.pack", {u"китап", u"1"});
  lx.Add("flt10.pack", {u"ды", u"283"});
  lx.Add("itfst10.pack", {u"укы", u"1", u"x", u"1001"});
  lx.Add("plr10.pack", {u"1001"});
  lx.Add("flt01.pack", {u"", u"257"});
  lx.Add("itfst01.pack", {u"зур"});
  lx.Add("itfst07.pack", {u"мин"});
  lx.Add("itfst13.pack", {u"сөй", u"1"});
  lx.Add("flt13.pack", {u"гән", u"258"});
  LoadLexicon(lx);
  ASSERT_STREQ(LoadError(), "");
  EXPECT_EQ(RunSentence(u"китап").size(), 1u);
  EXPECT_EQ(RunSentence(u"китаплар укыды зур мин сөйгән.").size(), 6u);
}

}  // namespace
}  // namespace tatfix

extern "C" int TatengineHeaderIsC(void);

namespace tatfix {
namespace {

TEST(LibraryTest, HeaderIsUsableFromC) {
  EXPECT_EQ(TatengineHeaderIsC(), 1);
  UseStandardLexicon();  // the C check replaced the callback
}

}  // namespace
}  // namespace tatfix
