// Display memory: a first-fit allocator over the chip's 80 KB, and word
// access by byte offset from the start of display memory.
#ifndef QLC_HAL_HAL_MEM_H
#define QLC_HAL_HAL_MEM_H

#include <stdint.h>

enum { kDisplayMemorySize = 0x14000, kVmemGranule = 1024 };

// The allocator's trace lines (each ending in a newline) go to standard
// output unless another sink is set; returns the previous sink.
typedef void (*HalTraceSink)(const char* line);
HalTraceSink hxSetTraceSink(HalTraceSink sink);

// Resets the allocator to one free block of size bytes at the memory base.
// Prints "_hxVmemInit(%08lX)".
void _hxVmemInit(uint32_t size);
// Reserves size rounded up to 1 KB; null (after a FAILED trace line) when no
// free block is large enough.
uint8_t* hxVmemAlloc(uint32_t size);
// 1 when the in-use block at address was released, 0 when there is none.
int hxVmemFree(uint8_t* address);

// The allocator's blocks in address order, for inspection.
struct VmemBlock {
  uint8_t* address;
  uint32_t size;
  bool free;
};
// Copies at most capacity blocks; returns how many there are.
int hxVmemBlocks(VmemBlock* blocks, int capacity);

// The allocator's whole list, taken out so that another can be used for a
// while and this one put back. rest is the list's second block onwards, kept
// where it is; only hxVmemPutList uses it.
struct VmemList {
  uint8_t* address;
  uint32_t size;
  uint32_t free;
  void* rest;
};
// Leaves the allocator empty, as before the first _hxVmemInit.
VmemList hxVmemTakeList();
// Drops the list in use (its blocks are forgotten) and puts list back.
void hxVmemPutList(const VmemList& list);

// Host pointer to byte 0 of display memory (null before mapping).
uint8_t* hxMemBase();
// Whether bytes [offset, offset + length) lie inside display memory.
bool hxMemInside(uint32_t offset, uint32_t length);
// Reads the 32-bit word at offset (0 outside display memory).
uint32_t hxMemRead32(uint32_t offset);
// Writes value count times at consecutive 4-byte offsets from offset; words
// that would fall outside display memory are not written.
void hxMemWrite32(uint32_t offset, uint32_t value, uint32_t count);
// Copies length bytes from source to offset, clipped to display memory;
// returns the number of bytes written.
uint32_t hxMemWriteBytes(uint32_t offset, const void* source, uint32_t length);

#endif
