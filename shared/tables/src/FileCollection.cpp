#include "zentrok/FileCollection.h"

#include "TableFormat.h"
#include "zentrok/SysUtils_Trg.h"

namespace zentrok {

using detail::Damaged;
using detail::Int32At;

namespace {
constexpr size_t kNameField = 256;
constexpr size_t kDataStart = 4 + kNameField;  // 260
}  // namespace

std::string LowerAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

TFileItem::TFileItem(const uint8_t* data, size_t size, size_t& position, std::string_view fileName) {
  if (size - position < 4)
    Damaged(fileName, "record at byte " + std::to_string(position) + " is cut off");
  const int32_t recordLength = Int32At(data + position);
  if (recordLength < static_cast<int32_t>(kDataStart))
    Damaged(fileName, "record at byte " + std::to_string(position) + " is shorter than its name (" +
                          std::to_string(recordLength) + " bytes)");
  if (static_cast<size_t>(recordLength) > size - position)
    Damaged(fileName, "record at byte " + std::to_string(position) + " runs past the end of the file");
  const uint8_t nameLength = data[position + 4];
  SetName(LowerAscii(std::string_view(reinterpret_cast<const char*>(data + position + 5), nameLength)));
  Assign(data + position + kDataStart, static_cast<size_t>(recordLength) - kDataStart);
  position += static_cast<size_t>(recordLength);
}

void TFileItem::SetName(std::string_view name) {
  const size_t cut = name.find_last_of("\\/:");
  FName = std::string(cut == std::string_view::npos ? name : name.substr(cut + 1));
}

TFileCollection::TFileCollection(std::string_view fileName)
    : FFileName(fileName.substr(0, 255)) {
  const std::vector<uint8_t> data = ReadWholeFile(fileName);
  FFileName = std::string(fileName.substr(0, 255));
  const std::string full = ExpandFileName(fileName);
  size_t position = 0;
  while (position < data.size())
    FItems.push_back(std::make_unique<TFileItem>(data.data(), data.size(), position, full));
}

TFileCollection::TFileCollection(const uint8_t* data, size_t size, std::string_view fileName)
    : FFileName(fileName.substr(0, 255)) {
  size_t position = 0;
  while (position < size)
    FItems.push_back(std::make_unique<TFileItem>(data, size, position, fileName));
}

const TFileItem* TFileCollection::FindItem(std::string_view name) const {
  const std::string wanted = LowerAscii(name);
  for (const auto& item : FItems)
    if (item->Name() == wanted) return item.get();
  return nullptr;
}

}  // namespace zentrok
