// Aligning table columns.
#include "text_table.h"

#include <algorithm>
#include <utility>

namespace fendwick {

TextTable::TextTable(std::vector<std::string> headers, std::vector<Align> alignment)
    : headers_(std::move(headers)), alignment_(std::move(alignment))
{
    alignment_.resize(headers_.size(), Align::left);
}

void TextTable::addRow(std::vector<std::string> cells)
{
    cells.resize(headers_.size());
    rows_.push_back(std::move(cells));
}

std::string TextTable::text(const std::string& indent) const
{
    std::vector<size_t> widths;
    for (const std::string& header : headers_) {
        widths.push_back(header.size());
    }
    for (const auto& row : rows_) {
        for (size_t c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], row[c].size());
        }
    }
    const auto line = [&](const std::vector<std::string>& cells) {
        std::string out = indent;
        for (size_t c = 0; c < cells.size(); ++c) {
            const std::string padding(widths[c] - cells[c].size(), ' ');
            const bool last = c + 1 == cells.size();
            if (alignment_[c] == Align::right) {
                out += padding + cells[c];
            } else {
                out += cells[c] + (last ? std::string() : padding);
            }
            out += last ? "" : "  ";
        }
        return out + "\n";
    };
    std::string out = line(headers_);
    for (const auto& row : rows_) {
        out += line(row);
    }
    return out;
}

}  // namespace fendwick
