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

// Reads path once to fill the page cache, then again, and times step over
// the bytes read. Prints the time of read and step as totalName and of the
// step alone as stepName; false when the file is not read or step fails.
template <typename Step>
bool TimeFileStep(const char* path, const char* totalName, const char* stepName, Step step) {
  FileBuffer warm;
  if (!ReadWholeFile(path, &warm)) return false;
  warm.data.reset();

  Clock::time_point start = Clock::now();
  FileBuffer file;
  if (!ReadWholeFile(path, &file)) return false;
  Clock::time_point stepStart = Clock::now();
  bool ok = step(file);
  double stepSeconds = SecondsSince(stepStart);
  double total = SecondsSince(start);
  if (!ok) return false;
  Print(totalName, total, file.length);
  Print(stepName, stepSeconds, file.length);
  return true;
}

int BenchBinary(const char* path) {
  RecordLocation found;
  bool ok = TimeFileStep(path, "binary_read_and_search", "binary_search_only",
                         [&](const FileBuffer& file) {
                           if (FindBinaryRecord(file.data.get(), file.length, &found)) return true;
                           fprintf(stderr, "no record in %s\n", path);
                           return false;
                         });
  if (!ok) return 1;
  printf("record_offset %zu\n", found.offset);
  return 0;
}

int BenchSRecord(const char* path) {
  HAL_STRUCT record;
  bool ok = TimeFileStep(path, "srecord_read_and_decode", "srecord_decode_only",
                         [&](const FileBuffer& file) {
                           if (ReadSRecordHal(file.data.get(), file.length, &record)) return true;
                           fprintf(stderr, "no record read from %s\n", path);
                           return false;
                         });
  return ok ? 0 : 1;
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
