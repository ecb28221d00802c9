// Columns of text aligned for a terminal.
#pragma once

#include <string>
#include <vector>

namespace fendwick {

// A header row and data rows; numeric columns are right-aligned, the others
// left-aligned. Columns are separated by two spaces, each row ends its line.
class TextTable {
public:
    enum class Align { left, right };

    TextTable(std::vector<std::string> headers, std::vector<Align> alignment);
    void addRow(std::vector<std::string> cells);
    std::string text(const std::string& indent = {}) const;

private:
    std::vector<std::string> headers_;
    std::vector<Align> alignment_;
    std::vector<std::vector<std::string>> rows_;
};

}  // namespace fendwick
