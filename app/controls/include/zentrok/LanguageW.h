// Bilingual captions of the controls and the switch of the interface
// language.
//
// A caption is one 8-bit string in caret notation holding its Russian,
// Tatar and sometimes English variant, separated by "|" (hints: "/").
// Menus, group boxes and buttons show variant NumCaps / NumCaption when
// CaptionEx is set, otherwise the 8-bit caption as it is; hints show the
// variant chosen by the application's language tag.
#pragma once

#include <QString>
#include <string_view>

class QWidget;

namespace zentrok {

inline constexpr char kCaptionSeparator = '|';
inline constexpr char kHintSeparator = '/';

// The text a control shows for an 8-bit caption: variant `index` with
// separator "|" when captionEx is set, else the whole caption read as code
// page 1251.
QString CaptionText(std::string_view caption, bool captionEx, int index);

// Text with "&" doubled, so Qt shows it literally instead of as an
// accelerator mark.
QString EscapeMnemonic(const QString& text);

// The application object's tag: the variant index of hints (0 Russian,
// 1 Tatar). Kept on the application object; 0 without one.
int ApplicationTag();
void SetApplicationTag(int tag);

// Switches every menu, group box and bitmap button of the application to
// variant `index`, and the application tag with them, so all captions and
// hints change at once; a hint on show changes too. Drop-down menus are
// measured again and take the width of their widest caption.
void SetInterfaceLanguage(int index);

}  // namespace zentrok
