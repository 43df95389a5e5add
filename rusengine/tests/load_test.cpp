// Loading through the C exports: missing files and items, damaged tables,
// and an engine that did not load.
#include <dlfcn.h>

#include <cstdio>
#include <fstream>

#include "EngineTest.h"
#include "zentrok/TableWriter.h"

namespace rusengine::fixture {
namespace {

class Load : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(SharedEngine().Ok()) << SharedEngine().Error();
    TLexicon::Standard().Write(Dir.Path());
    SharedEngine().Connect();
  }
  std::string LoadError() {
    SharedEngine().Load(Dir.Path());
    return SharedEngine().LoadError();
  }
  void Remove(const char* name) { std::remove((Dir.Path() + name).c_str()); }

  TTempDir Dir;
};

bool Contains(const std::string& s, const std::string& part) {
  return s.find(part) != std::string::npos;
}

TEST(Exports, ResolvedByName) {
  void* h = dlopen(EngineLibraryPath().c_str(), RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(h, nullptr) << dlerror();
  for (const char* name : {"LoadTransler_rt", "SetOutProc_rt", "ParseSentence_rt", "LoadError_rt"})
    EXPECT_NE(dlsym(h, name), nullptr) << name;
  dlclose(h);
}

TEST_F(Load, GoodLoadThenMissingFileThenGoodAgain) {
  EXPECT_EQ(LoadError(), "");
  EXPECT_EQ(SharedEngine().Translate(u"Я знаю"), u"Мин беләм");

  Remove("flip64.coll");
  const std::string error = LoadError();
  EXPECT_TRUE(Contains(error, "flip64.coll")) << error;
  // An engine that did not load emits nothing and does not crash.
  EXPECT_TRUE(SharedEngine().Parse(u"Я знаю").empty());

  TLexicon::Standard().Write(Dir.Path());
  EXPECT_EQ(LoadError(), "");
  EXPECT_EQ(SharedEngine().Translate(u"Я знаю"), u"Мин беләм");
}

TEST_F(Load, FilesAreOpenedInTheirOrder) {
  Remove("flip128.coll");
  Remove("pc32mod.coll");
  EXPECT_TRUE(Contains(LoadError(), "flip128.coll"));
  TLexicon::Standard().Write(Dir.Path());
  Remove("pc32prf.coll");
  Remove("flip32.coll");
  // The prepositions are read right after the first collection.
  EXPECT_TRUE(Contains(LoadError(), "pc32prf.coll"));
  TLexicon::Standard().Write(Dir.Path());
  Remove("pc32mod.coll");
  EXPECT_TRUE(Contains(LoadError(), "pc32mod.coll"));
}

TEST_F(Load, MissingItem) {
  TLexicon lex = TLexicon::Standard();
  lex.Verb.StemItem = "verbstems";
  lex.Write(Dir.Path());
  const std::string error = LoadError();
  EXPECT_TRUE(Contains(error, "verbbs")) << error;
  EXPECT_TRUE(Contains(error, "flip32.coll")) << error;
  EXPECT_TRUE(SharedEngine().Parse(u"Я знаю").empty());
}

TEST_F(Load, ItemNamesIgnoreCaseAndFolders) {
  TLexicon lex = TLexicon::Standard();
  lex.Noun.StemItem = "DATA\\NOUNBS";
  lex.Write(Dir.Path());
  EXPECT_EQ(LoadError(), "");
  EXPECT_EQ(SharedEngine().Translate(u"В доме"), u"Йортта");
}

TEST_F(Load, DamagedTables) {
  // A stem row whose paradigm cell is too short to hold a number.
  {
    TLexicon lex = TLexicon::Standard();
    lex.Write(Dir.Path());
    zentrok::TPackTableWriter stems;
    stems.AddRow({std::u16string(u"дом"), std::u16string(u""), std::u16string(u"йорт"), 1});
    zentrok::TCollectionWriter coll;
    coll.AddItem("tnouncd", lex.Noun.CodeImage());
    coll.AddItem("rnounfl", lex.Noun.EndingImage());
    coll.AddItem("nounbs", stems.Build());
    coll.Save(Dir.Path() + "flip256.coll");
    const std::string error = LoadError();
    EXPECT_TRUE(Contains(error, "nounbs")) << error;
  }
  // A preposition table row with too few cells.
  {
    TLexicon lex = TLexicon::Standard();
    lex.Prepositions.push_back({u"на", u"5"});
    lex.Write(Dir.Path());
    const std::string error = LoadError();
    EXPECT_TRUE(Contains(error, "pc32prf.coll")) << error;
  }
  // A collection cut short in the middle of a record.
  {
    TLexicon lex = TLexicon::Standard();
    lex.Write(Dir.Path());
    std::vector<uint8_t> bytes = lex.Adj.CollectionImage();
    bytes.resize(bytes.size() - 7);
    std::ofstream(Dir.Path() + "flip128.coll", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    EXPECT_NE(LoadError(), "");
  }
  // Garbage in place of a packed table image.
  {
    TLexicon lex = TLexicon::Standard();
    lex.Write(Dir.Path());
    zentrok::TCollectionWriter coll;
    coll.AddItem("tvadvcd", {0xFF, 0xFF, 0xFF, 0x7F, 1, 0, 0, 0, 9, 9, 9});
    coll.AddItem("rvadvfl", lex.VAdv.EndingImage());
    coll.AddItem("vadvbs", lex.VAdv.StemImage());
    coll.Save(Dir.Path() + "flip64.coll");
    EXPECT_NE(LoadError(), "");
  }
  EXPECT_TRUE(SharedEngine().Parse(u"Я знаю").empty());
}

TEST_F(Load, EmptyTablesLoadAndLeaveEveryWordUnknown) {
  TLexicon lex;
  lex.VAdj = {"flip16.coll", "rvadjfl", "tvadjcd", "vadjbs", {}, {}, {}};
  lex.VAdv = {"flip64.coll", "rvadvfl", "tvadvcd", "vadvbs", {}, {}, {}};
  lex.Verb = {"flip32.coll", "rverbfl", "tverbcd", "verbbs", {}, {}, {}};
  lex.Adj = {"flip128.coll", "radjfl", "tadjcd", "adjbs", {}, {}, {}};
  lex.Noun = {"flip256.coll", "rnounfl", "tnouncd", "nounbs", {}, {}, {}};
  lex.Write(Dir.Path());
  EXPECT_EQ(LoadError(), "");
  // The negation stays with the unknown word after it.
  EXPECT_EQ(SharedEngine().Parse(u"Не в доме."),
            (std::vector<TPiece>{{u"В түгел ", -1}, {u"доме", -1}, {u".", 0}}));
}

}  // namespace
}  // namespace rusengine::fixture
