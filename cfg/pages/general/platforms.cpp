#include "cfg/pages/general/platforms.h"

#include <stdio.h>

#include "cfg/record/record.h"
#include "common/message.h"
#include "common/text_read.h"

const Platform kPlatforms[kPlatformCount] = {
    {"Vantor QEB56420A/B", 0, 0},
    {"Motorola IDP68000", 0xF80000, 0xF00000},
    {"Motorola IDP68032", 0x10A00000, 0x10E00000},
    {"Hitachi SH-3 LCEVB", 0x14000000, 0x14200000},
    {"Motorola DSP56654 (\"RedCap\")", 0x41000000, 0x41020000},
};

int PlatformOfRecord(const Configuration& config) {
  for (int i = 0; i < kPlatformCount; ++i) {
    if (kPlatforms[i].regAddr == config.WorkingRecord.RegAddr &&
        kPlatforms[i].dispMemAddr == config.WorkingRecord.DispMemAddr)
      return i;
  }
  return kUserDefinedPlatform;
}

std::string AddressText(uint32_t address) {
  char text[16];
  snprintf(text, sizeof text, "%x", address);
  return text;
}

std::string PlatformAddressText(int platform, uint32_t address) {
  return platform == kEvaluationBoard ? std::string() : AddressText(address);
}

static bool ReportNonZeroHexRequired() {
  ShowMessage(kMsgOk | kMsgIconError, "Non-zero hexadecimal value required!");
  return false;
}

static bool ReadNonZeroHex(const char* text, uint32_t* value) {
  return ReadDialogHex(text ? text : "", value) && *value != 0;
}

bool TakeAddressEntries(Configuration& config, int platform, const char* registerText,
                        const char* displayBufferText, AddressField* badField) {
  *badField = kNoAddressField;
  if (platform == kEvaluationBoard) {
    config.WorkingRecord.RegAddr = 0;
    config.WorkingRecord.DispMemAddr = 0;
    return true;
  }
  uint32_t value = 0;
  if (!ReadNonZeroHex(registerText, &value)) {
    *badField = kRegisterAddressField;
  } else {
    config.WorkingRecord.RegAddr = value;
    if (!ReadNonZeroHex(displayBufferText, &value))
      *badField = kDisplayBufferAddressField;
    else
      config.WorkingRecord.DispMemAddr = value;
  }
  if (*badField == kNoAddressField) return true;
  return ReportNonZeroHexRequired();
}

bool CheckAddressPair(const Configuration& config) {
  if ((config.WorkingRecord.RegAddr == 0) == (config.WorkingRecord.DispMemAddr == 0)) return true;
  return ReportNonZeroHexRequired();
}
