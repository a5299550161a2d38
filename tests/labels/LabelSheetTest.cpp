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
    // Placed from the corner of the paper, not of the printable area.
    for (auto [text, x, y] : {std::tuple(ada, 5.8f, 9.589f), std::tuple(bo, 0.35f, 0.58f)}) {
        EXPECT_NEAR(text->x + printer->margin, Twips(x), 0.5);
        EXPECT_NEAR(text->y + printer->margin, Twips(y), 0.5);
    }
    EXPECT_EQ(ada->font.face, LabelFace);
    EXPECT_EQ(ada->font.size, 10);
    // The lines below start at the label's left edge, one under the other.
    const auto lines = printer->textsOnPage(1, 1);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2].text, QStringLiteral("Springfield, IL. 62701"));
    EXPECT_EQ(lines[2].x, lines[0].x);
    EXPECT_GT(lines[2].y, lines[1].y);

    // Nothing selected prints nothing.
    PrintLabelJobs(PlanLabelRun(Request()), AddressStyle::USA);
    EXPECT_EQ(printer->jobs.size(), 2u);
}

// Full sheets on standard 30-label letter stock (2.625 x 1 in labels, 0.5 in from the top,
// 0.1875 in from the left, 0.125 in between columns), through printers of different
// margins: every label starts where the sheet's map puts it, measured from the corner of
// the paper, and every line's box stays on its own label.
TEST_F(LabelPrintTest, FullSheetsLandOnTheStockWhateverThePrintersMargins) {
    const QString longCity = QStringLiteral("Rancho Santa Margarita, CA. 92688-1234");
    const LabelLines usa = {QStringLiteral("Rancho Feed"), QStringLiteral("12 Main Street"), QStringLiteral("Suite 4"),
                            QStringLiteral("Rancho Santa Margarita"), QStringLiteral("CA"), QStringLiteral("92688-1234")};
    // Five lines at 10 points, the tallest label.
    const LabelLines international = {QStringLiteral("Ada Okafor"), QStringLiteral("14 Harbour Row"),
                                      QStringLiteral("Docklands"), QStringLiteral("London E14 5AB"),
                                      QStringLiteral("United Kingdom")};
    const LabelLines longNames = {QStringLiteral("Montgomery-Fairweather Imports Ltd"),
                                  QStringLiteral("Unit 1200, Longstreet Boulevard West"), QStringLiteral("Docklands"),
                                  QStringLiteral("Rancho Santa Margarita Municipal Water District No. 12"),
                                  QStringLiteral("United Kingdom of Great Britain")};
    constexpr double In = TwipsPerInch;
    struct Row {
        const char* what;
        double margin; // inches
        LabelLines lines;
        AddressStyle style;
        int linesPerLabel;
    } rows[] = {
        {"quarter-inch margins, USA", 0.25, usa, AddressStyle::USA, 4},
        {"quarter-inch margins, International", 0.25, international, AddressStyle::International, 5},
        {"borderless printer", 0.0, usa, AddressStyle::USA, 4},
        {"wide margins", 0.3, international, AddressStyle::International, 5},
        {"wide margins, long names", 0.3, longNames, AddressStyle::International, 5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const size_t first = printer->texts.size();
        printer->margin = row.margin * In;
        dialogs->answerPrintDialog(true);
        PrintLabelJobs(PlanBusinessSheet(row.lines), row.style);
        ASSERT_EQ(printer->texts.size() - first, size_t(LabelsPerSheet * row.linesPerLabel));
        for (size_t i = 0; i < printer->texts.size() - first; ++i) {
            const RecordedText& t = printer->texts[first + i];
            SCOPED_TRACE(QStringLiteral("%1 at %2,%3").arg(t.text).arg(t.x).arg(t.y).toStdString());
            const int position = int(i) / row.linesPerLabel;
            const double left = 0.1875 * In + (LabelColumn(position) - 1) * 2.75 * In;
            const double top = 0.5 * In + (LabelRow(position) - 1) * In;
            const double x = t.x + printer->margin;
            const double y = t.y + printer->margin;
            if (int(i) % row.linesPerLabel == 0) {
                EXPECT_NEAR(x, LabelX(LabelColumn(position)) * In, 0.02 * In);
                EXPECT_NEAR(y, LabelY(LabelRow(position)) * In, 0.02 * In);
            }
            EXPECT_GE(x, left);
            EXPECT_LE(x + t.width, left + 2.625 * In);
            EXPECT_LE(x + t.width, printer->margin + printer->printableSize(PageOrientation::Portrait).width());
            EXPECT_GE(y, top);
            EXPECT_LE(y + printer->lineHeight(t.font), top + In);
        }
    }
    // The 8-point rule of long names stays; only a line too wide at its size prints smaller.
    EXPECT_EQ(printer->find(longNames[0])->font.size, 8);
    EXPECT_LT(printer->find(longNames[3])->font.size, 8);
    ASSERT_NE(printer->find(longCity), nullptr);
    EXPECT_LT(printer->find(longCity)->font.size, 10);
    EXPECT_EQ(printer->find(QStringLiteral("Rancho Feed"))->font.size, 10);
}
