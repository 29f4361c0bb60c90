#include "older/format.h"

#include <memory>

namespace older {
namespace {

using model::CBytes;
using model::ReadResult;
using model::ReadStatus;
using model::Text;

// A bounds-checked reader over the file's bytes; the first shortfall is remembered as the
// message "the file ends at byte N inside WHAT (K bytes needed from byte P)".
class Reader {
 public:
  explicit Reader(CBytes data) : data_(data) {}
  std::size_t remaining() const { return data_.size() - pos_; }

  bool need(std::size_t n, const Text& what) {
    if (n <= remaining()) return true;
    if (error_.empty())
      error_ = Text(
          ZYNED_TEXT("core", "the file ends at byte %1 inside %2 (%3 bytes needed from byte %4)"),
          std::to_string(data_.size()), what, std::to_string(n), std::to_string(pos_));
    return false;
  }
  // The next n bytes, known to be there.
  CBytes next(std::size_t n) {
    const CBytes out = data_.subspan(pos_, n);
    pos_ += n;
    return out;
  }
  bool u16(std::uint16_t& v, const Text& what) {
    if (!need(2, what)) return false;
    const CBytes b = next(2);
    v = static_cast<std::uint16_t>(b[0] | (b[1] << 8));
    return true;
  }
  bool text(std::size_t n, std::string& s, const Text& what) {
    if (!need(n, what)) return false;
    const CBytes b = next(n);
    s.assign(b.begin(), b.end());
    return true;
  }
  bool skip(std::size_t n, const Text& what) {
    if (!need(n, what)) return false;
    pos_ += n;
    return true;
  }
  const Text& error() const { return error_; }

 private:
  CBytes data_;
  std::size_t pos_ = 0;
  Text error_;
};

ReadResult refused(Text message) {
  return {ReadStatus::Refused, std::move(message)};
}

// `form` ("tag %1 of %2") filled with n and of.
Text numbered(const char* form, std::size_t n, std::size_t of) {
  return Text(form, std::to_string(n), std::to_string(of));
}

// Checks that `count` records of `size` bytes follow; the message names the first one cut off
// (`what`: a form "… %1 of %2").
bool needRecords(Reader& r, std::size_t count, std::size_t size, const char* what) {
  if (count * size <= r.remaining()) return true;
  const std::size_t cut = r.remaining() / size;
  r.skip(cut * size, {});
  return r.need(size, numbered(what, cut + 1, count));
}

// A 16-bit count read from the file; negative values are damage, not a count (`form`: "the …
// count is negative (%1)").
bool count(std::int16_t value, const char* form, std::size_t& out, Text& error) {
  if (value < 0) {
    error = Text(form, std::to_string(value));
    return false;
  }
  out = static_cast<std::size_t>(value);
  return true;
}

}  // namespace

ReadResult readMission(CBytes data, Mission& out) {
  Reader r(data);
  std::uint16_t id = 0;
  if (!r.u16(id, model::text(ZYNED_TEXT("core", "the platform id")))) return refused(r.error());
  if (static_cast<std::int16_t>(id) != PlatformId)
    return refused(Text(ZYNED_TEXT("core", "platform id %1 is not an older-format mission"),
                        std::to_string(static_cast<std::int16_t>(id))));

  auto m = std::make_unique<Mission>();
  if (!r.need(header::Size, model::text(ZYNED_TEXT("core", "the header"))))
    return refused(r.error());
  m->header = model::Record<header::Size>(r.next(header::Size));

  std::size_t fgCount = 0, ogCount = 0;
  Text error;
  if (!count(m->header.get(header::FlightGroupCount),
             ZYNED_TEXT("core", "the flight-group count is negative (%1)"), fgCount, error) ||
      !count(m->header.get(header::ObjectGroupCount),
             ZYNED_TEXT("core", "the object-group count is negative (%1)"), ogCount, error))
    return refused(error);

  // Counts are checked against the data before anything is allocated from them.
  if (!needRecords(r, fgCount, fg::Size, ZYNED_TEXT("core", "flight group %1 of %2")))
    return refused(r.error());
  m->flightGroups.reserve(fgCount);
  for (std::size_t i = 0; i < fgCount; ++i) m->flightGroups.emplace_back(r.next(fg::Size));
  if (!needRecords(r, ogCount, og::Size, ZYNED_TEXT("core", "object group %1 of %2")))
    return refused(r.error());
  m->objectGroups.reserve(ogCount);
  for (std::size_t i = 0; i < ogCount; ++i) m->objectGroups.emplace_back(r.next(og::Size));

  out = std::move(*m);
  return {ReadStatus::Ok, {}};
}

ReadResult readBriefing(CBytes data, Briefing& out) {
  Reader r(data);
  std::array<std::uint16_t, briefingFile::HeaderWords> head{};
  const Text header = model::text(ZYNED_TEXT("core", "the header"));
  for (auto& w : head)
    if (!r.u16(w, header)) return refused(r.error());
  auto b = std::make_unique<Briefing>();
  b->runningTime = static_cast<std::int16_t>(head[0]);
  const std::size_t sets = head[1];
  if (sets > briefingFile::MaxCoordinateSets) return refused(model::text(StrangeBriefingMessage));
  b->iconCount = head[2];

  const std::size_t setBytes = b->iconCount * 6;
  if (!r.need(sets * setBytes, model::text(ZYNED_TEXT("core", "the coordinate sets"))))
    return refused(r.error());
  b->coordinateSets.resize(sets);
  for (auto& set : b->coordinateSets) {
    set.reserve(b->iconCount);
    for (std::size_t i = 0; i < b->iconCount; ++i) {
      const CBytes p = r.next(6);
      auto word = [&](std::size_t k) {
        return static_cast<int>(static_cast<std::int16_t>(p[2 * k] | (p[2 * k + 1] << 8)));
      };
      set.push_back({word(0), word(1), word(2)});
    }
  }
  if (!r.skip(b->iconCount * briefingFile::IconRecordSize,
              model::text(ZYNED_TEXT("core", "the icon records"))))
    return refused(r.error());

  for (std::size_t s = 0; s < briefingFile::StringCount; ++s) {
    const Text what =
        numbered(ZYNED_TEXT("core", "tag %1 of %2"), s + 1, briefingFile::StringCount);
    std::uint16_t n = 0;
    if (!r.u16(n, what) || !r.text(n, b->tags[s], what)) return refused(r.error());
  }
  for (std::size_t s = 0; s < briefingFile::StringCount; ++s) {
    const Text what =
        numbered(ZYNED_TEXT("core", "text %1 of %2"), s + 1, briefingFile::StringCount);
    std::uint16_t n = 0;
    if (!r.u16(n, what) || !r.text(n, b->texts[s], what) || !r.skip(n, what))
      return refused(r.error());
  }

  std::uint16_t words = 0;
  const Text events = model::text(ZYNED_TEXT("core", "the events"));
  if (!r.u16(words, events)) return refused(r.error());
  if (!r.need(std::size_t{words} * 2, events)) return refused(r.error());
  b->events.reserve(words);
  for (std::size_t i = 0; i < words; ++i) {
    std::uint16_t w = 0;
    r.u16(w, events);
    b->events.push_back(w);
  }
  out = std::move(*b);
  return {ReadStatus::Ok, {}};
}

}  // namespace older
