#pragma once
// File masks and file-name rules of the file dialog, free of the platform: which
// names a filter mask lets through, the extension a mask stands for, where a run
// starts, and what the accept button does with the typed name. Text is code page
// 936; a two-byte character is always one unit (its trail byte may look like
// '\\', '.', '*' or a letter).
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace sf {

// The patterns of a mask, cut at ';' and '|'. A comma is part of a pattern.
std::vector<std::string> MaskPatterns(std::string_view mask);
// '*' any run, '?' one character, "[...]" a set ("a-z" ranges, a leading '!'
// negates); ASCII letters compared without regard to case. A '[' without its ']'
// is an ordinary character.
bool MatchesWildcard(std::string_view pattern, std::string_view name);
// True when one pattern of `mask` matches the file-name part of `name`. A pattern
// with a '.' is a wildcard pattern; one without matches only when it is "*".
bool MatchesMask(std::string_view mask, std::string_view name);
// Empty when the mask contains ".*"; otherwise the extension (from the last '.')
// of the mask up to its first ';'. "*.htm,*.html" gives ".html".
std::string ExtFromMask(std::string_view mask);

// `path` with `ext` appended when it has no extension of its own. The mask's
// extension goes first and the default extension ("HTML", without dot) only when
// the mask gives none; the overwrite question and the result use this one order,
// so the file asked about is the file written.
std::string WithDefaultExt(std::string_view path, std::string_view maskExt,
                           std::string_view defaultExt);
// The typed name after the file type changed to one whose mask gives `newExt`:
// its own extension (at the end) replaced, or `newExt` appended when it has none.
std::string ReplaceNameExt(std::string_view name, std::string_view newExt);

// The typed name after the file type changed to `newMask` in save mode: its
// extension replaced by the mask's (or that appended) when both are not empty.
std::string NameForFileType(std::string_view name, std::string_view newMask);

// The name the dialog's n-th New Folder press of a run tries: "New Folder", then
// "New Folder(2)", "New Folder(3)", ...
std::string NewFolderName(int count);

// What Enter in the file-name edit does with its text.
enum TsfEditEnter { sfeeMask, sfeeFolder, sfeeAccept };
TsfEditEnter EditEnterAction(std::string_view text);

// The folder a run starts in. The last result's folder only while it still exists;
// else the executable's folder when no initial folder is given, else the initial
// folder when it exists, else the executable's folder.
std::string StartFolder(std::string_view fileName, std::string_view initialDir,
                        std::string_view exeDir,
                        const std::function<bool(const std::string&)>& dirExists);

// What the accept button sees and decides.
struct TsfAcceptInput {
  bool saveMode = false;
  bool checkFileExists = true;
  bool overwritePrompt = false;
  bool fileSystemFolder = true;  // the current folder is on disk
  std::string selected;          // the selected file's full path, empty for none or a folder
  std::string name;              // the edit's text
  std::string dir;               // the current folder's path
  std::string maskExt;           // ExtFromMask of the current mask
  std::string defaultExt;        // without dot
};
struct TsfAcceptHooks {
  std::function<bool(const std::string&)> fileExists;
  // The overwrite question; true for OK.
  std::function<bool(const std::string&)> askOverwrite;
};
// The path to accept, or empty when the dialog stays open.
std::string DecideAccept(const TsfAcceptInput& in, const TsfAcceptHooks& hooks);
// `dir` with one trailing '\\'.
std::string IncludeTrailingBackslash(std::string_view dir);

}  // namespace sf
