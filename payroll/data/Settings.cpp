#include "Settings.h"

#include "DataFileNames.h"
#include "DataFiles.h"
#include "FileErrors.h"
#include "Globals.h"

namespace {

void ReportIfShort(const DelimitedReader& in, const QString& name) {
    if (in.isShort()) ReportShortFile(name);
}

} // namespace

std::optional<BankOptionFlags> ReadBankOptions() {
    if (!FileExists(PayrollInfoFile)) return std::nullopt;
    TextInput in = OpenInput(PayrollInfoFile);
    BankOptionFlags flags{};
    for (bool& flag : flags)
        flag = in.readFlag();
    ReportIfShort(in, PayrollInfoFile);
    return flags;
}

void WriteBankOptions(const BankOptionFlags& flags) {
    // Only the backup copy goes first: the live file is replaced in one step, so a
    // failed write still leaves the user's choice on disk.
    DeleteDataFile(QString(QStringLiteral("/Backup") + PayrollInfoFile));
    TextOutput out = OpenOutput(PayrollInfoFile);
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
    if (!FileExists(MatchingInfoFile)) return;
    TextInput in = OpenInput(MatchingInfoFile);
    Offer401kMatch = in.readFlag();
    MatchPercent = in.readText();
    ReportIfShort(in, MatchingInfoFile);
}

void WriteMatching() {
    TextOutput out = OpenOutput(MatchingInfoFile);
    out.write({Item::flag(Offer401kMatch), Item::text(MatchPercent)});
    out.close();
}
