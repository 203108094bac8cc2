// Every verb of tarvek-cli's table is named where people look verbs up: a
// synopsis line of the manual page and a row of the README's verb table.
#include "VerbTable.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace tarvek
{
namespace
{

using namespace Qt::StringLiterals;

TEST(CliVerbTable, ManPageAndReadmeNameEveryVerb)
{
    const auto readSource = [](const QString &path) {
        QFile file(QStringLiteral(TARVEK_SOURCE_DIR "/") + path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(file.fileName());
        return QString::fromUtf8(file.readAll());
    };
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

} // namespace
} // namespace tarvek
