// Finding the record's ID, "5642 HAL EXE", in a run of bytes at the speed the
// bytes can be read.
#ifndef QLC_CFG_RECORD_ID_SEARCH_H
#define QLC_CFG_RECORD_ID_SEARCH_H

#include <stdint.h>

// The first position at which the 12 ID bytes stand wholly inside [begin,
// end), or null. Uses the processor's vector unit where there is one.
const uint8_t* FindRecordId(const uint8_t* begin, const uint8_t* end);

// The same one byte at a time: the fallback without a vector unit.
const uint8_t* FindRecordIdPlain(const uint8_t* begin, const uint8_t* end);

#endif
