// Register write sequences the HAL sends, rebuilt for the tests from the
// protocol: the synthesizer's serial cells.
#ifndef QLC_TESTS_SIM_BOARD_WRITES_H
#define QLC_TESTS_SIM_BOARD_WRITES_H

#include <stdint.h>

#include <functional>

using RegisterWriter = std::function<void(uint8_t offset, uint8_t value)>;

// The cells for one 24-bit word: GPIO5/6 made outputs, five (1,1) cells, two
// (0,0), the bits least significant first ((0,1) for 1, (1,0) for 0), a (1,1)
// stop cell, then the lines left low. other is kept in the GPIO register.
void SendSynthWord(const RegisterWriter& write, uint32_t word, uint8_t other = 0,
                   int unlockCells = 5);

#endif
