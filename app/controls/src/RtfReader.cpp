#include "zentrok/RtfReader.h"

#include <QColor>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <cctype>
#include <array>
#include <map>
#include <string>
#include <vector>

#include "zentrok/CodePages.h"
#include "zentrok/PlainTextFile.h"

namespace zentrok {

namespace {

// Deeper groups are parsed for balance but keep their parent's state, so
// hostile nesting cannot grow memory without bound.
constexpr size_t kMaxDepth = 2000;
constexpr int kMaxTwips = 31680;  // 22 inches

enum class Dest { Normal, Skip, FontTable, ColorTable };

struct CharState {
  bool Bold = false, Italic = false, Underline = false, Strike = false;
  int Font = -1;  // -1: the document's default font
  int HalfPoints = 24;
  int Color = 0;
  bool operator==(const CharState&) const = default;
};

struct ParaState {
  int Align = 0;  // 0 left, 1 centre, 2 right, 3 justified
  int Left = 0, Right = 0, First = 0;  // twips
  bool operator==(const ParaState&) const = default;
};

struct GroupState {
  CharState Chr;
  ParaState Para;
  Dest Where = Dest::Normal;
  int Uc = 1;
};

struct FontEntry {
  std::u16string Name;
  int Charset = -1;
  int CodePage = 0;
  bool NameDone = false;
};

// Destinations whose text is never shown.
bool IsSkippedDestination(std::string_view w) {
  static const std::array<std::string_view, 61> kSkip = {
      "pict", "stylesheet", "info", "header", "headerl", "headerr", "headerf", "footer",
      "footerl", "footerr", "footerf", "footnote", "fldinst", "object", "objdata",
      "themedata", "colorschememapping", "latentstyles", "datastore", "listtable",
      "listoverridetable", "rsidtbl", "generator", "xmlnstbl", "filetbl", "revtbl",
      "pgdsctbl", "shpinst", "nonshppict", "mmathPr", "author", "operator", "title",
      "subject", "keywords", "comment", "doccomm", "company", "creatim", "revtim",
      "printim", "buptim", "template", "tc", "xe", "txe", "userprops", "ftnsep", "ftnsepc",
      "aftnsep", "aftnsepc", "annotation", "atnid", "atnauthor", "bkmkstart", "bkmkend",
      "fontemb", "fontfile", "listpicture", "panose", "falt"};
  return std::find(kSkip.begin(), kSkip.end(), w) != kSkip.end();
}

char16_t NamedCharacter(std::string_view w) {
  static const std::map<std::string_view, char16_t> kNamed = {
      {"emdash", u'\u2014'}, {"endash", u'\u2013'},    {"emspace", u'\u2003'},
      {"enspace", u'\u2002'}, {"qmspace", u'\u2005'},  {"bullet", u'\u2022'},
      {"lquote", u'\u2018'}, {"rquote", u'\u2019'},    {"ldblquote", u'\u201C'},
      {"rdblquote", u'\u201D'}, {"zwj", u'\u200D'},    {"zwnj", u'\u200C'},
      {"ltrmark", u'\u200E'}, {"rtlmark", u'\u200F'}, {"tab", u'\t'},
      {"cell", u'\t'}, {"nestcell", u'\t'}, {"line", u'\u2028'}};
  auto it = kNamed.find(w);
  return it == kNamed.end() ? 0 : it->second;
}

// Unpaired surrogates become U+FFFD so the document holds well-formed text.
void RepairSurrogates(QString& s) {
  for (qsizetype i = 0; i < s.size(); ++i) {
    QChar c = s[i];
    if (c.isHighSurrogate()) {
      if (i + 1 < s.size() && s[i + 1].isLowSurrogate()) {
        ++i;
        continue;
      }
      s[i] = QChar(0xFFFD);
    } else if (c.isLowSurrogate()) {
      s[i] = QChar(0xFFFD);
    }
  }
}

class Reader {
public:
  Reader(QTextCursor& cursor, bool applyDefaultPara)
      : FCursor(cursor), FApplyDefaultPara(applyDefaultPara) {}

  void Run(std::string_view in) {
    FIn = in;
    while (FPos < FIn.size()) {
      char c = FIn[FPos];
      if (c == '{') {
        ++FPos;
        FSkip = 0;
        PushGroup();
      } else if (c == '}') {
        ++FPos;
        FSkip = 0;
        PopGroup();
      } else if (c == '\\') {
        ParseControl();
      } else {
        ++FPos;
        if (c == '\r' || c == '\n') continue;
        if (FSkip > 0) {
          --FSkip;
          continue;
        }
        unsigned char b = static_cast<unsigned char>(c);
        if (b == '\t')
          EmitChar(u'\t');
        else if (b >= 0x80)
          EmitByte(b);
        else if (b >= 0x20)
          EmitChar(static_cast<char16_t>(b));
      }
    }
    Finish();
  }

private:
  // ------------------------------------------------------------ parsing
  void ParseControl() {
    ++FPos;  // the backslash
    if (FPos >= FIn.size()) return;
    char c = FIn[FPos];
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
      size_t start = FPos;
      while (FPos < FIn.size() && ((FIn[FPos] >= 'a' && FIn[FPos] <= 'z') ||
                                   (FIn[FPos] >= 'A' && FIn[FPos] <= 'Z')))
        ++FPos;
      std::string_view word = FIn.substr(start, std::min<size_t>(FPos - start, 32));
      bool has = false;
      bool neg = false;
      long long value = 0;
      if (FPos + 1 < FIn.size() && FIn[FPos] == '-' && FIn[FPos + 1] >= '0' &&
          FIn[FPos + 1] <= '9') {
        neg = true;
        ++FPos;
      }
      while (FPos < FIn.size() && FIn[FPos] >= '0' && FIn[FPos] <= '9') {
        has = true;
        if (value < 1000000000) value = value * 10 + (FIn[FPos] - '0');
        ++FPos;
      }
      if (FPos < FIn.size() && FIn[FPos] == ' ') ++FPos;
      int param = static_cast<int>(neg ? -value : value);
      if (word == "bin") {
        // Binary data: skip exactly its bytes, whatever they hold.
        size_t n = has && param > 0 ? static_cast<size_t>(param) : 0;
        FPos += std::min(n, FIn.size() - FPos);
        if (FSkip > 0) --FSkip;
        return;
      }
      if (FSkip > 0) {
        --FSkip;
        return;
      }
      bool starred = FStarred;
      FStarred = false;
      DoWord(word, has, param, starred);
      return;
    }
    ++FPos;
    if (c == '\'') {
      int value = 0, digits = 0;
      while (digits < 2 && FPos < FIn.size() && std::isxdigit(static_cast<unsigned char>(FIn[FPos]))) {
        char h = FIn[FPos++];
        value = value * 16 + (h <= '9' ? h - '0' : (h | 0x20) - 'a' + 10);
        ++digits;
      }
      if (FSkip > 0) {
        --FSkip;
        return;
      }
      if (digits > 0) EmitByte(static_cast<unsigned char>(value));
      return;
    }
    if (FSkip > 0) {
      --FSkip;
      return;
    }
    switch (c) {
      case '\\': case '{': case '}': EmitChar(static_cast<char16_t>(c)); break;
      case '~': EmitChar(u'\u00A0'); break;
      case '-': EmitChar(u'\u00AD'); break;
      case '_': EmitChar(u'\u2011'); break;
      case '*': FStarred = true; break;
      case '\r': case '\n': DoWord("par", false, 0, false); break;
      case '\t': EmitChar(u'\t'); break;
      default: break;
    }
  }

  void DoWord(std::string_view w, bool has, int param, bool starred) {
    if (FState.Where == Dest::Skip) return;
    if (FState.Where == Dest::FontTable) return FontWord(w, has, param, starred);
    if (FState.Where == Dest::ColorTable) {
      if (w == "red") FRed = std::clamp(param, 0, 255), FHasRgb = true;
      else if (w == "green") FGreen = std::clamp(param, 0, 255), FHasRgb = true;
      else if (w == "blue") FBlue = std::clamp(param, 0, 255), FHasRgb = true;
      else if (starred) FState.Where = Dest::Skip;
      return;
    }
    if (w == "fonttbl") {
      FState.Where = Dest::FontTable;
      return;
    }
    if (w == "colortbl") {
      FState.Where = Dest::ColorTable;
      FColors.clear();
      FHasRgb = false;
      FRed = FGreen = FBlue = 0;
      return;
    }
    if (starred || IsSkippedDestination(w)) {
      FState.Where = Dest::Skip;
      return;
    }
    CharState& ch = FState.Chr;
    ParaState& pa = FState.Para;
    const bool on = !has || param != 0;
    if (w == "par" || w == "page" || w == "sect" || w == "row") Par();
    else if (char16_t named = NamedCharacter(w)) EmitChar(named);
    else if (w == "u") {
      if (has) {
        int v = param < 0 ? param + 65536 : param;
        EmitChar(static_cast<char16_t>(std::clamp(v, 0, 0xFFFF)));
      }
      FSkip = FState.Uc;
    } else if (w == "uc") FState.Uc = has ? std::clamp(param, 0, 16) : 1;
    else if (w == "b") ch.Bold = on;
    else if (w == "i") ch.Italic = on;
    else if (w == "strike" || w == "striked") ch.Strike = on;
    else if (w == "ulnone") ch.Underline = false;
    else if (w.substr(0, 2) == "ul" && w != "ulc") ch.Underline = on;
    else if (w == "f") ch.Font = has ? param : -1;
    else if (w == "fs") ch.HalfPoints = has && param > 0 ? std::clamp(param, 2, 3276) : 24;
    else if (w == "cf") ch.Color = has ? std::max(param, 0) : 0;
    else if (w == "plain") ch = CharState{};
    else if (w == "pard") pa = ParaState{};
    else if (w == "ql") pa.Align = 0;
    else if (w == "qc") pa.Align = 1;
    else if (w == "qr") pa.Align = 2;
    else if (w == "qj") pa.Align = 3;
    else if (w == "li") pa.Left = std::clamp(param, -kMaxTwips, kMaxTwips);
    else if (w == "ri") pa.Right = std::clamp(param, -kMaxTwips, kMaxTwips);
    else if (w == "fi") pa.First = std::clamp(param, -kMaxTwips, kMaxTwips);
    else if (w == "ansi") FAnsiCp = 1252;
    else if (w == "mac") FAnsiCp = 10000;
    else if (w == "pc") FAnsiCp = 437;
    else if (w == "pca") FAnsiCp = 850;
    else if (w == "ansicpg") {
      if (has && param > 0 && param < 65536) FAnsiCp = param;
    } else if (w == "deff") FDefaultFont = has ? param : -1;
  }

  void FontWord(std::string_view w, bool has, int param, bool starred) {
    if (starred || IsSkippedDestination(w)) {
      FState.Where = Dest::Skip;
      return;
    }
    if (w == "f" && has) {
      FCurFont = param;
      FFonts[param] = FontEntry{};
    } else if (w == "fcharset" && FCurFont != kNoFont) {
      FFonts[FCurFont].Charset = param;
    } else if (w == "cpg" && FCurFont != kNoFont && has && param > 0 && param < 65536) {
      FFonts[FCurFont].CodePage = param;
    } else if (w == "u" && has) {
      int v = param < 0 ? param + 65536 : param;
      EmitChar(static_cast<char16_t>(std::clamp(v, 0, 0xFFFF)));
      FSkip = FState.Uc;
    } else if (w == "uc") {
      FState.Uc = has ? std::clamp(param, 0, 16) : 1;
    }
  }

  // ------------------------------------------------------------- groups
  void PushGroup() {
    if (FStack.size() >= kMaxDepth) {
      ++FOverflow;
      return;
    }
    FStack.push_back(FState);
  }

  void PopGroup() {
    if (FOverflow > 0) {
      --FOverflow;
      return;
    }
    if (FStack.empty()) return;
    FState = FStack.back();
    FStack.pop_back();
    FStarred = false;
  }

  // --------------------------------------------------------------- text
  int CodePageOf(int fontIndex) const {
    auto it = FFonts.find(fontIndex < 0 ? FDefaultFont : fontIndex);
    if (it != FFonts.end()) {
      if (it->second.CodePage > 0) return it->second.CodePage;
      if (int cp = CharsetCodePage(it->second.Charset)) return cp;
    }
    return FAnsiCp;
  }

  char16_t DecodeByte(unsigned char b, int codePage) {
    auto it = FByteTables.find(codePage);
    if (it == FByteTables.end()) {
      std::array<char16_t, 256> table{};
      for (int i = 0; i < 256; ++i) {
        char byte = static_cast<char>(i);
        std::u16string s = FDecoder.Decode(std::string_view(&byte, 1), codePage);
        table[i] = s.size() == 1 ? s[0] : u'\xFFFD';
      }
      it = FByteTables.emplace(codePage, table).first;
    }
    return it->second[b];
  }

  void EmitByte(unsigned char b) {
    if (b < 0x80) return EmitChar(b == '\t' || b >= 0x20 ? static_cast<char16_t>(b) : u'\0');
    int cp = FAnsiCp;
    if (FState.Where == Dest::Normal) cp = CodePageOf(FState.Chr.Font);
    else if (FState.Where == Dest::FontTable && FCurFont != kNoFont) cp = CodePageOf(FCurFont);
    EmitChar(DecodeByte(b, cp));
  }

  void EmitChar(char16_t c) {
    if (c == 0) return;
    switch (FState.Where) {
      case Dest::Skip:
        return;
      case Dest::FontTable: {
        if (FCurFont == kNoFont) return;
        FontEntry& f = FFonts[FCurFont];
        if (f.NameDone) return;
        if (c == u';') f.NameDone = true;
        else if (f.Name.size() < 256) f.Name += c;
        return;
      }
      case Dest::ColorTable:
        if (c == u';') {
          FColors.push_back(FHasRgb ? QColor(FRed, FGreen, FBlue) : QColor());
          FHasRgb = false;
          FRed = FGreen = FBlue = 0;
        }
        return;
      case Dest::Normal:
        break;
    }
    if (FPendingPar) {
      FlushRun();
      FCursor.insertBlock();
      FPendingPar = false;
    }
    if (!FRun.isEmpty() && !(FRunChr == FState.Chr)) FlushRun();
    if (FRun.isEmpty()) FRunChr = FState.Chr;
    FRun += QChar(c);
    FLastParaOpen = true;
    FOpenPara = FState.Para;
  }

  QTextCharFormat CharFormat(const CharState& s) const {
    QTextCharFormat f;
    f.setFontWeight(s.Bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(s.Italic);
    f.setFontUnderline(s.Underline);
    f.setFontStrikeOut(s.Strike);
    f.setFontPointSize(s.HalfPoints / 2.0);
    auto font = FFonts.find(s.Font < 0 ? FDefaultFont : s.Font);
    if (font != FFonts.end() && !font->second.Name.empty()) {
      QString name = QString::fromStdU16String(font->second.Name).trimmed();
      if (!name.isEmpty()) f.setFontFamilies(QStringList{name});
    }
    if (s.Color >= 0 && s.Color < static_cast<int>(FColors.size()) && FColors[s.Color].isValid())
      f.setForeground(FColors[s.Color]);
    return f;
  }

  void FlushRun() {
    if (FRun.isEmpty()) return;
    RepairSurrogates(FRun);
    FCursor.insertText(FRun, CharFormat(FRunChr));
    FRun.clear();
  }

  void ApplyPara(const ParaState& p) {
    if (!FApplyDefaultPara && p == ParaState{}) return;
    QTextBlockFormat f = FCursor.blockFormat();
    static constexpr Qt::Alignment kAlign[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight,
                                               Qt::AlignJustify};
    f.setAlignment(kAlign[p.Align]);
    f.setLeftMargin(p.Left / 20.0);
    f.setRightMargin(p.Right / 20.0);
    f.setTextIndent(p.First / 20.0);
    FCursor.setBlockFormat(f);
  }

  // The paragraph mark is held back until more text comes, so the final
  // mark of a document adds no empty paragraph.
  void Par() {
    if (FState.Where != Dest::Normal) return;
    FlushRun();
    if (FPendingPar) FCursor.insertBlock();
    ApplyPara(FState.Para);
    FPendingPar = true;
    FLastParaOpen = false;
  }

  void Finish() {
    if (FPendingPar) {
      FPendingPar = false;
      FlushRun();
      return;
    }
    FlushRun();
    if (FLastParaOpen) ApplyPara(FOpenPara);
  }

  static constexpr int kNoFont = -0x7FFFFFFF;

  QTextCursor& FCursor;
  bool FApplyDefaultPara;
  std::string_view FIn;
  size_t FPos = 0;
  GroupState FState;
  std::vector<GroupState> FStack;
  size_t FOverflow = 0;
  int FSkip = 0;
  bool FStarred = false;
  std::map<int, FontEntry> FFonts;
  int FCurFont = kNoFont;
  int FDefaultFont = -1;
  int FAnsiCp = 1252;
  std::vector<QColor> FColors;
  bool FHasRgb = false;
  int FRed = 0, FGreen = 0, FBlue = 0;
  QString FRun;
  CharState FRunChr;
  bool FPendingPar = false;
  bool FLastParaOpen = false;
  ParaState FOpenPara;  // the paragraph state of the last text
  TCodePageDecoder FDecoder;
  std::map<int, std::array<char16_t, 256>> FByteTables;
};

void InsertRtfImpl(QTextCursor& cursor, std::string_view rtf, bool applyDefaultPara) {
  if (!IsRtf(rtf)) {
    cursor.insertText(QString::fromStdU16String(NormalizeLineBreaks(DecodeText8(rtf))));
    return;
  }
  cursor.beginEditBlock();
  Reader reader(cursor, applyDefaultPara);
  reader.Run(rtf);
  cursor.endEditBlock();
}

}  // namespace

bool IsRtf(std::string_view bytes) {
  size_t i = 0;
  while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' ||
                              bytes[i] == '\n'))
    ++i;
  return bytes.substr(i, 5) == "{\\rtf";
}

void InsertRtf(QTextCursor& cursor, std::string_view rtf) { InsertRtfImpl(cursor, rtf, false); }

void ReadRtfDocument(QTextDocument& document, std::string_view rtf) {
  document.clear();
  QTextCursor cursor(&document);
  InsertRtfImpl(cursor, rtf, true);
}

}  // namespace zentrok
