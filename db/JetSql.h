#pragma once
// The statement dialect the program speaks (Jet's) mapped onto SQLite's.
//
// In Jet a double-quoted text is a string literal; in SQLite it names a column. Each
// such literal becomes a numbered parameter and its text is bound, so no part of a
// literal is ever read as SQL. Inside a literal a doubled quote ("a""b") stands for
// one quote character.
#include <string>
#include <vector>

// Texts here are code page 936, as the program writes its statements.
struct TJetStatement {
  // The statement for SQLite, the literals replaced by ?1, ?2, ...
  std::string Sql;
  // The texts of the literals, in parameter order.
  std::vector<std::string> Params;
};

// Single-quoted literals, bracketed and back-quoted identifiers and
// comments pass unchanged, and a double quote inside them is left alone. An
// unterminated double-quoted literal raises EDatabaseError.
TJetStatement TranslateJetSql(const std::string& text);

// The table of a statement of the form "select * from <table>" (any letter case,
// blanks around the words, an optional ';'), with brackets or back quotes removed;
// empty for any other statement. Only such a result accepts a new row.
std::string PlainSelectTable(const std::string& text);

// For a statement "select * from <table>" that ends there or goes on with a where
// clause only: true, the table (as PlainSelectTable gives it) and where the rest
// starts.
bool SplitSelectStar(const std::string& text, std::string& table, size_t& rest);

// `value` as a double-quoted literal of the dialect, its quotes doubled.
std::string JetQuotedStr(const std::string& value);
