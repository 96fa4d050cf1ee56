// The record's own arithmetic: the default record, finding a register in the
// list, and the byte order. Records are always held in little-endian order.
#ifndef QLC_CFG_RECORD_RECORD_H
#define QLC_CFG_RECORD_RECORD_H

#include "common/hal_struct.h"

extern const HAL_STRUCT kDefaultHalStruct;
// Position of the register in a record's list: the last matching entry among
// at most 100, scanning up to and including the end marker; -1 when absent.
int FindRegisterPosition(const HAL_STRUCT& record, unsigned index);

// Reverses the byte order of every multi-byte field except Reserved.
void SwapRecord(HAL_STRUCT* record);

#endif
