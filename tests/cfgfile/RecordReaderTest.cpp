#include "Cp1252.h"
#include "RecordReader.h"
#include "RecordWriter.h"

#include <QBuffer>
#include <gtest/gtest.h>

using namespace tarvek::cfgfile;
using namespace tarvek::config;

using namespace tarvek;
using Kind = CfgValue::Kind;

namespace
{

struct Read {
    Kind kind;
    QString text; // the text form: text, decimal digits, "#TRUE#"/"#FALSE#"
};

// Every value of `bytes`, up to the end of the input.
std::vector<Read> ReadAll(const QByteArray &bytes, CfgError *last = nullptr)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    RecordReader reader(buffer);
    std::vector<Read> out;
    for (;;) {
        CfgValue v;
        const CfgError e = reader.next(v);
        if (e != CfgError::None) {
            if (last)
                *last = e;
            return out;
        }
        QString text = v.text;
        if (v.kind == Kind::Number)
            text = decimalText(v.number);
        if (v.kind == Kind::Truth)
            text = v.truth ? QStringLiteral("#TRUE#") : QStringLiteral("#FALSE#");
        out.push_back({v.kind, text});
    }
}

struct ReaderCase {
    const char *name;
    QByteArray input;
    std::vector<Read> expected;
};

QString S(const char *text)
{
    return QString::fromLatin1(text);
}

class RecordReaderTable : public ::testing::TestWithParam<ReaderCase>
{
};

TEST_P(RecordReaderTable, ReadsValues)
{
    const ReaderCase &c = GetParam();
    CfgError last = CfgError::None;
    const std::vector<Read> got = ReadAll(c.input, &last);
    ASSERT_EQ(got.size(), c.expected.size());
    for (size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].kind, c.expected[i].kind) << "value " << i;
        EXPECT_EQ(got[i].text, c.expected[i].text) << "value " << i;
    }
    EXPECT_EQ(last, CfgError::InputPastEnd);
}

const Read T(const char *t)
{
    return {Kind::Text, S(t)};
}
const Read N(const char *t)
{
    return {Kind::Number, S(t)};
}
const Read E{Kind::Empty, {}};

INSTANTIATE_TEST_SUITE_P(
    Cases, RecordReaderTable,
    ::testing::Values(
        ReaderCase{"EmptyInput", "", {}},
        ReaderCase{"ExampleFirstLine",
                   "\"1\",\"200\",\"008\",0,\">\",0\r\n",
                   {T("1"), T("200"), T("008"), N("0"), T(">"), N("0")}},
        ReaderCase{"CommaInsideQuotes", "\"WIDE1-1,WIDE2-2\",3", {T("WIDE1-1,WIDE2-2"), N("3")}},
        ReaderCase{"DoubledQuoteIsOne", "\"\"\"ww90\",\"a\"\"\"", {T("\"ww90"), T("a\"")}},
        ReaderCase{"QuotedEmptyText", "\"\",\"\"\r\n", {T(""), T("")}},
        ReaderCase{"NothingBetweenSeparators", ",,\r\n", {E, E, E}},
        ReaderCase{"LineEndsCloseValues", "1\r\n2\n3\r4", {N("1"), N("2"), N("3"), N("4")}},
        ReaderCase{"CommaThenLineEndIsEmptyValue", "1,\r\n2", {N("1"), E, N("2")}},
        ReaderCase{"SpacesAroundUnquoted", "  12  ,  ab c  ", {N("12"), T("ab c")}},
        ReaderCase{"SpacesInsideQuotesKept", "  \" a \" ,x", {T(" a "), T("x")}},
        ReaderCase{"IgnoredAfterClosingQuote", "\"ab\"cd,3", {T("ab"), N("3")}},
        ReaderCase{"QuotedSpansLines", "\"a\r\nb\",1", {T("a\r\nb"), N("1")}},
        ReaderCase{"UnclosedQuoteRunsToEnd", "\"abc,def\r\n", {T("abc,def\r\n")}},
        ReaderCase{"TruthValues",
                   "#TRUE#,#FALSE#,#true#",
                   {{Kind::Truth, S("#TRUE#")}, {Kind::Truth, S("#FALSE#")}, T("#true#")}},
        ReaderCase{"NumberForms",
                   "-3,+4,007,1.50,.5,5.,-0",
                   {N("-3"), N("4"), N("7"), N("1.5"), N("0.5"), N("5"), N("0")}},
        ReaderCase{"NotNumbers",
                   "1e3,1 2,3__,-,.,1.2.3,0x10",
                   {T("1e3"), T("1 2"), T("3__"), T("-"), T("."), T("1.2.3"), T("0x10")}},
        ReaderCase{"QuotedNumberIsText", "\"42\"", {T("42")}},
        ReaderCase{"Windows1252Bytes", "\"\x80\xe8\"", {{Kind::Text, QString::fromUtf8("€è")}}},
        ReaderCase{
            "NulBytes",
            QByteArray("a\0b,\"\0\"", 7),
            {{Kind::Text, QString::fromLatin1("a\0b", 3)}, {Kind::Text, QString(QChar(u'\0'))}}}),
    [](const ::testing::TestParamInfo<ReaderCase> &info) { return std::string(info.param.name); });

TEST(RecordReader, ValueLongerThanLimitFails)
{
    CfgError last = CfgError::None;
    const QByteArray longValue(RecordReader::kMaxValueBytes + 1, 'x');
    EXPECT_TRUE(ReadAll(longValue, &last).empty());
    EXPECT_EQ(last, CfgError::ValueTooLong);
    EXPECT_TRUE(ReadAll('"' + longValue + '"', &last).empty());
    EXPECT_EQ(last, CfgError::ValueTooLong);
    EXPECT_TRUE(ReadAll(QByteArray(RecordReader::kMaxValueBytes + 1, ' ') + "1", &last).empty());
    EXPECT_EQ(last, CfgError::ValueTooLong);
    // Just within the limit is a value.
    EXPECT_EQ(ReadAll(QByteArray(RecordReader::kMaxValueBytes, 'x')).size(), 1u);
}

TEST(RecordWriter, WritesKindsCommasAndCrLf)
{
    RecordLine line;
    line.text(S("a,b")).whole(-12).whole(0).truth(true).truth(false).text(QString());
    EXPECT_EQ(line.bytes(), QByteArray("\"a,b\",-12,0,#TRUE#,#FALSE#,\"\"\r\n"));
}

TEST(RecordWriter, DoublesQuotesAndWritesWindows1252)
{
    EXPECT_EQ(RecordLine().text(S("say \"hi\"")).bytes(), QByteArray("\"say \"\"hi\"\"\"\r\n"));
    EXPECT_EQ(RecordLine().text(QString::fromUtf8("€è")).bytes(), QByteArray("\"\x80\xe8\"\r\n"));
}

TEST(RecordWriterReader, EveryByteOfTheCodePageComesBack)
{
    QString all;
    for (int code = 1; code < 256; ++code)
        all.append(QChar(static_cast<char16_t>(cp1252Char(static_cast<unsigned char>(code)))));
    const std::vector<Read> got = ReadAll(RecordLine().text(all).text(S("\"")).bytes());
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].text, all);
    EXPECT_EQ(got[1].text, S("\""));
}

} // namespace
