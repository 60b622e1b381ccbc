#include "core/catalogue/records.h"

#include <stdexcept>

namespace dorvik {

std::int32_t TConnector::PartNumberCount() const {
    std::int32_t count = 0;
    ForEachPartNumber([&count](std::string_view) { ++count; });
    return count;
}

std::string_view TConnector::PartNumberAt(std::int32_t index) const {
    std::string_view found;
    std::int32_t n = 0;
    ForEachPartNumber([&](std::string_view partNumber) {
        if (n++ == index)
            found = partNumber;
    });
    if (index < 0 || index >= n)
        throw std::out_of_range("no part number " + std::to_string(index));
    return found;
}

std::vector<std::string_view> TConnector::PartNumbers() const {
    std::vector<std::string_view> partNumbers;
    ForEachPartNumber([&partNumbers](std::string_view partNumber) { partNumbers.push_back(partNumber); });
    return partNumbers;
}

const TConnector& TTransmissionLine::ConnectorAt(std::int32_t index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= Connectors.size())
        throw std::out_of_range("no connector " + std::to_string(index));
    return Connectors[static_cast<std::size_t>(index)];
}

HitList Catalogue::AllLines() const {
    HitList all;
    all.reserve(lines_.size());
    for (const TTransmissionLine& line : lines_)
        all.push_back(const_cast<TTransmissionLine*>(&line));
    return all;
}

std::string_view Catalogue::KeepText(std::string_view text) {
    blocks_.emplace_back(std::string(text));
    return blocks_.back().View();
}

TTransmissionLine& Catalogue::AddLine(TTransmissionLine line) {
    line.Connectors = {};
    firstConnector_.push_back(static_cast<std::uint32_t>(connectors_.size()));
    return lines_.emplace_back(std::move(line));
}

void Catalogue::AddConnector(const TConnector& connector) {
    if (lines_.empty())
        throw std::logic_error("a connector needs a line to join");
    // Known before the push: a pointer into the old array may not even be compared afterwards.
    const bool moves = connectors_.size() == connectors_.capacity();
    connectors_.push_back(connector);
    TTransmissionLine& last = lines_.back();
    last.Connectors = {connectors_.data() + firstConnector_.back(), last.Connectors.size() + 1};
    if (!moves)
        return;
    // The array moved: every line's connectors are where they were in it.
    for (std::size_t i = 0; i + 1 < lines_.size(); ++i)
        lines_[i].Connectors = {connectors_.data() + firstConnector_[i], lines_[i].Connectors.size()};
}

} // namespace dorvik
