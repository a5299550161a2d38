#pragma once

#include "Records.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>

// What the employee screen's controls hold, as plain values, and the two ways
// between those values and an EmployeeRecord. The screen reads its controls into
// this and shows this in its controls; everything that decides what is stored
// lives here, where it can be checked without a window.

// The text-box array of the employee screen: boxes 0 to 29, box 4 does not exist.
inline constexpr int EmployeeBoxCount = 30;
inline constexpr int NoBox = 4;

// Boxes by what they hold.
namespace EmployeeBox {
inline constexpr int Name = 0, Address = 1, Address2 = 2, City = 3, Zip = 5, HomePhone = 6, CellPhone = 7,
                     EmergencyContact = 8, EmergencyPhone = 9, EmployeeNo = 10, SSN = 11,
                     ExtraWithholding = 12, PayRate = 13, YTDGross = 14, YTDFederal = 15, YTDFica = 16,
                     YTDMedicare = 17, YTDState = 18, YTDLocal = 19, ChildSupport = 20, SupportFee = 21,
                     Label401k = 22, Percent401k = 23, YTDExtraFederal = 24, YTDChildSupport = 25,
                     YTDSupportFee = 26, YTDInsurance = 27, Insurance = 28, YTD401k = 29;
}

// The eleven year-to-date boxes with the totals they show.
inline constexpr std::array<std::pair<int, Money EmployeeRecord::*>, 11> YearToDateBoxes{{
    {EmployeeBox::YTDGross, &EmployeeRecord::YTDGross},
    {EmployeeBox::YTDFederal, &EmployeeRecord::YTDFederal},
    {EmployeeBox::YTDExtraFederal, &EmployeeRecord::YTDExtraFederal},
    {EmployeeBox::YTDFica, &EmployeeRecord::YTDFica},
    {EmployeeBox::YTDMedicare, &EmployeeRecord::YTDMedicare},
    {EmployeeBox::YTDState, &EmployeeRecord::YTDState},
    {EmployeeBox::YTDLocal, &EmployeeRecord::YTDLocal},
    {EmployeeBox::YTDChildSupport, &EmployeeRecord::YTDChildSupport},
    {EmployeeBox::YTDSupportFee, &EmployeeRecord::YTDSupportFee},
    {EmployeeBox::YTDInsurance, &EmployeeRecord::YTDInsurance},
    {EmployeeBox::YTD401k, &EmployeeRecord::YTD401k},
}};

// The per-pay money boxes with their fields (Pay Rate is text and kept apart).
inline constexpr std::array<std::pair<int, Money EmployeeRecord::*>, 4> PerPayMoneyBoxes{{
    {EmployeeBox::ExtraWithholding, &EmployeeRecord::ExtraWithholding},
    {EmployeeBox::ChildSupport, &EmployeeRecord::ChildSupportPerPay},
    {EmployeeBox::SupportFee, &EmployeeRecord::SupportFeePerPay},
    {EmployeeBox::Insurance, &EmployeeRecord::InsurancePerPay},
}};

bool IsYearToDateBox(int index);
// The boxes that remember their amount for "Restore Previous Value".
bool IsRememberedMoneyBox(int index);
// The boxes whose typing goes through the money-key filter (the money boxes and the percent box).
bool IsKeyFilteredBox(int index);
// How many characters the user may type into a box; 0 for no limit.
int TypingLimit(int index);

// The fixed entries of the screen's lists.
QStringList DependentsEntries();
QStringList FrequencyEntries();
QStringList PayStatusEntries();
QStringList MaritalStatusEntries();
inline constexpr int DailyStatus = 2, FlatRateStatus = 3;
inline constexpr int DailyFrequency = 7, FlatRateFrequency = 8;
// What the record always holds as the 401k deduction's name.
inline const QString DeductionLabel401k = QStringLiteral("401k Contribution");

struct EmployeeFormValues {
    std::array<QString, EmployeeBoxCount> boxes;
    int state = -1; // position in the state list
    QString stateText;
    bool nonResident = false;
    QDate start;
    QDate effective;
    QString termination; // the masked box's text, blank when no digit was typed
    int maritalStatus = -1;
    QString dependents;
    QString payStatus;
    int payFrequency = -1;

    friend bool operator==(const EmployeeFormValues&, const EmployeeFormValues&) = default;
};

// What the screen shows of a record, given the state list's entries.
EmployeeFormValues FormValuesOf(const EmployeeRecord& record, const QStringList& stateNames);

// The record to save: the form's values over the record they were loaded from
// (a blank record for a new employee). All eleven year-to-date totals are the
// base record's: the user cannot change them here and a total shown at cents must
// not round the stored one. When `shown` is given (what the form showed right
// after loading), a value the user left as it was keeps the stored field exactly,
// so that loading and saving changes nothing. Empty or non-numeric amounts are
// stored as zero; a Pay Rate too large for its field leaves the base's (a save
// refuses it first).
EmployeeRecord RecordOf(const EmployeeFormValues& form, const EmployeeRecord& base,
                        const std::optional<EmployeeFormValues>& shown);

// How many characters the record's Pay Rate field holds.
inline constexpr int PayRateWidth = 10;
// The Pay Rate as the record stores it, from the box's text: the text itself when it
// fits the field; otherwise (a currency text of $100,000 or more) the plain number of
// its amount, which every reader converts to the same amount; zero in currency form
// when the box is empty or holds no number. nullopt when not even the plain number
// fits the field.
std::optional<QString> PayRateToStore(const QString& boxText);

// The two-letter postal code stored for a state chosen from the list; a name the
// suite does not know keeps its first two characters.
QString StateCodeOf(const QString& listText);
// The list position that shows a stored state: the entry whose postal code it is,
// else (records of older versions, which kept a name's first two characters) the
// first entry starting with it; -1 when none does.
int StateEntryOf(const QString& storedState, const QStringList& stateNames);

// The 401k percent as the box shows it: the float's shortest decimal form ("3.5").
QString PercentBoxText(float percent);
// The termination date's text as stored: blank when the mask holds no digit.
QString TerminationText(const QString& maskedText);

// The record a save may write, given the text of the Employee No. box, the records
// in Employees.txt and the record loaded for editing (0 for a new employee): a new
// employee is appended at count + 1, a loaded one is written in place. nullopt
// when the number is missing, not a whole number or belongs to no such record.
std::optional<std::int32_t> RecordToSave(const QString& employeeNoText, std::int32_t recordCount,
                                         std::int32_t loadedRecord);
// The number a new employee gets: the record count + 1001.
QString NextEmployeeNumberText(std::int32_t recordCount);
