// TGroupBoxW: a group box with a bilingual caption (Tahoma).
#pragma once

#include <QGroupBox>
#include <string>
#include <string_view>

namespace zentrok {

class TGroupBoxW : public QGroupBox {
public:
  explicit TGroupBoxW(QWidget* parent = nullptr);
  TGroupBoxW(std::string_view caption, QWidget* parent = nullptr);

  // The 8-bit multi-language caption.
  const std::string& Caption() const { return FCaption; }
  void SetCaption(std::string_view caption);
  bool CaptionEx() const { return FCaptionEx; }
  void SetCaptionEx(bool on);
  int NumCaption() const { return FNumCaption; }
  // Shows variant index (and repaints).
  void SetNumCaption(int index);
  // The caption as shown.
  QString ShownCaption() const;

private:
  void Recaption();

  std::string FCaption;
  bool FCaptionEx = true;
  int FNumCaption = 0;
};

}  // namespace zentrok
