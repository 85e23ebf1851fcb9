#include "sfFileMask.h"

#include "skin/data/sfText.h"
#include "ui/SysUtils.h"

namespace sf {

namespace {

// One character as a number: a single byte (ASCII letters folded to lower case)
// or lead byte * 256 + trail byte.
using TChar = unsigned;

std::vector<TChar> Chars(std::string_view text) {
  std::vector<TChar> out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    if (IsLeadByte936(c) && i + 1 < text.size()) {
      out.push_back(c * 256u + static_cast<unsigned char>(text[++i]));
    } else {
      out.push_back(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
  }
  return out;
}

// Byte offsets of the characters of `text`, and text.size() last.
std::vector<size_t> CharStarts(std::string_view text) {
  std::vector<size_t> starts;
  for (size_t i = 0; i < text.size(); ++i) {
    starts.push_back(i);
    if (IsLeadByte936(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ++i;
  }
  starts.push_back(text.size());
  return starts;
}

// Position of the last single-byte `c` in `text`, or npos.
size_t LastChar(std::string_view text, char c, size_t from = 0) {
  size_t found = std::string_view::npos;
  std::vector<size_t> starts = CharStarts(text);
  for (size_t k = 0; k + 1 < starts.size(); ++k)
    if (starts[k] >= from && starts[k + 1] - starts[k] == 1 && text[starts[k]] == c) found = starts[k];
  return found;
}

bool HasSingleByte(std::string_view text, char c) {
  for (TChar ch : Chars(text))
    if (ch == static_cast<unsigned char>(c)) return true;
  return false;
}

// A set "[...]" starting at p[i] == '['; on success `i` ends after the ']'.
bool MatchSet(const std::vector<TChar>& p, size_t& i, TChar c, bool& matched) {
  size_t k = i + 1;
  bool negate = k < p.size() && p[k] == '!';
  if (negate) ++k;
  bool in = false;
  bool first = true;
  for (; k < p.size() && (first || p[k] != ']'); ++k, first = false) {
    if (k + 2 < p.size() && p[k + 1] == '-' && p[k + 2] != ']') {
      if (c >= p[k] && c <= p[k + 2]) in = true;
      k += 2;
    } else if (p[k] == c) {
      in = true;
    }
  }
  if (k >= p.size()) return false;  // no closing ']': not a set
  i = k + 1;
  matched = in != negate;
  return true;
}

// Matches one pattern element at p[i] against character c; `next` is where the
// pattern goes on.
bool MatchOne(const std::vector<TChar>& p, size_t i, TChar c, size_t& next) {
  if (p[i] == '?') {
    next = i + 1;
    return true;
  }
  if (p[i] == '[') {
    size_t j = i;
    bool matched = false;
    if (MatchSet(p, j, c, matched)) {
      next = j;
      return matched;
    }
  }
  next = i + 1;
  return p[i] == c;
}

}  // namespace

std::vector<std::string> MaskPatterns(std::string_view mask) {
  std::vector<std::string> out;
  std::vector<size_t> starts = CharStarts(mask);
  size_t begin = 0;
  for (size_t k = 0; k < starts.size(); ++k) {
    size_t at = starts[k];
    bool end = at == mask.size();
    bool sep = !end && starts[k + 1] - at == 1 && (mask[at] == ';' || mask[at] == '|');
    if (!end && !sep) continue;
    std::string_view piece = Trim(mask.substr(begin, at - begin));
    if (!piece.empty()) out.emplace_back(piece);
    begin = at + 1;
  }
  return out;
}

bool MatchesWildcard(std::string_view pattern, std::string_view name) {
  std::vector<TChar> p = Chars(pattern), n = Chars(name);
  size_t pi = 0, ni = 0;
  size_t starP = std::string_view::npos, starN = 0;
  while (ni < n.size()) {
    size_t next = 0;
    if (pi < p.size() && p[pi] == '*') {
      starP = ++pi;
      starN = ni;
    } else if (pi < p.size() && MatchOne(p, pi, n[ni], next)) {
      pi = next;
      ++ni;
    } else if (starP != std::string_view::npos) {
      pi = starP;
      ni = ++starN;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi] == '*') ++pi;
  return pi == p.size();
}

bool MatchesMask(std::string_view mask, std::string_view name) {
  std::string fileName = ::ExtractFileName(std::string(name));
  bool dotless = !HasSingleByte(fileName, '.');
  for (const std::string& pattern : MaskPatterns(mask)) {
    if (!HasSingleByte(pattern, '.')) {
      if (pattern == "*") return true;
      continue;
    }
    if (MatchesWildcard(pattern, fileName)) return true;
    // As in the file system, "name.*" also stands for "name" without any extension.
    bool anyExt = pattern.size() >= 2 && pattern.compare(pattern.size() - 2, 2, ".*") == 0;
    if (anyExt && dotless && MatchesWildcard(pattern.substr(0, pattern.size() - 2), fileName))
      return true;
  }
  return false;
}

std::string ExtFromMask(std::string_view mask) {
  if (mask.find(".*") != std::string_view::npos) {
    // ".*" inside a two-byte character does not count.
    std::vector<TChar> c = Chars(mask);
    for (size_t i = 0; i + 1 < c.size(); ++i)
      if (c[i] == '.' && c[i + 1] == '*') return {};
  }
  size_t semi = std::string_view::npos;
  std::vector<size_t> starts = CharStarts(mask);
  for (size_t k = 0; k + 1 < starts.size(); ++k)
    if (starts[k + 1] - starts[k] == 1 && mask[starts[k]] == ';') {
      semi = starts[k];
      break;
    }
  std::string_view head = semi == std::string_view::npos ? mask : mask.substr(0, semi);
  size_t dot = LastChar(head, '.');
  return dot == std::string_view::npos ? std::string() : std::string(head.substr(dot));
}

std::string IncludeTrailingBackslash(std::string_view dir) {
  std::string out(dir);
  if (out.empty() || LastChar(out, '\\') != out.size() - 1) out += '\\';
  return out;
}

std::string WithDefaultExt(std::string_view path, std::string_view maskExt,
                           std::string_view defaultExt) {
  std::string out(path);
  if (!::ExtractFileExt(out).empty()) return out;
  if (!maskExt.empty()) return out + std::string(maskExt);
  if (!defaultExt.empty()) out.append(1, '.').append(defaultExt);
  return out;
}

std::string ReplaceNameExt(std::string_view name, std::string_view newExt) {
  std::string ext = ::ExtractFileExt(std::string(name));
  std::string out(name.substr(0, name.size() - ext.size()));
  return out + std::string(newExt);
}

std::string NameForFileType(std::string_view name, std::string_view newMask) {
  std::string ext = ExtFromMask(newMask);
  if (ext.empty() || name.empty()) return std::string(name);
  return ReplaceNameExt(name, ext);
}

std::string NewFolderName(int count) {
  std::string name = "New Folder";
  if (count > 1) name.append(1, '(').append(std::to_string(count)).append(1, ')');
  return name;
}

TsfEditEnter EditEnterAction(std::string_view text) {
  if (HasSingleByte(text, '*')) return sfeeMask;
  if (HasSingleByte(text, '\\')) return sfeeFolder;
  return sfeeAccept;
}

std::string StartFolder(std::string_view fileName, std::string_view initialDir,
                        std::string_view exeDir,
                        const std::function<bool(const std::string&)>& dirExists) {
  std::string last = ::ExtractFilePath(std::string(fileName));
  if (!last.empty() && dirExists(last)) return last;
  if (initialDir.empty()) return std::string(exeDir);
  std::string initial(initialDir);
  return dirExists(initial) ? initial : std::string(exeDir);
}

namespace {

// A typed name that is a full path already ("C:\..." or "\\server\...").
bool IsAbsolute(std::string_view name) {
  return (name.size() >= 3 && name[1] == ':' && name[2] == '\\') ||
         (name.size() >= 2 && name[0] == '\\' && name[1] == '\\');
}

std::string Join(const TsfAcceptInput& in) {
  return IsAbsolute(in.name) ? in.name : IncludeTrailingBackslash(in.dir) + in.name;
}

std::string AcceptSave(const TsfAcceptInput& in, const TsfAcceptHooks& hooks) {
  // Outside the file system (the computer, the network) there is nowhere to write.
  if (!in.fileSystemFolder && !IsAbsolute(in.name)) return {};
  if (HasSingleByte(in.name, '*')) return {};
  std::string path = Join(in);
  std::string check = WithDefaultExt(path, in.maskExt, in.defaultExt);
  if (in.overwritePrompt && hooks.fileExists(check) && !hooks.askOverwrite(check)) return {};
  return path;
}

std::string AcceptOpen(const TsfAcceptInput& in, const TsfAcceptHooks& hooks) {
  bool typed = in.selected.empty();
  if (typed && !in.fileSystemFolder && !IsAbsolute(in.name)) return {};
  std::string candidate = WithDefaultExt(Join(in), in.maskExt, in.defaultExt);
  std::string result = typed ? candidate : in.selected;
  if (in.checkFileExists && !hooks.fileExists(result)) return {};
  return result;
}

}  // namespace

std::string DecideAccept(const TsfAcceptInput& in, const TsfAcceptHooks& hooks) {
  if (in.name.empty()) return {};
  return in.saveMode ? AcceptSave(in, hooks) : AcceptOpen(in, hooks);
}

}  // namespace sf
