#include "CliOptions.h"

#include "zentrok/Translator2.h"

namespace zentrok::cli {

namespace {

bool ParseWhen(const std::string& v, TWhen& w) {
  if (v == "auto") w = TWhen::Auto;
  else if (v == "always") w = TWhen::Always;
  else if (v == "never") w = TWhen::Never;
  else return false;
  return true;
}

}  // namespace

std::string CliUsage() {
  return "Использование: zentrok-cli -d tt-ru|ru-tt [ПАРАМЕТРЫ] [ФАЙЛ...]\n"
         "Переводит файлы (или стандартный ввод) с татарского на русский (tt-ru)\n"
         "или с русского на татарский (ru-tt) и пишет перевод в стандартный вывод.\n"
         "Вход: UTF-8, UTF-16 с меткой порядка байтов или кодовая страница 1251.\n"
         "Выход: UTF-8.\n"
         "\n"
         "  -d, --direction tt-ru|ru-tt  направление перевода\n"
         "      --mark                   выделять непереведённые слова: цветом на\n"
         "                               терминале, иначе метками [[ и ]]\n"
         "      --mark-open ТЕКСТ        открывающая метка (по умолчанию [[)\n"
         "      --mark-close ТЕКСТ       закрывающая метка (по умолчанию ]])\n"
         "      --color auto|always|never  цвет вместо меток (auto: на терминале)\n"
         "      --progress auto|always|never  ход перевода в stderr\n"
         "      --data ПАПКА             папка с данными (по умолчанию папка программы)\n"
         "  -h, --help                   эта справка\n"
         "      --version                версия\n"
         "\n"
         "Коды выхода: 0 успех, 1 ошибка в командной строке, 2 данные не загружены,\n"
         "3 вход не прочитан, 4 вывод не записан.\n";
}

bool ParseCliOptions(const std::vector<std::string>& args, TCliOptions& o, std::string& error) {
  bool optionsEnded = false;
  for (size_t i = 0; i < args.size(); ++i) {
    std::string a = args[i];
    if (optionsEnded || a == "-" || a.empty() || a[0] != '-') {
      o.Files.push_back(a);
      continue;
    }
    if (a == "--") {
      optionsEnded = true;
      continue;
    }
    std::string value;
    bool inlineValue = false;
    if (a.starts_with("--")) {
      size_t eq = a.find('=');
      if (eq != std::string::npos) {
        value = a.substr(eq + 1);
        a = a.substr(0, eq);
        inlineValue = true;
      }
    }
    auto takeValue = [&](std::string& out) {
      if (inlineValue) {
        out = value;
        return true;
      }
      if (i + 1 >= args.size()) {
        error = "параметру " + a + " нужно значение";
        return false;
      }
      out = args[++i];
      return true;
    };
    auto noValue = [&] {
      if (inlineValue) error = "параметр " + a + " не принимает значения";
      return !inlineValue;
    };
    if (a == "-h" || a == "--help") {
      if (!noValue()) return false;
      o.Help = true;
    } else if (a == "--version") {
      if (!noValue()) return false;
      o.Version = true;
    } else if (a == "--mark") {
      if (!noValue()) return false;
      o.Mark = true;
    } else if (a == "-d" || a == "--direction") {
      std::string v;
      if (!takeValue(v)) return false;
      if (v == "tt-ru") o.Direction = DirTatarRussian;
      else if (v == "ru-tt") o.Direction = DirRussianTatar;
      else {
        error = "неизвестное направление \"" + v + "\" (нужно tt-ru или ru-tt)";
        return false;
      }
      o.DirectionGiven = true;
    } else if (a == "--mark-open") {
      if (!takeValue(o.MarkOpen)) return false;
    } else if (a == "--mark-close") {
      if (!takeValue(o.MarkClose)) return false;
    } else if (a == "--color" || a == "--progress") {
      std::string v;
      if (!takeValue(v)) return false;
      if (!ParseWhen(v, a == "--color" ? o.Color : o.Progress)) {
        error = "значение " + a + " должно быть auto, always или never";
        return false;
      }
    } else if (a == "--data") {
      if (!takeValue(o.DataDir)) return false;
      if (o.DataDir.empty()) {
        error = "пустая папка данных";
        return false;
      }
    } else {
      error = "неизвестный параметр " + a;
      return false;
    }
  }
  if (!o.DirectionGiven && !o.Help && !o.Version) {
    error = "не задано направление перевода (-d tt-ru или -d ru-tt)";
    return false;
  }
  return true;
}

}  // namespace zentrok::cli
