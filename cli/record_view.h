// What `qlccfg show` prints: the record as lines of text or as one JSON
// object. Plain functions over a record; the panel summary line is made by
// the caller, since it reads the working record's registers.
#ifndef QLC_CLI_RECORD_VIEW_H
#define QLC_CLI_RECORD_VIEW_H

#include <stdint.h>

#include <string>
#include <vector>

#include "common/hal_struct.h"

// Names of the set Flags bits in bit order; a bit without a name appears as
// its value in hexadecimal ("0x20").
std::vector<std::string> FlagNamesOf(uint32_t flags);

// A JSON string literal, with quotes, backslashes and control characters
// escaped.
std::string JsonQuote(const std::string& text);

// The register list in list order, up to the end marker or 100 entries.
std::vector<REG_CFG> ListedRegisters(const HAL_STRUCT& record);

std::string FormatRecordText(const HAL_STRUCT& record, const std::string& panelSummary);
std::string FormatRecordJson(const HAL_STRUCT& record, const std::string& panelSummary);

#endif
