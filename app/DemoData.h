// What a demonstration window gives a spreadsheet: its parameters, then tables of its data, written
// as CSV (UTF-8, a header row to each block, '.' as the decimal point, blocks separated by an empty
// line).
#pragma once

#include <string>
#include <vector>

namespace dulm {

class DemoData {
public:
    // A row of the first block, "Parameter,Value".
    void Parameter(std::string name, std::string value);
    // A table of its own block; rows follow with Row().
    void Table(std::vector<std::string> header);
    void Row(std::vector<std::string> cells);
    bool HasTables() const { return !m_tables.empty(); }

    std::string Csv() const;

    // Numbers as a spreadsheet reads them: the shortest text that gives the same value back.
    static std::string Number(double v);
    static std::string Number(float v);
    static std::string Number(long v) { return std::to_string(v); }
    static std::string Number(int v) { return std::to_string(v); }

private:
    struct Table_ {
        std::vector<std::string> header;
        std::vector<std::vector<std::string>> rows;
    };
    std::vector<std::pair<std::string, std::string>> m_parameters;
    std::vector<Table_> m_tables;
};

// One CSV field: quoted when it holds a comma, a quote, a line break or an edge space, quotes doubled.
std::string CsvField(const std::string& text);

}  // namespace dulm
