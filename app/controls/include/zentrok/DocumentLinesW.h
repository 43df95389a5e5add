// TDocumentLinesW: the lines (paragraphs) of a text document as a
// TWideStrings, with the line rules of the memo and the rich edit:
// - Get(i) is line i without its break; an index outside the lines raises
//   the list index error.
// - GetCount is the number of lines, less one when the last line is empty.
// - Delete(i) removes line i with its break (the last line: its text only).
// - Insert(i, s) at an existing line puts s and a break at its start; past
//   the last line it adds a break and s after the previous line, and does
//   nothing when that line is empty.
// - Put(i, s) replaces the text of line i.
// Edits go through the document's cursor, so they are undoable and keep
// the formatting around them.
#pragma once

#include "zentrok/Classes_Trg.h"

class QTextDocument;
class QWidget;

namespace zentrok {

class TDocumentLinesW : public TWideStrings {
public:
  // view: the widget to freeze during BeginUpdate/EndUpdate (may be null).
  TDocumentLinesW(QTextDocument* document, QWidget* view);

  std::u16string Get(int index) const override;
  int GetCount() const override;
  void Clear() override;
  void Delete(int index) override;
  void Insert(int index, const std::u16string& s) override;
  void Put(int index, const std::u16string& s) override;
  // Sets the whole text without change notifications.
  void SetTextStr(std::u16string_view text) override;
  std::u16string GetTextStr() const override;
  void SetUpdateState(bool updating) override;
  // Adds the strings with the owner's change notifications held back.
  void AddStrings(const TWideStrings& source, TWideStringsCompare compare = nullptr) override;

private:
  QTextDocument* FDocument;
  QWidget* FView;
};

}  // namespace zentrok
