#include "report/text_pipeline.h"

#include "core/text/text_file.h"

#include <stdexcept>

namespace dorvik::report {

TextPipeline::TextPipeline(QChar delimiter, std::vector<PipelineField> fields)
    : delimiter_(delimiter), fields_(std::move(fields)) {}

void TextPipeline::SetFileName(std::filesystem::path file) {
    Close();
    file_ = std::move(file);
}

void TextPipeline::Open() {
    Close();
    std::vector<QStringList> records;
    for (const std::string& line : ReadTextLines(file_)) {
        const QString text = QString::fromStdString(DecodeForDisplay(line));
        records.push_back(text.split(delimiter_));
    }
    records_ = std::move(records);
    open_ = true;
}

void TextPipeline::Close() noexcept {
    records_.clear();
    open_ = false;
}

QString TextPipeline::Value(int record, const QString& field) const {
    for (const PipelineField& candidate : fields_) {
        if (candidate.name != field)
            continue;
        const auto& values = records_.at(static_cast<std::size_t>(record));
        const auto position = static_cast<std::size_t>(candidate.position);
        return position < static_cast<std::size_t>(values.size()) ? values[static_cast<qsizetype>(position)]
                                                                  : QString();
    }
    throw std::invalid_argument("the pipeline has no field '" + field.toStdString() + "'");
}

} // namespace dorvik::report
