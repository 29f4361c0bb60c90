#include "editing/library.h"

#include <algorithm>
#include <utility>

#include "editing/descriptions.h"
#include "model/mission_file.h"

namespace editing {

std::string Library::caption() const {
  return captionText().english();
}

model::Text Library::captionText() const {
  if (!named()) return model::text(ZYNED_TEXT("core", "Flight Group Library - [none]"));
  std::string name = fileName_;
  const auto slash = name.find_last_of("/\\");
  if (slash != std::string::npos) name.erase(0, slash + 1);
  return model::Text(ZYNED_TEXT("core", "Flight Group Library - [%1]"),
                     model::utf8Data(std::move(name)));
}

void Library::clear() {
  entries_.clear();
  fileName_ = LibraryUnnamed;
  changed_ = false;
}

LibraryLoad Library::load(const std::string& path) {
  std::vector<std::uint8_t> data;
  model::Text error;
  if (!model::readWholeFile(path, data, error)) return {std::move(error), 0};
  return loadBytes(data, path);
}

LibraryLoad Library::loadBytes(model::CBytes data, const std::string& path) {
  LibraryLoad result;
  const std::size_t records = data.size() / model::fg::Size;
  result.trailingBytes = data.size() % model::fg::Size;
  entries_.clear();
  for (std::size_t i = 0; i < records; ++i)
    entries_.emplace_back(data.subspan(i * model::fg::Size, model::fg::Size));
  fileName_ = path;
  changed_ = false;
  return result;
}

std::vector<std::uint8_t> Library::bytes() const {
  std::vector<std::uint8_t> data;
  data.reserve(entries_.size() * model::fg::Size);
  for (const model::FlightGroup& g : entries_)
    data.insert(data.end(), g.bytes.begin(), g.bytes.end());
  return data;
}

model::Text Library::save(const std::string& path) {
  const model::SaveResult r = model::saveFile(path, bytes());
  if (!r.ok) return r.text;
  fileName_ = path;
  changed_ = false;
  return {};
}

void Library::add(const model::Mission& m, const std::vector<int>& flightGroups) {
  for (int i : flightGroups) {
    if (i < 0 || static_cast<std::size_t>(i) >= m.flightGroups.size()) continue;
    entries_.emplace_back(m.flightGroups[static_cast<std::size_t>(i)].span());
    changed_ = true;
  }
}

std::size_t Library::moveUp(std::size_t i) {
  if (i == 0 || i >= entries_.size()) return i;
  std::swap(entries_[i], entries_[i - 1]);
  changed_ = true;
  return i - 1;
}

std::size_t Library::moveDown(std::size_t i) {
  if (i + 1 >= entries_.size()) return i;
  std::swap(entries_[i], entries_[i + 1]);
  changed_ = true;
  return i + 1;
}

int Library::remove(std::size_t i) {
  if (i < entries_.size()) {
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(i));
    changed_ = true;
  }
  if (entries_.empty()) return -1;
  return static_cast<int>(std::min(i, entries_.size() - 1));
}

std::vector<std::string> libraryLines(const Library& lib, const shell::Vocabulary& v) {
  // The lines are those of a Mission holding just the library's flight groups.
  model::Mission m;
  m.flightGroups = lib.entries();
  return listLines(m, v, false);
}

model::FlightGroup flightGroupFromLibrary(const Library& lib, std::size_t i, bool autoLink) {
  model::FlightGroup g(lib.entries().at(i).span());
  g.autoLink = autoLink;
  g.heading = model::computeHeading(g, &g.lastRoutePoint);
  return g;
}

model::Text trailingBytesText(std::size_t records, std::size_t trailingBytes) {
  const model::Text groups =
      records == 1 ? model::Text(ZYNED_TEXT("core", "%1 flight group"), {std::to_string(records)})
                   : model::Text(ZYNED_TEXT("core", "%1 flight groups"), {std::to_string(records)});
  return {trailingBytes == 1
              ? ZYNED_TEXT("core",
                           "Loaded %1; %2 trailing byte that is not a whole flight group was "
                           "ignored.")
              : ZYNED_TEXT("core",
                           "Loaded %1; %2 trailing bytes that are not a whole flight group were "
                           "ignored."),
          {groups, std::to_string(trailingBytes)}};
}
std::string trailingBytesNotice(std::size_t records, std::size_t trailingBytes) {
  return trailingBytesText(records, trailingBytes).english();
}

}  // namespace editing
