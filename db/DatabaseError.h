#pragma once
// Errors of the catalogue engine: a file that cannot be opened, a refused password,
// a failed statement, an unknown field or an operation the query's state forbids.
#include "ui/Exception.h"

class EDatabaseError : public Exception {
  using Exception::Exception;
};
