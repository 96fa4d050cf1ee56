#include "sim/board_store.h"

#include <string.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

const char kBoardStateFileName[] = "board.state";

namespace {

const char kStateMarker[] = "QLC56420 virtual board state 1\n";
const size_t kStateMarkerSize = sizeof kStateMarker - 1;

void PutWord(std::string* out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out->push_back(static_cast<char>(value >> shift));
}

uint32_t GetWord(const unsigned char* in) {
  return in[0] | (uint32_t{in[1]} << 8) | (uint32_t{in[2]} << 16) | (uint32_t{in[3]} << 24);
}

size_t StateSize(uint32_t memorySize) {
  return kStateMarkerSize + kChipRegisterCount + sizeof(ChipState::lut) + kChipGcpEntries +
         4 * kSynthRegisterCount + 8 + memorySize;
}

}  // namespace

BoardLoadResult LoadBoardState(const std::string& path, ChipState* chip, uint8_t* memory,
                               uint32_t memorySize) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    std::error_code error;
    return std::filesystem::exists(path, error) ? kBoardInvalid : kBoardAbsent;
  }
  std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (file.bad() || bytes.size() != StateSize(memorySize) ||
      bytes.compare(0, kStateMarkerSize, kStateMarker) != 0)
    return kBoardInvalid;

  const unsigned char* in = reinterpret_cast<const unsigned char*>(bytes.data()) + kStateMarkerSize;
  memcpy(chip->regs, in, sizeof chip->regs);
  in += sizeof chip->regs;
  memcpy(chip->lut, in, sizeof chip->lut);
  in += sizeof chip->lut;
  memcpy(chip->gcp, in, sizeof chip->gcp);
  in += sizeof chip->gcp;
  for (long& word : chip->synthWords) {
    uint32_t stored = GetWord(in);
    word = stored == 0xFFFFFFFFu ? -1 : static_cast<long>(stored & 0xFFFFFF);
    in += 4;
  }
  chip->clkiKhz = GetWord(in);
  chip->clki2Khz = GetWord(in + 4);
  in += 8;
  memcpy(memory, in, memorySize);
  return kBoardLoaded;
}

bool SaveBoardState(const std::string& path, const ChipState& chip, const uint8_t* memory,
                    uint32_t memorySize) {
  std::string bytes(kStateMarker, kStateMarkerSize);
  bytes.reserve(StateSize(memorySize));
  bytes.append(reinterpret_cast<const char*>(chip.regs), sizeof chip.regs);
  bytes.append(reinterpret_cast<const char*>(chip.lut), sizeof chip.lut);
  bytes.append(reinterpret_cast<const char*>(chip.gcp), sizeof chip.gcp);
  for (long word : chip.synthWords) PutWord(&bytes, word < 0 ? 0xFFFFFFFFu : uint32_t(word));
  PutWord(&bytes, chip.clkiKhz);
  PutWord(&bytes, chip.clki2Khz);
  bytes.append(reinterpret_cast<const char*>(memory), memorySize);

  std::string fresh = path + ".new";
  {
    std::ofstream file(fresh, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (file.fail()) return false;
  }
  std::error_code error;
  std::filesystem::rename(fresh, path, error);
  if (!error) return true;
  std::filesystem::remove(fresh, error);
  return false;
}
