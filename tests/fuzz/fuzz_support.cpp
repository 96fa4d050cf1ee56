#include "tests/fuzz/fuzz_support.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <memory>

#include "common/message.h"
#include "tests/support/temp_dir.h"

void FuzzCheckFailed(const char* condition, const char* file, int line) {
  fprintf(stderr, "property broken: %s (%s:%d)\n", condition, file, line);
  fflush(stderr);
  abort();
}

namespace {

int g_messages = 0;
std::vector<std::string> g_texts;
std::string g_latest;

int CountMessage(unsigned style, int, const char* text) {
  ++g_messages;
  // The first 64 texts, every error after them (a read error may be followed
  // by many candidate messages) up to twice as many, and always the latest.
  if (g_texts.size() < 64 || (strncmp(text, "ERROR:", 6) == 0 && g_texts.size() < 128))
    g_texts.emplace_back(text);
  g_latest = text;
  return DefaultAnswer(style);
}

}  // namespace

void QuietMessages() {
  SetMessageSink(CountMessage);
  g_messages = 0;
  g_texts.clear();
  g_latest.clear();
}

int MessagesShown() {
  return g_messages;
}

bool MessageShownStartingWith(const char* prefix) {
  for (const std::string& text : g_texts)
    if (text.compare(0, strlen(prefix), prefix) == 0) return true;
  return g_latest.compare(0, strlen(prefix), prefix) == 0;
}

std::string ScratchPath(const char* name) {
  // Made at the first call, removed when the process ends.
  static const TempDir folder;
  return folder.File(name);
}

bool WriteScratchFile(const std::string& path, const uint8_t* data, size_t size) {
  return WriteFileBytes(path, std::string(reinterpret_cast<const char*>(data), size));
}

uint64_t InputHash(const uint8_t* data, size_t size) {
  uint64_t hash = 0xCBF29CE484222325ull;
  for (size_t i = 0; i < size; ++i) hash = (hash ^ data[i]) * 0x100000001B3ull;
  return hash;
}

uint64_t NextRandom(uint64_t* state) {
  uint64_t z = (*state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

HAL_STRUCT RecordFromSeed(uint64_t seed) {
  HAL_STRUCT record;
  uint8_t* bytes = reinterpret_cast<uint8_t*>(&record);
  for (size_t i = 0; i < sizeof record; ++i) bytes[i] = static_cast<uint8_t>(NextRandom(&seed));
  memset(record.IdString, 0, sizeof record.IdString);
  memcpy(record.IdString, HAL_ID_STRING, kHalIdLength);
  record.DetectEndian = kDetectEndianLittle;
  record.Size = kHalStructSize;
  return record;
}

bool SavedFieldsEqual(const HAL_STRUCT& a, const HAL_STRUCT& b) {
  return a.Flags == b.Flags && memcmp(a.Regs, b.Regs, sizeof a.Regs) == 0 &&
         memcmp(a.GcpData, b.GcpData, sizeof a.GcpData) == 0 && a.ClkI == b.ClkI &&
         a.ClkI2 == b.ClkI2 && a.BusClk == b.BusClk && a.RegAddr == b.RegAddr &&
         a.DispMemAddr == b.DispMemAddr && a.FrameRate == b.FrameRate &&
         a.PowerOffDelay == b.PowerOffDelay && a.PowerOnDelay == b.PowerOnDelay;
}

std::function<size_t(uint8_t*, size_t)> ReadFromMemory(const uint8_t* data, size_t held) {
  auto delivered = std::make_shared<size_t>(0);
  return [=](uint8_t* into, size_t count) {
    size_t length = std::min(count, held - *delivered);
    if (length) memcpy(into, data + *delivered, length);
    *delivered += length;
    return length;
  };
}
