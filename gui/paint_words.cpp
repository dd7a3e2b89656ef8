// The coloured words: the list and its loader, the index of the words (a radix tree), and the row
// colouring that searches them.
#include "gui/paint_words.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "shell/file_names.h"
#include "shell/files.h"
#include "shell/text.h"

namespace {

constexpr int kPaintRecords = 9999;

// One node of the index: a point where the words that share a beginning part, or where one of
// them ends. The edge from its parent carries the run of bytes between the two beginnings, read
// from a word of the list; so the index holds at most two nodes a word, however long the words.
struct PaintNode {
  int first;  // its children: nodes[first .. first + count), by the first byte of their runs
  int count;
  int word;            // the first row whose word is this beginning whole; -1 for none
  int below;           // the first row of any word that has this beginning
  int depth;           // the length of the beginning
  int from;            // a row whose word holds the run: its bytes [parent's depth, depth)
  unsigned char byte;  // the run's first byte
};

struct PaintWordsRec {
  GuiList PaintWordList;
  std::vector<PaintNode> nodes;  // nodes[0]: the empty beginning (empty words never colour); none
                                 // before the list was first set
} gPaint;

bool IsDelimiter(unsigned char c) {
  static const char kDelims[] = " \t\r\n\"'\\{}()[]*+-/=><,.:;~&^%!|?#$@";
  return c != 0 && std::strchr(kDelims, c) != nullptr;
}

// The index of the list as it is now.
void IndexBuild() {
  const auto& rows = gPaint.PaintWordList.rows;
  std::vector<PaintNode>& nodes = gPaint.nodes;
  nodes.assign(1, PaintNode{0, 0, -1, 0, 0, -1, 0});
  // The rows of the words by their bytes, equal words by row: the words that share a beginning lie
  // side by side, and of equal words the first row comes first.
  std::vector<int> order;
  order.reserve(rows.size());
  for (int i = 0; i < (int)rows.size(); i++)
    if (!rows[i].first.empty()) order.push_back(i);
  std::sort(order.begin(), order.end(), [&](int a, int b) {
    const int c = rows[a].first.compare(rows[b].first);
    return c != 0 ? c < 0 : a < b;
  });
  auto wordOf = [&](int i) -> const std::string& { return rows[order[i]].first; };
  // Breadth first, each node over the run of sorted words that has its beginning: its children are
  // made side by side when it is reached, one for each next byte of the run, each as deep as the
  // first and the last of its words agree (and so all of them, sorted).
  struct Run {
    int node, lo, hi, depth;
  };
  std::vector<Run> runs{{0, 0, (int)order.size(), 0}};
  for (size_t t = 0; t < runs.size(); t++) {
    const Run r = runs[t];
    int lo = r.lo;
    if (lo < r.hi && (int)wordOf(lo).size() == r.depth) nodes[r.node].word = order[lo];
    while (lo < r.hi && (int)wordOf(lo).size() == r.depth) lo++;  // shorter words sort first
    const int first = (int)nodes.size();
    for (int i = lo; i < r.hi;) {
      const unsigned char b = (unsigned char)wordOf(i)[r.depth];
      int least = INT_MAX, j = i;
      for (; j < r.hi && (unsigned char)wordOf(j)[r.depth] == b; j++) least = std::min(least, order[j]);
      const std::string &a = wordOf(i), &z = wordOf(j - 1);
      size_t depth = (size_t)r.depth + 1;
      if (j - i == 1) {
        depth = a.size();  // one word: its rest is the run
      } else {
        while (depth < a.size() && depth < z.size() && a[depth] == z[depth]) depth++;
      }
      runs.push_back({(int)nodes.size(), i, j, (int)depth});
      nodes.push_back(PaintNode{0, 0, -1, least, (int)depth, order[i], b});
      i = j;
    }
    nodes[r.node].first = first;
    nodes[r.node].count = (int)nodes.size() - first;
  }
}

// 1 when the test list's file holds the list's words, each with its break, and nothing more: read a
// row at a time, so a long list is compared without a copy of its text.
bool TestListHolds(const GuiList& list) {
  FILE* f = FileOpenRead(FileNames.gsFileTestPaint);
  if (!f) return false;
  long long size = 0;
  for (const auto& r : list.rows) size += (long long)r.first.size() + 1;
  bool same =
      std::fseek(f, 0, SEEK_END) == 0 && std::ftell(f) == size && std::fseek(f, 0, SEEK_SET) == 0;
  std::string got;
  for (size_t i = 0; same && i < list.rows.size(); i++) {
    const std::string& word = list.rows[i].first;
    got.resize(word.size() + 1);
    same = std::fread(got.data(), 1, got.size(), f) == got.size() && got.back() == '\n' &&
           got.compare(0, word.size(), word) == 0;
  }
  std::fclose(f);
  return same;
}

}  // namespace

const GuiList& PaintWords = gPaint.PaintWordList;

void PaintWords_Load(const std::string& fileName) {
  std::ifstream in;
  if (!FileOpenIn(in, fileName)) return;
  GuiList& list = gPaint.PaintWordList;
  list.rows.clear();
  std::string line, word, clr;
  TextGetLine(in, line);
  for (int i = 0; i < kPaintRecords; i++) {
    if (!TextGetLine(in, line)) break;  // the separator line
    int n = 0;
    if (!(in >> n)) break;
    clr.clear();
    if (n < 0) {
      SkipLine(in);
      TextGetLine(in, line);
      TextGetLine(in, line);
      continue;
    }
    if (n == 0) {
      SkipLine(in);
      TextGetLine(in, word);
      TextGetLine(in, clr);
    } else {
      for (int c = 0; c < n; c++) {
        int code = 0;
        if (!(in >> code)) break;  // a short line must not spin through a huge count
        clr.push_back((char)code);
      }
      SkipLine(in);
      TextGetLine(in, word);
      TextGetLine(in, line);
    }
    if (clr.empty()) clr.push_back('r');
    if (word.empty()) continue;
    if (word.size() > 6 && word.compare(0, 7, "-=end=-") == 0) break;
    GuiList_Insert(&list, word, clr, -1, 1);
  }
  // Each longer word goes before the first shorter one and a word of one letter at the end: the
  // list ends longest first, equal lengths in file order. Sorted once, a long list does not move
  // every row it holds for each word it reads.
  std::stable_sort(list.rows.begin(), list.rows.end(),
                   [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
  IndexBuild();
  // Every start writes the same words: a test list that holds them already is left as it is, so a
  // long list is not written over itself at each start.
  if (!TestListHolds(list)) GuiList_SaveTxt(&list, FileNames.gsFileTestPaint);
}

void PaintWords_Set(std::vector<std::pair<std::string, std::string>> rows) {
  gPaint.PaintWordList.rows = std::move(rows);
  IndexBuild();
}

int TextEd_PaintWordAt(const std::string& text, int p) {
  const std::vector<PaintNode>& nodes = gPaint.nodes;
  const auto& rows = gPaint.PaintWordList.rows;
  const int len = (int)text.size();
  if (nodes.empty() || p < 0 || p >= len) return -1;
  const char* r = text.c_str() + p;
  const int rest = len - p;
  int best = -1;
  int node = 0;
  for (int d = 0; d < rest;) {
    const PaintNode& at = nodes[node];
    const unsigned char b = (unsigned char)r[d];
    int lo = at.first, hi = at.first + at.count;
    while (lo < hi) {
      const int mid = (lo + hi) / 2;
      if (nodes[mid].byte < b) lo = mid + 1;
      else hi = mid;
    }
    if (lo == at.first + at.count || nodes[lo].byte != b) break;
    const PaintNode& next = nodes[lo];
    if (best >= 0 && next.below > best) break;  // no longer word comes earlier in the list
    // The run must stand in the text whole: no word ends inside it.
    if (next.depth > rest ||
        std::memcmp(r + d + 1, rows[next.from].first.data() + d + 1, (size_t)(next.depth - d - 1)) != 0)
      break;
    node = lo;
    d = next.depth;
    if (next.word >= 0 && (best < 0 || next.word < best) &&
        (d == rest || IsDelimiter((unsigned char)r[d - 1]) || IsDelimiter((unsigned char)r[d])))
      best = next.word;
  }
  return best;
}

void TextEd_ColourRows(GuiWin* win, int onlyUncoloured) {
  GuiList* list = GuiList_Of(win);
  if (!list) return;
  for (int r = win->firstRow; r <= win->firstRow + win->visibleRows; r++) {
    if (r < 0 || r >= (int)list->rows.size()) continue;
    auto& row = list->rows[r];
    if (!onlyUncoloured || row.second.empty()) TextEd_ColourLine(row.first, row.second);
  }
}

void TextEd_ColourLine(const std::string& text, std::string& clr, PaintWordFinder find) {
  if (text.find_first_not_of(" \t") == std::string::npos) return;
  clr.clear();
  int inString = 0;
  int p = 0;
  const int len = (int)text.size();
  while (p < len) {
    if (p > 0 && text[p] == '"' && text[p - 1] != '\\') inString = !inString;
    else if (p == 0 && text[0] == '"') inString = 1;
    if (inString) {
      clr += 'w';
      p++;
    } else {
      TextEd_ColourToken(text, &p, clr, find);
    }
  }
}

void TextEd_ColourToken(const std::string& text, int* pos, std::string& out, PaintWordFinder find) {
  const int p = *pos;
  const int len = (int)text.size();
  if (p >= len) return;
  const char* r = text.c_str() + p;
  const int rest = len - p;
  if (r[0] == ' ') {
    out += ' ';
    *pos = p + 1;
    return;
  }
  if (rest >= 2 && r[0] == '/' && r[1] == '/') {
    StrRepeat(out, "e", rest);
    *pos = len;
    return;
  }
  if (rest >= 2 && r[0] == '0' && r[1] == 'x') {
    out += "bb";
    *pos = p + 2;
    return;
  }
  if (r[0] >= '0' && r[0] <= '9') {
    out += 'o';
    *pos = p + 1;
    return;
  }
  if (const int row = find(text, p); row >= 0 && row < (int)PaintWords.rows.size()) {
    const auto& entry = PaintWords.rows[row];
    const int wl = (int)entry.first.size();
    if (entry.second.empty()) StrRepeat(out, " ", wl);
    else out += entry.second;
    *pos = p + wl;
    return;
  }
  int n = 0;
  while (n < rest && !IsDelimiter((unsigned char)r[n])) n++;
  if (n == 0) n = 1;  // begins with a delimiter
  StrRepeat(out, " ", n);
  *pos = p + n;
}
