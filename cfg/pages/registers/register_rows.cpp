#include "cfg/pages/registers/register_rows.h"

#include <stdio.h>

#include "common/register_catalogue.h"

const RegisterColumnInfo kRegisterColumns[kRegisterColumnCount] = {
    {"Register", 52}, {"Hex", 36}, {"Bin", 68}, {"Dec", 36}, {"Register Name", 280},
};

static std::string Printed(const char* format, unsigned value) {
  char text[16];
  snprintf(text, sizeof text, format, value);
  return text;
}

static std::string BinaryDigits(unsigned value) {
  std::string digits;
  for (int bit = 7; bit >= 0; --bit) digits += (value >> bit) & 1 ? '1' : '0';
  return digits + 'b';
}

RegisterRow MakeRegisterRow(unsigned index, unsigned value) {
  RegisterRow row;
  row.index = index;
  row.cells[kRegisterIndexColumn] = Printed("%04Xh", index);
  row.cells[kRegisterHexColumn] = Printed("%02Xh", value);
  row.cells[kRegisterBinColumn] = BinaryDigits(value);
  row.cells[kRegisterDecColumn] = Printed("%3u", value);
  row.cells[kRegisterNameColumn] = RegisterDescription(index);
  return row;
}

std::vector<RegisterRow> RegisterRows(const HAL_STRUCT& record) {
  std::vector<RegisterRow> rows;
  for (REG_CFG entry : record.Regs) {
    if (entry.Index == FINISHED_REG_CFG) break;
    rows.push_back(MakeRegisterRow(entry.Index, entry.Value));
  }
  return rows;
}
