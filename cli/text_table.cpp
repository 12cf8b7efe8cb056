#include "cli/text_table.h"

#include <algorithm>

#include "cli/display_width.h"

namespace quorvel::cli {

std::string alignedTable(const std::vector<std::vector<std::string>>& rows, Align align) {
    std::vector<std::size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], displayWidth(row[i]));
    }
    std::string text;
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            const std::size_t padding = widths[i] - displayWidth(row[i]);
            if (i > 0) text.append(2, ' ');
            if (i == 0 || align == Align::Left) {
                text += row[i];
                if (i + 1 < row.size()) text.append(padding, ' ');
            } else {
                text.append(padding, ' ');
                text += row[i];
            }
        }
        text += '\n';
    }
    return text;
}

}  // namespace quorvel::cli
