// Throughput of the record search in binary images and of the S-record
// reader, for scripts/bench.sh to set beside other tools.
//
//   qlc_file_bench record           writes the default record to stdout
//   qlc_file_bench binary FILE      reads FILE and finds its record
//   qlc_file_bench srecord FILE     reads FILE as S-record text
//
// Each measurement prints "<name> <seconds> <MB/s>" (MB = 10^6 bytes).
#include <stdio.h>
#include <string.h>

#include <chrono>

#include "../cfg/record/binary_record.h"
#include "../cfg/record/record.h"
#include "../cfg/record/srecord.h"
#include "../cfg/record/whole_file.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

void Print(const char* name, double seconds, size_t bytes) {
  printf("%s %.6f %.1f\n", name, seconds, seconds > 0 ? bytes / seconds / 1e6 : 0.0);
}

int BenchBinary(const char* path) {
  FileBuffer warm;
  if (!ReadWholeFile(path, &warm)) return 1;  // fills the page cache
  warm.data.reset();

  Clock::time_point start = Clock::now();
  FileBuffer file;
  if (!ReadWholeFile(path, &file)) return 1;
  Clock::time_point searchStart = Clock::now();
  RecordLocation found;
  bool ok = FindBinaryRecord(file.data.get(), file.length, &found);
  double search = SecondsSince(searchStart);
  double total = SecondsSince(start);
  if (!ok) {
    fprintf(stderr, "no record in %s\n", path);
    return 1;
  }
  printf("record_offset %zu\n", found.offset);
  Print("binary_read_and_search", total, file.length);
  Print("binary_search_only", search, file.length);
  return 0;
}

int BenchSRecord(const char* path) {
  FileBuffer warm;
  if (!ReadWholeFile(path, &warm)) return 1;
  warm.data.reset();

  Clock::time_point start = Clock::now();
  FileBuffer file;
  if (!ReadWholeFile(path, &file)) return 1;
  Clock::time_point readStart = Clock::now();
  HAL_STRUCT record;
  bool ok = ReadSRecordHal(file.data.get(), file.length, &record);
  double decode = SecondsSince(readStart);
  double total = SecondsSince(start);
  if (!ok) {
    fprintf(stderr, "no record read from %s\n", path);
    return 1;
  }
  Print("srecord_read_and_decode", total, file.length);
  Print("srecord_decode_only", decode, file.length);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && strcmp(argv[1], "record") == 0) {
    return fwrite(&kDefaultHalStruct, sizeof kDefaultHalStruct, 1, stdout) == 1 ? 0 : 1;
  }
  if (argc == 3 && strcmp(argv[1], "binary") == 0) return BenchBinary(argv[2]);
  if (argc == 3 && strcmp(argv[1], "srecord") == 0) return BenchSRecord(argv[2]);
  fprintf(stderr, "usage: %s record | binary FILE | srecord FILE\n", argv[0]);
  return 2;
}
