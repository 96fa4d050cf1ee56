// Opening and saving the configurable file a command names, with the storage
// form given on the command line or found from the name and the content.
#ifndef QLC_CLI_RECORD_FILE_H
#define QLC_CLI_RECORD_FILE_H

#include <string>

#include "cfg/record/configuration.h"
#include "cli/command_line.h"

// Reads the file's record into the loaded and the working record and takes
// the clock working values from it, as opening a file in the GUI does.
// Failures have been reported.
bool OpenRecordFile(Configuration& config, const std::string& path, FileFormat format);

// Whether the name is a C header's (".h"), read as an appcfg.h.
bool IsHeaderFileName(const std::string& path);

// OpenRecordFile, except that a header (without a forced format) is read as
// an appcfg.h, its values applied over the loaded record as the
// configurator's File > Open applies them.
bool OpenRecordOrHeader(Configuration& config, const std::string& path, FileFormat format);

// Writes the working record into path, or into a copy of path at target
// when target is not empty (Save As).
bool SaveRecordFile(Configuration& config, const std::string& path, const std::string& target,
                    FileFormat format, bool preserveAddresses);

#endif
