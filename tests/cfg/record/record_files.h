// Builders for the files the configurable-file tests read: record images in
// either byte order and S-record text with correct checksums.
#ifndef QLC_TESTS_CFG_RECORD_RECORD_FILES_H
#define QLC_TESTS_CFG_RECORD_RECORD_FILES_H

#include <stdint.h>

#include <string>
#include <vector>

#include "cfg/record/byte_window.h"
#include "cfg/record/srecord.h"
#include "common/hal_struct.h"

// The default record with a distinct value in every wide field, so that a
// byte-order or field-order mistake shows.
HAL_STRUCT SampleRecord();

// The 488 bytes of record as a program of that byte order holds them.
std::string RecordImage(const HAL_STRUCT& record, bool bigEndian);

struct SRecordLayout {
  int type = 1;  // 1, 2 or 3: the data records' type
  size_t bytesPerLine = 16;
  uint32_t address = 0;
  bool lowerCase = false;
  std::string lineEnd = "\r\n";
  bool header = true;  // an S0 line first (its data counts in the stream)
};

// One S-record line of the given type holding data behind address.
std::string SRecordLine(int type, uint32_t address, const std::string& data, bool lowerCase);

// S0 header, data records over data, then the matching end record.
std::string MakeSRecordText(const std::string& data, const SRecordLayout& layout = {});

// Every line is "S" + type + count + address + data + checksum with a count
// that matches the line and a correct checksum.
bool AllChecksumsCorrect(const std::string& text);

// The data bytes of all S0-S3 lines in file order (the text is assumed sound).
std::string DataStream(const std::string& text);

// Lines of text, without their line ends.
std::vector<std::string> SplitLines(const std::string& text);

// The characters from the first to the last at which two texts differ;
// empty when they do not.
TextSpan DifferingSpan(const std::string& a, const std::string& b);

// Whether the bytes of an S-record line are all upper-case hexadecimal.
bool IsUpperCaseLine(const std::string& line);

// Hands out the bytes of text front to back, as a file would, but no more
// than limit bytes in all: the reads after that come back short.
ReadBytes TextSource(const std::string& text, size_t limit = SIZE_MAX);

#endif
