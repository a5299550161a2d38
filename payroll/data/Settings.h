#pragma once

#include "BusinessData.h"

#include <array>
#include <optional>

// The setup screen's settings files, each one line of delimited text in the program
// folder. The readers restore a missing file from Backup first (FileExists); a file
// that ends early is reported as damaged and what it held is kept, the missing items
// reading as empty or false. Readers and writers throw FileError when the file
// system fails; writers replace the file in one step, so a failed write keeps the
// old file.


// PayrollInfo.txt: one flag per bank option 0, 1, 2; nullopt when the file is missing.
using BankOptionFlags = std::array<bool, 3>;
std::optional<BankOptionFlags> ReadBankOptions();
void WriteBankOptions(const BankOptionFlags& flags);

// Prompts.txt: PromptsOn, AlarmsOn (both true when the file is missing).
void ReadPrompts();
void WritePrompts();

// MatchingInfo.txt: Offer401kMatch, MatchPercent (false and empty when missing).
void ReadMatching();
void WriteMatching();
