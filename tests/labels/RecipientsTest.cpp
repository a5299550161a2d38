#include "DataFileNames.h"
#include "LabelFiles.h"
#include "Records.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace labelfiles;

namespace {

class RecipientsTest : public ProgramFolderTest {};

template <class R> std::vector<std::pair<std::string_view, int>> Offsets(std::initializer_list<std::string_view> names) {
    std::vector<std::pair<std::string_view, int>> offsets;
    for (std::string_view name : names)
        offsets.emplace_back(name, FieldOffset<R>(name));
    return offsets;
}

} // namespace

TEST(SiblingLayouts, FieldsUsedLieAtTheirStoredOffsets) {
    using Row = std::pair<std::string_view, int>;
    const std::vector<std::pair<std::vector<Row>, std::vector<Row>>> tables = {
        {Offsets<CustomerRecord>({"CompanyName", "Address", "Address2", "City", "State", "Zip", "Title", "FirstName",
                                  "MiddleInitial", "LastName", "Type"}),
         {{"CompanyName", 20}, {"Address", 65}, {"Address2", 100}, {"City", 125}, {"State", 170}, {"Zip", 182},
          {"Title", 263}, {"FirstName", 273}, {"MiddleInitial", 288}, {"LastName", 289}, {"Type", 314}}},
        {Offsets<VendorRecord>({"Name", "Address", "City", "State", "Zip"}),
         {{"Name", 20}, {"Address", 50}, {"City", 110}, {"State", 130}, {"Zip", 132}}},
        {Offsets<ContractRecord>({"ServiceName", "SecondAddress", "SecondAddress2", "SecondCity", "SecondState",
                                  "SecondZip", "NotRead336"}),
         {{"ServiceName", 0}, {"SecondAddress", 199}, {"SecondAddress2", 234}, {"SecondCity", 259},
          {"SecondState", 279}, {"SecondZip", 281}, {"NotRead336", 336}}},
        {Offsets<CycleRecord>({"BillingCode", "StartMonth", "NotRead67"}),
         {{"BillingCode", 43}, {"StartMonth", 65}, {"NotRead67", 67}}},
        {Offsets<ServiceRecord>({"Description", "NotRead70"}), {{"Description", 0}, {"NotRead70", 70}}},
    };
    for (const auto& [actual, expected] : tables)
        EXPECT_EQ(actual, expected);
    // Bytes the program does not read survive a read and a write unchanged.
    QByteArray stored(ContractRecord::Length, '\0');
    for (int i = 0; i < stored.size(); ++i)
        stored[i] = char(i * 7 + 1);
    EXPECT_EQ(ContractRecord::decode(stored).encode(), stored);
}

TEST(CustomerName, BusinessByCompanyOthersByTheirNameParts) {
    struct Row {
        const char* title;
        const char* first;
        const char* middle;
        const char* last;
        const char* company;
        const char* type;
        const char* shown;
    } rows[] = {
        {"Mr.", "John", "Q", "Public", "Public Works", "Business", "Public Works"},
        {"", "", "", "Okafor", "Okafor Farms", "Home", "Okafor"},
        {"Dr.", "Lena", "", "Marsh", "", "Home", "Dr. Lena Marsh"},
        {"", "Tom", "R", "Hale", "", "  ", "Tom R Hale"},
        {"", "", "", "", "Acme", "Business  ", "Acme"},
    };
    for (const Row& row : rows) {
        CustomerRecord c;
        c.Title = QString::fromLatin1(row.title);
        c.FirstName = QString::fromLatin1(row.first);
        c.MiddleInitial = QString::fromLatin1(row.middle);
        c.LastName = QString::fromLatin1(row.last);
        c.CompanyName = QString::fromLatin1(row.company);
        c.Type = QString::fromLatin1(row.type);
        // As stored: padded with blanks to the field widths.
        EXPECT_EQ(CustomerDisplayName(CustomerRecord::decode(c.encode())), QString::fromLatin1(row.shown));
    }
}

TEST(BillingCycle, EachFrequencyFallsDueInItsMonths) {
    struct Row {
        int frequency, month, code, start;
        bool due;
    } rows[] = {
        {Monthly, 5, 0, 11, true},      {Monthly, 5, 1, 5, false},      {Quarterly, 5, 1, 5, true},
        {Quarterly, 5, 1, 2, true},     {Quarterly, 5, 1, 11, true},    {Quarterly, 8, 1, 2, true},
        {Quarterly, 0, 1, 9, false}, // nine months away
        {Quarterly, 5, 1, 4, false},    {SemiAnnually, 5, 2, 11, true}, {SemiAnnually, 7, 2, 1, true},
        {SemiAnnually, 5, 2, 8, false}, {Annually, 5, 3, 5, true},      {Annually, 5, 3, 6, false},
        {Annually, 5, 0, 5, false},     {AllFrequencies, 5, 3, 9, true},
    };
    for (const Row& r : rows)
        EXPECT_EQ(BillingCycleMatches(Cycle(r.code, r.start), r.frequency, r.month), r.due)
            << r.frequency << " month " << r.month << " code " << r.code << " start " << r.start;
}

TEST(CriteriaSearch, MatchesAnywhereWithoutRegardToCase) {
    CustomerEntry c;
    c.displayName = QStringLiteral("Dr. Lena Marsh");
    c.address = QStringLiteral("12 MAIN STREET");
    c.city = QStringLiteral("Springfield");
    c.state = QStringLiteral("IL");
    c.zip = QStringLiteral("62701");
    c.serviceName = QStringLiteral("Lawn Maintenance");
    struct Row {
        SearchField field;
        const char* text;
        bool found;
    } rows[] = {
        {SearchField::Address, "main", true},      {SearchField::Address, " Street ", true},
        {SearchField::Name, "marsh", true},        {SearchField::City, "field", true},
        {SearchField::State, "il", true},          {SearchField::Zip, "627", true},
        {SearchField::ContractService, "MAIN", true}, {SearchField::City, "main", false},
    };
    for (const Row& r : rows)
        EXPECT_EQ(SearchMatches(c, r.field, QString::fromLatin1(r.text)), r.found) << r.text;
}

TEST_F(RecipientsTest, FilesAreReadAsFarAsTheyAreWholeAndNeverWritten) {
    const QByteArray customers = Bytes<CustomerRecord>({Person(QStringLiteral("Ada"), QStringLiteral("Byrne")),
                                                        Business(QStringLiteral("Coral Mill"))});
    struct Row {
        const char* what;
        QByteArray bytes;
        std::optional<int> read;
    } rows[] = {
        {"whole", customers, 2},
        {"one byte short", customers.chopped(1), 1},
        {"one record and a half", customers.left(CustomerRecord::Length * 3 / 2), 1},
        {"less than a record", customers.left(100), 0},
        {"empty", QByteArray(), 0},
        {"missing", QByteArray(), std::nullopt},
    };
    for (const Row& row : rows) {
        QFile::remove(path(CustomerDataFile));
        if (row.read) writeFile(CustomerDataFile, row.bytes);
        const auto read = ReadCustomers();
        ASSERT_EQ(read.has_value(), row.read.has_value()) << row.what;
        if (!read) continue;
        EXPECT_EQ(int(read->size()), *row.read) << row.what;
        if (!read->empty()) {
            EXPECT_EQ(read->front().displayName, QStringLiteral("Ada Byrne"));
        }
        EXPECT_EQ(readFile(CustomerDataFile), row.bytes) << row.what;
    }
    // A folder where the file should be cannot be read as one.
    QFile::remove(path(CustomerDataFile));
    makeFolder(CustomerDataFile);
    EXPECT_FALSE(ReadCustomers().has_value());
}

TEST_F(RecipientsTest, ContractsCyclesServicesAndStatementsJoinTheCustomers) {
    writeFile(CustomerDataFile, Bytes<CustomerRecord>({Person(QStringLiteral("Ada"), QStringLiteral("Byrne")),
                                                       Business(QStringLiteral("Coral Mill"))}));
    writeFile(ContractInfoFile, Bytes<ContractRecord>({Contract(QStringLiteral("Lawn Care"), QStringLiteral("5 Pier Road"))}));
    writeFile(CycleInfoFile, Bytes<CycleRecord>({Cycle(1, 2), Cycle(3, 7), Cycle(0, 0)}));
    std::vector<ServiceRecord> services(260, Service(QStringLiteral("Pruning")));
    writeFile(ServicesFile, Bytes(services));
    writeFile(StatementFile, "\"Coral Mill\"\r\n\"Nobody Here\",\"Ada Byrne\"\r\n");

    auto customers = *ReadCustomers();
    ASSERT_TRUE(AddContractAddresses(customers));
    ASSERT_TRUE(AddCycles(customers));
    EXPECT_EQ(customers[0].serviceName, QStringLiteral("Lawn Care"));
    EXPECT_EQ(customers[0].secondaryLabel(),
              (LabelLines{QStringLiteral("Ada Byrne"), QStringLiteral("5 Pier Road"), QStringLiteral("Suite 4"),
                          QStringLiteral("Peoria"), QStringLiteral("IL"), QStringLiteral("61602")}));
    EXPECT_EQ(customers[1].secondAddress, QString()); // beyond the end of the contracts
    EXPECT_EQ(customers[1].billingCode, 3);
    EXPECT_EQ(customers[1].startMonth, 7);
    EXPECT_EQ(ReadServiceNames()->size(), MaxServices);
    const QStringList names = *ReadStatementNames();
    EXPECT_EQ(names, (QStringList{QStringLiteral("Coral Mill"), QStringLiteral("Nobody Here"), QStringLiteral("Ada Byrne")}));
    EXPECT_EQ(StatementMatches(customers, names), (std::vector<int>{0, 1}));
    EXPECT_TRUE(StatementMatches(customers, {QStringLiteral("coral mill")}).empty());
}

TEST_F(RecipientsTest, SenderDataIsTheFirstEightItemsOfTheBusinessFile) {
    EXPECT_FALSE(ReadSenderData());
    writeFile(BusinessDataFile, BusinessData);
    ASSERT_TRUE(ReadSenderData());
    EXPECT_EQ(SenderLabel(), (LabelLines{QStringLiteral("Harlan Feed & Seed"), QStringLiteral("14 Mill Road"),
                                         QStringLiteral("PO Box 7"), QStringLiteral("Macon"), QStringLiteral("GA"),
                                         QStringLiteral("31201")}));
    // A file cut short gives what it holds.
    writeFile(BusinessDataFile, "\"Harlan Feed & Seed\",\"14 Mill Road\"");
    ASSERT_TRUE(ReadSenderData());
    EXPECT_EQ(SenderLabel()[1], QStringLiteral("14 Mill Road"));
    EXPECT_EQ(SenderLabel()[3], QString());
}
