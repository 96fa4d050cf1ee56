#include "tests/sim/board_writes.h"

namespace {

void SendCell(const RegisterWriter& write, uint8_t other, bool first, bool second) {
  uint8_t d1 = first ? 0x40 : 0, d2 = second ? 0x40 : 0;
  write(0xAC, other | d1 | 0x20);
  write(0xAC, other | d1);
  write(0xAC, other | d2);
  write(0xAC, other | d2 | 0x20);
}

}  // namespace

void SendSynthWord(const RegisterWriter& write, uint32_t word, uint8_t other, int unlockCells) {
  write(0xA8, 0x60);
  write(0xAC, other | 0x60);
  for (int i = 0; i < unlockCells; ++i) SendCell(write, other, true, true);
  SendCell(write, other, false, false);
  SendCell(write, other, false, false);
  for (int bit = 0; bit < 24; ++bit) {
    bool one = (word >> bit) & 1;
    SendCell(write, other, !one, one);
  }
  SendCell(write, other, true, true);
  write(0xAC, other);
}
