// The yield and capability reports as text: aligned tables, CSV (one section a table, a blank
// line between sections) and one JSON object.
#include <cstdio>
#include <ostream>

#include "units/json_text.h"
#include "units/reports.h"

namespace rb::units {

namespace {

std::string number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", v);
    return text;
}

std::string percent(double ratio) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f%%", ratio * 100);
    return text;
}

const char* groupName(YieldGroup by) {
    switch (by) {
        case YieldGroup::Day:
            return "day";
        case YieldGroup::Plan:
            return "plan";
        case YieldGroup::Station:
            return "station";
        case YieldGroup::All:
            break;
    }
    return "group";
}

std::vector<std::vector<std::string>> failureRows(const std::vector<FailureRow>& rows,
                                                  bool withName) {
    std::vector<std::vector<std::string>> out;
    out.push_back(withName ? std::vector<std::string>{"step", "name", "runs", "units"}
                           : std::vector<std::string>{"step", "runs", "units"});
    for (const auto& f : rows) {
        std::vector<std::string> row = {f.step};
        if (withName) row.push_back(f.name);
        row.push_back(std::to_string(f.runs));
        row.push_back(std::to_string(f.units));
        out.push_back(std::move(row));
    }
    return out;
}

void writeCsvRows(std::ostream& out, const std::vector<std::vector<std::string>>& rows) {
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) out << (c ? "," : "") << csvField(row[c]);
        out << "\r\n";
    }
}

std::string failuresJson(const std::vector<FailureRow>& rows, bool withName) {
    std::string out = "[";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        JsonObject o;
        o.add("step", rows[i].step);
        if (withName) o.add("name", rows[i].name);
        out += (i ? "," : "") + o.add("runs", rows[i].runs).add("units", rows[i].units).str();
    }
    return out + "]";
}

void writeYieldJson(std::ostream& out, const YieldReport& report) {
    std::string groups = "[";
    for (std::size_t i = 0; i < report.groups.size(); ++i) {
        const YieldRow& g = report.groups[i];
        groups += (i ? "," : "") + JsonObject()
                                       .add("key", g.key)
                                       .add("units", g.units)
                                       .add("runs", g.runs)
                                       .add("runs_per_unit", g.runsPerUnit())
                                       .add("first_pass", g.firstPass)
                                       .add("first_pass_yield", g.firstPassYield())
                                       .add("final_pass", g.finalPass)
                                       .add("final_yield", g.finalYield())
                                       .str();
    }
    out << JsonObject()
               .addRaw("groups", groups + "]")
               .addRaw("failing_steps", failuresJson(report.steps, false))
               .addRaw("failing_measurements", failuresJson(report.measurements, true))
               .str()
        << '\n';
}

}  // namespace

void writeYield(std::ostream& out, const YieldReport& report, YieldGroup by, Format format) {
    if (format == Format::Json) return writeYieldJson(out, report);
    const bool table = format == Format::Table;
    std::vector<std::vector<std::string>> rows = {{groupName(by), "units", "runs", "runs_per_unit",
                                                   "first_pass", "first_pass_yield", "final_pass",
                                                   "final_yield"}};
    for (const YieldRow& g : report.groups) {
        rows.push_back({g.key, std::to_string(g.units), std::to_string(g.runs),
                        table ? number(g.runsPerUnit()) : jsonNumber(g.runsPerUnit()),
                        std::to_string(g.firstPass),
                        table ? percent(g.firstPassYield()) : jsonNumber(g.firstPassYield()),
                        std::to_string(g.finalPass),
                        table ? percent(g.finalYield()) : jsonNumber(g.finalYield())});
    }
    const auto sections = {rows, failureRows(report.steps, false),
                           failureRows(report.measurements, true)};
    const char* titles[] = {nullptr, "failing steps", "failing measurements"};
    int i = 0;
    for (const auto& section : sections) {
        if (i) out << (table ? "\n" : "\r\n");
        if (table && titles[i]) out << titles[i] << ":\n";
        if (table)
            writeAligned(out, section);
        else
            writeCsvRows(out, section);
        ++i;
    }
}

void writeStats(std::ostream& out, const MeasurementStats& st, Format format) {
    const bool any = st.n > 0;
    // The table rounds to six digits; csv keeps every digit.
    const auto fmt = [&](double v) { return format == Format::Csv ? jsonNumber(v) : number(v); };
    const auto value = [&](double v) { return any ? fmt(v) : std::string("-"); };
    const auto limit = [&](std::optional<double> v) { return v ? fmt(*v) : std::string("-"); };
    if (format == Format::Json) {
        const auto opt = [&](double v) { return any ? std::optional<double>(v) : std::nullopt; };
        out << JsonObject()
                   .add("name", st.name)
                   .add("n", st.n)
                   .add("mean", opt(st.mean))
                   .add("sd", opt(st.n > 1 ? st.sd : 0.0))
                   .add("min", opt(st.min))
                   .add("max", opt(st.max))
                   .add("low", st.low)
                   .add("high", st.high)
                   .add("unit", st.unit)
                   .add("cpk", st.cpk)
                   .add("no_cpk", st.noCpk)
                   .str()
            << '\n';
        return;
    }
    const std::vector<std::string> keys = {"name", "n",   "mean", "sd",   "min",
                                           "max",  "low", "high", "unit", "cpk"};
    const std::vector<std::string> values = {
        st.name,        std::to_string(st.n),
        value(st.mean), st.n > 1 ? fmt(st.sd) : std::string("-"),
        value(st.min),  value(st.max),
        limit(st.low),  limit(st.high),
        st.unit,        st.cpk ? fmt(*st.cpk) : "none: " + st.noCpk};
    if (format == Format::Csv) {
        std::vector<std::string> header = keys, row = values;
        header.emplace_back("no_cpk");
        row.back() = st.cpk ? fmt(*st.cpk) : "";
        row.push_back(st.noCpk);
        writeCsvRows(out, {header, row});
        return;
    }
    std::vector<std::vector<std::string>> rows;
    for (std::size_t i = 0; i < keys.size(); ++i) rows.push_back({keys[i], values[i]});
    writeAligned(out, rows);
}

}  // namespace rb::units
