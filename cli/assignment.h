// One NAME=VALUE word of `qlccfg set`, understood without touching the record:
// a register (by REG_ symbol or by index), a record field, or a panel
// setting that goes through the entry rules.
#ifndef QLC_CLI_ASSIGNMENT_H
#define QLC_CLI_ASSIGNMENT_H

#include <stdint.h>

#include <string>

#include "cfg/pages/assignments.h"

// Decimal, or hexadecimal with a leading 0x or a trailing h ("0x1F", "1Fh").
// Fails on anything else, on an empty text and on values beyond 32 bits.
bool ParseNumberValue(const std::string& text, uint32_t* value);

// Flags as a number or as flag names joined by '|' ("fFIXED_CLKI|fFIXED_CLKI2").
bool ParseFlagsValue(const std::string& text, uint32_t* value);

// Splits and classifies one assignment. Values must be numbers (flags may be
// names); a pixel clock keeps its list text for the rule.
bool ParseAssignment(const std::string& text, Assignment* assignment, std::string* error);

#endif
