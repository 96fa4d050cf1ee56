#include "cfg/record/save_target.h"

#include <algorithm>

#include "cfg/record/file_copy.h"
#include "cfg/record/file_io.h"
#include "cfg/record/file_messages.h"
#include "cfg/record/record.h"
#include "cfg/record/save_io.h"
#include "common/message.h"

bool PrepareSaveTarget(const char* source, const char** target) {
  if (!*target || !**target) {
    *target = source;
    return true;
  }
  if (CopyFileOver(source, *target)) return true;
  ShowMessage(kMsgOk | kMsgIconError, MSG_COPY_FAILED, *target);
  return false;
}

HAL_STRUCT RecordToSave(const Configuration& config, bool preserveAddresses) {
  HAL_STRUCT values = config.WorkingRecord;
  if (preserveAddresses) {
    values.RegAddr = config.LoadedRecord.RegAddr;
    values.DispMemAddr = config.LoadedRecord.DispMemAddr;
  }
  return values;
}

namespace {

// Patches go out in one write together with the file's own bytes between
// them, as long as those bytes add up to no more than this: a record's lines
// lie a few characters apart, and one write of them all is cheaper than a
// write each. Beyond it every further patch gets a write of its own, so that
// the bytes held stay bounded whatever lies between the patches.
const uint64_t kGatheredGapBudget = 256 * 1024;

// One write: the span it covers, the bytes the file holds there now (to undo
// it) and the bytes it puts there.
struct SpanWrite {
  uint64_t offset;
  size_t length;
  std::vector<uint8_t> before;
  std::vector<uint8_t> after;
};

std::vector<SpanWrite> GatherSpans(const std::vector<FilePatch>& patches) {
  std::vector<SpanWrite> spans;
  uint64_t gapsGathered = 0;
  for (const FilePatch& patch : patches) {
    if (patch.bytes.empty()) continue;
    if (!spans.empty()) {
      SpanWrite& last = spans.back();
      uint64_t lastEnd = last.offset + last.length;
      if (patch.offset >= lastEnd && patch.offset - lastEnd <= kGatheredGapBudget - gapsGathered) {
        gapsGathered += patch.offset - lastEnd;
        last.length = static_cast<size_t>(patch.offset + patch.bytes.size() - last.offset);
        continue;
      }
    }
    spans.push_back(SpanWrite{patch.offset, patch.bytes.size(), {}, {}});
  }
  return spans;
}

// Reads what each span holds now and lays the patches over a copy of it.
// Fails when a span does not lie wholly inside the file, as when the file was
// shortened after it was read; nothing has been written then.
bool PrepareSpans(FileHandle file, const std::vector<FilePatch>& patches,
                  std::vector<SpanWrite>* spans) {
  auto patch = patches.begin();
  for (SpanWrite& span : *spans) {
    span.before.resize(span.length);
    if (!SeekFileTo(file, span.offset) ||
        ReadFromFile(file, span.before.data(), span.length) != span.length)
      return false;
    span.after = span.before;
    for (; patch != patches.end() && patch->offset < span.offset + span.length; ++patch) {
      std::copy(patch->bytes.begin(), patch->bytes.end(),
                span.after.begin() + static_cast<ptrdiff_t>(patch->offset - span.offset));
    }
  }
  return true;
}

// Puts back the first length bytes of a span after a write that stopped part
// way; false when the file refuses that too.
bool PutBack(FileHandle file, const SpanWrite& span, size_t length) {
  return SeekFileTo(file, span.offset) && WriteToFile(file, span.before.data(), length) == length &&
         FlushFileToDisk(file);
}

// Undoes the writes before span failed and the put bytes of that one, as far
// as the file lets it: the target must never stay half old and half new.
void UndoWrites(FileHandle file, const std::vector<SpanWrite>& spans, size_t failed, size_t put) {
  if (put > 0) PutBack(file, spans[failed], put);
  for (size_t k = 0; k < failed; ++k) PutBack(file, spans[k], spans[k].length);
}

}  // namespace

bool WriteIntoTarget(const char* target, const std::vector<FilePatch>& patches) {
  FileHandle file;
  if (!OpenExistingFileForWriting(target, &file)) {
    ShowMessage(kMsgOk | kMsgIconError, MSG_OPEN_FAILED, target);
    return false;
  }
  std::vector<SpanWrite> spans = GatherSpans(patches);
  if (!PrepareSpans(file, patches, &spans)) {
    ShowMessage(kMsgOk | kMsgIconError, MSG_SET_POINTER_FAILED, target);
    CloseFileHandle(file);
    return false;
  }
  size_t total = 0;
  for (const SpanWrite& span : spans) total += span.length;
  // One write a span, then the disk: only a save that has reached the disk
  // counts as written.
  size_t written = 0;
  bool ok = true;
  for (size_t k = 0; k < spans.size() && ok; ++k) {
    const SpanWrite& span = spans[k];
    size_t put =
        SeekFileTo(file, span.offset) ? WriteToFile(file, span.after.data(), span.length) : 0;
    written += put;
    if (put < span.length) {
      UndoWrites(file, spans, k, put);
      ok = false;
    }
  }
  if (ok && !FlushFileToDisk(file)) {
    ok = false;
    written = 0;  // the system gave no assurance that any byte reached the disk
  }
  if (!ok) {
    ShowMessage(kMsgOk | kMsgIconError, MSG_SHORT_WRITE, static_cast<long long>(written),
                static_cast<long long>(total));
  }
  CloseFileHandle(file);
  return ok;
}

bool WriteIntoTarget(const char* target, uint64_t offset, const void* bytes, size_t length) {
  const uint8_t* first = static_cast<const uint8_t*>(bytes);
  return WriteIntoTarget(target, {FilePatch{offset, std::vector<uint8_t>(first, first + length)}});
}
