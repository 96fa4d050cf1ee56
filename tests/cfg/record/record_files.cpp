#include "tests/cfg/record/record_files.h"

#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <memory>

#include "cfg/record/record.h"

HAL_STRUCT SampleRecord() {
  HAL_STRUCT record = kDefaultHalStruct;
  record.Flags = fVALID_LCD | fFIXED_CLKI | fFIXED_DIVPCLK;
  record.Regs[1].Value = 0x0043;
  record.ClkI = 0x00012345;
  record.ClkI2 = 33000;
  record.BusClk = 0x0A0B0C0D;
  record.RegAddr = 0x12345678;
  record.DispMemAddr = 0x9ABCDEF0;
  record.FrameRate = 0x0102;
  record.PowerOffDelay = 0x0304;
  record.PowerOnDelay = 0x0506;
  record.Reserved[0] = 0x1111;
  record.Reserved[1] = 0x2222;
  record.Reserved[2] = 0x3333;
  return record;
}

std::string RecordImage(const HAL_STRUCT& record, bool bigEndian) {
  HAL_STRUCT copy = record;
  if (bigEndian) SwapRecord(&copy);
  return std::string(reinterpret_cast<const char*>(&copy), sizeof copy);
}

static int AddressBytes(int type) {
  switch (type) {
    case 2:
    case 8:
      return 3;
    case 3:
    case 7:
      return 4;
    default:
      return 2;
  }
}

std::string SRecordLine(int type, uint32_t address, const std::string& data, bool lowerCase) {
  int addressBytes = AddressBytes(type);
  std::vector<uint8_t> bytes;
  bytes.push_back(static_cast<uint8_t>(addressBytes + data.size() + 1));
  for (int i = addressBytes - 1; i >= 0; --i) bytes.push_back(uint8_t(address >> (8 * i)));
  for (char c : data) bytes.push_back(static_cast<uint8_t>(c));
  unsigned sum = 0;
  for (uint8_t b : bytes) sum += b;
  bytes.push_back(static_cast<uint8_t>(~sum));
  std::string line = "S" + std::to_string(type);
  const char* format = lowerCase ? "%02x" : "%02X";
  for (uint8_t b : bytes) {
    char hex[3];
    snprintf(hex, sizeof hex, format, b);
    line += hex;
  }
  return line;
}

std::string MakeSRecordText(const std::string& data, const SRecordLayout& layout) {
  std::string text;
  if (layout.header) text += SRecordLine(0, 0, "HDR", layout.lowerCase) + layout.lineEnd;
  for (size_t at = 0; at < data.size(); at += layout.bytesPerLine) {
    text += SRecordLine(layout.type, layout.address + static_cast<uint32_t>(at),
                        data.substr(at, layout.bytesPerLine), layout.lowerCase) +
            layout.lineEnd;
  }
  text += SRecordLine(10 - layout.type, 0, "", layout.lowerCase) + layout.lineEnd;
  return text;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (char c : text) {
    if (c == '\r') continue;
    if (c == '\n') {
      lines.push_back(line);
      line.clear();
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

bool AllChecksumsCorrect(const std::string& text) {
  for (const std::string& line : SplitLines(text)) {
    if (line.size() < 4 || line[0] != 'S' || line.size() % 2 != 0) return false;
    std::vector<unsigned> bytes;
    for (size_t i = 2; i < line.size(); i += 2) {
      unsigned value;
      if (sscanf(line.substr(i, 2).c_str(), "%2x", &value) != 1) return false;
      bytes.push_back(value);
    }
    if (bytes[0] + 1 != bytes.size()) return false;
    unsigned sum = 0;
    for (size_t i = 0; i + 1 < bytes.size(); ++i) sum += bytes[i];
    if (((~sum) & 0xFF) != bytes.back()) return false;
  }
  return true;
}

bool IsUpperCaseLine(const std::string& line) {
  for (char c : line) {
    if (c >= 'a' && c <= 'f') return false;
  }
  return true;
}

std::string DataStream(const std::string& text) {
  std::string stream;
  for (const std::string& line : SplitLines(text)) {
    int type = line[1] - '0';
    if (type > 3) continue;
    size_t first = 4 + 2 * static_cast<size_t>(AddressBytes(type));
    for (size_t i = first; i + 2 < line.size(); i += 2) {
      unsigned value = 0;
      sscanf(line.substr(i, 2).c_str(), "%2x", &value);
      stream += static_cast<char>(value);
    }
  }
  return stream;
}

TextSpan DifferingSpan(const std::string& a, const std::string& b) {
  TextSpan span{0, 0};
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
    if (a[i] == b[i]) continue;
    if (span.begin == span.end) span.begin = i;
    span.end = i + 1;
  }
  return span;
}

ReadBytes TextSource(const std::string& text, size_t limit) {
  auto read = std::make_shared<size_t>(0);
  size_t end = std::min(limit, text.size());
  return [text, end, read](uint8_t* into, size_t count) {
    size_t n = std::min(count, end - *read);
    memcpy(into, text.data() + *read, n);
    *read += n;
    return n;
  };
}
