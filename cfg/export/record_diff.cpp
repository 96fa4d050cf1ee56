#include "cfg/export/record_diff.h"

#include <map>
#include <set>

#include "cfg/export/panel_summary.h"

namespace {

// The registers as the chip ends up with them: index to the value's low
// byte, the last entry of an index counting.
std::map<unsigned, uint32_t> ListedValues(const HAL_STRUCT& record) {
  std::map<unsigned, uint32_t> values;
  for (const REG_CFG& entry : record.Regs) {
    if (entry.Index == FINISHED_REG_CFG) break;
    values[entry.Index] = entry.Value & 0xFFu;
  }
  return values;
}

void CompareRegisters(const HAL_STRUCT& a, const HAL_STRUCT& b,
                      std::vector<RecordDifference>* differences) {
  std::map<unsigned, uint32_t> inA = ListedValues(a), inB = ListedValues(b);
  std::set<unsigned> indexes;
  for (const auto& entry : inA) indexes.insert(entry.first);
  for (const auto& entry : inB) indexes.insert(entry.first);
  for (unsigned index : indexes) {
    auto foundA = inA.find(index), foundB = inB.find(index);
    RecordDifference d;
    d.kind = DifferenceKind::kRegister;
    d.index = index;
    d.inA = foundA != inA.end();
    d.inB = foundB != inB.end();
    d.a = d.inA ? foundA->second : 0;
    d.b = d.inB ? foundB->second : 0;
    if (d.inA != d.inB || d.a != d.b) differences->push_back(d);
  }
}

}  // namespace

std::vector<RecordDifference> CompareConfigurations(const Configuration& a,
                                                    const Configuration& b) {
  const HAL_STRUCT& ra = a.WorkingRecord;
  const HAL_STRUCT& rb = b.WorkingRecord;
  std::vector<RecordDifference> differences;
  if (ra.Flags != rb.Flags) {
    RecordDifference d;
    d.kind = DifferenceKind::kFlags;
    d.a = ra.Flags;
    d.b = rb.Flags;
    differences.push_back(d);
  }
  for (const FieldInfo& field : kFieldInfos) {
    if (field.value(ra) == field.value(rb)) continue;
    RecordDifference d;
    d.field = &field;
    d.a = field.value(ra);
    d.b = field.value(rb);
    differences.push_back(d);
  }
  for (unsigned i = 0; i < sizeof ra.GcpData; ++i) {
    if (ra.GcpData[i] == rb.GcpData[i]) continue;
    RecordDifference d;
    d.kind = DifferenceKind::kGcpData;
    d.index = i;
    d.a = ra.GcpData[i];
    d.b = rb.GcpData[i];
    differences.push_back(d);
  }
  CompareRegisters(ra, rb, &differences);
  std::string panelA = PanelSummary(a), panelB = PanelSummary(b);
  if (panelA != panelB) {
    RecordDifference d;
    d.kind = DifferenceKind::kPanel;
    d.panelA = panelA;
    d.panelB = panelB;
    differences.push_back(d);
  }
  return differences;
}
