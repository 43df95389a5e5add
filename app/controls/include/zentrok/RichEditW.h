// TRichEditW: the rich edit of the source and translation panes.
//
// On top of QTextEdit it adds:
// - AddStyledText, the path of every piece of engine output: the text goes
//   in at the caret with the given size, colour and style bits, in the face
//   in effect there, and leaves no undo record;
// - LoadDocument and SaveDocument in the document formats of
//   PlainTextFile.h, with a chunked, progress-reporting plain-text load;
//   office documents go through a TServerDOC;
// - pasting: a clipboard that offers HTML before any rich text is pasted as
//   plain text; one that offers rich text (RTF or Qt's own) keeps its
//   formatting; copies carry RTF besides HTML and plain text;
// - the caret as line and column, the text range buffer the translation
//   driver reads, and the lines as a TWideStrings.
//
// Plain-text lines are paragraphs. In the text range buffer a paragraph end
// is CR and a line break inside a paragraph is VT, one character each, so
// buffer offsets are caret positions.
#pragma once

#include <QTextEdit>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "zentrok/ColorW.h"
#include "zentrok/DocumentLinesW.h"
#include "zentrok/ParaAttributesW.h"
#include "zentrok/PlainTextFile.h"
#include "zentrok/ServerDOC.h"
#include "zentrok/TextAttributesW.h"

class QMenu;

namespace zentrok {

// The lines of a rich edit.
class TRichEditStringsW : public TDocumentLinesW {
public:
  using TDocumentLinesW::TDocumentLinesW;
};

class TCustomRichEditW : public QTextEdit {
public:
  using TLoadProgressEvent = std::function<void(TCustomRichEditW& sender, int16_t value)>;
  using TDocumentEvent = std::function<void(TCustomRichEditW& sender, int stage)>;
  // (sender, button, shift state as ShiftStateOf, x, y)
  using TMouseEvent =
      std::function<void(TCustomRichEditW& sender, Qt::MouseButton button, int shift, int x, int y)>;

  explicit TCustomRichEditW(QWidget* parent = nullptr);
  ~TCustomRichEditW() override;

  // Inserts text at the caret (replacing any selection) with the given
  // colour, size in points and TFontStyleBit bits.
  void AddStyledText(const std::u16string& text, TColor color, int size, int style);

  // Loads a file (UTF-8 path). Format dfDetect with chunked set inserts
  // plain text at the caret in chunks of 30,000 bytes and reports
  // OnLoadProgress; unchunked it replaces the text. An unreadable file
  // raises EFOpenError and leaves the text as it was.
  void LoadDocument(const std::string& fileName, uint8_t format, bool chunked);
  // Saves in format dfText8, dfUtf16, dfRtf or an office format, through a
  // temporary file renamed over the old one; a file that cannot be written
  // raises EFCreateError with its path and the old file stays.
  void SaveDocument(const std::string& fileName, uint8_t format);
  // The format of the last loaded or saved document.
  uint8_t DocumentFormat() const { return FDocumentFormat; }

  // The text with CR LF between paragraphs.
  std::u16string Text() const;
  void SetText(const std::u16string& text);

  int SelStart() const;
  void SetSelStart(int pos);
  int SelLength() const;
  void SetSelLength(int length);
  std::u16string SelText() const;
  void SetSelText(const std::u16string& text);
  // The caret as (column x, line y); setting selects the empty range there.
  QPoint CaretPos() const;
  void SetCaretPos(QPoint pos);

  // The range of the selection (or of the whole text) and a buffer of
  // (End - Start + 1) characters holding its text and a final U+0000.
  struct TTextRange {
    int Start = 0;
    int End = 0;
    std::vector<char16_t> Buffer;
  };
  TTextRange GetTextRange(bool selectionOnly) const;

  // Copies the whole text to the clipboard and keeps the selection.
  void CopyAllToClipboard();
  void PasteFromClipboard() { paste(); }

  // The stage callback of the office converter: forwards the stage to
  // OnDocument, then stage 0 puts the whole content into the converter's
  // Content and stage 1 inserts Content at the caret.
  void DocumentCallback(int stage);

  TRichEditStringsW& Lines() { return *FLines; }
  TTextAttributesW& SelAttributes() { return FSelAttributes; }
  TTextAttributesW& DefAttributes() { return FDefAttributes; }
  TParaAttributesW& Paragraph() { return FParagraph; }

  // Installs the office converter (the rich edit owns it and sets its
  // OnStage). Without one, office formats raise an error.
  void SetServerDOC(std::unique_ptr<TServerDOC> server);
  TServerDOC* ServerDOC() const { return FServerDOC.get(); }

  // True (the default): the vertical scroll bar shows only when needed;
  // false: it is always there, disabled when not needed.
  bool HideScrollBars() const { return FHideScrollBars; }
  void SetHideScrollBars(bool on);
  // True (the default): the selection is not shown while another control
  // has the focus.
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool on);

  // Opens on a right click when set (not owned).
  QMenu* PopupMenuW = nullptr;
  std::function<void(TCustomRichEditW& sender)> OnMouseEnter;
  std::function<void(TCustomRichEditW& sender)> OnMouseLeave;
  TLoadProgressEvent OnLoadProgress;
  TDocumentEvent OnDocument;
  TMouseEvent OnMouseDown;  // left button
  TMouseEvent OnMouseUp;    // left button
  TMouseEvent OnDblClick;   // left button; when set the double click goes no further

protected:
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
  QMimeData* createMimeDataFromSelection() const override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

private:
  void LoadChunked(std::string_view bytes);
  void InsertPlain(const QString& text);
  void FillContent(QMimeData& data) const;

  std::unique_ptr<TRichEditStringsW> FLines;
  TTextAttributesW FSelAttributes;
  TTextAttributesW FDefAttributes;
  TParaAttributesW FParagraph;
  std::unique_ptr<TServerDOC> FServerDOC;
  uint8_t FDocumentFormat = dfDetect;
  bool FHideScrollBars = true;
  bool FHideSelection = true;
};

class TRichEditW : public TCustomRichEditW {
public:
  using TCustomRichEditW::TCustomRichEditW;
};

}  // namespace zentrok
