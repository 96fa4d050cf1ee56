// The platforms whose decode addresses the General page offers, and the rule
// by which the page's two address entries reach the record.
#ifndef QLC_CFG_RECORD_PLATFORMS_H
#define QLC_CFG_RECORD_PLATFORMS_H

#include <stdint.h>

#include <string>

#include "cfg/record/configuration.h"

struct Platform {
  const char* name;
  uint32_t regAddr;      // where the registers are decoded
  uint32_t dispMemAddr;  // where the display buffer is decoded
};

// In the order the page lists them; the first is the evaluation board, whose
// addresses (both 0) the system assigns.
enum { kPlatformCount = 5, kEvaluationBoard = 0, kUserDefinedPlatform = -1 };
extern const Platform kPlatforms[kPlatformCount];

// The first platform whose addresses are the working record's, else
// kUserDefinedPlatform.
int PlatformOfRecord(const Configuration& config);

// What an address field shows for a platform: empty for the evaluation
// board, the address as lower-case hexadecimal otherwise.
std::string PlatformAddressText(int platform, uint32_t address);
std::string AddressText(uint32_t address);

enum AddressField {
  kNoAddressField = -1,
  kRegisterAddressField = 0,
  kDisplayBufferAddressField = 1
};

// Takes the page's entries over into RegAddr and DispMemAddr. The evaluation
// board stores 0 in both whatever the fields say. Any other platform needs
// both texts to read as non-zero hexadecimal, the register address first; a
// field that does not is reported ("Non-zero hexadecimal value required!"),
// named in *badField, and it and the later field stay
// untaken.
bool TakeAddressEntries(Configuration& config, int platform, const char* registerText,
                        const char* displayBufferText, AddressField* badField);

// The two addresses as the page takes them: both zero (the evaluation
// board) or both non-zero; otherwise "Non-zero hexadecimal value required!".
bool CheckAddressPair(const Configuration& config);

#endif
