#include "CliRun.h"

#include <unistd.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <system_error>

#include "CliOptions.h"
#include "InputDecoder.h"
#include "ProgressBar.h"
#include "StreamTarget.h"
#include "zentrok/GlobalSettings2.h"
#include "zentrok/SentenceCut.h"

namespace zentrok::cli {

namespace {

// Inputs below this many bytes finish too fast for a progress bar.
constexpr int64_t ProgressMinBytes = 4096;

void Say(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n <= 0) return;
    done += static_cast<size_t>(n);
  }
}

// Translates one input in chunks; raises TInputError when it cannot be read.
class TInputRun {
public:
  TInputRun(TTranslator& translator, uint8_t direction, TInput& input, TProgressBar* bar,
            TStreamTarget& target)
      : FTranslator(translator), FDirection(direction), FInput(input), FBar(bar),
        FTarget(target) {
    FTranslator.OnProgress = [this](int16_t, uint8_t phase, float percent) {
      if (FBar && phase != PhaseStart) ShowProgress(std::min(percent, 100.0f) / 100.0);
    };
  }
  ~TInputRun() { FTranslator.OnProgress = nullptr; }

  void Run() {
    // A live input (pipe, terminal) is cut as soon as a sentence is known to
    // be whole, and its translation written at once.
    const size_t chunk = FInput.Live() ? 1 : ChunkChars;
    size_t nextTry = chunk;
    for (;;) {
      const size_t old = FPending.size();
      if (!FInput.ReadChars(FPending)) break;
      // U+0000 would end the driver's run early: the engines take
      // zero-terminated sentences.
      FPending.erase(std::remove(FPending.begin() + static_cast<ptrdiff_t>(old), FPending.end(), u'\0'),
                     FPending.end());
      FDecoded += static_cast<int64_t>(FPending.size() - old);
      if (FPending.size() < nextTry) continue;
      size_t cut = LastSentenceCut(FPending);
      if (cut > 0) {
        Translate(cut);
        if (FInput.Live()) FTarget.Flush();
        nextTry = std::max(chunk, 2 * FPending.size());
      } else {
        // No whole sentence yet: try again with the next read while that is
        // cheap, and only at twice the size for a long run without a cut.
        nextTry = FPending.size() < ChunkChars ? FPending.size() + 1 : 2 * FPending.size();
      }
    }
    if (!FPending.empty()) Translate(FPending.size());
  }

private:
  void Translate(size_t count) {
    FChunk.assign(FPending, 0, count);
    FPending.erase(0, count);
    FChunkLength = static_cast<int64_t>(count);
    TranslateText(FTranslator, FChunk, FDirection);
    FDone += FChunkLength;
  }

  void ShowProgress(double chunkFraction) {
    if (FInput.Size() <= 0 || FInput.BytesRead() <= 0 || FDecoded <= 0) return;
    // Characters the whole input will decode to, from the ratio so far.
    double total = static_cast<double>(FInput.Size()) * static_cast<double>(FDecoded) /
                   static_cast<double>(FInput.BytesRead());
    double done = static_cast<double>(FDone) + chunkFraction * static_cast<double>(FChunkLength);
    FBar->Update(std::min(100.0, 100.0 * done / total));
  }

  TTranslator& FTranslator;
  uint8_t FDirection;
  TInput& FInput;
  TProgressBar* FBar;
  TStreamTarget& FTarget;
  std::u16string FPending, FChunk;
  int64_t FDecoded = 0, FDone = 0, FChunkLength = 0;
};

}  // namespace

int RunCli(const std::vector<std::string>& args, const TCliEnvironment& env) {
  TCliOptions o;
  std::string error;
  if (!ParseCliOptions(args, o, error)) {
    Say(env.Err, "zentrok-cli: " + error + "\nСправка: zentrok-cli --help\n");
    return ExitUsage;
  }
  if (o.Help) {
    Say(env.Out, CliUsage());
    return ExitOk;
  }
  if (o.Version) {
    Say(env.Out, "zentrok-cli " + env.Version + "\n");
    return ExitOk;
  }

  std::string folder = o.DataDir.empty() ? env.ProgramFolder : o.DataDir;
  if (folder.empty()) folder = "./";
  if (folder.back() != '/') folder += '/';
  std::string loadError =
      env.LoadEngine ? env.LoadEngine(o.Direction, folder) : std::string("no engine");
  if (!loadError.empty()) {
    Say(env.Err, "zentrok-cli: данные не загружены: " + loadError + "\n");
    return ExitNoData;
  }

  // The desktop program's default styles tell translated pieces from
  // untranslated ones; the command line never reads or writes the
  // settings file.
  FillDefaultSettings(Settings, DefaultScreenSize);
  TMarkMode mode = TMarkMode::Plain;
  if (o.Mark) {
    bool colour = o.Color == TWhen::Always || (o.Color == TWhen::Auto && env.OutIsTerminal);
    mode = colour ? TMarkMode::Colour : TMarkMode::Markers;
  }
  TStreamTarget target(env.Out, mode,
                       TPieceStyle{Settings.BasicFontColor, Settings.BasicFontSize,
                                   Settings.BasicFontStyle},
                       TPieceStyle{Settings.MarkFontColor, Settings.MarkFontSize,
                                   Settings.MarkFontStyle},
                       o.MarkOpen, o.MarkClose);

  // Only the loaded engine is bound.
  TEngineBinding engines{};
  if (o.Direction == DirTatarRussian) {
    engines.SetOutProc = env.Engines.SetOutProc;
    engines.ParseSentence = env.Engines.ParseSentence;
  } else {
    engines.SetOutProc_rt = env.Engines.SetOutProc_rt;
    engines.ParseSentence_rt = env.Engines.ParseSentence_rt;
  }

  int rc = ExitOk;
  TOutputTarget* previousTarget = TranslationTarget;
  TranslationTarget = &target;
  try {
    TTranslator translator(engines);
    if (o.Files.empty()) o.Files.push_back("-");
    for (const std::string& name : o.Files) {
      try {
        TInput input(name);
        bool showBar = input.Size() >= 0 &&
                       (o.Progress == TWhen::Always ||
                        (o.Progress == TWhen::Auto && env.ErrIsTerminal &&
                         input.Size() > ProgressMinBytes));
        std::optional<TProgressBar> bar;
        if (showBar) bar.emplace(env.Err);
        TInputRun run(translator, o.Direction, input, bar ? &*bar : nullptr, target);
        try {
          run.Run();
        } catch (...) {
          if (bar) bar->Finish();
          throw;
        }
        if (bar) bar->Finish();
      } catch (const TInputError& e) {
        target.Flush();
        Say(env.Err, std::string("zentrok-cli: ") + e.what() + "\n");
        rc = ExitBadInput;
      }
    }
    target.Flush();
  } catch (const std::system_error& e) {
    Say(env.Err, std::string("zentrok-cli: ") + e.what() + "\n");
    rc = ExitBadOutput;
  }
  TranslationTarget = previousTarget;
  return rc;
}

}  // namespace zentrok::cli
