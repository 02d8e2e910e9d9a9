#include "units/readable.h"

#include <cstdio>
#include <cstdlib>
#include <map>

#include "units/exporters.h"
#include "units/json_text.h"

namespace rb::units {

namespace {

// The failure record's request code as the page's step.
std::string stepOfRequest(const std::string& request) {
    static const std::map<std::string, std::string> steps = {
        {"0x10", "切换"},         {"0x91", "更改基本参数"}, {"0x93", "读取基本参数"},
        {"0x95", "读取监测参数"}, {"0x97", "电台发射"},     {"0x99", "读取机型"},
        {"0x9B", "改写频段"},     {"0x9D", "读取频段"},     {"0x9F", "初始化机型"},
        {"0xA0", "场强档位"},     {"0xA2", "数传测试"},
    };
    const auto it = steps.find(request);
    return it == steps.end() ? "请求 " + request : it->second;
}

std::string percentText(double ratio) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f%%", ratio * 100);
    return text;
}

std::string joined(const std::vector<std::string>& parts) {
    std::string out;
    for (const auto& p : parts) {
        if (p.empty()) continue;
        out += (out.empty() ? "" : "  ") + p;
    }
    return out;
}

std::string actionText(const std::string& action) {
    return action == "read" ? "读取" : action == "written" ? "写入" : action;
}

std::string bandText(const JsonFields& v) {
    std::vector<std::string> parts = {actionText(v.text("action"))};
    if (v.has("step")) parts.push_back("步进 " + v.raw("step"));
    int row = 0;
    for (const auto& pair : v.arrays("pairs")) {
        ++row;
        std::string cell = std::to_string(row) + ": ";
        for (std::size_t i = 0; i < pair.size(); ++i) cell += (i ? "/" : "") + pair[i];
        parts.push_back(cell);
    }
    return joined(parts);
}

// A time-out in a sweep: the row after the last one the sweep took.
std::string failureText(const JsonFields& v, const UnitRecord* before) {
    if (!v.has("request")) return "";
    const std::string request = v.text("request");
    if (before && before->kind == "calibration" &&
        (request == "0x10" || request == "0x93" || request == "0x91")) {
        const JsonFields prev(before->values);
        const bool read = prev.text("action") == "read";
        const int row = int(prev.number("row").value_or(0)) + 1;
        if (row >= 2 && row <= 5 && (read == (request != "0x91")))
            return std::string(read ? "全部读取" : "全部改写") + ": 第" + std::to_string(row) +
                   "行无应答";
    }
    return stepOfRequest(request) + ": 无应答";
}

std::string fieldsText(const std::string& kind, const JsonFields& v, const UnitRecord* before) {
    if (kind == "calibration") {
        std::string values;
        for (const auto& n : v.list("values")) values += (values.empty() ? "" : " ") + n;
        return joined({actionText(v.text("action")), "第" + v.raw("row") + "行",
                       v.text("power") == "high" ? "高功率" : "低功率", values});
    }
    if (kind == "band_table") return bandText(v);
    if (kind == "machine_code")
        return joined({actionText(v.text("action")), "机器码 " + v.text("machine_code"),
                       v.text("type"), v.has("version") ? "版本 " + v.text("version") : ""});
    if (kind == "monitor")
        return joined({"场强电压 " + v.raw("voltage"), "电源电量 " + v.raw("supply"),
                       "质量 " + v.raw("quality") + " (" + v.text("grade") + ")"});
    if (kind == "transmitter" || kind == "model")
        return joined({v.text("transmit") == "on" ? "发射打开" : "发射关闭", v.text("model")});
    if (kind == "field_strength")
        return joined({v.text("name"), v.has("dbm") ? v.raw("dbm") + " dBm" : ""});
    if (kind == "data_test") {
        const auto rate = v.number("rate"), average = v.number("average");
        return joined({"模式 " + v.raw("mode"), v.has("quality") ? "质量 " + v.raw("quality") : "",
                       v.has("length") ? "长度 " + v.raw("length") + " 字节" : "",
                       v.text("echo") == "false" ? "无回波" : "",
                       rate ? "误码率 " + percentText(*rate) : "",
                       average ? "平均误码率 " + percentText(*average) : ""});
    }
    if (kind == "failure") return failureText(v, before);
    std::vector<std::string> parts;  // a kind this program does not know: every field
    for (const auto& key : v.keys()) parts.push_back(key + " " + v.text(key));
    return joined(parts);
}

}  // namespace

std::string codeText(const std::string& machineCode) {
    return machineCode == kUnknownCode ? "未知" : machineCode;
}

std::string valuesText(const UnitRecord& record, const UnitRecord* before) {
    const JsonFields fields(record.values);
    if (!fields.ok()) return record.values;  // not JSON: as it is
    return fieldsText(record.kind, fields, before);
}

std::string outcomeText(const UnitRecord& record) {
    if (record.outcome == "ok") return "成功";
    if (record.kind == "failure" && record.outcome == "操作失败") return "失败: 无应答";
    if (record.outcome == "failed") {
        const JsonFields v(record.values);
        return v.text("echo") == "false" ? "失败: 无回波" : "失败";
    }
    return "失败: " + record.outcome;
}

std::vector<int> predecessors(const std::vector<UnitRecord>& records, bool newestFirst) {
    std::vector<int> out(records.size(), -1);
    std::map<std::string, int> last;
    const int n = int(records.size());
    for (int k = 0; k < n; ++k) {
        const int i = newestFirst ? n - 1 - k : k;
        const auto& code = records[std::size_t(i)].machineCode;
        if (const auto it = last.find(code); it != last.end()) out[std::size_t(i)] = it->second;
        last[code] = i;
    }
    return out;
}

}  // namespace rb::units
