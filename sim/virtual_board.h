// A software model of the evaluation board: the chip's registers, LUT, clock
// synthesizer, 80 KB of display memory and the panel they drive. The HAL maps
// it instead of the board driver when QLC56420_VIRTUAL_BOARD names a folder.
//
// The folder holds:
//   board.state      registers, LUT, GCP table, synthesizer and display memory,
//                    kept between runs as a real board keeps them;
//   panel.png        the panel as it showed when the board was closed;
//   panel-0001.png.. pictures taken by VirtualBoardSaveFrame, numbered from 1
//                    in each run;
//   refused.txt      the refused accesses of the run, "0\n" while it runs.
// A board still open when the process exits is closed then.
//
// Colours on the panel: 1 to 8 bits per pixel show the LUT entry as stored;
// 16 bits are 5-6-5 widened by repeating the top bits (0x8410 -> 0x848284);
// a monochrome panel (REG[10h] bit 6 clear) shows the grey level
// (77 R + 150 G + 29 B) / 256; REG[70h] bit 4 and bit 5 each invert (both
// cancel); blanked, power save or LCD power off show black; pixels the scan
// would fetch from outside display memory show black. Rotated scans start at
// the word the start address names: at 90 degrees with its last pixel, running
// down the memory lines, each further panel line one pixel to the left; at 180
// degrees backwards from its last pixel; at 270 degrees with its first pixel,
// running up the memory lines, each further panel line one pixel to the right.
#ifndef QLC_SIM_VIRTUAL_BOARD_H
#define QLC_SIM_VIRTUAL_BOARD_H

#include <stdint.h>

#include "sim/panel_image.h"

enum { kVirtualBoardMemorySize = 0x14000 };

// Opens the board whose state lives in folder (created state when none is
// kept there yet). False when the folder cannot be used.
bool VirtualBoardOpen(const char* folder);
// Saves registers, LUT and display memory into the folder and writes the
// panel as it shows now to panel.png there. Safe to call when not open.
void VirtualBoardClose();
bool VirtualBoardIsOpen();

// Register access as the chip answers it (offset 0x00-0xFF). Other offsets,
// and any access while the board is closed, are refused and counted.
uint8_t VirtualBoardReadRegister(uint32_t offset);
void VirtualBoardWriteRegister(uint32_t offset, uint8_t value);

// Host pointer to the board's display memory (kVirtualBoardMemorySize bytes).
// Writes past either end land in guard regions; they are counted as refused
// and undone when the panel is rendered or the board closed.
uint8_t* VirtualBoardMemory();

// Writes one more picture of the panel: panel-0001.png, panel-0002.png, ...
bool VirtualBoardSaveFrame();

// What the panel shows now.
PanelImage VirtualBoardRenderPanel();

// For tests: the last 24-bit word the synthesizer received for a register
// number (0 CLKI, 3 CLKI2), or -1 when none; accesses refused so far, stray
// memory writes up to this call included.
long VirtualBoardSynthesizerWord(int synthRegister);
unsigned long VirtualBoardRefusedAccesses();

#endif
