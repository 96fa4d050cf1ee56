// The command line of the bitmap demonstration program.
#ifndef QLC_BMP_BMP_OPTIONS_H
#define QLC_BMP_BMP_OPTIONS_H

#include <string>

enum { kMaxBmpFiles = 2, kMinArguments = 2, kMaxArguments = 8 };

struct BmpSettings {
  std::string files[kMaxBmpFiles];
  int fileCount = 0;
  int ds = -1;   // surface arrangement, -1 when not given
  int move = 0;  // seconds of sub-window motion; negative: for ever
  int rotation = 0;
  bool verbose = false;
  bool initialise = true;
};

enum BmpParseOutcome {
  kParseRun,           // settings complete, go on
  kParseHelp,          // "/?": usage text, exit 0
  kParseShowSurfaces,  // "ds=?": surface table, exit 0
  kParseUsageError,    // usage text, exit 1
  kParseInvalidDs,     // ds error, exit 1
};

// Parses argv[1..argc-1] (argc counts the program name). Arguments are
// compared in upper case; options start with '/' or '-'. On hosts whose file
// names are case-sensitive, file names keep their case and a '/' argument
// that is no known option is a path.
BmpParseOutcome ParseBmpArguments(int argc, const char* const* argv, BmpSettings* settings);

// The surface arrangement used when none was given.
int DefaultSurfaceArrangement(const BmpSettings& settings);

#endif
