// The configuration's two copies of the record: the loaded record (as last
// read from a file) and the working record (what the pages edit and the
// savers write). Both are always held in little-endian order.
#ifndef QLC_CFG_RECORD_RECORD_H
#define QLC_CFG_RECORD_RECORD_H

#include "common/hal_struct.h"

extern const HAL_STRUCT kDefaultHalStruct;
extern HAL_STRUCT LoadedRecord;
extern HAL_STRUCT WorkingRecord;

// Both copies back to the default record (program start).
void ResetRecords();

// Copies the loaded record over the working record (after an open or import).
void UseLoadedRecord();

// Position of the register in a record's list: the last matching entry among
// at most 100, scanning up to and including the end marker; -1 when absent.
int FindRegisterPosition(const HAL_STRUCT& record, unsigned index);

// Register value 0..255 of the working record; an index not in the list is
// reported ("Invalid register requested: %xh") and reads 0.
unsigned GetRegister(unsigned index);
// Stores value & 0xFF with a zero high byte; an absent index is reported and
// nothing changes.
void SetRegister(unsigned index, unsigned value);
// The same on the loaded record (used by the header import).
void SetLoadedRegister(unsigned index, unsigned value);

// Reverses the byte order of every multi-byte field except Reserved.
void SwapRecord(HAL_STRUCT* record);

#endif
