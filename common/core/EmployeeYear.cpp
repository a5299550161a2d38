#include "EmployeeYear.h"

#include "DataFileNames.h"
#include "DataFiles.h"
#include "Records.h"

std::vector<EmployeeYearRow> GatherEmployeeYear(std::optional<Money> socialSecurityMaximum, bool thisYear) {
    std::vector<EmployeeYearRow> rows;
    const int count = RecordCount(EmployeeFile, EmployeeRecord::Length);
    if (count == 0) return rows;
    const RecordFileImage all(EmployeeFile, EmployeeRecord::Length);
    rows.reserve(static_cast<std::size_t>(count));
    for (int n = 0; n < count; ++n) {
        auto e = all.get<EmployeeRecord>(n + 1).value_or(EmployeeRecord{});
        if (!thisYear && RecordCount(PayRecordsFile(QString::number(1001 + n)), PayRecord::Length) == 0)
            for (const auto& field : YearToDateFields)
                e.*(field.second) = Money();
        Money ficaEarnings = e.YTDGross;
        if (socialSecurityMaximum && ficaEarnings > *socialSecurityMaximum) ficaEarnings = *socialSecurityMaximum;
        rows.push_back({TrimmedField(e.EmployeeNo), TrimmedField(e.SSN), TrimmedField(e.Name), e.YTDGross,
                        e.YTDFederal + e.YTDExtraFederal, ficaEarnings, e.YTDFica, e.YTDMedicare, e.YTDState,
                        e.YTDLocal, e.YTDInsurance});
    }
    return rows;
}

std::array<QString, 11> W2GridCells(const EmployeeYearRow& e) {
    return {e.EmployeeNo,          e.SSN,                  e.Name,
            CurrencyText(e.Gross), CurrencyText(e.Federal), CurrencyText(e.FicaEarnings),
            CurrencyText(e.Fica),  CurrencyText(e.Medicare), CurrencyText(e.State),
            CurrencyText(e.Local), CurrencyText(e.Insurance)};
}
