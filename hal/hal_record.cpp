#include "hal/hal_record.h"

namespace {

HAL_STRUCT* gRecord = nullptr;

}  // namespace

HAL_STRUCT* hxRecord() {
  return gRecord;
}

void hxUseRecord(HAL_STRUCT* record) {
  gRecord = record;
}
