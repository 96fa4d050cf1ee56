#include "bmp/bmp_options.h"

#include <stdlib.h>

#include "common/text_read.h"

namespace {

#ifdef _WIN32
const bool kCaseSensitiveNames = false;
#else
const bool kCaseSensitiveNames = true;
#endif

bool StartsWith(const std::string& text, const char* prefix) {
  return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

// Applies a known option (already upper case, prefix removed); false when unknown.
bool ApplyOption(const std::string& option, BmpSettings* settings) {
  if (option == "NOINIT") {
    settings->initialise = false;
  } else if (option == "R90") {
    settings->rotation = 1;
  } else if (option == "R180") {
    settings->rotation = 2;
  } else if (option == "R270") {
    settings->rotation = 3;
  } else if (option == "V") {
    settings->verbose = true;
  } else {
    return false;
  }
  return true;
}

}  // namespace

BmpParseOutcome ParseBmpArguments(int argc, const char* const* argv, BmpSettings* settings) {
  *settings = BmpSettings();
  if (argc < kMinArguments || argc > kMaxArguments) return kParseUsageError;
  for (int i = 1; i < argc; ++i) {
    std::string argument = UpperCaseAscii(argv[i]);
    if (argument[0] == '/' || argument[0] == '-') {
      std::string option = argument.substr(1);
      if (option == "?") return kParseHelp;
      if (ApplyOption(option, settings)) continue;
      if (argument[0] == '-' || !kCaseSensitiveNames) return kParseUsageError;
      // An absolute path on a host where '/' starts paths: a file name.
    } else if (StartsWith(argument, "DS=")) {
      std::string value = argument.substr(3);
      if (value == "?") return kParseShowSurfaces;
      settings->ds = atoi(value.c_str());
      if (settings->ds < 0 || settings->ds > 2) return kParseInvalidDs;
      continue;
    } else if (StartsWith(argument, "MOVE=")) {
      settings->move = atoi(argument.c_str() + 5);
      continue;
    }
    if (settings->fileCount == kMaxBmpFiles) return kParseUsageError;
    settings->files[settings->fileCount++] = kCaseSensitiveNames ? argv[i] : argument;
  }
  if (settings->fileCount == 0) return kParseUsageError;
  return kParseRun;
}

int DefaultSurfaceArrangement(const BmpSettings& settings) {
  if (settings.fileCount == 2) return 2;
  return settings.move > 0 ? 1 : 0;
}
