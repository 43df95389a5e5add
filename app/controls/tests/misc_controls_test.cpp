#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include "zentrok/ClipbrdW.h"

namespace zentrok {
namespace {

TEST(Clipboard, TextGoesInAndOutAsUtf16) {
  TClipboardW clip;
  clip.SetAsText(u"Сәлам 😀");
  EXPECT_EQ(clip.AsText(), u"Сәлам 😀");
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Сәлам 😀"));
  EXPECT_TRUE(clip.HasFormat(QStringLiteral("text/plain")));
  EXPECT_THROW(clip.GetImage(), EClipboardError);
  try {
    clip.GetImage();
  } catch (const EClipboardError& e) {
    EXPECT_STREQ(e.what(), "Invalid clipboard format");
  }
  QImage image(4, 4, QImage::Format_RGB32);
  image.fill(Qt::green);
  clip.SetImage(image);
  EXPECT_EQ(clip.GetImage().size(), QSize(4, 4));
}

TEST(Clipboard, OpeningIsCountedAndWritesLandOnTheLastClose) {
  TClipboardW clip;
  clip.SetAsText(u"before");
  clip.Open();
  clip.Open();
  clip.SetAsText(u"after");
  clip.Close();
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("before"));
  clip.Close();
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("after"));
  EXPECT_FALSE(clip.IsOpen());
  clip.Clear();
  EXPECT_EQ(clip.AsText(), u"");
}

TEST(Clipboard, ARefusedClipboardRaises) {
  TClipboardW none(nullptr);
  try {
    none.SetAsText(u"x");
    FAIL() << "no error";
  } catch (const EClipboardError& e) {
    EXPECT_STREQ(e.what(), "Cannot open clipboard");
  }
  EXPECT_FALSE(none.IsOpen());
}

}  // namespace
}  // namespace zentrok
