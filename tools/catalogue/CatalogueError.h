#pragma once
// A catalogue source, file or command the catalogue tool refuses. The message names
// the file (and the line, where there is one) and what is wrong with it.
#include "ui/Exception.h"

class ECatalogueError : public Exception {
  using Exception::Exception;
};
