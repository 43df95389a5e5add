#include "Paradigms.h"

#include <algorithm>

namespace mkdata {

TSplit SplitForms(const TFormList& forms) {
  TSplit s;
  bool first = true;
  for (const auto& [code, form] : forms) {
    if (form.empty()) continue;
    if (first) {
      s.Stem = form;
      first = false;
      continue;
    }
    size_t n = 0;
    while (n < s.Stem.size() && n < form.size() && s.Stem[n] == form[n]) ++n;
    s.Stem.resize(n);
  }
  for (const auto& [code, form] : forms)
    if (!form.empty()) s.Endings.emplace_back(code, form.substr(s.Stem.size()));
  std::stable_sort(s.Endings.begin(), s.Endings.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  return s;
}

int TParadigmSet::Number(const TEndingSet& endings) {
  auto it = FSets.find(endings);
  if (it != FSets.end()) return it->second;
  if (FNext > FLimit)
    throw TParadigmLimitError(FWhat + ": more than " + std::to_string(FLimit) +
                              " paradigms, the most its table can number");
  int n = FNext++;
  FSets.emplace(endings, n);
  return n;
}

std::vector<std::pair<int, const TEndingSet*>> TParadigmSet::All() const {
  std::vector<std::pair<int, const TEndingSet*>> v;
  for (const auto& [set, n] : FSets) v.emplace_back(n, &set);
  std::sort(v.begin(), v.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  return v;
}

void TEndingIndex::Add(int paradigm, const TEndingSet& endings, int shift) {
  const int maxParadigm = shift >= 16 ? 32767 : (1 << (16 - shift)) - 1;
  if (paradigm < 0 || paradigm > maxParadigm)
    throw TParadigmLimitError("paradigm " + std::to_string(paradigm) + " does not fit an ending table (at most " +
                              std::to_string(maxParadigm) + ")");
  for (const auto& [code, ending] : endings) {
    if (code < 0 || code >= (1 << shift))
      throw TParadigmLimitError("form code " + std::to_string(code) + " does not fit an ending table");
    auto& row = FRows[ending];
    std::pair<int, int> e{code, paradigm};
    if (std::find(row.begin(), row.end(), e) == row.end()) row.push_back(e);
  }
}

std::vector<int> TEndingIndex::Codes(const std::vector<std::pair<int, int>>& entries, int shift) {
  auto sorted = entries;
  std::sort(sorted.begin(), sorted.end());
  std::vector<int> codes;
  for (const auto& [code, paradigm] : sorted) codes.push_back((paradigm << shift) | code);
  return codes;
}

}  // namespace mkdata
