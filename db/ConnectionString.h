#pragma once
// The parts of an OLE DB style connection string the catalogue engine uses.
// The text is key=value pairs separated by ';'. Keys match without regard to
// letter case and blanks around keys and values are dropped; a value may be
// enclosed in double or single quotes (a doubled quote inside stands for one) and
// may then hold ';'. A key given twice takes its last value.
#include <string>

struct TConnectionString {
  // "Data Source": the file, as PathToAnsi writes a path (PathFromAnsi reads it
  // back exactly, whatever characters it holds).
  std::string DataSource;
  // "Jet OLEDB:Database Password": empty when absent.
  std::string Password;
};

TConnectionString ParseConnectionString(const std::string& text);

// `value` as a connection string holds it: in double quotes when it holds a ';'
// or a quote, or begins or ends with a blank; as it is otherwise.
std::string ConnectionStringValue(const std::string& value);
