#include "DelimitedFile.h"

#include <gtest/gtest.h>

namespace {

QByteArray written(std::initializer_list<Item> items) {
    DelimitedWriter writer;
    writer.write(items);
    return writer.bytes();
}

std::vector<QString> allItems(const QByteArray& bytes) {
    DelimitedReader reader(bytes);
    std::vector<QString> items;
    while (!reader.atEnd())
        items.push_back(reader.readText());
    EXPECT_FALSE(reader.isShort());
    return items;
}

} // namespace

TEST(DelimitedWriter, WriteStatementQuotesTextsAndLeavesNumbersAndFlagsBare) {
    EXPECT_EQ(written({Item::text(QStringLiteral("Acme Tools")), Item::number(0.5), Item::number(-12),
                       Item::flag(true), Item::flag(false)}),
              QByteArray("\"Acme Tools\",0.5,-12,#TRUE#,#FALSE#\r\n"));
    EXPECT_EQ(written({Item::number(Decimal{125000, 2}), Item::number(std::int64_t{1250})}),
              QByteArray("1250,1250\r\n"));
    EXPECT_EQ(written({Item::text(QString())}), QByteArray("\"\"\r\n"));
}

TEST(DelimitedWriter, DoubleQuoteInsideTextIsWrittenAsSingleQuote) {
    EXPECT_EQ(written({Item::text(QStringLiteral("The \"Best\" Cafe"))}),
              QByteArray("\"The 'Best' Cafe\"\r\n"));
}

TEST(DelimitedWriter, PrintStatementWritesTextAsItStands) {
    DelimitedWriter writer;
    writer.print(QStringLiteral("Thanks, \"team\""));
    writer.print(QString());
    EXPECT_EQ(writer.bytes(), QByteArray("Thanks, \"team\"\r\n\r\n"));
}

TEST(DelimitedWriter, TextIsWindows1252) {
    EXPECT_EQ(written({Item::text(QStringLiteral("\u00B1 \u20AC"))}), QByteArray("\"\xB1 \x80\"\r\n"));
}

TEST(DelimitedReader, QuotedItemKeepsItsCommasAndDropsWhatFollowsTheQuote) {
    DelimitedReader reader("\"Smith, John\" junk,42\r\n");
    const auto name = reader.next();
    EXPECT_EQ(name.text, QStringLiteral("Smith, John"));
    EXPECT_TRUE(name.quoted);
    const auto number = reader.next();
    EXPECT_EQ(number.text, QStringLiteral("42"));
    EXPECT_EQ(number.kind, Item::Kind::Number);
    EXPECT_TRUE(reader.atEnd());
}

TEST(DelimitedReader, LeadingBlanksSkippedAndTrailingBlanksDropped) {
    EXPECT_EQ(
        allItems(" \t12.5  ,\t\"  padded  \"  ,  None \r\n"),
        (std::vector<QString>{QStringLiteral("12.5"), QStringLiteral("  padded  "), QStringLiteral("None")}));
}

TEST(DelimitedReader, FlagsReadAsFlags) {
    DelimitedReader reader("#TRUE#,#FALSE#,-1,0,\"#TRUE#\"\r\n");
    const auto first = reader.next();
    EXPECT_EQ(first.kind, Item::Kind::Flag);
    EXPECT_TRUE(first.flag);
    EXPECT_FALSE(reader.readFlag());
    EXPECT_TRUE(reader.readFlag());
    EXPECT_FALSE(reader.readFlag());
    // A quoted text is a text, whatever it says.
    EXPECT_EQ(reader.next().kind, Item::Kind::Text);
}

TEST(DelimitedReader, CrLfLfAndCrEachEndALine) {
    EXPECT_EQ(allItems("a\r\nb\nc\rd"), (std::vector<QString>{QStringLiteral("a"), QStringLiteral("b"),
                                                              QStringLiteral("c"), QStringLiteral("d")}));
}

TEST(DelimitedReader, EmptyLineYieldsOneEmptyItem) {
    EXPECT_EQ(allItems("a\r\n\r\nb\r\n"),
              (std::vector<QString>{QStringLiteral("a"), QString(), QStringLiteral("b")}));
    EXPECT_EQ(allItems("\n"), std::vector<QString>{QString()});
}

TEST(DelimitedReader, ShortFileIsMarkedAndNeverReadPastItsEnd) {
    DelimitedReader reader("\"one\",2\r\n", QStringLiteral("/TaxVariables.txt"));
    EXPECT_EQ(reader.readText(), QStringLiteral("one"));
    EXPECT_EQ(reader.readWhole(), 2);
    EXPECT_FALSE(reader.isShort());
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.readText(), QString());
    EXPECT_TRUE(reader.isShort());
    EXPECT_EQ(reader.readWhole(), 0);
    EXPECT_FALSE(reader.readFlag());
    EXPECT_EQ(reader.fileName(), QStringLiteral("/TaxVariables.txt"));
}

TEST(DelimitedReader, EmptyFileIsShortAtOnce) {
    DelimitedReader reader{QByteArray()};
    EXPECT_TRUE(reader.atEnd());
    reader.next();
    EXPECT_TRUE(reader.isShort());
}

TEST(DelimitedReader, UnclosedQuoteRunsToTheEndOfTheFile) {
    DelimitedReader reader("\"open text,\r\nmore");
    EXPECT_EQ(reader.readText(), QStringLiteral("open text,\r\nmore"));
    EXPECT_TRUE(reader.atEnd());
    EXPECT_FALSE(reader.isShort());
}

TEST(DelimitedReader, WholeNumbersRoundTiesToEven) {
    DelimitedReader reader("2.5,3.5,-7,x,\"12\"\r\n");
    EXPECT_EQ(reader.readWhole(), 2);
    EXPECT_EQ(reader.readWhole(), 4);
    EXPECT_EQ(reader.readWhole(), -7);
    EXPECT_EQ(reader.readWhole(), 0);
    EXPECT_EQ(reader.readWhole(), 12);
}

TEST(DelimitedReader, WhatTheWriterWritesReadsBack) {
    DelimitedWriter writer;
    writer.write({Item::text(QStringLiteral("\u00B1 Caf\u00E9, \u0081 Inc.")), Item::number(1234.5),
                  Item::flag(true)});
    writer.write(Item::text(QStringLiteral("$1,234.56")));
    DelimitedReader reader(writer.bytes());
    EXPECT_EQ(reader.readText(), QStringLiteral("\u00B1 Caf\u00E9, \u0081 Inc."));
    EXPECT_EQ(reader.readText(), QStringLiteral("1234.5"));
    EXPECT_TRUE(reader.readFlag());
    EXPECT_EQ(reader.readText(), QStringLiteral("$1,234.56"));
    EXPECT_TRUE(reader.atEnd());
    EXPECT_FALSE(reader.isShort());
}
