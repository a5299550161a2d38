#include "DataFileNames.h"
#include "DataFiles.h"
#include "PayFiles.h"
#include "RecordSupport.h"
#include "Register.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int Saves = 150;
const QDate PayDay(2026, 6, 12);

// The amount that tells which program saved which record: 1,000.00 × program + save.
Money Tag(int program, int save) {
    return Money::fromCents(program * 100000 + save);
}

// One program saving a payroll: a pay record, a summary record and a register entry.
// The first posts its register entry through the staging file, as a pay run does; the
// second appends it directly, as the checkbook program sharing the register does.
void SavePayroll(int program, int save) {
    PayRecord pay = testrecords::Paycheck(PayDay, Tag(program, save));
    pay.EmployeeNo = QStringLiteral("1001");
    std::vector<bool> written;
    SavePayRecords({pay}, written);
    SummaryRecord summary;
    summary.PayDate = OleDateOf(PayDay);
    summary.TotalWages = Tag(program, save);
    AppendSummaryRecord(summary);
    const RegisterEntry entry = PaycheckEntry(save, PayDay, QStringLiteral("Pat Doe"), Tag(program, save));
    if (program == 1) {
        BuildRegisterRecords({entry});
        int appended = 0;
        AppendRegister(GeneralRegisterFile, appended);
    } else {
        OpenRandomFile(GeneralRegisterFile, RegisterEntry::Length).add(entry);
    }
}

// A rewrite of a record another program may be appending after, as the void and the
// settings screens make them: the first register entry's status flipped through a whole
// image of the file, the first summary record written again in place.
void RewriteFirstRecords() {
    RecordFileImage entries(GeneralRegisterFile, RegisterEntry::Length);
    RegisterEntry entry = entries.get<RegisterEntry>(1).value();
    entry.Status = entry.Status.isEmpty() ? QStringLiteral("Void") : QString();
    entries.put(1, entry);
    entries.save();
    RandomFile summaries = OpenRandomFile(SummaryRecordsFile, SummaryRecord::Length);
    summaries.write(1, summaries.read(1).value());
}

void SaveMany(int program, bool rewrites) {
    for (int save = 1; save <= Saves; ++save) {
        SavePayroll(program, save);
        if (rewrites) RewriteFirstRecords();
    }
}

// The second program saves only; the first saves only, or also rewrites records while
// the second appends.
class TwoProgramsTest : public ProgramFolderTest, public testing::WithParamInterface<bool> {};

} // namespace

TEST_P(TwoProgramsTest, TwoProgramsSavingAtOnceLoseNoRecordAndTearNone) {
    const pid_t other = ::fork();
    ASSERT_GE(other, 0);
    if (other == 0) {
        try {
            SaveMany(2, false);
        } catch (...) {
            ::_exit(1);
        }
        ::_exit(0);
    }
    EXPECT_NO_THROW(SaveMany(1, GetParam()));
    int status = 0;
    ASSERT_EQ(::waitpid(other, &status, 0), other);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    // Each file's records by the amount that tags them; a torn record shows no tag of a save
    // or a field that is not what was saved.
    struct Case {
        QString file;
        int length;
        std::function<std::optional<Money>(const QByteArray&)> tag;
    };
    const Case cases[] = {
        {PayRecordsFile(QStringLiteral("1001")), PayRecord::Length,
         [](const QByteArray& bytes) -> std::optional<Money> {
             const PayRecord pay = PayRecord::decode(bytes);
             if (pay.PayDate != OleDateOf(PayDay) || TrimmedField(pay.EmployeeName) != QStringLiteral("Pat Doe") ||
                 pay.Insurance != Money::fromCents(1111))
                 return std::nullopt;
             return pay.Gross;
         }},
        {SummaryRecordsFile, SummaryRecord::Length,
         [](const QByteArray& bytes) -> std::optional<Money> {
             const SummaryRecord summary = SummaryRecord::decode(bytes);
             if (summary.PayDate != OleDateOf(PayDay)) return std::nullopt;
             return summary.TotalWages;
         }},
        {GeneralRegisterFile, RegisterEntry::Length,
         [](const QByteArray& bytes) -> std::optional<Money> {
             const RegisterEntry entry = RegisterEntry::decode(bytes);
             if (TrimmedField(entry.Payee) != QStringLiteral("Pat Doe")) return std::nullopt;
             return ParseMoney(TrimmedField(entry.Amount));
         }},
    };
    for (const Case& c : cases) {
        const QByteArray all = readFile(ShownFileName(c.file));
        ASSERT_EQ(all.size(), qsizetype{2} * Saves * c.length) << c.file.toStdString();
        std::map<std::int64_t, int> seen;
        for (qsizetype at = 0; at < all.size(); at += c.length) {
            const std::optional<Money> tag = c.tag(all.mid(at, c.length));
            ASSERT_TRUE(tag) << c.file.toStdString() << " record " << at / c.length + 1 << " is torn";
            ++seen[tag->raw()];
        }
        for (int program = 1; program <= 2; ++program)
            for (int save = 1; save <= Saves; ++save)
                EXPECT_EQ(seen[Tag(program, save).raw()], 1)
                    << c.file.toStdString() << " program " << program << " save " << save;
    }
}

INSTANTIATE_TEST_SUITE_P(AppendsOnly, TwoProgramsTest, testing::Values(false));
INSTANTIATE_TEST_SUITE_P(WithRewrites, TwoProgramsTest, testing::Values(true));
