#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

struct CustomerRecord;
struct CycleRecord;

// What the label program reads from the program folder, and the rules by which the
// user's searches choose recipients. No widget here: the screen shows these lists and
// keeps the selections; tests drive the rules directly.

// The six lines of one label (line 1 to line 6 at index 0 to 5).
using LabelLines = std::array<QString, 6>;

// An employee or a vendor: the name and the address of its label.
struct NamedAddress {
    QString name;
    QString address;
    QString city;
    QString state;
    QString zip;

    LabelLines label() const { return {name, address, QString(), city, state, zip}; }
};

// One customer with what its contract and billing-cycle records add (record n of each
// belongs to customer n; a customer beyond the end of those files has them empty).
struct CustomerEntry {
    QString displayName;
    QString address;
    QString address2; // read, never printed
    QString city;
    QString state;
    QString zip;
    QString serviceName;
    QString secondAddress;
    QString secondAddress2;
    QString secondCity;
    QString secondState;
    QString secondZip;
    std::int16_t billingCode = 0;
    std::int16_t startMonth = 0;

    LabelLines primaryLabel() const { return {displayName, address, QString(), city, state, zip}; }
    LabelLines secondaryLabel() const {
        return {displayName, secondAddress, secondAddress2, secondCity, secondState, secondZip};
    }
};

// The trimmed company name of a customer typed "Business"; otherwise the trimmed
// title, first name, middle initial and last name joined by single blanks, empty
// parts left out.
QString CustomerDisplayName(const CustomerRecord& record);

// ---- Readers ------------------------------------------------------------------------------
// Each record reader gives nullopt when the file is missing (after the silent restore
// from Backup) or cannot be read, and otherwise every whole record in file order: a
// record that the end of the file cuts short is left out. Nothing is ever written.
std::optional<std::vector<NamedAddress>> ReadEmployeeAddresses();
std::optional<std::vector<NamedAddress>> ReadVendorAddresses();
std::optional<std::vector<CustomerEntry>> ReadCustomers();
std::optional<std::vector<CycleRecord>> ReadCycles();
// The service names of Services.txt, at most MaxServices of them.
inline constexpr int MaxServices = 255;
std::optional<QStringList> ReadServiceNames();
// Every item of StatementFile.txt, read to its end.
std::optional<QStringList> ReadStatementNames();
// Fills in each customer's contract service and secondary address. False without a
// readable ContractInfo.txt.
bool AddContractAddresses(std::vector<CustomerEntry>& customers);
// Fills in each customer's billing code and start month. False without a readable CycleInfo.txt.
bool AddCycles(std::vector<CustomerEntry>& customers);
// The first eight items of MyBusinessData.txt into the business globals (name, street,
// apartment or PO box, city, state, postal code, telephone, fax); a file that ends
// early leaves the rest empty. False when the file is missing or unreadable.
bool ReadSenderData();
// The business's own label, from what ReadSenderData read.
LabelLines SenderLabel();

// ---- Searches -------------------------------------------------------------------------------
// The field a criteria search looks in (the five search options; none ticked: the
// contract service).
enum class SearchField { Name, Address, City, State, Zip, ContractService };

// Whether the customer's field, trimmed and in capitals, holds the trimmed text in capitals.
bool SearchMatches(const CustomerEntry& customer, SearchField field, const QString& text);

// The billing frequencies in list order; All selects every customer.
enum Frequency { Monthly, Quarterly, SemiAnnually, Annually, AllFrequencies };
// Whether a cycle record falls due in the chosen month (0 January to 11 December) for
// the chosen frequency.
bool BillingCycleMatches(const CycleRecord& cycle, int frequency, int month);

// The customers (by index) whose display name is one of the statement names.
std::vector<int> StatementMatches(const std::vector<CustomerEntry>& customers, const QStringList& names);
