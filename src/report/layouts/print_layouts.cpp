#include "report/layouts/print_layouts.h"

#include "core/output/report_layout.h"
#include "report/logo.h"

using namespace Qt::StringLiterals;

namespace dorvik::report {

namespace {

constexpr double kWidth = 576; // Letter width less both margins, in points
const QColor kNavy(0, 0, 128);
const QColor kBlue(0, 0, 255);
const QString kTitle = QString::fromUtf8(kReportTitle);

std::vector<PipelineField> Fields(const std::vector<QString>& names) {
    // Declared lengths of the positions: part numbers 15, descriptions 150, the rest 10.
    static const int lengths[] = {15, 10, 150, 10, 10,  10, 10, 10, 10,  10, 10, 10,
                                  10, 10, 10,  15, 150, 10, 10, 15, 150, 10, 15};
    std::vector<PipelineField> fields;
    for (std::size_t i = 0; i < names.size(); ++i)
        fields.push_back({names[i], static_cast<int>(i), lengths[i]});
    return fields;
}

TextStyle Style(double points, bool bold, QColor color = Qt::black,
                Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter, bool wrap = false) {
    return {points, bold, color, alignment, wrap};
}

// The logo at the left and the title beside it: the list report's title band, the data sheet's page header.
Band LogoAndTitle() {
    Band band;
    band.height = 50;
    band.elements.push_back(Picture{{0, 4, 108, 36}, MakerLogo(216, 72)});
    band.elements.push_back(Label{{118, 0, kWidth - 118, 44}, kTitle, Style(20, true)});
    return band;
}

// Printing time at the left, page number with page count at the right.
Band Footer() {
    Band band;
    band.height = 20;
    band.elements.push_back(Rule{{0, 0, kWidth, 2}, 0.5});
    band.elements.push_back(
        SystemText{{0, 4, kWidth / 2, 14}, SystemVariable::PrintDateTime, Style(8, false)});
    band.elements.push_back(SystemText{{kWidth / 2, 4, kWidth / 2, 14},
                                       SystemVariable::PageNumberOfCount,
                                       Style(8, false, Qt::black, Qt::AlignRight | Qt::AlignVCenter)});
    return band;
}

// Rows 3 and 4 of the list share six columns; the fourth is wider for "VSWR Derated AVG Power".
constexpr double kColumnLeft[] = {0, 92, 184, 276, 392, 484};
constexpr double kColumnWidth[] = {92, 92, 92, 116, 92, 92};

QRectF Column(int index, double top, double height) {
    return {kColumnLeft[index], top, kColumnWidth[index], height};
}

} // namespace

std::vector<PipelineField> ListPipelineFields() {
    return Fields({u"Part Number"_s, u"Frequency Band"_s, u"Description"_s, u"Mid Band Frequency"_s,
                   u"AttenuationF"_s, u"AttenuationM"_s, u"TotalAttenuation"_s, u"Insertion Loss"_s,
                   u"Efficiency"_s, u"PeakPower"_s, u"AveragePower"_s, u"VSWR Derated Power"_s,
                   u"List Price F"_s, u"List Price M"_s});
}

std::vector<PipelineField> SelectionPipelineFields() {
    return Fields({u"PartNumber"_s,    u"FrequencyBand"_s, u"Description"_s,      u"MidBandFrequency"_s,
                   u"AttenuationF"_s,  u"AttenuationM"_s,  u"TotalAttenuation"_s, u"InsertionLoss"_s,
                   u"Efficiency"_s,    u"PeakPower"_s,     u"AveragePower"_s,     u"VSWR DeratedPower"_s,
                   u"ListPriceF"_s,    u"ListPriceM"_s,    u"C1Type"_s,           u"C1PartNumber"_s,
                   u"C1Description"_s, u"C1Price"_s,       u"C2Type"_s,           u"C2PartNumber"_s,
                   u"C2Description"_s, u"C2Price"_s,       u"CostOfRun"_s});
}

ReportDefinition ListReport() {
    ReportDefinition report;
    report.pageLayout = LetterPortrait();
    report.title = LogoAndTitle();
    report.maxRecordsPerPage = kListRecordsPerPage;

    const auto centred = Qt::AlignHCenter | Qt::AlignVCenter;
    Band header;
    header.height = 58;
    header.elements.push_back(
        Label{{0, 0, kWidth, 13}, u"Part Number"_s, Style(9, true, Qt::black, centred)});
    header.elements.push_back(
        Label{{0, 13, kWidth, 13}, u"Description"_s, Style(9, true, Qt::black, centred)});
    for (int i = 0; i < 6; ++i) {
        header.elements.push_back(Label{Column(i, 28, 13), QString::fromUtf8(kListRow3[i].Caption),
                                        Style(8, false, Qt::black, centred)});
        header.elements.push_back(Label{Column(i, 42, 13), QString::fromUtf8(kListRow4[i].Caption),
                                        Style(8, false, kNavy, centred)});
    }
    report.pageHeader = header;

    Band& detail = report.detail;
    detail.height = 86;
    detail.elements.push_back(Rule{{0, 0, kWidth, 4}, 0.5});
    // The pipeline's name of each field the layout shows.
    const auto fields = ListPipelineFields();
    const auto field = [&fields](int index) { return fields.at(static_cast<std::size_t>(index)).name; };
    detail.elements.push_back(
        FieldText{{0, 5, kWidth, 17}, field(kListPartNumberField), Style(12, true, Qt::black, centred)});
    detail.elements.push_back(FieldText{{0, 23, kWidth, 26},
                                        field(kListDescriptionField),
                                        Style(10, true, Qt::black, Qt::AlignHCenter | Qt::AlignTop, true)});
    for (int i = 0; i < 6; ++i) {
        detail.elements.push_back(
            FieldText{Column(i, 51, 15), field(kListRow3[i].Field), Style(9, false, Qt::black, centred)});
        detail.elements.push_back(
            FieldText{Column(i, 67, 15), field(kListRow4[i].Field), Style(9, false, kNavy, centred)});
    }
    report.pageFooter = Footer();
    return report;
}

namespace {

// The data sheet's rows: a caption right-aligned in the caption column, its value to the right.
class SheetWriter {
public:
    explicit SheetWriter(Band& band) : band_(band) {}

    void Heading(const QString& text) {
        band_.elements.push_back(Label{{0, y_, kWidth, 26}, text, Style(18, true)});
        y_ += 28;
    }
    void Row(const QString& caption, const QString& field, int lines = 1) {
        const double height = kLineHeight * lines;
        const auto top = Qt::AlignTop;
        band_.elements.push_back(Label{
            {0, y_, kCaptionWidth, kLineHeight}, caption, Style(12, true, kBlue, Qt::AlignRight | top)});
        band_.elements.push_back(FieldText{{kValueLeft, y_, kWidth - kValueLeft, height},
                                           field,
                                           Style(12, false, Qt::black, Qt::AlignLeft | top, lines > 1)});
        y_ += height + 3;
    }
    void Rule() {
        y_ += 6;
        band_.elements.push_back(report::Rule{{0, y_, kWidth, 4}, 1});
        y_ += 10;
    }
    double Bottom() const { return y_; }

private:
    static constexpr double kLineHeight = 15;
    static constexpr double kCaptionWidth = 196;
    static constexpr double kValueLeft = 206;
    Band& band_;
    double y_ = 8;
};

} // namespace

ReportDefinition DataSheetReport() {
    ReportDefinition report;
    report.pageLayout = LetterPortrait();
    report.pageHeader = LogoAndTitle();
    report.pageHeader->elements.push_back(Rule{{0, 46, kWidth, 4}, 1});

    const auto fields = SelectionPipelineFields();
    SheetWriter sheet(report.detail);
    const auto row = [&](const ReportField& shown, int first) {
        sheet.Row(QString::fromUtf8(shown.Caption),
                  fields.at(static_cast<std::size_t>(first + shown.Field)).name, shown.Lines);
    };
    sheet.Heading(u"Transmission Line:"_s);
    for (const ReportField& shown : kSheetLineRows)
        row(shown, 0);
    for (std::size_t end = 0; end < std::size(kSheetConnectorFirstField); ++end) {
        sheet.Rule();
        sheet.Heading(QStringLiteral("Connector #%1:").arg(end + 1));
        for (const ReportField& shown : kSheetConnectorRows)
            row(shown, kSheetConnectorFirstField[end]);
    }
    report.detail.height = sheet.Bottom();
    report.pageFooter = Footer();
    return report;
}

} // namespace dorvik::report
