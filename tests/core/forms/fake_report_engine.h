#pragma once
// A report engine for window-model tests: records what the print window asks of it.
#include "core/errors.h"
#include "core/forms/printing/report_engine.h"
#include "support/test_files.h"

#include <map>
#include <string>
#include <vector>

namespace dorvik::testing {

// Records what the print window asks of the report engine, with the data file's bytes at printing time.
class FakeReportEngine : public IReportEngine {
public:
    std::vector<std::string> Calls;
    std::vector<std::string> Printed; // the data file's bytes, one entry per print
    CalendarDateTime PrintedAt;
    bool Fail = false;
    std::map<TReportKind, bool> Open;

    void Print(TReportKind report, const std::filesystem::path& dataFile,
               const CalendarDateTime& at) override {
        Calls.push_back(std::string(report == TReportKind::List ? "list" : "sheet") + " " +
                        dataFile.filename().string());
        Open[report] = true;
        Printed.push_back(dorvik::testing::ReadBytes(dataFile));
        PrintedAt = at;
        if (Fail)
            throw DorvikError("printer on fire");
    }
    void ClosePipeline(TReportKind report) noexcept override { Open[report] = false; }
};

} // namespace dorvik::testing
