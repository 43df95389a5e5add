#include "zentrok/StatusBarW.h"

#include <QPainter>
#include <qdrawutil.h>

#include "zentrok/TatAlphabet.h"

namespace zentrok {

TStatusBarW::TStatusBarW(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

int TStatusBarW::AddPanel(int width) {
  auto panel = std::make_unique<TStatusPanel>();
  panel->Width = width;
  FPanels.push_back(std::move(panel));
  update();
  return PanelCount() - 1;
}

int TStatusBarW::TextEntry(int index) const {
  if (index < 0 || index >= PanelCount()) return -1;
  return FTexts.IndexOfObject(FPanels[index].get());
}

int TStatusBarW::PanelWidth(int index) const {
  if (index < 0 || index >= PanelCount()) return 0;
  int entry = TextEntry(index);
  if (FAutosizePanels && entry >= 0) {
    QString text = QLatin1Char(' ') + QString::fromStdU16String(FTexts.Strings(entry));
    return fontMetrics().horizontalAdvance(text) + 4;
  }
  return FPanels[index]->Width;
}

void TStatusBarW::SetPanelWidth(int index, int width) {
  if (index < 0 || index >= PanelCount()) return;
  FPanels[index]->Width = width;
  update();
}

QRect TStatusBarW::PanelRect(int index) const {
  int x = 0;
  for (int i = 0; i < index; ++i) x += PanelWidth(i) + 2;
  return QRect(x, 0, PanelWidth(index), height());
}

void TStatusBarW::SetPanelText(int index, const std::u16string& text) {
  if (index < 0) return;
  while (PanelCount() <= index) AddPanel();
  while (FTexts.GetCount() <= index) FTexts.Add(u"");
  FTexts.Put(index, text);
  FTexts.PutObject(index, FPanels[index].get());
  update();
}

void TStatusBarW::SetPanelCaption(int index, std::string_view caretText) {
  SetPanelText(index, CaretToWide(caretText));
}

std::u16string TStatusBarW::GetPanelText(int index) const {
  int entry = TextEntry(index);
  return entry >= 0 ? FTexts.Strings(entry) : std::u16string();
}

void TStatusBarW::SetAutosizePanels(bool on) {
  FAutosizePanels = on;
  update();
}

QSize TStatusBarW::sizeHint() const {
  int w = 0;
  for (int i = 0; i < PanelCount(); ++i) w += PanelWidth(i) + 2;
  return QSize(std::max(w, 100), fontMetrics().height() + 8);
}

void TStatusBarW::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().color(QPalette::Window));
  for (int i = 0; i < PanelCount(); ++i) {
    QRect r = PanelRect(i).adjusted(0, 2, 0, -2);
    qDrawShadePanel(&p, r, palette(), true, 1);
    int entry = TextEntry(i);
    if (entry < 0) continue;
    QString text = QLatin1Char(' ') + QString::fromStdU16String(FTexts.Strings(entry));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(r.adjusted(1, 0, -1, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, text);
  }
}

}  // namespace zentrok
