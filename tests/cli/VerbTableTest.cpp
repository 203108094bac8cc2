// Every verb of tarvek-cli's table is named where people look verbs up: a
// synopsis line of the manual page and a row of the README's verb table; and
// both give it the exit codes of its row, which its help page writes from
// ExitCode.
#include "VerbTable.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

namespace tarvek
{
namespace
{

using namespace Qt::StringLiterals;

QString readSource(const QString &path)
{
    QFile file(QStringLiteral(TARVEK_SOURCE_DIR "/") + path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(file.fileName());
    return QString::fromUtf8(file.readAll());
}

std::set<int> exitCodes(const cli::Verb &verb)
{
    std::set<int> codes;
    for (const cli::ExitMeaning &exit : verb.exits)
        codes.insert(exit.code);
    return codes;
}

TEST(CliVerbTable, ManPageAndReadmeNameEveryVerb)
{
    const QString man = readSource(u"packaging/man/tarvek-cli.1.in"_s);
    const QString readme = readSource(u"README.md"_s);
    ASSERT_FALSE(cli::verbs().empty());
    for (const cli::Verb &verb : cli::verbs()) {
        const QString name = QRegularExpression::escape(QLatin1String(verb.name));
        const QRegularExpression synopsis(u"^\\.B "_s + name + u'$',
                                          QRegularExpression::MultilineOption);
        const QRegularExpression row(u"^\\| `"_s + name + u"[ `]"_s,
                                     QRegularExpression::MultilineOption);
        EXPECT_TRUE(synopsis.match(man).hasMatch()) << verb.name;
        EXPECT_TRUE(row.match(readme).hasMatch()) << verb.name;
    }
}

// A verb is named whole and as written: "ENCODE", "enc" or "encodes" is an
// unknown verb, not encode.
TEST(CliVerbTable, FindsAVerbByItsExactNameOnly)
{
    for (const char *name :
         {"encode", "save", "position", "send", "decode", "settings", "symbols", "ports"}) {
        const cli::Verb *verb = cli::findVerb(QString::fromLatin1(name));
        ASSERT_TRUE(verb) << name;
        EXPECT_STREQ(verb->name, name);
    }
    for (const char *name : {"ENCODE", "Ports", "enc", "s", "encodes", "", "help", "--help"})
        EXPECT_FALSE(cli::findVerb(QString::fromLatin1(name))) << name;
}

// The README's verb table ends each row with the exit codes: "0 built, 1
// rejected, 2 usage/refused `--set`".
TEST(CliVerbTable, ReadmeGivesEachVerbItsExitCodes)
{
    const QString readme = readSource(u"README.md"_s);
    for (const cli::Verb &verb : cli::verbs()) {
        const QRegularExpression row(u"^\\| `"_s +
                                         QRegularExpression::escape(QLatin1String(verb.name)) +
                                         u"[ `].*\\|([^|\\n]*)\\|\\s*$"_s,
                                     QRegularExpression::MultilineOption);
        const QString cell = row.match(readme).captured(1).trimmed();
        std::set<int> codes;
        QRegularExpressionMatchIterator numbers =
            QRegularExpression(u"(?:^|, )(\\d+)"_s).globalMatch(cell);
        while (numbers.hasNext())
            codes.insert(numbers.next().captured(1).toInt());
        EXPECT_EQ(codes, exitCodes(verb)) << verb.name << ": " << qPrintable(cell);
    }
}

// The manual page's EXIT STATUS has an item for each code; an item names the
// verbs that exit with it, except success and usage errors, which every verb
// has.
TEST(CliVerbTable, ManPageGivesEachVerbItsExitCodes)
{
    const QString man = readSource(u"packaging/man/tarvek-cli.1.in"_s);
    const qsizetype from = man.indexOf(u"\n.SH EXIT STATUS\n"_s);
    ASSERT_GE(from, 0);
    const QString section = man.mid(from + 1, man.indexOf(u"\n.SH "_s, from + 1) - from);
    std::map<int, std::set<std::string>> named;
    for (const QString &item : section.split(u"\n.TP\n.B "_s).mid(1)) {
        std::set<std::string> &verbs = named[item.section(u'\n', 0, 0).toInt()];
        for (const QString &line : item.split(u'\n')) {
            for (const cli::Verb &verb : cli::verbs()) {
                const QRegularExpression word(u"\\b"_s + QLatin1String(verb.name) + u"\\b"_s);
                if (line.startsWith(u'.') && word.match(line).hasMatch())
                    verbs.insert(verb.name);
            }
        }
    }
    std::map<int, std::set<std::string>> expected;
    for (const cli::Verb &verb : cli::verbs()) {
        EXPECT_TRUE(exitCodes(verb).count(cli::ExitOk) && exitCodes(verb).count(cli::ExitUsage))
            << verb.name;
        for (const int code : exitCodes(verb))
            expected[code].insert(verb.name);
    }
    ASSERT_EQ(named.size(), expected.size());
    for (const auto &[code, verbs] : expected) {
        ASSERT_TRUE(named.count(code)) << "no item for exit status " << code;
        if (code == cli::ExitOk || code == cli::ExitUsage) {
            EXPECT_TRUE(
                std::includes(verbs.begin(), verbs.end(), named[code].begin(), named[code].end()))
                << code;
        } else {
            EXPECT_EQ(named[code], verbs) << "exit status " << code;
        }
    }
}

} // namespace
} // namespace tarvek
