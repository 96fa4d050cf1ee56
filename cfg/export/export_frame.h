// The frame every export runs in: the destination (a chosen path, or the
// preview file in the temporary directory), writing the text, and opening a
// preview in the viewer.
#ifndef QLC_CFG_EXPORT_EXPORT_FRAME_H
#define QLC_CFG_EXPORT_EXPORT_FRAME_H

#include <string>

#include "cfg/export/export_kinds.h"
#include "cfg/record/configuration.h"

// The temporary directory followed by the kind's preview name.
std::string PreviewExportPath(const Configuration& config, ExportKind kind);

// Writes the kind's file to path; a null or empty path makes a preview: the
// file goes to PreviewExportPath and is opened in the viewer. Failures are
// shown as "Failed to open file %s", "Failed to write file %s" or "Failed to
// execute \"%s\"". Returns whether the last step succeeded.
bool WriteExport(const Configuration& config, ExportKind kind, const char* path);

#endif
