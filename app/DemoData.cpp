#include "app/DemoData.h"

#include <cmath>
#include <iomanip>
#include <limits>
#include <locale>
#include <sstream>

namespace dulm {

void DemoData::Parameter(std::string name, std::string value) {
    m_parameters.emplace_back(std::move(name), std::move(value));
}

void DemoData::Table(std::vector<std::string> header) { m_tables.push_back({std::move(header), {}}); }

void DemoData::Row(std::vector<std::string> cells) {
    if (m_tables.empty()) Table({});
    m_tables.back().rows.push_back(std::move(cells));
}

std::string CsvField(const std::string& text) {
    const bool quote = text.find_first_of(",\"\r\n") != std::string::npos ||
                       (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quote) return text;
    std::string field = "\"";
    for (char c : text) {
        if (c == '"') field += '"';
        field += c;
    }
    return field + '"';
}

namespace {

void Line(std::string& out, const std::vector<std::string>& cells) {
    for (size_t i = 0; i < cells.size(); ++i) out += (i ? "," : "") + CsvField(cells[i]);
    out += "\r\n";
}

// The fewest significant digits that read back as the same value, always with '.' whatever the
// program's locale (std::to_chars would do it, but not every standard library has it for floats).
template <class T>
std::string Shortest(T v) {
    if (!std::isfinite(v)) return std::isnan(v) ? "NaN" : (v > 0 ? "Infinity" : "-Infinity");
    if (v == std::trunc(v) && std::fabs(v) < T(1e15)) return std::to_string(static_cast<long long>(v));  // not "4e+02"
    std::string text;
    for (int digits = 1; digits <= std::numeric_limits<T>::max_digits10; ++digits) {
        std::ostringstream out;
        out.imbue(std::locale::classic());
        out << std::setprecision(digits) << v;
        text = out.str();
        std::istringstream in(text);
        in.imbue(std::locale::classic());
        T back{};
        if (in >> back && back == v) break;
    }
    return text;
}

}  // namespace

std::string DemoData::Number(double v) { return Shortest(v); }
std::string DemoData::Number(float v) { return Shortest(v); }

std::string DemoData::Csv() const {
    std::string out;
    Line(out, {"Parameter", "Value"});
    for (const auto& [name, value] : m_parameters) Line(out, {name, value});
    for (const Table_& table : m_tables) {
        out += "\r\n";
        Line(out, table.header);
        for (const auto& row : table.rows) Line(out, row);
    }
    return out;
}

}  // namespace dulm
