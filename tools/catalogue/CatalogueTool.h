#pragma once
// The catalogue tool's commands, apart from the console, so that tests run them as
// the program's build does:
//
//   build <catalogue folder> <spect.nht>     the sources into a catalogue file
//   list <spect.nht>                         its categories and effects
//   export <spect.nht> <folder>              every effect back to source files
//   import <spect.nht> <caption> <file.html> one more effect into a category
//   preview <spect.nht> <folder>             every effect as Preview writes it
//
// Output and messages are code page 936 text.
#include <string>
#include <vector>

// Runs the command given by `args` (without the program's name). Returns 0 on
// success, 1 when the command fails (the message, ending in a line break, is in
// `errors`), 2 for a command line it does not understand (with the usage).
int RunCatalogueTool(const std::vector<std::wstring>& args, std::string& output, std::string& errors);
