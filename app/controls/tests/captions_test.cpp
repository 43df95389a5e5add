#include <gtest/gtest.h>

#include <QApplication>
#include <QStyleOptionMenuItem>
#include <QTest>

#include "TestUtil.h"
#include "zentrok/ButtonsW.h"
#include "zentrok/GroupBoxW.h"
#include "zentrok/HintWindowW.h"
#include "zentrok/LanguageW.h"
#include "zentrok/MenuStyleW.h"
#include "zentrok/MenusW.h"

namespace zentrok {
namespace {

using test::Cp;
using test::U;

const std::string kEdit = Cp("Правка|Эшк^aрт^y");
const std::string kSaveHint = Cp("Сохранить перевод/Т^aр^jем^aне саклау/Save translation");

class Captions : public ::testing::Test {
protected:
  void TearDown() override { SetInterfaceLanguage(0); }
};

TEST_F(Captions, EveryControlKindShowsTheChosenVariant) {
  TMainMenuW bar;
  TPopupMenuW* menu = bar.AddMenu(kEdit);
  QAction* item = menu->AddItem(kEdit);
  TPopupMenuW* sub = menu->AddSubMenu(kEdit);
  QAction* subItem = sub->AddItem(kEdit);
  TPopupMenuW popup;
  QAction* popupItem = popup.AddItem(kEdit);
  TGroupBoxW box(kEdit);
  TBitBtnW button(kEdit);

  EXPECT_EQ(bar.actions()[0]->text(), U("Правка"));
  EXPECT_EQ(item->text(), U("Правка"));
  EXPECT_EQ(box.title(), U("Правка"));
  EXPECT_EQ(button.ShownCaption(), U("Правка"));

  bar.SetNumCaps(1);
  popup.SetNumCaps(1);
  box.SetNumCaption(1);
  button.SetNumCaption(1);
  const QString tatar = QStringLiteral("\u042D\u0448\u043A\u04D9\u0440\u0442\u04AF");  // Эшкәртү
  EXPECT_EQ(bar.actions()[0]->text(), tatar);
  EXPECT_EQ(item->text(), tatar);
  EXPECT_EQ(subItem->text(), tatar);  // sub-menus follow
  EXPECT_EQ(sub->NumCaps(), 1);
  EXPECT_EQ(popupItem->text(), tatar);
  EXPECT_EQ(box.title(), tatar);
  EXPECT_EQ(button.ShownCaption(), tatar);

  box.SetNumCaption(5);  // past the last variant: empty
  EXPECT_EQ(box.title(), QString());
  box.SetCaptionEx(false);  // the 8-bit caption as it is
  EXPECT_EQ(box.title(), U("Правка|Эшк^aрт^y"));
}

TEST_F(Captions, HintsFollowTheApplicationTag) {
  EXPECT_EQ(HintText(kSaveHint, 0), U("Сохранить перевод"));
  EXPECT_EQ(HintText(kSaveHint, 1), U("Тәрҗемәне саклау"));
  EXPECT_EQ(HintText(kSaveHint, 2), U("Save translation"));

  QWidget target;
  SetHintW(&target, kSaveHint);
  THintWindowW hint;
  SetApplicationTag(1);
  hint.ActivateHint(QPoint(10, 10), HintW(&target));
  EXPECT_EQ(hint.Text(), U("Тәрҗемәне саклау"));
  QRect r = hint.CalcHintRect(1000, hint.Text());
  EXPECT_EQ(r.width(), hint.fontMetrics().horizontalAdvance(hint.Text()) + 6);
  EXPECT_EQ(r.height(), hint.fontMetrics().height() + 4);
  EXPECT_EQ(hint.size(), r.size());
  // "&" is shown as it is: it widens the hint like any letter.
  EXPECT_GT(hint.CalcHintRect(1000, "a&b").width(), hint.CalcHintRect(1000, "ab").width());
}

TEST_F(Captions, SwitchingTheLanguageRecaptionsEverythingAtOnce) {
  QWidget window;
  auto* bar = new TMainMenuW(&window);
  TPopupMenuW* menu = bar->AddMenu(kEdit);
  QAction* item = menu->AddItem(Cp("Копировать|К^yчерм^a ясау|Copy"));
  auto* box = new TGroupBoxW(kEdit, &window);
  auto* button = new TBitBtnW(kEdit, &window);
  THintWindowW* hint = THintWindowW::Install();
  hint->ActivateHint(QPoint(0, 0), kSaveHint);
  EXPECT_EQ(hint->Text(), U("Сохранить перевод"));

  SetInterfaceLanguage(1);
  EXPECT_EQ(ApplicationTag(), 1);
  EXPECT_EQ(bar->actions()[0]->text(), U("Эшкәртү"));
  EXPECT_EQ(item->text(), U("Күчермә ясау"));
  EXPECT_EQ(box->title(), U("Эшкәртү"));
  EXPECT_EQ(button->ShownCaption(), U("Эшкәртү"));
  EXPECT_EQ(hint->Text(), U("Тәрҗемәне саклау"));
  delete hint;
}

TEST_F(Captions, DropDownsTakeTheWidthOfTheWidestCaption) {
  TPopupMenuW menu;
  menu.AddItem(Cp("Файл|Файл"));
  menu.AddItem(Cp("Выход|Программадан чыгу ^h^am эшне т^aмамлау"), QKeySequence(QStringLiteral("Ctrl+Q")));
  menu.AddSeparator();
  menu.AddItem(Cp("Да|^Aйе"));
  const QFontMetrics fm(menu.font());
  const QString shortcut = QKeySequence(QStringLiteral("Ctrl+Q")).toString(QKeySequence::NativeText);
  auto expected = [&](const QString& caption) {
    return fm.horizontalAdvance(caption) + fm.horizontalAdvance(shortcut) + 12 + 2 * 22;
  };
  menu.ensurePolished();
  const int russian = menu.sizeHint().width();
  EXPECT_GE(russian, expected(U("Выход")));
  EXPECT_LE(russian, expected(U("Выход")) + 8);
  menu.SetNumCaps(1);
  const int tatar = menu.sizeHint().width();
  EXPECT_GE(tatar, expected(U("Программадан чыгу һәм эшне тәмамлау")));
  EXPECT_LE(tatar, expected(U("Программадан чыгу һәм эшне тәмамлау")) + 8);
  EXPECT_GT(tatar, russian);

  // Items are ItemHeight high, separators 5.
  menu.show();
  EXPECT_EQ(menu.actionGeometry(menu.actions()[0]).height(), 22);
  EXPECT_EQ(menu.actionGeometry(menu.actions()[2]).height(), 5);
  menu.SetItemHeight(30);
  EXPECT_EQ(menu.actionGeometry(menu.actions()[0]).height(), 30);
  menu.hide();
}

TEST_F(Captions, MenusDrawTheirColours) {
  TPopupMenuW menu;
  QAction* first = menu.AddItem(Cp("Один|Бер"));
  QAction* second = menu.AddItem(Cp("Два|Ике"));
  QAction* off = menu.AddItem(Cp("Три|^Oч"));
  off->setEnabled(false);
  menu.show();
  menu.setActiveAction(second);
  QImage image = menu.grab().toImage();
  const QRect r1 = menu.actionGeometry(first), r2 = menu.actionGeometry(second);
  EXPECT_EQ(image.pixelColor(r2.left() + 5, r2.center().y()), kMenuHotColor);
  EXPECT_EQ(image.pixelColor(r2.right() - 3, r2.center().y()), kMenuHotColor);
  EXPECT_EQ(image.pixelColor(r1.left() + 5, r1.center().y()), menu.palette().color(QPalette::Button));
  EXPECT_EQ(image.pixelColor(r1.right() - 3, r1.center().y()), QColor(Qt::white));
  // Disabled text is silver: the disabled item has silver pixels, no black.
  const QRect r3 = menu.actionGeometry(off);
  bool silver = false, black = false;
  for (int x = r3.left() + 26; x < r3.right(); ++x)
    for (int y = r3.top(); y <= r3.bottom(); ++y) {
      QColor c = image.pixelColor(x, y);
      silver |= c == kMenuDisabledColor;
      black |= c == QColor(Qt::black);
    }
  EXPECT_TRUE(silver);
  EXPECT_FALSE(black);
  menu.hide();
}

TEST_F(Captions, SeparatorMeasuresFivePixels) {
  TMenuStyleW style;
  QStyleOptionMenuItem option;
  option.menuItemType = QStyleOptionMenuItem::Separator;
  EXPECT_EQ(style.sizeFromContents(QStyle::CT_MenuItem, &option, QSize(), nullptr).height(), 5);
  option.menuItemType = QStyleOptionMenuItem::Normal;
  option.text = QStringLiteral("Abc");
  option.font = QApplication::font();
  QSize item = style.sizeFromContents(QStyle::CT_MenuItem, &option, QSize(), nullptr);
  EXPECT_EQ(item, QSize(QFontMetrics(option.font).horizontalAdvance("Abc") + 44, 22));
}

TEST(BitBtn, GlyphSitsLeftOfTheCaptionFourPixelsApart) {
  TBitBtnW button(Cp("Сохранить|Саклау"));
  QPixmap glyph(16, 16);
  glyph.fill(Qt::red);
  button.SetGlyph(glyph);
  button.resize(120, 30);
  TGlyphLayout l = button.ContentLayout();
  EXPECT_EQ(l.Glyph.size(), QSize(16, 16));
  EXPECT_EQ(l.Text.left() - (l.Glyph.right() + 1), 4);
  // Centred: the space left of the glyph and right of the text differ by at most one.
  int left = l.Glyph.left() - 2, right = 118 - (l.Text.right() + 1);
  EXPECT_LE(std::abs(left - right), 1);

  TGlyphLayout r = TButtonGlyph::CalcLayout(QRect(0, 0, 100, 20), QSize(10, 10), QSize(30, 12),
                                            TButtonLayout::blGlyphRight, 5, 4);
  EXPECT_EQ(r.Glyph.left(), 85);
  EXPECT_EQ(r.Text.left(), 51);
  // A glyph strip: the second image is the disabled one.
  QPixmap strip(32, 16);
  strip.fill(Qt::blue);
  button.SetGlyph(strip, 2);
  EXPECT_EQ(button.Glyph().ImageSize(), QSize(16, 16));
  EXPECT_EQ(button.Glyph().Image(TButtonState::bsDisabled).size(), QSize(16, 16));
}

}  // namespace
}  // namespace zentrok
