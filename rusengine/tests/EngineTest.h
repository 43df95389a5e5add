// Test suite bases that open the engine library once and load a fixture
// lexicon into it: EngineTest the standard one, LexiconTest<&TLexicon::X>
// any other.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "Fixture.h"

namespace rusengine::fixture {

TEngineLib& SharedEngine();

template <TLexicon (*MakeLexicon)()>
class LexiconTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    Dir = std::make_unique<TTempDir>();
    MakeLexicon().Write(Dir->Path());
  }
  static void TearDownTestSuite() { Dir.reset(); }
  void SetUp() override {
    ASSERT_TRUE(SharedEngine().Ok()) << "cannot open " << EngineLibraryPath() << ": "
                                     << SharedEngine().Error();
    SharedEngine().Load(Dir->Path());
    ASSERT_EQ(SharedEngine().LoadError(), "");
    SharedEngine().Connect();
  }
  std::u16string T(const std::u16string& s) { return SharedEngine().Translate(s); }
  std::vector<TPiece> P(const std::u16string& s) { return SharedEngine().Parse(s); }

  static inline std::unique_ptr<TTempDir> Dir;
};

using EngineTest = LexiconTest<&TLexicon::Standard>;

}  // namespace rusengine::fixture
