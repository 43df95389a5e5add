#include "zentrok/DocumentLinesW.h"

#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QWidget>

#include "zentrok/PlainTextFile.h"

namespace zentrok {

namespace {

QString Q(const std::u16string& s) { return QString::fromStdU16String(s); }

}  // namespace

TDocumentLinesW::TDocumentLinesW(QTextDocument* document, QWidget* view)
    : FDocument(document), FView(view) {}

std::u16string TDocumentLinesW::Get(int index) const {
  if (index < 0 || index >= FDocument->blockCount()) Error(index);
  return FDocument->findBlockByNumber(index).text().toStdU16String();
}

int TDocumentLinesW::GetCount() const {
  int n = FDocument->blockCount();
  if (FDocument->lastBlock().length() <= 1) --n;  // the last line is empty
  return n;
}

void TDocumentLinesW::Clear() { FDocument->clear(); }

void TDocumentLinesW::Delete(int index) {
  QTextBlock block = FDocument->findBlockByNumber(index);
  if (index < 0 || !block.isValid()) return;
  QTextCursor c(FDocument);
  c.setPosition(block.position());
  QTextBlock next = block.next();
  if (next.isValid())
    c.setPosition(next.position(), QTextCursor::KeepAnchor);
  else
    c.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
  c.removeSelectedText();
}

void TDocumentLinesW::Insert(int index, const std::u16string& s) {
  if (index < 0) return;
  QTextCursor c(FDocument);
  QTextBlock block = FDocument->findBlockByNumber(index);
  QString text = Q(NormalizeLineBreaks(s));
  if (block.isValid()) {
    c.setPosition(block.position());
    c.insertText(text + QLatin1Char('\n'));
    return;
  }
  QTextBlock prev = FDocument->findBlockByNumber(index - 1);
  if (!prev.isValid() || prev.length() <= 1) return;
  c.setPosition(prev.position() + prev.length() - 1);
  c.insertText(QLatin1Char('\n') + text);
}

void TDocumentLinesW::Put(int index, const std::u16string& s) {
  QTextBlock block = FDocument->findBlockByNumber(index);
  if (index < 0 || !block.isValid()) return;
  QTextCursor c(FDocument);
  c.setPosition(block.position());
  c.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
  c.insertText(Q(NormalizeLineBreaks(s)));
}

void TDocumentLinesW::SetTextStr(std::u16string_view text) {
  if (!text.empty() && text[0] == u'\uFEFF') text.remove_prefix(1);
  QSignalBlocker block(FDocument);
  FDocument->setPlainText(Q(NormalizeLineBreaks(text)));
}

std::u16string TDocumentLinesW::GetTextStr() const {
  QString raw = FDocument->toRawText();
  std::u16string out;
  out.reserve(raw.size() + 16);
  for (QChar ch : raw) {
    char16_t c = ch.unicode();
    if (c == u'\u2029')
      out += u"\r\n";
    else
      out += c;
  }
  return out;
}

void TDocumentLinesW::SetUpdateState(bool updating) {
  if (!FView) return;
  FView->setUpdatesEnabled(!updating);
  if (!updating) {
    FView->update();
    emit FDocument->contentsChanged();
  }
}

void TDocumentLinesW::AddStrings(const TWideStrings& source, TWideStringsCompare compare) {
  QSignalBlocker block(FView);
  TWideStrings::AddStrings(source, compare);
}

}  // namespace zentrok
