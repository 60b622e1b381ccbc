// Currency conversion: the currency menu, the exchange rates, the stored choice.
#include "core/catalogue/exchange_rates.h"
#include "core/errors.h"
#include "core/forms/main_window/frm_main.h"

#include <array>

namespace dorvik {

namespace {

struct CurrencyDefinition {
    int tag;
    const char* name;
    const char* caption;
    const char* submenu; // nullptr: the first item of the currency menu
    const char* code;
};

// In menu order.
constexpr std::array<CurrencyDefinition, 37> kCurrencies{{
    {1, "USDollarsUSD1", "US Dollars (USD)", nullptr, "USD"},
    {2, "SouthAfricanRandZAR1", "South African Rand (ZAR)", "Africa1", "ZAR"},
    {3, "China1", "Chinese Renminbi (RMB)", "Asia1", "RMB"},
    {4, "HongKongDollarsHKD1", "Hong Kong Dollars (HKD)", "Asia1", "HKD"},
    {5, "IndianRupeesINR1", "Indian Rupees (INR)", "Asia1", "INR"},
    {6, "Yen1", "Japanese Yen (JPY)", "Asia1", "JPY"},
    {7, "KoreanWonKRW1", "Korean Won (KRW)", "Asia1", "KRW"},
    {8, "PhilipinoPesosPHP1", "Philipino Pesos (PHP)", "Asia1", "PHP"},
    {9, "SingaporeDollarsSGD1", "Singapore Dollars (SGD)", "Asia1", "SGD"},
    {10, "TaiwanDollarsTWD1", "Taiwan Dollars (TWD)", "Asia1", "TWD"},
    {11, "AustrianSchillingsATS1", "Austrian Schillings (ATS)", "Europe1", "ATS"},
    {12, "BelgianFrancsBEF1", "Belgian Francs (BEF)", "Europe1", "BEF"},
    {13, "SwissFrancsCHF1", "Swiss Francs (CHF)", "Europe1", "CHF"},
    {14, "DM1", "German Deutch Marks (DEM)", "Europe1", "DEM"},
    {15, "DanishKronesDKK1", "Danish Krones (DKK)", "Europe1", "DKK"},
    {16, "SpanishPesetasESP1", "Spanish Pesetas (ESP)", "Europe1", "ESP"},
    {17, "Euro1", "Euros (EUR)", "Europe1", "EUR"},
    {18, "FinishMarkkasFIM1", "Finish Markkas (FIM)", "Europe1", "FIM"},
    {19, "FrenchFranksFRF1", "French Franks (FRF)", "Europe1", "FRF"},
    {20, "GBP1", "Pounds Sterling (GBP)", "Europe1", "GBP"},
    {21, "GreekDrachmasGRD1", "Greek Drachmas (GRD)", "Europe1", "GRD"},
    {22, "IrishPuntsIEP1", "Irish Punts (IEP)", "Europe1", "IEP"},
    {23, "ItalianLiraITL1", "Italian Lira (ITL)", "Europe1", "ITL"},
    {24, "DutchGildersNLG1", "Dutch Gilders (NLG)", "Europe1", "NLG"},
    {25, "NorweiganKronesNOK1", "Norweigan Krones (NOK)", "Europe1", "NOK"},
    {26, "PortugeseEscudosPTE1", "Portugese Escudos (PTE)", "Europe1", "PTE"},
    {27, "SweedishKronaSEK1", "Sweedish Krona (SEK)", "Europe1", "SEK"},
    {28, "UnitedArabEmiratesDirhamAED1", "United Arab Emirates Dirham (AED)", "MiddleEast1", "AED"},
    {29, "SaudiRiyalSAR1", "Saudi Riyal (SAR)", "MiddleEast1", "SAR"},
    {1, "US1", "US Dollars (USD)", "NorthAmerica1", "USD"},
    {30, "Canada1", "Canadian Dollars (CAD)", "NorthAmerica1", "CAD"},
    {31, "MexicanPesosMXP1", "Mexican Pesos (MXP)", "NorthAmerica1", "MXP"},
    {32, "AustralianDollarsAUD1", "Australian Dollars (AUD)", "Oceania1", "AUD"},
    {33, "IndonesianRupiahsIDR1", "Indonesian Rupiahs (IDR)", "Oceania1", "IDR"},
    {34, "NewZealandDollarsNZD1", "New Zealand Dollars (NZD)", "Oceania1", "NZD"},
    {35, "Brazil1", "Brazillian Real (BRL)", "SouthAmerica1", "BRL"},
    {36, "ArgentinaPesosARS1", "Argentina Pesos (ARS)", "SouthAmerica1", "ARS"},
}};

constexpr std::array<std::pair<const char*, const char*>, 7> kSubmenus{{{"Africa1", "Africa"},
                                                                        {"Asia1", "Asia"},
                                                                        {"Europe1", "Europe"},
                                                                        {"MiddleEast1", "Middle East"},
                                                                        {"NorthAmerica1", "North America"},
                                                                        {"Oceania1", "Oceania"},
                                                                        {"SouthAmerica1", "South America"}}};

const char* CodeOfTag(int tag) {
    for (const auto& currency : kCurrencies)
        if (currency.tag == tag)
            return currency.code;
    return "USD";
}

} // namespace

std::vector<std::string> ConvertedCurrencyCodes() {
    std::vector<std::string> codes;
    for (const auto& currency : kCurrencies)
        if (currency.tag != 1)
            codes.emplace_back(currency.code);
    return codes;
}

void TfrmMain::BuildCurrencyMenu() {
    CurrencyItems.clear();
    auto addItem = [this](TMenuItem& parent, const CurrencyDefinition& currency) {
        TMenuItem& item = parent.Add(currency.name, currency.caption);
        item.RadioItem = true;
        item.GroupIndex = 1;
        item.Tag = currency.tag;
        CurrencyItems.push_back(&item);
    };
    addItem(*CurrencySettings1, kCurrencies.front());
    for (const auto& [name, caption] : kSubmenus) {
        TMenuItem& submenu = CurrencySettings1->Add(name, caption);
        for (const auto& currency : kCurrencies)
            if (currency.submenu && std::string_view(currency.submenu) == name)
                addItem(submenu, currency);
    }
    // Menu order is the order of the table; the loop above adds by submenu, which is the same order.
    CurrencySettings1->Find("US1")->SetChecked(true);
}

std::pair<std::string, std::string> TfrmMain::GetCurrencyCode() const {
    std::string code = "USD";
    if (CurrencyAvailable) {
        for (const TMenuItem* item : CurrencyItems)
            if (item->Checked()) {
                code = CodeOfTag(item->Tag);
                break;
            }
    }
    return {code, "(" + code + ")"};
}

std::string TfrmMain::CurrencyCodeOf(const TMenuItem& item) const {
    return CodeOfTag(item.Tag);
}

double TfrmMain::GetExchangeRate(const std::string& code) const {
    if (!CurrencyAvailable)
        return 1.0;
    if (const auto message = UnusableRateMessage(code))
        throw DorvikError(*message);
    const auto line = FindRateLine(ExchangeRates, code);
    return line ? RateOf(line->Text, DecimalSeparator()) : 1.0; // US dollars are never looked up
}

std::optional<std::string> TfrmMain::UnusableRateMessage(const std::string& code) const {
    if (!CurrencyAvailable || code == "USD")
        return std::nullopt;
    const auto line = FindRateLine(ExchangeRates, code);
    // Without a line of its own, the dollar figure would be shown under the currency's code.
    if (!line)
        return "The exchange rate for " + code + " cannot be used: " + RatesFilePath().string() +
               " has no line for " + code + ".\rPrices are shown in US dollars.";
    const auto problem = RateProblem(line->Text, DecimalSeparator());
    if (!problem)
        return std::nullopt;
    return "The exchange rate for " + code + " cannot be used: line " + std::to_string(line->Number) +
           " of " + RatesFilePath().string() + " reads \"" + QuotedExcerpt(line->Text) + "\", and " +
           *problem + ".\rPrices are shown in US dollars.";
}

TMenuItem& TfrmMain::UsableCurrency(TMenuItem& item) {
    if (const auto message = UnusableRateMessage(CodeOfTag(item.Tag))) {
        services_.ShowMessage(*message, MessageIcon::Warning);
        return *CurrencySettings1->Find("US1");
    }
    return item;
}

std::optional<double> TfrmMain::SelectedExchangeRate() const {
    if (!CurrencyAvailable)
        return std::nullopt;
    int tag = 1;
    for (const TMenuItem* item : CurrencyItems)
        if (item->Checked()) {
            tag = item->Tag;
            break;
        }
    if (tag == 1)
        return std::nullopt;
    return GetExchangeRate(CodeOfTag(tag));
}

double TfrmMain::ConvertPrice(double amount) const {
    const auto rate = SelectedExchangeRate();
    return rate ? amount / *rate : amount;
}

void TfrmMain::CheckCurrencyItem(TMenuItem& item) {
    for (TMenuItem* other : CurrencyItems)
        other->SetChecked(false);
    item.SetChecked(true);
    if (item.Tag == 1)
        for (TMenuItem* other : CurrencyItems)
            if (other->Tag == 1)
                other->SetChecked(true);
}

void TfrmMain::SelectCurrency(TMenuItem& item) {
    CheckCurrencyItem(item);
    if (SaveSettingsOnExit1->Checked())
        SaveCurrency(item.Tag);
}

void TfrmMain::SaveCurrency(int tag) {
    if (store_.CreateKey(kSettingsKey))
        store_.WriteDword(kSettingsKey, "Currency", static_cast<std::uint32_t>(tag));
}

bool TfrmMain::ChooseCurrency(const std::string& code) {
    for (TMenuItem* item : CurrencyItems)
        if (CurrencyCodeOf(*item) == code) {
            chosenCurrencyTag_ = item->Tag;
            return true;
        }
    return false;
}

void TfrmMain::LoadCurrency() {
    if (chosenCurrencyTag_) {
        // Chosen for this run: used in place of the stored currency, and never stored.
        for (TMenuItem* item : CurrencyItems)
            if (item->Tag == *chosenCurrencyTag_) {
                CheckCurrencyItem(CurrencyAvailable ? UsableCurrency(*item)
                                                    : *CurrencySettings1->Find("US1"));
                return;
            }
    }
    if (!store_.KeyExists(kSettingsKey)) {
        CurrencySettings1->Find("US1")->SetChecked(true);
        return;
    }
    int tag = 1;
    if (CurrencyAvailable) {
        const auto value = store_.ReadValue(kSettingsKey, "Currency");
        if (!value || value->type != StoredValue::Type::Dword)
            return;
        tag = static_cast<int>(value->number);
    }
    for (TMenuItem* item : CurrencyItems)
        if (item->Tag == tag) {
            TMenuItem& usable = UsableCurrency(*item);
            SelectCurrency(usable);
            // A stored currency whose rate cannot be used would stop every later search: replace it.
            if (&usable != item)
                SaveCurrency(usable.Tag);
            return;
        }
}

void TfrmMain::US1Click(TMenuItem& item) {
    SelectCurrency(UsableCurrency(item));
    FillSpecsGrid();
    lstConnectorsClick();
    lstConnectors2Click();
}

} // namespace dorvik
