// The configuration record carried by every program built on the chip's HAL.
// 488 bytes, packed, stored in the target processor's byte order.
#ifndef QLC_COMMON_HAL_STRUCT_H
#define QLC_COMMON_HAL_STRUCT_H

#include <stdint.h>

#define HAL_ID_STRING "5642 HAL EXE"
enum { kHalIdLength = 12, kHalStructSize = 488, kMaxRegCfg = 100 };
enum { FINISHED_REG_CFG = 0xFFFF };
enum { kDetectEndianLittle = 0x1234, kDetectEndianSwapped = 0x3412 };

// Flags bits, named as they appear in generated headers.
enum {
  fVALID_LCD = 1,
  fFIXED_CLKI = 2,
  fFIXED_CLKI2 = 4,
  fFIXED_DIVMCLK = 8,
  fFIXED_DIVPCLK = 16,
};

#pragma pack(push, 1)
typedef struct {
  uint16_t Index;
  uint16_t Value;
} REG_CFG;

typedef struct {
  char IdString[16];
  uint16_t DetectEndian;
  uint16_t Size;
  uint32_t Flags;
  REG_CFG Regs[kMaxRegCfg];
  uint8_t GcpData[32];
  uint32_t ClkI;
  uint32_t ClkI2;
  uint32_t BusClk;
  uint32_t RegAddr;
  uint32_t DispMemAddr;
  uint16_t FrameRate;
  uint16_t PowerOffDelay;
  uint16_t PowerOnDelay;
  uint16_t Reserved[3];
} HAL_STRUCT;
#pragma pack(pop)

#ifdef __cplusplus
static_assert(sizeof(HAL_STRUCT) == kHalStructSize, "HAL_STRUCT must be 488 bytes");
#else
_Static_assert(sizeof(HAL_STRUCT) == kHalStructSize, "HAL_STRUCT must be 488 bytes");
#endif

#endif
