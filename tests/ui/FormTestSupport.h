#pragma once
#include "tests/support/TestForms.h"
