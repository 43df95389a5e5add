#include "zentrok/RichEditW.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextDocumentFragment>

#include "zentrok/Consts_Trg.h"
#include "zentrok/RtfReader.h"
#include "zentrok/RtfWriter.h"
#include "zentrok/StdCtrlsW.h"
#include "zentrok/SysUtils_Trg.h"
#include "zentrok/TrgErrors.h"

namespace zentrok {

namespace {

const QString kMimeRtf = QStringLiteral("text/rtf");

bool IsRtfFormat(const QString& format) {
  return format == kMimeRtf || format == QLatin1String("application/rtf") ||
         format == QLatin1String("text/richtext");
}

QString Q(const std::u16string& s) { return QString::fromStdU16String(s); }

std::string_view View(const std::vector<uint8_t>& bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

// Leaves a document's undo stack untouched by the edits made while it lives:
// turning undo off drops the records, so the edits cannot be undone.
class TNoUndo {
public:
  explicit TNoUndo(QTextDocument* doc) : FDoc(doc), FWas(doc->isUndoRedoEnabled()) {
    if (FWas) FDoc->setUndoRedoEnabled(false);
  }
  ~TNoUndo() {
    if (FWas) FDoc->setUndoRedoEnabled(true);
  }

private:
  QTextDocument* FDoc;
  bool FWas;
};

}  // namespace

TCustomRichEditW::TCustomRichEditW(QWidget* parent)
    : QTextEdit(parent),
      FLines(std::make_unique<TRichEditStringsW>(document(), this)),
      FSelAttributes(this, TTextAttributesW::TKind::atSelected),
      FDefAttributes(this, TTextAttributesW::TKind::atDefaultText),
      FParagraph(this) {
  setFont(DefaultControlFont());
  SetHideScrollBars(true);
  SetHideSelection(true);
  setTabChangesFocus(false);
}

void TCustomRichEditW::SetHideScrollBars(bool on) {
  FHideScrollBars = on;
  setVerticalScrollBarPolicy(on ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOn);
}

void TCustomRichEditW::SetHideSelection(bool on) {
  FHideSelection = on;
  // The inactive colours are those used while another control has focus.
  QPalette pal = palette();
  const QPalette app = QGuiApplication::palette();
  pal.setColor(QPalette::Inactive, QPalette::Highlight,
               on ? pal.color(QPalette::Inactive, QPalette::Base) : app.color(QPalette::Active, QPalette::Highlight));
  pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
               on ? pal.color(QPalette::Inactive, QPalette::Text)
                  : app.color(QPalette::Active, QPalette::HighlightedText));
  setPalette(pal);
}

void TCustomRichEditW::enterEvent(QEnterEvent* event) {
  QTextEdit::enterEvent(event);
  if (OnMouseEnter) OnMouseEnter(*this);
}

void TCustomRichEditW::leaveEvent(QEvent* event) {
  QTextEdit::leaveEvent(event);
  if (OnMouseLeave) OnMouseLeave(*this);
}

TCustomRichEditW::~TCustomRichEditW() = default;

void TCustomRichEditW::AddStyledText(const std::u16string& text, TColor color, int size,
                                     int style) {
  QTextCursor c = textCursor();
  QTextCharFormat f = c.charFormat();
  f.merge(StyledCharFormat(color, size, style));
  {
    TNoUndo noUndo(document());
    c.insertText(Q(NormalizeLineBreaks(text)), f);
  }
  setTextCursor(c);
}

std::u16string TCustomRichEditW::Text() const { return FLines->GetTextStr(); }

void TCustomRichEditW::SetText(const std::u16string& text) {
  setPlainText(Q(NormalizeLineBreaks(text)));
}

void TCustomRichEditW::InsertPlain(const QString& text) {
  QTextCursor c = textCursor();
  c.insertText(Q(NormalizeLineBreaks(text.toStdU16String())));
  setTextCursor(c);
}

void TCustomRichEditW::LoadChunked(std::string_view bytes) {
  TDocumentFormat format = dfText8;
  std::string_view payload = SplitTextPayload(bytes, format);
  if (payload.empty()) return;
  std::vector<TTextChunk> chunks = PlanTextChunks(payload, format);
  QTextCursor c = textCursor();
  int last = 0;
  bool pendingCr = false;  // a CR LF may straddle two chunks
  for (TTextChunk& chunk : chunks) {
    std::u16string_view text = chunk.Text;
    if (pendingCr && !text.empty() && text[0] == u'\n') text.remove_prefix(1);
    pendingCr = !text.empty() && text.back() == u'\r';
    c.insertText(Q(NormalizeLineBreaks(text)));
    if (chunk.Progress > last) {
      last = chunk.Progress;
      if (OnLoadProgress) OnLoadProgress(*this, static_cast<int16_t>(last));
    }
  }
  setTextCursor(c);
  FDocumentFormat = format;
}

void TCustomRichEditW::LoadDocument(const std::string& fileName, uint8_t format, bool chunked) {
  if (format == dfOffice || format == dfOffice5) {
    if (!FServerDOC) throw ETrgError("No converter for office documents is installed");
    FServerDOC->LoadWordDocument(fileName);
    SetCaretPos(QPoint(0, 0));
    FDocumentFormat = format;
    return;
  }
  if (format > dfRtf) throw ETrgError(Format("Unknown document format %d", format));
  const std::vector<uint8_t> file = ReadWholeFile(fileName);
  const std::string_view bytes = View(file);
  switch (format) {
    case dfDetect:
      if (chunked) {
        LoadChunked(bytes);
      } else {
        TDocumentFormat found = DetectTextFormat(bytes);
        setPlainText(Q(NormalizeLineBreaks(DecodeTextFile(bytes, found))));
        FDocumentFormat = found;
      }
      break;
    case dfText8:
      setPlainText(Q(NormalizeLineBreaks(DecodeText8(bytes))));
      FDocumentFormat = dfText8;
      break;
    case dfUtf16:
      setPlainText(Q(NormalizeLineBreaks(DecodeUtf16LE(bytes.size() >= 2 ? bytes.substr(2) : ""))));
      FDocumentFormat = dfUtf16;
      break;
    case dfRtf:
      ReadRtfDocument(*document(), bytes);
      FDocumentFormat = dfRtf;
      break;
  }
  SetCaretPos(QPoint(0, 0));
}

void TCustomRichEditW::SaveDocument(const std::string& fileName, uint8_t format) {
  std::string bytes;
  switch (format) {
    case dfText8: bytes = EncodeText8(Text()); break;
    case dfUtf16: bytes = EncodeUtf16File(Text()); break;
    case dfRtf: bytes = WriteRtf(*document()); break;
    case dfOffice:
    case dfOffice5:
      if (!FServerDOC) throw ETrgError("No converter for office documents is installed");
      FServerDOC->SaveWordDocument(fileName);
      FDocumentFormat = format;
      return;
    default: throw ETrgError(Format("Documents cannot be saved in format %d", format));
  }
  SaveFileAtomic(fileName, bytes.data(), bytes.size());
  FDocumentFormat = format;
}

int TCustomRichEditW::SelStart() const { return textCursor().selectionStart(); }

void TCustomRichEditW::SetSelStart(int pos) {
  QTextCursor c = textCursor();
  c.setPosition(std::clamp(pos, 0, document()->characterCount() - 1));
  setTextCursor(c);
}

int TCustomRichEditW::SelLength() const {
  QTextCursor c = textCursor();
  return c.selectionEnd() - c.selectionStart();
}

void TCustomRichEditW::SetSelLength(int length) {
  QTextCursor c = textCursor();
  int start = c.selectionStart();
  c.setPosition(start);
  c.setPosition(std::clamp(start + length, 0, document()->characterCount() - 1),
                QTextCursor::KeepAnchor);
  setTextCursor(c);
}

std::u16string TCustomRichEditW::SelText() const {
  QString s = textCursor().selectedText();
  s.replace(QChar(0x2029), QLatin1String("\r\n"));
  return s.toStdU16String();
}

void TCustomRichEditW::SetSelText(const std::u16string& text) { InsertPlain(Q(text)); }

QPoint TCustomRichEditW::CaretPos() const {
  QTextCursor c = textCursor();
  QTextBlock block = document()->findBlock(c.selectionStart());
  return QPoint(c.selectionStart() - block.position(), block.blockNumber());
}

void TCustomRichEditW::SetCaretPos(QPoint pos) {
  QTextBlock block = document()->findBlockByNumber(pos.y());
  if (!block.isValid()) block = document()->lastBlock();
  QTextCursor c(document());
  c.setPosition(std::clamp(block.position() + std::max(pos.x(), 0), 0,
                           document()->characterCount() - 1));
  setTextCursor(c);
}

TCustomRichEditW::TTextRange TCustomRichEditW::GetTextRange(bool selectionOnly) const {
  TTextRange r;
  const QString raw = document()->toRawText();
  if (selectionOnly) {
    r.Start = textCursor().selectionStart();
    r.End = textCursor().selectionEnd();
  } else {
    r.Start = 0;
    r.End = static_cast<int>(document()->characterCount() - 1);
  }
  r.End = std::clamp(r.End, r.Start, static_cast<int>(raw.size()));
  r.Buffer.assign(static_cast<size_t>(r.End - r.Start + 1), u'\0');
  for (int i = r.Start; i < r.End; ++i) {
    char16_t c = raw[i].unicode();
    if (c == u'\u2029') c = u'\r';
    else if (c == u'\u2028') c = u'\v';
    r.Buffer[static_cast<size_t>(i - r.Start)] = c;
  }
  return r;
}

void TCustomRichEditW::CopyAllToClipboard() {
  const QTextCursor saved = textCursor();
  QTextCursor all(document());
  all.select(QTextCursor::Document);
  setTextCursor(all);
  copy();
  setTextCursor(saved);
}

void TCustomRichEditW::FillContent(QMimeData& data) const {
  data.clear();
  data.setData(kMimeRtf, QByteArray::fromStdString(WriteRtf(*document())));
  data.setHtml(document()->toHtml());
  data.setText(document()->toPlainText());
}

void TCustomRichEditW::DocumentCallback(int stage) {
  if (OnDocument) OnDocument(*this, stage);
  if (!FServerDOC) return;
  if (stage == TServerDOC::stCopyContent) FillContent(FServerDOC->Content);
  else if (stage == TServerDOC::stPasteContent) insertFromMimeData(&FServerDOC->Content);
}

void TCustomRichEditW::SetServerDOC(std::unique_ptr<TServerDOC> server) {
  FServerDOC = std::move(server);
  if (FServerDOC) FServerDOC->OnStage = [this](TServerDOC&, int stage) { DocumentCallback(stage); };
}

bool TCustomRichEditW::canInsertFromMimeData(const QMimeData* source) const {
  for (const QString& f : source->formats())
    if (IsRtfFormat(f)) return true;
  return QTextEdit::canInsertFromMimeData(source);
}

void TCustomRichEditW::insertFromMimeData(const QMimeData* source) {
  if (!source) return;
  // The first format naming rich text or HTML decides: rich text keeps its
  // formatting, HTML alone (a browser copy) goes in as plain text.
  for (const QString& format : source->formats()) {
    const QString name = format.toLower();
    if (name.contains(QLatin1String("rich")) || name.contains(QLatin1String("rtf"))) {
      for (const QString& f : source->formats()) {
        if (IsRtfFormat(f)) {
          QTextCursor c = textCursor();
          InsertRtf(c, source->data(f).toStdString());
          setTextCursor(c);
          ensureCursorVisible();
          return;
        }
      }
      QTextEdit::insertFromMimeData(source);
      return;
    }
    if (name.contains(QLatin1String("html"))) {
      InsertPlain(source->hasText() ? source->text()
                                    : QTextDocumentFragment::fromHtml(source->html()).toPlainText());
      ensureCursorVisible();
      return;
    }
  }
  QTextEdit::insertFromMimeData(source);
}

QMimeData* TCustomRichEditW::createMimeDataFromSelection() const {
  QMimeData* data = QTextEdit::createMimeDataFromSelection();
  if (data && textCursor().hasSelection()) {
    data->setData(kMimeRtf, QByteArray::fromStdString(
                                WriteRtf(textCursor().selection(), document()->defaultFont())));
  }
  return data;
}

void TCustomRichEditW::contextMenuEvent(QContextMenuEvent* event) {
  if (PopupMenuW) {
    setFocus();
    PopupMenuW->popup(event->globalPos());
    event->accept();
    return;
  }
  QTextEdit::contextMenuEvent(event);
}

void TCustomRichEditW::mousePressEvent(QMouseEvent* event) {
  QTextEdit::mousePressEvent(event);
  if (event->button() == Qt::LeftButton && OnMouseDown) {
    QPoint p = event->position().toPoint();
    OnMouseDown(*this, Qt::LeftButton, ShiftStateOf(event->modifiers(), event->buttons()), p.x(), p.y());
  }
}

void TCustomRichEditW::mouseReleaseEvent(QMouseEvent* event) {
  QTextEdit::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && OnMouseUp) {
    QPoint p = event->position().toPoint();
    OnMouseUp(*this, Qt::LeftButton, ShiftStateOf(event->modifiers(), event->buttons()), p.x(), p.y());
  }
}

void TCustomRichEditW::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && OnDblClick) {
    QPoint p = event->position().toPoint();
    OnDblClick(*this, Qt::LeftButton, ShiftStateOf(event->modifiers(), event->buttons()), p.x(), p.y());
    event->accept();
    return;
  }
  QTextEdit::mouseDoubleClickEvent(event);
}

}  // namespace zentrok
