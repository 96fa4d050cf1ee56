#include "cfg/export/chip_writer.h"

#include "cfg/export/banner.h"
#include "cfg/export/text_format.h"
#include "common/register_catalogue.h"

std::string ChipHeaderText(const Configuration&) {
  std::string text;
  AppendDashedBanner(text);
  text += "\n";
  text += "class Reg\n{\npublic:\n   enum\n      {\n";
  for (const RegisterInfo& info : kRegisterCatalogue) {
    if (!info.enumerator) continue;
    AppendFormat(text, "       %-26s=  0x%02x   , \n", info.enumerator,
                 static_cast<unsigned>(info.index));
  }
  text += "      };\n";
  text += "};\n";
  return text;
}
