#include "Senses.h"

#include <filesystem>

#include "TextUtil.h"
#include "zentrok/FileCollection.h"
#include "zentrok/MyTables3.h"
#include "zentrok/TrgErrors.h"

namespace tatengine {
namespace {

[[noreturn]] void Damaged(const std::string& path, const std::string& what) {
  throw zentrok::EDamagedTable("Damaged table file \"" + path + "\": " + what);
}

bool RelationByName(std::u16string_view name, TSenseRelation& r) {
  static constexpr std::pair<std::u16string_view, TSenseRelation> names[] = {
      {u"obj", srObject},  {u"dat", srDative}, {u"loc", srLocative}, {u"abl", srAblative},
      {u"ins", srWith},    {u"adv", srBefore}, {u"subj", srSubject}, {u"head", srHead},
      {u"mod", srModifier}, {u"next", srNext}, {u"verb", srVerb}};
  for (auto& [n, v] : names)
    if (n == name) {
      r = v;
      return true;
    }
  return false;
}

zentrok::TTable ItemTable(const zentrok::TFileCollection& coll, const char* name, int columns) {
  const zentrok::TFileItem* item = coll.FindItem(name);
  if (item == nullptr)
    Damaged(coll.FileName(), std::string("no item \"") + name + "\"");
  zentrok::TTable t = zentrok::TTable::FromBytes(item->Memory(), static_cast<size_t>(item->Size()),
                                                 coll.FileName() + ":" + name);
  if (!t.AllRowsHave(columns))
    Damaged(coll.FileName(), std::string("a row of \"") + name + "\" has too few cells");
  return t;
}

std::vector<std::u16string> SplitCommas(std::u16string_view s) {
  std::vector<std::u16string> out;
  size_t p = 0;
  while (p <= s.size()) {
    size_t q = s.find(u',', p);
    if (q == std::u16string_view::npos) q = s.size();
    if (q > p) out.emplace_back(s.substr(p, q - p));
    p = q + 1;
  }
  return out;
}

const std::vector<TSenseRule> kNone;

}  // namespace

TSenses::TSenses(const std::string& dataPath) {
  const std::string path = dataPath + "senses.coll";
  if (!std::filesystem::exists(path)) return;
  const zentrok::TFileCollection coll(path);
  const zentrok::TTable rules = ItemTable(coll, "rules", 7);
  const zentrok::TTable classes = ItemTable(coll, "classes", 2);
  for (int r = 0; r < rules.RowCount(); ++r) {
    TSenseRule rule;
    if (!RelationByName(rules.Cell(r, 1), rule.Relation))
      Damaged(path, "rule " + std::to_string(r + 1) + " has an unknown relation");
    rule.Context = SplitCommas(rules.Cell(r, 2));
    rule.Russian = rules.GetCell(r, 3);
    rule.Imperfective = rules.GetInt(r, 4);
    rule.Perfective = rules.GetInt(r, 5);
    rule.Government = rules.GetCell(r, 6);
    if (rule.Context.empty() || rule.Russian.empty() || rule.Imperfective < 0 || rule.Perfective < 0)
      Damaged(path, "rule " + std::to_string(r + 1) + " is incomplete");
    FRules[rules.GetCell(r, 0)].push_back(std::move(rule));
    ++FCount;
  }
  for (int r = 0; r < classes.RowCount(); ++r)
    FMembers.insert(classes.GetCell(r, 0) + u"\t" + classes.GetCell(r, 1));
}

const std::vector<TSenseRule>& TSenses::RulesOf(std::u16string_view lemma) const {
  auto it = FRules.find(std::u16string(lemma));
  return it == FRules.end() ? kNone : it->second;
}

bool TSenses::InClass(std::u16string_view className, std::u16string_view lemma) const {
  std::u16string key(className);
  key += u'\t';
  key += lemma;
  return FMembers.count(key) > 0;
}

}  // namespace tatengine
