#include "zentrok/FormatVAlpha.h"

#include <array>

namespace zentrok {
namespace {

const QString kHead = QStringLiteral("<head>");
const QString kBody = QStringLiteral("<body>");

const std::array<const char*, fkCount> kFontKeys = {
    "/", "name=", "size=", "style=", "color=", "pos=", "posz=", "bm=", "id="};
const std::array<const char*, pkCount> kParaKeys = {
    "/", "idfont=", "lind=", "rind=", "tab=", "align=", "id=", "bm=", "rod="};

struct NamedColor {
  const char* name;
  uint32_t value;
};
const std::array<NamedColor, 18> kColors = {{
    {"aqua", 0xFFFF00}, {"black", 0x000000}, {"blue", 0xFF0000}, {"dkgray", 0x808080},
    {"fuchsia", 0xFF00FF}, {"gray", 0x808080}, {"green", 0x008000}, {"lime", 0x00FF00},
    {"ltgray", 0xC0C0C0}, {"maroon", 0x000080}, {"navy", 0x800000}, {"olive", 0x008080},
    {"purple", 0x800080}, {"red", 0x0000FF}, {"silver", 0xC0C0C0}, {"teal", 0x808000},
    {"white", 0xFFFFFF}, {"yellow", 0x00FFFF},
}};

// The raw value of `key` in `tag`: from just after the key's first
// occurrence to the next "," or the end of the tag. False when absent.
bool RawValue(const QString& tag, const QString& key, QString& value) {
  const int at = tag.indexOf(key);
  if (at < 0) return false;
  const int from = at + key.size();
  int to = tag.indexOf(u',', from);
  if (to < 0) to = tag.size();
  value = tag.mid(from, to - from);
  return true;
}

// Decimal, or hexadecimal with a "0x" prefix, of the 8-bit form.
bool ParseInt(const QString& value, int32_t& out) {
  const QByteArray bytes = value.toLatin1();
  bool ok = false;
  int v = 0;
  if (bytes.size() > 2 && bytes[0] == '0' && (bytes[1] == 'x' || bytes[1] == 'X'))
    v = bytes.mid(2).toInt(&ok, 16);
  else
    v = bytes.toInt(&ok, 10);
  if (ok) out = v;
  return ok;
}

bool ParseBool(const QString& value, bool& out) {
  if (value.compare(u"true", Qt::CaseInsensitive) == 0) { out = true; return true; }
  if (value.compare(u"false", Qt::CaseInsensitive) == 0) { out = false; return true; }
  int32_t n = 0;
  if (!ParseInt(value, n)) return false;
  out = n != 0;
  return true;
}

// The text after the first "/" of the tag, up to the next ",".
bool BaseValue(const QString& tag, QString& value) {
  if (!RawValue(tag, QStringLiteral("/"), value)) return false;
  value = TrimValue(value);
  return true;
}

// The "id=" value up to its first "/".
QString IdValue(const QString& raw) {
  const int slash = raw.indexOf(u'/');
  return TrimValue(slash < 0 ? raw : raw.left(slash));
}

}  // namespace

QString TrimValue(const QString& value) {
  int from = 0, to = value.size();
  while (from < to && !value[from].isLetterOrNumber()) ++from;
  while (to > from && !value[to - 1].isLetterOrNumber()) --to;
  return value.mid(from, to - from);
}

bool ColorByName(const QString& name, uint32_t& color) {
  for (const auto& c : kColors) {
    if (name.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0) {
      color = c.value;
      return true;
    }
  }
  return false;
}

TDocumentParts SplitDocument(const QString& text) {
  TDocumentParts parts;
  const int head = text.indexOf(kHead);
  const int body = text.indexOf(kBody);
  if (head < 0 || body < 0 || body < head + kHead.size()) return parts;
  const int bodyStart = body + kBody.size();
  if (bodyStart >= text.size()) return parts;
  parts.head = text.mid(head + kHead.size(), body - head - kHead.size());
  parts.body = text.mid(bodyStart);
  parts.accepted = true;
  return parts;
}

bool NextDefinition(const QString& head, int& cursor, QString& tag, TTagKind& kind) {
  while (cursor < head.size()) {
    const int open = head.indexOf(u'<', cursor);
    const int close = head.indexOf(u'>', cursor);
    if (open < 0 || close < 0 || close < open) {
      cursor = head.size();
      return false;
    }
    cursor = close + 1;
    const QString t = head.mid(open, close - open + 1);
    if (t.startsWith(u"<para:")) {
      tag = t;
      kind = TTagKind::Para;
      return true;
    }
    if (t.startsWith(u"<font:")) {
      tag = t;
      kind = TTagKind::Font;
      return true;
    }
  }
  return false;
}

TFontValuesRec ParseFontDefinition(const QString& tag) {
  TFontValuesRec r;
  for (int i = 0; i < fkCount; ++i) {
    QString raw;
    const QString key = QLatin1String(kFontKeys[i]);
    if (!RawValue(tag, key, raw)) continue;
    const QString v = TrimValue(raw);
    bool ok = true;
    switch (i) {
      case fkBase: ok = BaseValue(tag, r.base); break;
      case fkFace: r.face = v; break;
      case fkSize: ok = ParseInt(v, r.size); break;
      case fkStyle:
        r.style = (v.contains(u'b') ? fsBold : 0) | (v.contains(u'i') ? fsItalic : 0) |
                  (v.contains(u'u') ? fsUnderline : 0) | (v.contains(u's') ? fsStrikeOut : 0);
        break;
      case fkColor: {
        // Numbers are not colours: only the names are accepted.
        int32_t n = 0;
        ok = !ParseInt(v, n) && ColorByName(v, r.color);
        break;
      }
      case fkPos:
        if (v.compare(u"reg", Qt::CaseInsensitive) == 0) r.pos = fpRegular;
        else if (v.compare(u"sub", Qt::CaseInsensitive) == 0) r.pos = fpSub;
        else if (v.compare(u"sup", Qt::CaseInsensitive) == 0) r.pos = fpSup;
        else ok = false;
        break;
      case fkPosZ: ok = ParseInt(v, r.posz); break;
      case fkBookMark: ok = ParseInt(v, r.bm); break;
      case fkName: r.name = IdValue(raw); break;
    }
    if (ok) r.defined |= 1u << i;
  }
  r.defined |= 1u << fkName;
  return r;
}

TParaValuesRec ParseParaDefinition(const QString& tag) {
  TParaValuesRec r;
  for (int i = 0; i < pkCount; ++i) {
    QString raw;
    const QString key = QLatin1String(kParaKeys[i]);
    if (!RawValue(tag, key, raw)) continue;
    const QString v = TrimValue(raw);
    bool ok = true;
    switch (i) {
      case pkBase: ok = BaseValue(tag, r.base); break;
      case pkFont: r.font = v; break;
      case pkLeftIndent: ok = ParseInt(v, r.lind); break;
      case pkRightIndent: ok = ParseInt(v, r.rind); break;
      case pkTab: ok = ParseInt(v, r.tab); break;
      case pkAlign:
        if (v.compare(u"left", Qt::CaseInsensitive) == 0) r.align = paLeft;
        else if (v.compare(u"centre", Qt::CaseInsensitive) == 0) r.align = paCentre;
        else if (v.compare(u"right", Qt::CaseInsensitive) == 0) r.align = paRight;
        else if (v.compare(u"just", Qt::CaseInsensitive) == 0) r.align = paJustify;
        else ok = false;
        break;
      case pkName: r.name = IdValue(raw); break;
      case pkBookMark: ok = ParseInt(v, r.bm); break;
      case pkRod: ok = ParseBool(v, r.rod); break;
    }
    if (ok) r.defined |= 1u << i;
  }
  r.defined |= 1u << pkName;
  return r;
}

TUseTag NextUse(const QString& body, int& cursor, TTagKind kind,
                const std::function<bool(const QString&)>& exists) {
  const QString word = kind == TTagKind::Para ? QStringLiteral("<para=") : QStringLiteral("<font=");
  TUseTag use;
  int search = cursor;
  while (true) {
    const int at = body.indexOf(word, search);
    if (at < 0) break;
    const int valueStart = at + word.size();
    const int close = body.indexOf(u'>', valueStart);
    if (close < 0) break;  // no later tag can close either
    const QString value = body.mid(valueStart, close - valueStart);
    const int amp = value.indexOf(u'@');
    const QString name = TrimValue(amp < 0 ? value : value.left(amp));
    if (exists(name)) {
      use.before = body.mid(cursor, at - cursor);
      use.name = name;
      if (amp >= 0) {
        int32_t n = 0;
        if (ParseInt(TrimValue(value.mid(amp + 1)), n)) {
          use.bm = n;
          use.hasBm = true;
        }
      }
      use.found = true;
      cursor = close + 1;
      return use;
    }
    search = valueStart;
  }
  use.before = body.mid(cursor);
  cursor = body.size();
  return use;
}

TLangTable BuildLangTable(const QString& body) {
  TLangTable table;
  bool seen[256] = {};
  for (const QChar c : body) {
    const uint8_t page = static_cast<uint8_t>(c.unicode() >> 8);
    if (!seen[page]) {
      seen[page] = true;
      table.push_back(page);
    }
  }
  return table;
}

}  // namespace zentrok
