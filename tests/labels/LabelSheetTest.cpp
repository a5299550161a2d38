#include "LabelFiles.h"
#include "LabelSheet.h"
#include "PrinterSupport.h"

#include <gtest/gtest.h>

namespace {

CustomerEntry Customer(const QString& name, const QString& secondStreet = {}) {
    CustomerEntry c;
    c.displayName = name;
    c.address = QStringLiteral("1 Oak Lane");
    c.city = QStringLiteral("Springfield");
    c.state = QStringLiteral("IL");
    c.zip = QStringLiteral("62701");
    c.secondAddress = secondStreet;
    c.secondCity = QStringLiteral("Peoria");
    return c;
}

const LabelLines Sender = {QStringLiteral("Harlan Feed & Seed"), QStringLiteral("14 Mill Road"), QString(),
                           QStringLiteral("Macon"), QStringLiteral("GA"), QStringLiteral("31201")};

LabelRunRequest Request(int start = 0) {
    LabelRunRequest r;
    r.start = start;
    r.business = Sender;
    r.generalCopies = 0;
    return r;
}

// Each label of the plan as "job:position:line 1".
QStringList Placed(const LabelJobs& jobs) {
    QStringList placed;
    for (size_t j = 0; j < jobs.size(); ++j)
        for (const PlacedLabel& label : jobs[j])
            placed.append(QStringLiteral("%1:%2:%3").arg(j + 1).arg(label.position).arg(label.lines[0]));
    return placed;
}

class LabelPrintTest : public PrintingTest {};

} // namespace

TEST(LabelSheet, PositionsCountAcrossThenDown) {
    struct Row {
        int position, row, column;
        float x, y;
    } rows[] = {{0, 1, 1, 0.35f, 0.58f}, {4, 2, 2, 3.1f, 1.581f}, {8, 3, 3, 5.8f, 2.582f}, {29, 10, 3, 5.8f, 9.589f}};
    for (const Row& r : rows) {
        EXPECT_EQ(LabelRow(r.position), r.row) << r.position;
        EXPECT_EQ(LabelColumn(r.position), r.column) << r.position;
        EXPECT_FLOAT_EQ(LabelX(LabelColumn(r.position)), r.x);
        EXPECT_FLOAT_EQ(LabelY(LabelRow(r.position)), r.y);
    }
}

TEST(LabelSheet, RunsFillTheSheetInOrderAndStartANewJobPerSheet) {
    LabelRunRequest start4 = Request(4);
    start4.customers = {Customer(QStringLiteral("Ada"))};

    LabelRunRequest start29 = Request(29);
    start29.customers = {Customer(QStringLiteral("Ada")), Customer(QStringLiteral("Bo"))};

    LabelRunRequest mailing = Request();
    mailing.customers = {Customer(QStringLiteral("A")), Customer(QStringLiteral("B")), Customer(QStringLiteral("C"))};
    mailing.customerCopies = 2;
    mailing.mailingSet = mailing.returnLabel = true;
    QStringList sets;
    for (const char* name : {"A", "A", "B", "B", "C", "C"})
        sets << QStringLiteral("1:%1:") + QString::fromLatin1(name) << QStringLiteral("1:%1:Harlan Feed & Seed")
             << QStringLiteral("1:%1:Harlan Feed & Seed");
    for (int i = 0; i < sets.size(); ++i)
        sets[i] = sets[i].arg(i);

    LabelRunRequest oneBusiness = Request(28);
    oneBusiness.customers = {Customer(QStringLiteral("Ada"))};
    oneBusiness.mailingSet = true;

    LabelRunRequest everySource = Request();
    everySource.customers = {Customer(QStringLiteral("Cy"))};
    everySource.employees = {{QStringLiteral("Em")}};
    everySource.vendors = {{QStringLiteral("Ve")}};
    everySource.vendorCopies = 2;
    everySource.general = {QStringLiteral("Ge")};
    everySource.generalCopies = 1;

    struct Row {
        const char* what;
        LabelRunRequest request;
        QStringList placed;
        int needed;
    } rows[] = {
        {"start position 4", start4, {QStringLiteral("1:4:Ada")}, 1},
        {"start position 29", start29, {QStringLiteral("1:29:Ada"), QStringLiteral("2:0:Bo")}, 2},
        {"mailing sets with return labels", mailing, sets, 18},
        {"mailing set across sheets", oneBusiness, {QStringLiteral("1:28:Ada"), QStringLiteral("1:29:Harlan Feed & Seed")}, 2},
        {"customers, employees, vendors, General",
         everySource,
         {QStringLiteral("1:0:Cy"), QStringLiteral("1:1:Em"), QStringLiteral("1:2:Ve"), QStringLiteral("1:3:Ve"),
          QStringLiteral("1:4:Ge")},
         5},
        {"nothing selected", Request(), {}, 0},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Placed(PlanLabelRun(row.request)), row.placed) << row.what;
        EXPECT_EQ(LabelsNeeded(row.request), row.needed) << row.what;
    }
    EXPECT_EQ(PlanBusinessSheet(Sender).size(), 1u);
    EXPECT_EQ(PlanBusinessSheet(Sender).front().back().position, 29);
}

TEST(LabelSheet, SecondaryAddressOrThePrimaryWithANotice) {
    LabelRunRequest r = Request();
    r.customers = {Customer(QStringLiteral("Ada"), QStringLiteral("5 Pier Road")), Customer(QStringLiteral("Bo"))};
    r.secondAddress = true;
    const LabelJobs jobs = PlanLabelRun(r);
    ASSERT_EQ(jobs.front().size(), 2u);
    EXPECT_EQ(jobs.front()[0].lines[1], QStringLiteral("5 Pier Road"));
    EXPECT_EQ(jobs.front()[0].notice, QString());
    EXPECT_EQ(jobs.front()[1].lines[1], QStringLiteral("1 Oak Lane"));
    EXPECT_EQ(jobs.front()[1].notice, QStringLiteral("Bo's Secondary Address is empty\r\nThe Primary Address will be used"));
}

TEST(LabelSheet, LinesAndSizeFollowTheStyleAndTheLengths) {
    const QString name26 = QStringLiteral("Abcdefghij Klmnopqrs Tuvwx");
    ASSERT_EQ(name26.size(), 26);
    struct Row {
        LabelLines lines;
        AddressStyle style;
        QStringList printed;
        int size;
    } rows[] = {
        {{name26, QStringLiteral("1 Oak")}, AddressStyle::USA, {name26, QStringLiteral("1 Oak")}, 8},
        {{name26.left(25), QStringLiteral("1 Oak")}, AddressStyle::USA, {name26.left(25), QStringLiteral("1 Oak")}, 10},
        {{QStringLiteral("Ada"), name26}, AddressStyle::USA, {QStringLiteral("Ada"), name26}, 8},
        {{QStringLiteral("Ada"), QStringLiteral("1 Oak"), QStringLiteral("Apt 2"), QStringLiteral("Springfield"),
          QStringLiteral("IL"), QStringLiteral("62701")},
         AddressStyle::USA,
         {QStringLiteral("Ada"), QStringLiteral("1 Oak"), QStringLiteral("Apt 2"), QStringLiteral("Springfield, IL. 62701")},
         10},
        {{QStringLiteral("Ada"), QString(), QString(), QString(), QString(), QStringLiteral("62701")},
         AddressStyle::USA,
         {QStringLiteral("Ada"), QString(), QStringLiteral("62701")},
         10},
        {{QStringLiteral("Ada"), QString(), QString(), QString(), QString(), QStringLiteral("62701")},
         AddressStyle::International,
         {QStringLiteral("Ada"), QString()},
         10},
        {{QStringLiteral("Ada"), QStringLiteral("1 Oak"), QString(), QStringLiteral("Lyon"), QStringLiteral("France"),
          QStringLiteral("69001")},
         AddressStyle::International,
         {QStringLiteral("Ada"), QStringLiteral("1 Oak"), QStringLiteral("Lyon"), QStringLiteral("France")},
         10},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(PrintedLines(row.lines, row.style), row.printed) << row.lines[0].toStdString();
        EXPECT_EQ(LabelFontSize(row.lines), row.size) << row.lines[0].toStdString();
    }
}

TEST_F(LabelPrintTest, EachSheetIsAJobAndEachLabelStartsAtItsOrigin) {
    LabelRunRequest r = Request(29);
    r.customers = {Customer(QStringLiteral("Ada")), Customer(QStringLiteral("Bo"))};
    dialogs->answerPrintDialog(true).answerPrintDialog(true);
    PrintLabelJobs(PlanLabelRun(r), AddressStyle::USA);
    ASSERT_EQ(printer->jobs.size(), 2u);
    EXPECT_TRUE(printer->jobs[0].ended && printer->jobs[1].ended);
    const RecordedText* ada = printer->find(QStringLiteral("Ada"));
    const RecordedText* bo = printer->find(QStringLiteral("Bo"));
    ASSERT_TRUE(ada && bo);
    EXPECT_EQ(std::tuple(ada->job, bo->job), std::tuple(1, 2));
    for (auto [text, x, y] : {std::tuple(ada, 5.8f, 9.589f), std::tuple(bo, 0.35f, 0.58f)}) {
        EXPECT_NEAR(text->x, Twips(x), 0.5);
        EXPECT_NEAR(text->y, Twips(y), 0.5);
    }
    EXPECT_EQ(ada->font.face, LabelFace);
    EXPECT_EQ(ada->font.size, 10);
    // The lines below start at the label's left edge, one under the other.
    const auto lines = printer->textsOnPage(1, 1);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2].text, QStringLiteral("Springfield, IL. 62701"));
    EXPECT_EQ(lines[2].x, Twips(5.8f));
    EXPECT_GT(lines[2].y, lines[1].y);

    // Nothing selected prints nothing.
    PrintLabelJobs(PlanLabelRun(Request()), AddressStyle::USA);
    EXPECT_EQ(printer->jobs.size(), 2u);
}
