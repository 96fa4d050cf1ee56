// The board's state kept in its folder between runs: registers, LUT, GCP
// table, synthesizer settings and display memory, in one file.
#ifndef QLC_SIM_BOARD_STORE_H
#define QLC_SIM_BOARD_STORE_H

#include <stdint.h>

#include <string>

#include "sim/chip_state.h"

enum BoardLoadResult { kBoardLoaded, kBoardAbsent, kBoardInvalid };

extern const char kBoardStateFileName[];

// memory receives memorySize bytes. kBoardAbsent leaves chip and memory as they
// are; kBoardInvalid (wrong size or marker) too.
BoardLoadResult LoadBoardState(const std::string& path, ChipState* chip, uint8_t* memory,
                               uint32_t memorySize);

// Writes a new file beside the old one and then replaces it, so an
// interrupted save never leaves a half-written state behind.
bool SaveBoardState(const std::string& path, const ChipState& chip, const uint8_t* memory,
                    uint32_t memorySize);

#endif
