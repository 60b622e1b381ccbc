#include "core/output/clipboard_text.h"

#include "core/text/text_file.h"

namespace dorvik {

namespace {

constexpr std::size_t kPaddedLabelLength = 31;

std::string Converted(std::string_view bytes, CellBytes cells) {
    return cells == CellBytes::Utf8 ? DecodeForDisplay(bytes) : std::string(bytes);
}

void AppendGrid(std::string& text, const TextTable& grid, std::string_view lineEnd, CellBytes cells) {
    const bool hasRow = grid.HasCurrentRow();
    for (int col = 1; col <= grid.ColCount(); ++col) {
        // Padding counts the stored bytes: one per character in the data files' code page.
        std::string label = ClipboardLabel(grid.Heading(col));
        text += Converted(label, cells);
        if (hasRow)
            text += Converted(grid.Cell(col, grid.CurrentRow), cells);
        text += lineEnd;
    }
}

} // namespace

std::string ClipboardLabel(std::string_view heading) {
    std::string label(heading);
    label += ':';
    if (label.size() < kPaddedLabelLength)
        label.append(kPaddedLabelLength - label.size(), ' ');
    return label;
}

std::string BuildClipboardText(const TextTable& specs, const TextTable& connectors1,
                               const TextTable& connectors2, std::string_view lineEnd, CellBytes cells) {
    std::string text;
    text += "Transmission Line:";
    text += lineEnd;
    text += lineEnd;
    AppendGrid(text, specs, lineEnd, cells);
    text += lineEnd;
    text += "Connector 1:";
    text += lineEnd;
    text += lineEnd;
    AppendGrid(text, connectors1, lineEnd, cells);
    text += lineEnd;
    text += "Connector 2:";
    text += lineEnd;
    text += lineEnd;
    AppendGrid(text, connectors2, lineEnd, cells);
    return text;
}

} // namespace dorvik
