#include <gtest/gtest.h>
#include <fcntl.h>

#include <thread>

#include "CliOptions.h"
#include "CliRun.h"
#include "ProgressBar.h"
#include "StreamTarget.h"
#include "cli_test_util.h"
#include "fake_engines.h"
#include "zentrok/Utf.h"

using namespace zentrok;
using namespace zentrok::cli;
using clitest::Capture;
using clitest::TempDir;

namespace {

// Runs the command line against the stand-in engines of the driver's tests,
// which echo each word and flag words starting with "*" as unknown.
class Cli : public ::testing::Test {
protected:
  void SetUp() override { fake::Reset(); }

  int Run(std::vector<std::string> args, bool outTerminal = false) {
    TCliEnvironment env;
    env.Out = out.fd;
    env.Err = err.fd;
    env.OutIsTerminal = outTerminal;
    env.ProgramFolder = "/opt/zentrok";
    env.Engines = fake::Binding();
    env.Version = "9.8.7";
    env.LoadEngine = [this](uint8_t dir, const std::string& folder) {
      loaded.push_back(std::to_string(dir) + ":" + folder);
      return loadError;
    };
    return RunCli(args, env);
  }

  TempDir dir;
  Capture out{dir, "stdout"}, err{dir, "stderr"};
  std::vector<std::string> loaded;
  std::string loadError;
};

}  // namespace

TEST_F(Cli, UsageErrorsHelpAndVersion) {
  const std::vector<std::vector<std::string>> bad = {
      {},
      {"in.txt"},
      {"-d"},
      {"-d", "tt-en"},
      {"-d", "tt-ru", "--colour=always"},
      {"-d", "tt-ru", "--color=sometimes"},
      {"-d", "tt-ru", "--mark=yes"},
      {"-d", "tt-ru", "--data="},
      {"-d", "tt-ru", "--mark-open"},
  };
  for (const auto& args : bad) {
    EXPECT_EQ(Run(args), ExitUsage) << (args.empty() ? "" : args.back());
  }
  EXPECT_NE(err.Text().find("--help"), std::string::npos);
  EXPECT_TRUE(loaded.empty());  // nothing is loaded on a usage error

  EXPECT_EQ(Run({"--help"}), ExitOk);
  EXPECT_NE(out.Text().find("-d tt-ru|ru-tt"), std::string::npos);
  EXPECT_EQ(Run({"--version"}), ExitOk);
  EXPECT_NE(out.Text().find("zentrok-cli 9.8.7\n"), std::string::npos);
}

TEST_F(Cli, OptionsParse) {
  TCliOptions o;
  std::string error;
  ASSERT_TRUE(ParseCliOptions({"--direction=ru-tt", "--mark", "--mark-open", "<", "--mark-close=>",
                               "--data", "/d", "a", "-", "--", "--mark"},
                              o, error))
      << error;
  EXPECT_EQ(o.Direction, DirRussianTatar);
  EXPECT_TRUE(o.Mark);
  EXPECT_EQ(o.MarkOpen, "<");
  EXPECT_EQ(o.MarkClose, ">");
  EXPECT_EQ(o.DataDir, "/d");
  EXPECT_EQ(o.Files, (std::vector<std::string>{"a", "-", "--mark"}));
}

TEST_F(Cli, LoadsTheChosenEngineFromTheDataFolder) {
  std::string in = dir.Write("in.txt", "Бер.");
  EXPECT_EQ(Run({"-d", "tt-ru", in}), ExitOk);
  EXPECT_EQ(Run({"-d", "ru-tt", "--data", "/data/dir", in}), ExitOk);
  EXPECT_EQ(loaded, (std::vector<std::string>{"1:/opt/zentrok/", "0:/data/dir/"}));
  EXPECT_EQ(fake::tat.calls.size(), 1u);
  EXPECT_EQ(fake::rus.calls.size(), 1u);
  // Only the loaded engine gets the output callback.
  EXPECT_EQ(fake::registrations, (std::vector<std::string>{"tat", "rus"}));

  loadError = "Cannot open file \"/nowhere/flt01.pack\". No such file or directory";
  EXPECT_EQ(Run({"-d", "tt-ru", "--data", "/nowhere", in}), ExitNoData);
  EXPECT_NE(err.Text().find(loadError), std::string::npos);
  EXPECT_EQ(fake::tat.calls.size(), 1u);
}

TEST_F(Cli, MarksUntranslatedPieces) {
  std::string in = dir.Write("in.txt", "Бу *китап. Ул *язды.");
  // The stand-in engine hands words and blanks over separately; a real one
  // may pass an unknown word with its blanks, which stay outside the marker.
  {
    TStreamTarget t(out.fd, TMarkMode::Markers, {0, 9, 0}, {1, 9, 0});
    t.AddStyledText(u" \n*слово \t", 1, 9, 0);
    t.AddStyledText(u"  ", 1, 9, 0);
    t.AddStyledText(u" ok ", 0, 9, 0);
  }
  ASSERT_EQ(Run({"-d", "tt-ru", in}), ExitOk);
  ASSERT_EQ(Run({"-d", "tt-ru", "--mark", in}), ExitOk);
  ASSERT_EQ(Run({"-d", "tt-ru", "--mark", "--mark-open", "{", "--mark-close", "}", in}), ExitOk);
  ASSERT_EQ(Run({"-d", "tt-ru", "--mark", in}, /*outTerminal=*/true), ExitOk);
  ASSERT_EQ(Run({"-d", "tt-ru", "--mark", "--color=never", in}, true), ExitOk);
  EXPECT_EQ(out.Text(),
            " \n[[*слово]] \t   ok "
            "Бу *китап. Ул *язды."
            "Бу [[*китап.]] Ул [[*язды.]]"
            "Бу {*китап.} Ул {*язды.}"
            "Бу \x1b[38;2;0;128;0m*китап.\x1b[0m Ул \x1b[38;2;0;128;0m*язды.\x1b[0m"
            "Бу [[*китап.]] Ул [[*язды.]]");
}

TEST_F(Cli, TranslatesEveryEncodingToUtf8) {
  const std::u16string text = u"Әни өйдә. Ул җырлый!\n";
  const std::u16string russian = u"Мама дома. Она поёт!\n";
  std::string files[] = {
      dir.Write("u8", Utf16ToUtf8(text)),
      dir.Write("le", clitest::Utf16(text, false)),
      dir.Write("be", clitest::Utf16(text, true)),
      dir.Write("cp", Utf16ToCp1251(russian)),
  };
  ASSERT_EQ(Run({"-d", "tt-ru", files[0], files[1], files[2], files[3]}), ExitOk);
  EXPECT_EQ(out.Text(), Utf16ToUtf8(text + text + text + russian));
}

TEST_F(Cli, StreamsInChunksWithTheSentencesOfOneRun) {
  // Sentences of every shape, including one longer than a chunk.
  std::u16string text;
  const std::u16string parts[] = {u"Мин укыйм. ", u"Син язасың!  ", u"Ул? ", u"Бу 3.5 кг. ",
                                  u"(Кем?) «Мин.» ", u"юл\nбашы… ", u"Т.е. так\n"};
  for (int i = 0; text.size() < 4 * ChunkChars; ++i) text += parts[i % std::size(parts)];
  text += std::u16string(ChunkChars + 100, u'ы') + u". Соңы";

  std::u16string whole = text;
  {
    TTranslator t(fake::Binding());
    TranslateText(t, whole, DirTatarRussian);
  }
  const auto expected = fake::tat.calls;
  fake::tat.calls.clear();
  ASSERT_EQ(Run({"-d", "tt-ru", dir.Write("in.txt", Utf16ToUtf8(text))}), ExitOk);
  EXPECT_EQ(fake::tat.calls.size(), expected.size());
  EXPECT_TRUE(fake::tat.calls == expected);
  EXPECT_EQ(out.Text(), Utf16ToUtf8(text));
}

TEST_F(Cli, UnreadableInputsGiveExitCode3AndTheRestIsTranslated) {
  std::string good = dir.Write("good.txt", "Бер.");
  EXPECT_EQ(Run({"-d", "tt-ru", dir.File("missing.txt"), good, dir.path.string()}), ExitBadInput);
  EXPECT_EQ(out.Text(), "Бер.");
  std::string e = err.Text();
  EXPECT_NE(e.find("missing.txt"), std::string::npos);
  EXPECT_NE(e.find(dir.path.string()), std::string::npos);
}

TEST_F(Cli, ZeroCharactersDoNotEndTheText) {
  std::string in = dir.Write("nul.txt", std::string("Бер.") + '\0' + " Ике.");
  ASSERT_EQ(Run({"-d", "tt-ru", in}), ExitOk);
  EXPECT_EQ(out.Text(), "Бер. Ике.");
}

TEST_F(Cli, AFailedWriteGivesExitCode4) {
  int full = open("/dev/full", O_WRONLY | O_CLOEXEC);
  if (full < 0) GTEST_SKIP() << "no /dev/full on this machine";
  TCliEnvironment env;
  env.Out = full;
  env.Err = err.fd;
  env.Engines = fake::Binding();
  env.LoadEngine = [](uint8_t, const std::string&) { return std::string(); };
  EXPECT_EQ(RunCli({"-d", "ru-tt", dir.Write("in.txt", "Раз. Два.")}, env), ExitBadOutput);
  close(full);
  EXPECT_NE(err.Text().find("zentrok-cli:"), std::string::npos);
}

TEST_F(Cli, ProgressLineOnlyForLargeInputsOrWhenAsked) {
  std::string small = dir.Write("small.txt", "Бер. Ике.");
  std::string large;
  while (large.size() < 200000) large += "Бер ике өч. ";
  std::string big = dir.Write("big.txt", large);
  ASSERT_EQ(Run({"-d", "tt-ru", small, big}), ExitOk);  // stderr is no terminal
  EXPECT_EQ(err.Text(), "");
  ASSERT_EQ(Run({"-d", "tt-ru", "--progress=always", big}), ExitOk);
  std::string e = err.Text();
  EXPECT_NE(e.find("] 100%"), std::string::npos);
  EXPECT_EQ(e.substr(e.size() - 4), "\r\x1b[K");  // the line is cleared at the end
}

TEST(ProgressBar, RemainingTimeAndDuration) {
  EXPECT_EQ(FormatDuration(3725000), "1 ч 2 мин 5 сек ");
  EXPECT_EQ(FormatDuration(0), "0 сек ");
  EXPECT_EQ(FormatDuration(90061000), "1 д 1 ч 1 мин 1 сек ");
  EXPECT_EQ(FormatDuration(120000), "2 мин 0 сек ");
  // No estimate before the first progress; the estimate is the status bar's.
  EXPECT_EQ(TProgressBar::Line(0, 500), "[------------------------------] 0%");
  EXPECT_EQ(TProgressBar::Line(80, 5),
            "[########################------] 80%  Примерно осталось: 0 сек ");
  EXPECT_EQ(TProgressBar::Line(50, 2000),
            "[###############---------------] 50%  Примерно осталось: 2 сек ");
}

TEST_F(Cli, PipedInputIsTranslatedSentenceBySentence) {
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  int savedIn = dup(0);
  dup2(fds[0], 0);
  close(fds[0]);
  // The writer sends one sentence and the start of the next, and waits
  // until the first one has been translated before it ends the input.
  std::string firstSeen;
  std::thread writer([&] {
    std::string part = "Бер. Ике";
    ssize_t ignored = write(fds[1], part.data(), part.size());
    for (int i = 0; i < 500 && out.Text().empty(); ++i) usleep(10000);
    firstSeen = out.Text();
    part = " өч.";
    ignored = write(fds[1], part.data(), part.size());
    (void)ignored;
    close(fds[1]);
  });
  int rc = Run({"-d", "tt-ru"});
  writer.join();
  dup2(savedIn, 0);
  close(savedIn);
  EXPECT_EQ(rc, ExitOk);
  EXPECT_EQ(firstSeen, "Бер. ");
  EXPECT_EQ(out.Text(), "Бер. Ике өч.");
}
