#pragma once

#include <QString>

#include <array>
#include <cstdint>

// Working variables shared by every screen and routine of a program, as the
// screens exchange data through them rather than through parameters.
inline std::int32_t LoopCounter = 0;
inline std::int32_t EmployeeCount = 0;
inline std::int32_t GridRow = 0;
inline std::int32_t GridCol = 0;
inline std::int32_t RecordNumber = 0;

// Full folder paths, each ending with a separator, read by the two file-set copies;
// every caller sets both first.
inline QString SourceFolder;
inline QString TargetFolder;

// Business identity, loaded from MyBusinessData.txt and printed on every heading.
inline QString BusinessName;
inline QString BusinessAddress;
inline QString BusinessAddress2;
inline QString BusinessCity;
inline QString BusinessState;
inline QString BusinessZip;
inline QString BusinessPhone;
inline QString BusinessFax;
inline QString BusinessFein;

// The user's assistance flags (Prompts.txt) and the 401k matching offer (MatchingInfo.txt).
inline bool PromptsOn = true;
inline bool AlarmsOn = true;
inline bool Offer401kMatch = false;
inline QString MatchPercent;

// State lists: elements 1..51 hold state index 1..51; element 0 is not used.
inline constexpr int StateCount = 51;
inline std::array<QString, StateCount + 1> StateTaxRate;
inline std::array<QString, StateCount + 1> StateTaxMaximum;
inline std::int16_t StateIndex = 0;
inline std::int16_t StateBracketCount = 0;

// The character of code 177 that marks a pay-run grid row for payment or bonus.
inline const QString PayMark = QString(QChar(0x00B1));

// Puts every shared variable back to its start value (tests start each case clean).
void ResetGlobals();
