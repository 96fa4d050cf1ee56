// Tests of the configuration logic start from a fresh configuration of their
// own, and reach its records and registers by the names the logic uses.
#ifndef QLC_TESTS_CFG_RECORD_CONFIGURATION_FIXTURE_H
#define QLC_TESTS_CFG_RECORD_CONFIGURATION_FIXTURE_H

#include <gtest/gtest.h>

#include "cfg/record/configuration.h"

class ConfigurationTest : public ::testing::Test {
 protected:
  Configuration config;
  HAL_STRUCT& WorkingRecord = config.WorkingRecord;
  HAL_STRUCT& LoadedRecord = config.LoadedRecord;

  unsigned GetRegister(unsigned index) const { return config.GetRegister(index); }
  void SetRegister(unsigned index, unsigned value) { config.SetRegister(index, value); }
  void SetLoadedRegister(unsigned index, unsigned value) { config.SetLoadedRegister(index, value); }
  void ResetRecords() { config.ResetRecords(); }
  void UseLoadedRecord() { config.UseLoadedRecord(); }
};

#endif
