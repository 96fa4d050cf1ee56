// The chip's hardware abstraction layer: start-up and chip detection.
// Includes every HAL header, for the programs built on the whole HAL; the
// HAL's own files include only the headers they use.
#ifndef QLC_HAL_HAL_H
#define QLC_HAL_HAL_H

#include <stdint.h>

#include "common/hal_struct.h"
#include "hal/hal_clk.h"
#include "hal/hal_init.h"
#include "hal/hal_lut.h"
#include "hal/hal_mem.h"
#include "hal/hal_misc.h"
#include "hal/hal_pci.h"
#include "hal/hal_record.h"
#include "hal/hal_regs.h"
#include "hal/hal_state.h"
#include "hal/hal_status.h"
#include "hal/hal_virt.h"
#include "hal/priority.h"

enum { kQlc56420ProductCode = 0x28 };

// Maps the board, checks the chip and lays out the main surface: 0, 1, 2, 6
// or 7. The record stays in use until the end (hxPowerSave may raise a
// FrameRate below 1 to 1).
int hxOpen(HAL_STRUCT* record);
// 0 with the revision (0..3) when a QLC56420 answers, else 2.
int hxDetectChip(int* revision);
void hxVersion(const char** version, const char** suffix1, const char** suffix2);

#endif
