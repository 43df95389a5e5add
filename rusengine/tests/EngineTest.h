// A test suite base that opens the engine library once and loads the
// standard fixture lexicon into it.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "Fixture.h"

namespace rusengine::fixture {

TEngineLib& SharedEngine();

class EngineTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    Dir = std::make_unique<TTempDir>();
    TLexicon::Standard().Write(Dir->Path());
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

}  // namespace rusengine::fixture
