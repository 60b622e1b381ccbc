#pragma once
// A text data pipeline: the records of a delimited text file, read by a field list. The file is read whole
// when the pipeline opens and released when it closes.
#include <QChar>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <vector>

namespace dorvik::report {

struct PipelineField {
    QString name;
    int position = 0; // from 0: the text after the position-th delimiter
    int length = 0;   // the declared length; values are never cut to it
};

class TextPipeline {
public:
    TextPipeline(QChar delimiter, std::vector<PipelineField> fields);

    void SetFileName(std::filesystem::path file);
    const std::filesystem::path& FileName() const { return file_; }
    // Reads the file; throws FileError naming it when it cannot be read. The bytes are decoded for display
    // (UTF-8 when valid, else the 8-bit code page of the data files).
    void Open();
    void Close() noexcept;
    bool IsOpen() const { return open_; }

    const std::vector<PipelineField>& Fields() const { return fields_; }
    int RecordCount() const { return static_cast<int>(records_.size()); }
    // The value of a named field of record (from 0); empty where the record has no such field. Throws
    // std::invalid_argument for a name the field list does not have.
    QString Value(int record, const QString& field) const;

private:
    QChar delimiter_;
    std::vector<PipelineField> fields_;
    std::filesystem::path file_;
    std::vector<QStringList> records_;
    bool open_ = false;
};

} // namespace dorvik::report
