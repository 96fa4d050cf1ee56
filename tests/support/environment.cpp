#include "tests/support/environment.h"

#include <stdlib.h>

void SetVariable(const char* name, const char* value) {
#ifdef _WIN32
  _putenv_s(name, value ? value : "");  // an empty value removes it
#else
  if (value) {
    setenv(name, value, 1);
  } else {
    unsetenv(name);
  }
#endif
}

ScopedVariable::ScopedVariable(const char* name, const std::string& value) : name_(name) {
  const char* previous = getenv(name);
  hadPrevious_ = previous != nullptr;
  if (previous) previous_ = previous;
  SetVariable(name, value.c_str());
}

ScopedVariable::~ScopedVariable() {
  SetVariable(name_.c_str(), hadPrevious_ ? previous_.c_str() : nullptr);
}
