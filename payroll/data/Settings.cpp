#include "Settings.h"

#include "DataFiles.h"
#include "FileErrors.h"
#include "Globals.h"

namespace {

const QString BusinessFile = QStringLiteral("/MyBusinessData.txt");
const QString BankOptionFile = QStringLiteral("/PayrollInfo.txt");
const QString PromptsFile = QStringLiteral("/Prompts.txt");
const QString MatchingFile = QStringLiteral("/MatchingInfo.txt");

std::array<QString*, 9> BusinessGlobals() {
    return {&BusinessName, &BusinessAddress, &BusinessAddress2, &BusinessCity, &BusinessState,
            &BusinessZip,  &BusinessPhone,   &BusinessFax,      &BusinessFein};
}

void ReportIfShort(const DelimitedReader& in, const QString& name) {
    if (in.isShort()) ReportShortFile(name);
}

} // namespace

bool ReadBusinessData() {
    if (!FileExists(BusinessFile)) return false;
    TextInput in = OpenInput(BusinessFile);
    for (QString* global : BusinessGlobals())
        *global = in.readText();
    ReportIfShort(in, BusinessFile);
    return true;
}

void WriteBusinessData() {
    TextOutput out = OpenOutput(BusinessFile);
    const auto g = BusinessGlobals();
    out.write({Item::text(*g[0]), Item::text(*g[1]), Item::text(*g[2]), Item::text(*g[3]), Item::text(*g[4]),
               Item::text(*g[5]), Item::text(*g[6]), Item::text(*g[7]), Item::text(*g[8])});
    out.close();
}

std::optional<BankOptionFlags> ReadBankOptions() {
    if (!FileExists(BankOptionFile)) return std::nullopt;
    TextInput in = OpenInput(BankOptionFile);
    BankOptionFlags flags{};
    for (bool& flag : flags)
        flag = in.readFlag();
    ReportIfShort(in, BankOptionFile);
    return flags;
}

void WriteBankOptions(const BankOptionFlags& flags) {
    // Only the backup copy goes first: the live file is replaced in one step, so a
    // failed write still leaves the user's choice on disk.
    DeleteDataFile(QString(QStringLiteral("/Backup") + BankOptionFile));
    TextOutput out = OpenOutput(BankOptionFile);
    out.write({Item::flag(flags[0]), Item::flag(flags[1]), Item::flag(flags[2])});
    out.close();
}

void ReadPrompts() {
    if (!FileExists(PromptsFile)) {
        PromptsOn = AlarmsOn = true;
        return;
    }
    TextInput in = OpenInput(PromptsFile);
    PromptsOn = in.readFlag();
    AlarmsOn = in.readFlag();
    ReportIfShort(in, PromptsFile);
}

void WritePrompts() {
    TextOutput out = OpenOutput(PromptsFile);
    out.write({Item::flag(PromptsOn), Item::flag(AlarmsOn)});
    out.close();
}

void ReadMatching() {
    Offer401kMatch = false;
    MatchPercent.clear();
    if (!FileExists(MatchingFile)) return;
    TextInput in = OpenInput(MatchingFile);
    Offer401kMatch = in.readFlag();
    MatchPercent = in.readText();
    ReportIfShort(in, MatchingFile);
}

void WriteMatching() {
    TextOutput out = OpenOutput(MatchingFile);
    out.write({Item::flag(Offer401kMatch), Item::text(MatchPercent)});
    out.close();
}
