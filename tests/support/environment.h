// Environment variables for tests that point a program or the library at
// their own folders.
#ifndef QLC_TESTS_SUPPORT_ENVIRONMENT_H
#define QLC_TESTS_SUPPORT_ENVIRONMENT_H

#include <string>

// Sets the variable to value; a null value removes it.
void SetVariable(const char* name, const char* value);

// Sets the variable for the object's lifetime, then puts back what was there
// before (or removes it again).
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const std::string& value);
  ~ScopedVariable();
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  std::string name_;
  std::string previous_;
  bool hadPrevious_ = false;
};

#endif
