#pragma once
// An effect's text in its two forms: the source file (UTF-8, lines ended by LF or
// CR LF) and the catalogue's Code (code page 936, lines ended by CR LF, the bytes
// the program shows, copies and writes to example.htm).
#include <optional>
#include <string>
#include <string_view>

// The Code of a source file. `where` names the file in messages. Refuses (with the
// file and the line) a byte-order mark, malformed UTF-8, a carriage return that does
// not end a line, and a character code page 936 cannot hold.
std::string SourceToCode(std::string_view source, const std::string& where);

// The source file of a Code: UTF-8 with LF line ends, so that the source of an LF
// file comes back byte for byte.
std::string CodeToSource(std::string_view code);

// Text in code page 936, or nothing when a character has no code there (not even
// by a best-fit substitute). The first such character goes to *missing.
std::optional<std::string> WideTo936(std::wstring_view text, char32_t* missing = nullptr);
