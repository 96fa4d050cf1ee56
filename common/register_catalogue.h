// The chip's registers as the configuration knows them: index, description,
// REG_ symbol (padded to 30 characters) and the Reg enumerator of chip.h.
#ifndef QLC_COMMON_REGISTER_CATALOGUE_H
#define QLC_COMMON_REGISTER_CATALOGUE_H

#include <stdint.h>

struct RegisterInfo {
  uint8_t index;
  const char* description;
  const char* symbol;      // padded with blanks to kRegisterSymbolWidth
  const char* enumerator;  // nullptr for registers chip.h does not name
  bool inDefaultList;
};

enum { kRegisterCount = 67, kRegisterSymbolWidth = 30 };

extern const RegisterInfo kRegisterCatalogue[kRegisterCount];

// "?????" when the catalogue has no such index.
const char* RegisterDescription(unsigned index);
const char* RegisterSymbol(unsigned index);

// The catalogue row whose unpadded symbol equals name, or nullptr.
const RegisterInfo* FindRegisterBySymbol(const char* name);

#endif
