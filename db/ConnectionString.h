#pragma once
// The parts of an OLE DB style connection string the catalogue engine uses.
// The text is key=value pairs separated by ';'. Keys match without regard to
// letter case and blanks around keys and values are dropped; a value may be
// enclosed in double or single quotes (a doubled quote inside stands for one) and
// may then hold ';'. A key given twice takes its last value.
#include <string>

struct TConnectionString {
  // "Data Source": the file, code page 936 text.
  std::string DataSource;
  // "Jet OLEDB:Database Password": empty when absent.
  std::string Password;
};

TConnectionString ParseConnectionString(const std::string& text);
