#include "SessionWages.h"

#include "DataFileNames.h"
#include "DataFiles.h"
#include "Dates.h"
#include "PayFiles.h"

#include <cmath>

namespace creator {

namespace {

struct SavedPay {
    QString file; // the pay-record file as a full path: one program folder's session
    double date = 0;
    Money gross;
};

std::vector<SavedPay>& SavedThisSession() {
    static std::vector<SavedPay> saved;
    return saved;
}

} // namespace

Money YearToDateGross(const QString& employeeNo, double date) {
    Money wages = YearGrossBefore(employeeNo, date);
    const QString file = DataPath(PayRecordsFile(employeeNo));
    // Those dated earlier are on file already.
    for (const SavedPay& pay : SavedThisSession())
        if (pay.file == file && YearOfOle(pay.date) == YearOfOle(date) && std::floor(pay.date) >= std::floor(date))
            wages += pay.gross;
    return wages;
}

void NoteSavedPayRecords(const std::vector<PayRecord>& records) {
    for (const PayRecord& pay : records)
        SavedThisSession().push_back({DataPath(PayRecordsFile(TrimmedField(pay.EmployeeNo))), pay.PayDate, pay.Gross});
}

} // namespace creator
