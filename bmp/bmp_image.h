// Reading the headers and colour table of a Windows bitmap file.
#ifndef QLC_BMP_BMP_IMAGE_H
#define QLC_BMP_BMP_IMAGE_H

#include <stddef.h>
#include <stdint.h>

enum BmpStatus {
  kBmpOk = 0,
  kBmpCannotOpen = 1,  // the file could not be opened
  kBmpNotBitmap = 2,   // no "BM" signature, or headers and pixel data that cannot be shown
};

enum BmpEncoding {
  kBmpPlain = 0,  // rows of pixels as stored
  kBmpRle8 = 1,
  kBmpRle4 = 2,
  kBmpBitFields = 3,  // 16-bit pixels laid out by three colour masks
};

enum { kBmpFileHeaderSize = 14, kBmpMaxColours = 256 };

// One colour table: 256 entries of red, green, blue.
typedef uint8_t BmpColourTable[kBmpMaxColours][3];

struct BmpInfo {
  int32_t width = 0;
  int32_t height = 0;  // always positive; topDown says which way the rows run
  bool topDown = false;
  int depth = 0;  // bits per pixel as stored: 1, 2, 4, 8, 16 or 24
  uint32_t compression = 0;
  BmpEncoding encoding = kBmpPlain;
  uint32_t pixelOffset = 0;  // where the pixel data starts in the file
  uint32_t pixelBytes = 0;   // plain data: row length x height; run-length data: bytes in the file
  uint32_t masks[3] = {0, 0, 0};  // red, green, blue for kBmpBitFields
  int colourCount = 0;            // entries the file's colour table holds
  BmpColourTable colours = {};    // entries past colourCount stay black
};

// Bytes of one stored row, padded to a whole number of 32-bit words.
uint32_t BmpRowLength(uint32_t width, int depth);

// The depth the chip draws a file of this depth with: 24 is drawn as 16.
inline int BmpDrawingDepth(int depth) {
  return depth == 24 ? 16 : depth;
}

// Number of the headers' bytes ParseBmpHeaders wants to see at most.
enum { kBmpHeadBytes = kBmpFileHeaderSize + 124 + 12 + kBmpMaxColours * 4 };

// Decodes the file header, the information header (any of the sizes from
// 40 bytes up), the bit-field masks and the colour table from the first
// headSize bytes of a file of fileSize bytes, and checks that the picture can
// be shown: signature, sizes, depth, compression, and that the pixel data is
// all there (run-length data: that it could reach across the picture).
// Returns kBmpOk or kBmpNotBitmap. For a whole file held in memory, head and
// headSize are the file and fileSize is headSize.
BmpStatus ParseBmpHeaders(const uint8_t* head, size_t headSize, uint64_t fileSize, BmpInfo* info);

// Opens a file and reads its headers and colour table.
BmpStatus ReadBmpInfo(const char* path, BmpInfo* info);

#endif
