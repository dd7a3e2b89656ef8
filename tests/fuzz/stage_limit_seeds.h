// Seeds of the two stage targets made from the shipped stage: the part is walked chunk by chunk, as
// the loader reads it, and each seed puts the integer limits (and -1, 0, the first number past a
// range) into one kind of number: the part's head, a figure's number, its values, links and index
// list, its unit or item record's words and list counts, the land block's size and figure numbers,
// the side records, and the base part's location number. A mutation of random bytes rarely lands
// on these words with such values; from here it starts on them. ParentSeeds gives the holder links
// (`pParent`) of a part's figures the slots a sweep would find gone.
#pragma once
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "figures/land.h"
#include "figures/side.h"
#include "figures/stage.h"

namespace stage_fuzz {

// Where a figure chunk keeps the words the seeds change (byte offsets into the part; 0: none).
struct ChunkAt {
  size_t number, values, floats, links, indCount, selector, record;
  int sel;
  size_t lists[3];  // the record's list counts
  int listWords[3];
  size_t land;  // the first land block's head, when the chunk has its floors
};

struct PartMap {
  std::vector<ChunkAt> chunks;
  size_t count, tail;  // the figure count; where the figures end (sides or named variables)
  bool whole;
};

inline int PeekI32(const std::string& s, size_t at) {
  int v = 0;
  if (at + 4 <= s.size()) memcpy(&v, s.data() + at, 4);
  return v;
}
inline void PokeI32(std::string& s, size_t at, int v) {
  if (at + 4 <= s.size()) memcpy(&s[at], &v, 4);
}

// Walks a part's figure chunks as the loader reads them.
inline PartMap MapPart(const std::string& p) {
  constexpr size_t kValues = offsetof(Fgr, svLast) - offsetof(Fgr, svZero) + sizeof(int);
  constexpr size_t kFloats = offsetof(Fgr, floLast) - offsetof(Fgr, floZero) + sizeof(float);
  constexpr size_t kLandBlock = 16 + kLandCells * 16 + 8;
  PartMap m{{}, 16 + 8, 0, false};
  size_t at = m.count + 4;
  const int n = PeekI32(p, m.count);
  for (int i = 0; i < n && at < p.size(); i++) {
    ChunkAt c{};
    c.number = at + 8;
    at += 12;
    c.values = at + 8;
    at += 8 + kValues;
    c.floats = at + 8;
    at += 8 + kFloats;
    c.links = at;
    at += 4 * kFgrLinkCount + 8 + 24;
    c.indCount = at + 8;
    at += 12 + 4 * (size_t)PeekI32(p, c.indCount);
    c.selector = at;
    c.sel = PeekI32(p, at);
    at += 4;
    if (c.sel == 1 || c.sel == 2) {
      c.record = at;
      at += c.sel == 1 ? 8 + 48 + 12 : 8 + 36 + 12;
      const int words1[3] = {6, 7, 6}, words2[3] = {5, 7, 0};
      for (int l = 0; l < 3; l++) {
        c.listWords[l] = c.sel == 1 ? words1[l] : words2[l];
        if (!c.listWords[l]) continue;
        c.lists[l] = at + 8;
        at += 12 + (size_t)PeekI32(p, c.lists[l]) * (4 + 4 * (size_t)c.listWords[l]);
      }
    }
    const int land = PeekI32(p, at);
    at += 4;
    if (land) {
      c.land = at;
      at += 2 * kLandBlock;
    }
    m.chunks.push_back(c);
  }
  m.tail = at;
  m.whole = at <= p.size();
  return m;
}

// The part without its land floors (2 MB of the shipped location): the seeds that change other
// words stay small, and so do the inputs made from them.
inline std::string WithoutLand(const std::string& part) {
  std::string s = part;
  const PartMap m = MapPart(part);
  for (size_t i = m.chunks.size(); i-- > 0;) {
    const ChunkAt& c = m.chunks[i];
    if (!c.land) continue;
    s.erase(c.land, 2 * (16 + (size_t)kLandCells * 16 + 8));
    PokeI32(s, c.land - 4, 0);
  }
  PokeI32(s, 0, (int)s.size());
  return s;
}

// Calls seed(name, bytes) for each changed copy of the part.
template <class Seed>
void LimitSeeds(const std::string& whole, int forLocation, const std::string& prefix, Seed seed) {
  const PartMap withLand = MapPart(whole);
  const std::string part = WithoutLand(whole);
  const PartMap m = MapPart(part);
  if (!withLand.whole || !m.whole || m.chunks.empty()) abort();  // the walk no longer matches the loader
  const int kLimits[] = {INT_MAX, INT_MIN, -1};
  const char* const kLimitNames[] = {"max", "min", "m1"};
  auto one = [&](const std::string& what, auto change) {
    std::string s = part;
    change(s);
    seed(prefix + what, s);
  };
  // The head: length, kind, base slots and slot count.
  for (int w = 0; w < 4; w++)
    for (int l = 0; l < 3; l++)
      one("head" + std::to_string(w) + "_" + kLimitNames[l],
          [&](std::string& s) { PokeI32(s, 4 * w, kLimits[l]); });
  one("count_max", [&](std::string& s) { PokeI32(s, m.count, INT_MAX); });
  one("count_min", [&](std::string& s) { PokeI32(s, m.count, INT_MIN); });
  // Figure numbers: the limits, both ends of the range and one past each.
  const int hi = forLocation ? kFgrsSlots - 1 - FgrsBaseLast : FgrsBaseLast;
  const int numbers[] = {
      INT_MAX, INT_MIN, -1, 0, hi, hi + 1, INT_MAX - FgrsBaseLast, INT_MIN + FgrsBaseLast};
  for (int k : numbers)
    one("number_" + std::to_string(k), [&](std::string& s) { PokeI32(s, m.chunks[0].number, k); });
  one("number_twice", [&](std::string& s) {
    if (m.chunks.size() > 1) PokeI32(s, m.chunks[1].number, PeekI32(s, m.chunks[0].number));
  });
  // Every figure's values but its kind, its floats, links and index list.
  const size_t statusAt = offsetof(Fgr, status) - offsetof(Fgr, svZero);
  const float kFloats[] = {FLT_MAX, -FLT_MAX, INFINITY, NAN};
  for (int l = 0; l < 3; l++) {
    one(std::string("values_") + kLimitNames[l], [&](std::string& s) {
      for (const ChunkAt& c : m.chunks)
        for (size_t o = 0; o < c.floats - 8 - c.values; o += 4)
          if (o != statusAt) PokeI32(s, c.values + o, kLimits[l]);
    });
    one(std::string("links_") + kLimitNames[l], [&](std::string& s) {
      for (const ChunkAt& c : m.chunks)
        for (int k = 0; k < kFgrLinkCount; k++) PokeI32(s, c.links + 4 * k, kLimits[l]);
    });
    one(std::string("ind_count_") + kLimitNames[l],
        [&](std::string& s) { PokeI32(s, m.chunks[0].indCount, kLimits[l]); });
    one(std::string("kind_") + kLimitNames[l],
        [&](std::string& s) { PokeI32(s, m.chunks[0].values + statusAt, kLimits[l]); });
    one(std::string("selector_") + kLimitNames[l],
        [&](std::string& s) { PokeI32(s, m.chunks[0].selector, kLimits[l]); });
  }
  for (size_t f = 0; f < 4; f++)
    one("floats_" + std::to_string(f), [&](std::string& s) {
      for (const ChunkAt& c : m.chunks)
        for (size_t o = 0; o < c.links - c.floats; o += 4) memcpy(&s[c.floats + o], &kFloats[f], 4);
    });
  // The records: head words (not the name), list counts, list entries, in the first unit and item.
  for (int sel = 1; sel <= 2; sel++) {
    const ChunkAt* c = nullptr;
    for (const ChunkAt& k : m.chunks)
      if (!c && k.sel == sel) c = &k;
    if (!c) continue;
    const std::string rec = sel == 1 ? "unit_" : "item_";
    const int words = sel == 1 ? 12 : 9, nameFirst = sel == 1 ? 7 : 3;
    for (int l = 0; l < 3; l++) {
      one(rec + "words_" + kLimitNames[l], [&](std::string& s) {
        for (int w = 0; w < words; w++)
          if (w < nameFirst || w >= nameFirst + 4) PokeI32(s, c->record + 8 + 4 * w, kLimits[l]);
      });
      for (int t = 0; t < 3; t++) {
        if (!c->listWords[t]) continue;
        one(rec + "list" + std::to_string(t) + "_count_" + kLimitNames[l],
            [&](std::string& s) { PokeI32(s, c->lists[t], kLimits[l]); });
        one(rec + "list" + std::to_string(t) + "_entries_" + kLimitNames[l], [&](std::string& s) {
          const int n = PeekI32(part, c->lists[t]);
          for (int e = 0; e < n; e++)
            for (int w = 0; w < c->listWords[t]; w++)
              PokeI32(s, c->lists[t] + 4 + (size_t)e * (4 + 4 * c->listWords[t]) + 4 + 4 * w,
                      kLimits[l]);
        });
      }
    }
  }
  // The land floors: their size, and every cell's height, figure numbers and bytes.
  auto oneWhole = [&](const std::string& what, auto change) {
    std::string s = whole;
    change(s);
    seed(prefix + what, s);
  };
  for (const ChunkAt& c : withLand.chunks) {
    if (!c.land) continue;
    for (int l = 0; l < 3; l++) {
      oneWhole(std::string("land_size_") + kLimitNames[l],
               [&](std::string& s) { PokeI32(s, c.land + 8, kLimits[l]); });
      oneWhole(std::string("land_cells_") + kLimitNames[l], [&](std::string& s) {
        for (int fl = 0; fl < 2; fl++)
          for (int i = 0; i < kLandCells; i++) {
            const size_t cell = c.land + (size_t)fl * (16 + kLandCells * 16 + 8) + 16 + 16 * (size_t)i;
            for (int w = 0; w < 4; w++) PokeI32(s, cell + 4 * w, kLimits[l]);
          }
      });
    }
    break;
  }
  // After the figures: a location's side records, or a base's location number.
  for (int l = 0; l < 3; l++) {
    if (forLocation) {
      one(std::string("sides_") + kLimitNames[l], [&](std::string& s) {
        size_t at = m.tail;
        for (int k = 0; k < kSides; k++, at += 8 + kSideValueCount * 4 + kSideTechs * 76)
          for (int w = 0; w < kSideValueCount; w++) PokeI32(s, at + 8 + 4 * w, kLimits[l]);
      });
    } else {
      one(std::string("location_") + kLimitNames[l],
          [&](std::string& s) { PokeI32(s, s.size() - 4, kLimits[l]); });
    }
  }
}

// The part with the figure stored under number k renumbered to `to` (the loader drops a figure
// whose number is outside its part's range).
inline std::string Renumbered(const std::string& part, int k, int to) {
  std::string s = part;
  for (const ChunkAt& c : MapPart(part).chunks)
    if (PeekI32(part, c.number) == k) PokeI32(s, c.number, to);
  return s;
}

// A chunk's links in the writer's order: pParent, pPrev, pTail, ten one-way links, three pieces of
// equipment, nine chain heads.
constexpr int kStoredParent = 0, kStoredTail = 2, kStoredHeads = 16, kStoredLinks = 25;

// Calls seed(name, bytes) for copies of the part (without its floors) whose holder links name a
// slot the sweep finds gone: a chain member's holder link names an empty slot of the part, a
// figure the seed drops, or `foreign` (a link number into the other part, for a figure the other
// part lacks or drops), while its holder's chain still names it; a figure in no chain whose
// holder link names the empty slot (that one loads: the sweep only resets it); every figure's
// holder link naming the empty slot (the sweeps leave the part without figures); and, with the
// floors, the land holder's holder link naming another figure of the part.
template <class Seed>
void ParentSeeds(const std::string& whole, int forLocation, int foreign, const std::string& prefix,
                 Seed seed) {
  const std::string part = WithoutLand(whole);
  const PartMap m = MapPart(part);
  const int hi = forLocation ? kFgrsSlots - 1 - FgrsBaseLast : FgrsBaseLast;
  auto stored = [&](int k) {
    for (const ChunkAt& c : m.chunks)
      if (PeekI32(part, c.number) == k) return true;
    return false;
  };
  // 1 when chunk o's chain heads (and, with tail, its next member) name number k.
  auto names = [&](const ChunkAt& o, int k, bool tail) {
    bool named = tail && PeekI32(part, o.links + 4 * kStoredTail) == k;
    for (int h = kStoredHeads; h < kStoredLinks; h++) named |= PeekI32(part, o.links + 4 * h) == k;
    return named;
  };
  // The first figure at the head of a chain, a figure that no chain names, and a number no figure
  // is stored under.
  const ChunkAt *member = nullptr, *loose = nullptr;
  for (const ChunkAt& c : m.chunks) {
    bool head = false, chained = false;
    for (const ChunkAt& o : m.chunks) {
      head |= names(o, PeekI32(part, c.number), false);
      chained |= names(o, PeekI32(part, c.number), true);
    }
    if (!member && head) member = &c;
    if (!loose && !chained) loose = &c;
  }
  int empty = hi;
  while (empty > 0 && stored(empty)) empty--;
  auto parent = [&](const ChunkAt* c, int to) {
    std::string s = part;
    PokeI32(s, c->links + 4 * kStoredParent, to);
    return s;
  };
  if (loose) seed(prefix + "parent_empty_unchained", parent(loose, empty));
  std::string doomed = part;
  for (const ChunkAt& c : m.chunks) PokeI32(doomed, c.links + 4 * kStoredParent, empty);
  seed(prefix + "parent_all_empty", doomed);
  const PartMap withLand = MapPart(whole);
  for (const ChunkAt& c : withLand.chunks) {
    if (!c.land || withLand.chunks.size() < 2) continue;
    std::string s = whole;
    const ChunkAt& other = &c == &withLand.chunks[0] ? withLand.chunks[1] : withLand.chunks[0];
    PokeI32(s, c.links + 4 * kStoredParent, PeekI32(whole, other.number));
    seed(prefix + "parent_land_holder", s);
    break;
  }
  if (!member) return;
  seed(prefix + "parent_empty", parent(member, empty));
  seed(prefix + "parent_foreign", parent(member, foreign));
  if (loose) {
    const int dropped = PeekI32(part, loose->number);
    seed(prefix + "parent_dropped", Renumbered(parent(member, dropped), dropped, hi + 1));
  }
}

}  // namespace stage_fuzz
