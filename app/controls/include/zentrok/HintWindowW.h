// THintWindowW: the hint window of the whole program.
//
// A widget's hint is an 8-bit multi-language string with separator "/"
// ("Сохранить перевод/Т^aр^jем^aне саклау/Save translation"); the window
// shows the variant chosen by the application's tag (ApplicationTag), sized
// to the text + 6 by + 4 and drawn 2 pixels in, word-wrapped, in the hint
// colours, with "&" shown as it is.
#pragma once

#include <QPointer>
#include <QWidget>
#include <string>
#include <string_view>

namespace zentrok {

// The 8-bit hint of a widget.
void SetHintW(QWidget* widget, std::string_view hint);
std::string HintW(const QWidget* widget);

// The text a hint shows for a tag.
QString HintText(std::string_view hint, int tag);

class THintWindowW : public QWidget {
public:
  THintWindowW();

  // The window's size for a text, wrapped at maxWidth.
  QRect CalcHintRect(int maxWidth, const QString& text) const;
  // Shows the hint's variant for the current tag at a screen position.
  void ActivateHint(const QPoint& globalPos, std::string_view hint);
  void ReleaseHint() { hide(); }
  QString Text() const { return FText; }
  // Shows the variant of the current tag again.
  void Recaption();

  // Installs one hint window for the whole application: a widget with a
  // hint shows it on a tool-tip event. Returns the window.
  static THintWindowW* Install();

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  std::string FHint;
  QString FText;
};

}  // namespace zentrok
