// The records as a technician reads them: the kind in Chinese, the values as named fields rather
// than JSON, the outcome in one vocabulary ("成功", "失败: <message>"), and a failure named by
// the step it happened in ("全部读取: 第3行无应答"). What is stored stays as it is.
#pragma once

#include <string>
#include <vector>

#include "units/unit_store.h"

namespace rb::units {

// "未知" for the unknown code, else the code itself.
std::string codeText(const std::string& machineCode);

// The fields of a record's values ("第1行  低功率  120 121 …"); `before` is the record of the
// same unit just before it (or null): a failure takes its row from there.
std::string valuesText(const UnitRecord& record, const UnitRecord* before);

// "成功", "失败: 无应答", "失败: 发射频率设置不正确!".
std::string outcomeText(const UnitRecord& record);

// The record of the same unit just before each one, for `records` in time order (oldest
// first, or newest first): index i gets the index of its predecessor, or -1.
std::vector<int> predecessors(const std::vector<UnitRecord>& records, bool newestFirst);

}  // namespace rb::units
