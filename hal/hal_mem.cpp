// First-fit allocator over display memory, with a trace line for every reset,
// allocation and release, and bounded word access to display memory.
#include "hal/hal_mem.h"

#include <inttypes.h>
#include <stdarg.h>
#include <stdio.h>
#include <string.h>

#include <new>

#include "hal/hal_pci.h"

namespace {

struct VmemNode {
  VmemNode* next;
  VmemNode* previous;
  uint32_t size;
  uint8_t* address;
  uint32_t free;  // 1 free, 0 in use
};

VmemNode gHead = {nullptr, nullptr, 0, nullptr, 0};

void PrintToStandardOutput(const char* line) {
  fputs(line, stdout);
}

HalTraceSink gTraceSink = PrintToStandardOutput;

#if defined(__GNUC__)
__attribute__((format(printf, 1, 2)))
#endif
void Trace(const char* format, ...) {
  char line[96];
  va_list arguments;
  va_start(arguments, format);
  vsnprintf(line, sizeof line, format, arguments);
  va_end(arguments);
  gTraceSink(line);
}

// Node records of an abandoned list are returned to the heap; the blocks
// they described are simply forgotten.
void ReleaseNodesAfterHead() {
  VmemNode* node = gHead.next;
  while (node) {
    VmemNode* next = node->next;
    delete node;
    node = next;
  }
  gHead.next = nullptr;
}

// Host addresses are traced in the width the platform needs; 32-bit values
// print as eight digits.
unsigned long long AddressValue(const uint8_t* address) {
  return static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(address));
}

// Merges neighbouring free blocks until no pair is left.
void MergeFreeBlocks() {
  bool merged = true;
  while (merged) {
    merged = false;
    for (VmemNode* node = &gHead; node && node->next; node = node->next) {
      VmemNode* next = node->next;
      if (node->free && next->free) {
        node->size += next->size;
        node->next = next->next;
        if (next->next) next->next->previous = node;
        delete next;
        merged = true;
        break;
      }
    }
  }
}

}  // namespace

HalTraceSink hxSetTraceSink(HalTraceSink sink) {
  HalTraceSink previous = gTraceSink;
  gTraceSink = sink ? sink : PrintToStandardOutput;
  return previous;
}

void _hxVmemInit(uint32_t size) {
  ReleaseNodesAfterHead();
  gHead = {nullptr, nullptr, size, hxMemBase(), 1};
  Trace("_hxVmemInit(%08lX)\n", static_cast<unsigned long>(size));
}

uint8_t* hxVmemAlloc(uint32_t size) {
  uint32_t rounded = (size + (kVmemGranule - 1)) / kVmemGranule * kVmemGranule;
  for (VmemNode* node = &gHead; node; node = node->next) {
    if (!node->free || node->size < rounded) continue;
    if (node->size > rounded) {
      VmemNode* rest = new (std::nothrow)
          VmemNode{node->next, node, node->size - rounded, node->address + rounded, 1};
      if (!rest) break;
      if (node->next) node->next->previous = rest;
      node->next = rest;
      node->size = rounded;
    }
    node->free = 0;
    Trace("hxVmemAlloc(%08lX) > %08llX\n", static_cast<unsigned long>(rounded),
          AddressValue(node->address));
    return node->address;
  }
  Trace("hxVmemAlloc(%08lX) FAILED\n", static_cast<unsigned long>(rounded));
  return nullptr;
}

int hxVmemFree(uint8_t* address) {
  for (VmemNode* node = &gHead; node; node = node->next) {
    if (node->free || node->address != address) continue;
    node->free = 1;
    MergeFreeBlocks();
    Trace("hxVmemFree(%08llX) passed\n", AddressValue(address));
    return 1;
  }
  Trace("hxVmemFree(%08llX) FAILED\n", AddressValue(address));
  return 0;
}

int hxVmemBlocks(VmemBlock* blocks, int capacity) {
  int count = 0;
  for (const VmemNode* node = &gHead; node; node = node->next, ++count) {
    if (count < capacity) blocks[count] = {node->address, node->size, node->free != 0};
  }
  return count;
}

VmemList hxVmemTakeList() {
  VmemList list = {gHead.address, gHead.size, gHead.free, gHead.next};
  gHead = {nullptr, nullptr, 0, nullptr, 0};
  return list;
}

void hxVmemPutList(const VmemList& list) {
  ReleaseNodesAfterHead();
  // The second node still points back at the static head.
  gHead = {static_cast<VmemNode*>(list.rest), nullptr, list.size, list.address, list.free};
}

uint8_t* hxMemBase() {
  const HalBoardOps* board = hxBoard();
  return board ? board->memory() : nullptr;
}

bool hxMemInside(uint32_t offset, uint32_t length) {
  return offset <= kDisplayMemorySize && length <= kDisplayMemorySize - offset;
}

uint32_t hxMemRead32(uint32_t offset) {
  uint8_t* base = hxMemBase();
  uint32_t value = 0;
  if (base && hxMemInside(offset, 4)) memcpy(&value, base + offset, 4);
  return value;
}

void hxMemWrite32(uint32_t offset, uint32_t value, uint32_t count) {
  uint8_t* base = hxMemBase();
  if (!base) return;
  for (uint32_t i = 0; i < count && hxMemInside(offset, 4); ++i, offset += 4) {
    memcpy(base + offset, &value, 4);
  }
}

uint32_t hxMemWriteBytes(uint32_t offset, const void* source, uint32_t length) {
  uint8_t* base = hxMemBase();
  if (!base || offset >= kDisplayMemorySize) return 0;
  if (length > kDisplayMemorySize - offset) length = kDisplayMemorySize - offset;
  memcpy(base + offset, source, length);
  return length;
}
