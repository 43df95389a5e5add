// TParaAttributesW: the paragraph attributes of the paragraphs in a rich
// edit's selection (the caret's paragraph when nothing is selected).
// Indents are in points.
#pragma once

class QTextEdit;

namespace zentrok {

enum class TAlignment { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };
enum class TNumberingStyle { nsNone = 0, nsBullet = 1 };

class TParaAttributesW {
public:
  explicit TParaAttributesW(QTextEdit* edit) : FEdit(edit) {}

  // Left and right are swapped when the edit lays out right to left.
  TAlignment Alignment() const;
  void SetAlignment(TAlignment value);
  int FirstIndent() const;
  void SetFirstIndent(int points);
  int LeftIndent() const;
  void SetLeftIndent(int points);
  int RightIndent() const;
  void SetRightIndent(int points);
  // Switching bullets on raises a left indent under 10 points to 10;
  // switching them off sets the left indent to 0.
  TNumberingStyle Numbering() const;
  void SetNumbering(TNumberingStyle value);

private:
  QTextEdit* FEdit;
};

}  // namespace zentrok
