// The built zentrok-cli with both real engines and the data beside it.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "cli_test_util.h"
#include "zentrok/Utf.h"

using clitest::TempDir;

namespace {

struct Result {
  int code = -1;
  std::string out, err;
  long peakKb = 0;  // peak resident memory of the run
};

std::string ProgramPath() {
  const char* bin = std::getenv("ZENTROK_BIN");
  return std::string(bin && *bin ? bin : ".") + "/zentrok-cli";
}

// Runs zentrok-cli with args, standard input from inFile ("" for none).
Result RunProgram(const TempDir& dir, std::vector<std::string> args, const std::string& inFile = "") {
  std::string outFile = dir.File("out"), errFile = dir.File("err");
  pid_t pid = fork();
  if (pid == 0) {
    int in = open(inFile.empty() ? "/dev/null" : inFile.c_str(), O_RDONLY);
    int out = open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int err = open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(in, 0);
    dup2(out, 1);
    dup2(err, 2);
    std::string prog = ProgramPath();
    std::vector<char*> argv{prog.data()};
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    execv(prog.c_str(), argv.data());
    _exit(127);
  }
  Result r;
  int status = 0;
  struct rusage usage;
  std::memset(&usage, 0, sizeof usage);
  wait4(pid, &status, 0, &usage);
  r.code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  r.out = clitest::ReadFile(outFile);
  r.err = clitest::ReadFile(errFile);
  r.peakKb = usage.ru_maxrss;
  return r;
}

class Program : public ::testing::Test {
protected:
  void SetUp() override {
    if (access(ProgramPath().c_str(), X_OK) != 0) GTEST_FAIL() << "no program " << ProgramPath();
  }
  TempDir dir;
};

}  // namespace

TEST_F(Program, TranslatesBothDirections) {
  Result tt = RunProgram(dir, {"-d", "tt-ru", dir.Write("tt.txt", "Мин китап укыйм.\n")});
  EXPECT_EQ(tt.code, 0) << tt.err;
  EXPECT_TRUE(zentrok::IsValidUtf8(tt.out));
  EXPECT_NE(tt.out, "");
  EXPECT_EQ(tt.out.back(), '\n');
  Result rt = RunProgram(dir, {"-d", "ru-tt"}, dir.Write("ru.txt", "Я читаю книгу.\n"));
  EXPECT_EQ(rt.code, 0) << rt.err;
  EXPECT_NE(rt.out, "");
  EXPECT_EQ(rt.err, "");
  std::cout << "tt-ru: " << tt.out << "ru-tt: " << rt.out;
}

TEST_F(Program, EveryInputEncodingGivesTheSameTranslation) {
  const std::u16string russian = u"Мама мыла раму. Папа читает газету!\n";
  Result u8 = RunProgram(dir, {"-d", "ru-tt", dir.Write("u8", zentrok::Utf16ToUtf8(russian))});
  Result u16 = RunProgram(dir, {"-d", "ru-tt", dir.Write("u16", clitest::Utf16(russian, false))});
  Result u16be = RunProgram(dir, {"-d", "ru-tt", dir.Write("u16be", clitest::Utf16(russian, true))});
  Result cp = RunProgram(dir, {"-d", "ru-tt", dir.Write("cp", zentrok::Utf16ToCp1251(russian))});
  ASSERT_EQ(u8.code, 0) << u8.err;
  EXPECT_NE(u8.out, "");
  EXPECT_EQ(u16.out, u8.out);
  EXPECT_EQ(u16be.out, u8.out);
  EXPECT_EQ(cp.out, u8.out);
}

TEST_F(Program, MarksUnknownWords) {
  std::string in = dir.Write("in.txt", "Ззщщхщ китап.");
  Result plain = RunProgram(dir, {"-d", "tt-ru", in});
  Result marked = RunProgram(dir, {"-d", "tt-ru", "--mark", in});
  Result custom = RunProgram(dir, {"-d", "tt-ru", "--mark", "--mark-open=<", "--mark-close=>", in});
  Result colour = RunProgram(dir, {"-d", "tt-ru", "--mark", "--color=always", in});
  EXPECT_EQ(plain.out.find("[["), std::string::npos);
  EXPECT_NE(marked.out.find("[["), std::string::npos) << marked.out;
  EXPECT_NE(marked.out.find("щщхщ"), std::string::npos);
  EXPECT_NE(custom.out.find("<"), std::string::npos) << custom.out;
  EXPECT_NE(colour.out.find("\x1b[38;2;0;128;0m"), std::string::npos);
}

TEST_F(Program, LoadAndReadFailuresHaveTheirExitCodes) {
  std::string in = dir.Write("in.txt", "Китап.");
  Result noData = RunProgram(dir, {"-d", "tt-ru", "--data", dir.File("nowhere"), in});
  EXPECT_EQ(noData.code, 2);
  EXPECT_NE(noData.err.find("данные не загружены: "), std::string::npos);
  EXPECT_GT(noData.err.size(), std::string("zentrok-cli: данные не загружены: \n").size());
  EXPECT_EQ(RunProgram(dir, {"-d", "ru-tt", "--data", dir.File("nowhere"), in}).code, 2);

  Result unreadable = RunProgram(dir, {"-d", "tt-ru", dir.File("missing.txt")});
  EXPECT_EQ(unreadable.code, 3);
  EXPECT_NE(unreadable.err.find("missing.txt"), std::string::npos);
  EXPECT_EQ(RunProgram(dir, {"-x"}).code, 1);
  EXPECT_EQ(RunProgram(dir, {"--version"}).code, 0);
}

TEST_F(Program, LargeInputStreamsInFlatMemory) {
  // The files are written piece by piece: a forked child starts with the
  // test's own memory, which must stay small.
  auto write = [&](const std::string& name, size_t bytes) {
    const std::string sentence = "Мин китап укыйм, ә син хат язасың. Ул мәктәпкә бара!\n";
    std::ofstream f(dir.File(name), std::ios::binary);
    for (size_t n = 0; n < bytes; n += sentence.size()) f << sentence;
    return dir.File(name);
  };
  std::string small = write("small.txt", 2'000'000), large = write("large.txt", 20'000'000);
  Result s = RunProgram(dir, {"-d", "tt-ru"}, small);
  Result l = RunProgram(dir, {"-d", "tt-ru", large});
  ASSERT_EQ(s.code, 0) << s.err;
  ASSERT_EQ(l.code, 0) << l.err;
  // Ten times the input, nearly the same memory.
  EXPECT_LT(l.peakKb - s.peakKb, 4 * 1024) << "2 MB: " << s.peakKb << " KB, 20 MB: " << l.peakKb << " KB";
  // The output is the small run's output continued.
  EXPECT_GT(l.out.size(), 9 * s.out.size());
  EXPECT_EQ(l.out.compare(0, s.out.size(), s.out), 0);
  std::cout << "peak RSS: 2 MB input " << s.peakKb << " KB, 20 MB input " << l.peakKb << " KB\n";
}
