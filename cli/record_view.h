// What `qlccfg show` prints: the record as lines of text or as one JSON
// object. Plain functions over a record; the panel summary line is made by
// the caller, since it reads the working record's registers.
#ifndef QLC_CLI_RECORD_VIEW_H
#define QLC_CLI_RECORD_VIEW_H

#include <stdint.h>

#include <string>
#include <vector>

#include "cfg/record/record_fields.h"
#include "common/hal_struct.h"

// Names of the set Flags bits in bit order; a bit without a name appears as
// its value in hexadecimal ("0x20").
std::vector<std::string> FlagNamesOf(uint32_t flags);

// The flags as the text view shows them: the names joined by " | ", or "0".
std::string FlagsText(uint32_t flags);
// A field's value as the text view shows it: "0x00000000" or "50000 kHz".
std::string FieldValueText(const FieldInfo& field, unsigned value);
// A register's REG_ symbol without the padding of the catalogue.
std::string UnpaddedSymbol(unsigned index);

// A JSON string literal, with quotes, backslashes and control characters
// escaped.
std::string JsonQuote(const std::string& text);

// The register list in list order, up to the end marker or 100 entries.
std::vector<REG_CFG> ListedRegisters(const HAL_STRUCT& record);

std::string FormatRecordText(const HAL_STRUCT& record, const std::string& panelSummary);
std::string FormatRecordJson(const HAL_STRUCT& record, const std::string& panelSummary);

#endif
