// The appcfg.h import, on any header text.
//
// Properties: the import never adds, removes or moves registers (the list's
// indices stay as they were) and stores register values of 0 to 255 only;
// the fields it does not import (IdString, marker, Size, GcpData, FrameRate,
// Reserved) keep the loaded record's values; Flags holds only the bits the
// flags line can name; a successful import makes the working record equal
// to the loaded one; a failed one leaves the working record unchanged and
// says why.
#include <string.h>

#include "cfg/record/appcfg_import.h"
#include "cfg/record/record.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

uint32_t NameableFlags() {
  uint32_t flags = 0;
  for (const FlagName& flag : kFlagNames) flags |= flag.bit;
  return flags;
}

void CheckLoadedRecord(const HAL_STRUCT& after, const HAL_STRUCT& before) {
  for (int i = 0; i < kMaxRegCfg; ++i) {
    FUZZ_CHECK(after.Regs[i].Index == before.Regs[i].Index);
    if (after.Regs[i].Value != before.Regs[i].Value) FUZZ_CHECK(after.Regs[i].Value <= 0xFF);
  }
  FUZZ_CHECK(memcmp(after.IdString, before.IdString, sizeof after.IdString) == 0);
  FUZZ_CHECK(after.DetectEndian == before.DetectEndian && after.Size == before.Size);
  FUZZ_CHECK(memcmp(after.GcpData, before.GcpData, sizeof after.GcpData) == 0);
  FUZZ_CHECK(after.FrameRate == before.FrameRate);
  FUZZ_CHECK(memcmp(after.Reserved, before.Reserved, sizeof after.Reserved) == 0);
  if (after.Flags != before.Flags) FUZZ_CHECK((after.Flags & ~NameableFlags()) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = ScratchPath("appcfg.h");
  if (!WriteScratchFile(path, data, size)) return 0;
  const uint64_t seed = InputHash(data, size);
  // The default register list with values of every width, so that a value
  // the import did not write stands out.
  Configuration config;
  HAL_STRUCT& LoadedRecord = config.LoadedRecord;
  HAL_STRUCT& WorkingRecord = config.WorkingRecord;
  HAL_STRUCT loaded = RecordFromSeed(seed);
  memcpy(loaded.Regs, kDefaultHalStruct.Regs, sizeof loaded.Regs);
  const HAL_STRUCT working = RecordFromSeed(seed + 1);
  LoadedRecord = loaded;
  WorkingRecord = working;

  QuietMessages();
  bool imported = ImportAppcfg(config, path.c_str());
  CheckLoadedRecord(LoadedRecord, loaded);
  if (imported) {
    FUZZ_CHECK(memcmp(&WorkingRecord, &LoadedRecord, sizeof LoadedRecord) == 0);
  } else {
    FUZZ_CHECK(memcmp(&WorkingRecord, &working, sizeof working) == 0);
    FUZZ_CHECK(MessagesShown() > 0);
  }
  return 0;
}
