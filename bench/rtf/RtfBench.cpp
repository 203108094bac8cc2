// Reads the instruction manual and a generated 1 MB RTF document into a
// QTextDocument with our reader, and the same content exported as HTML with
// Qt's own setHtml, and prints the median times side by side.
//
// Usage: bench_rtf [MANUAL.rtf]
#include "RtfDocumentBuilder.h"
#include "RtfReader.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTextDocument>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace
{

double medianMilliseconds(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// A word-processor-like document: headings, formatted runs, accented
// characters, bullet lists and tables, repeated to the requested size.
QByteArray generatedRtf(qsizetype size)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}"
                     "{\\f1\\fmodern Courier New;}}{\\colortbl;\\red31\\green73\\blue125;}\n";
    for (int section = 1; rtf.size() < size; ++section) {
        rtf += "\\pard\\plain\\sb240\\sa120\\b\\fs28\\cf1 Section " + QByteArray::number(section) +
               "\\par\n";
        for (int p = 0; p < 4; ++p)
            rtf += "\\pard\\plain\\sa120\\fs22 The tracker sends its \\b position\\b0  every "
                   "\\i few\\i0  minutes; perch\\'e8 the {\\f1 SEND} button \\u8594? writes "
                   "the block of 114 bytes to the serial port at 4800 baud.\\par\n";
        rtf += "\\pard{\\pntext\\'95\\tab}{\\*\\pn\\pnlvlblt{\\pntxtb\\'95}}\\fi-360\\li720 "
               "first item\\par{\\pntext\\'95\\tab}second item\\par\\pard\n";
        for (int r = 0; r < 3; ++r)
            rtf += "\\trowd\\cellx2000\\cellx6000\\cellx9000\\pard\\intbl\\b Name\\b0\\cell "
                   "A longer description of the value\\cell 0480\\cell\\row\n";
        rtf += "\\pard\n";
    }
    return rtf + "}";
}

void compare(const char *name, const QByteArray &rtf)
{
    QTextDocument ours;
    tarvek::ui::loadRtfIntoDocument(rtf, ours);
    const QString html = ours.toHtml();
    const int runs = rtf.size() > 100'000 ? 7 : 41;
    const double parse = medianMilliseconds(runs, [&] { (void)tarvek::rtf::readRtf(rtf); });
    const double read = medianMilliseconds(runs, [&] {
        QTextDocument document;
        tarvek::ui::loadRtfIntoDocument(rtf, document);
    });
    const double qtHtml = medianMilliseconds(runs, [&] {
        QTextDocument document;
        document.setHtml(html);
    });
    std::printf("%-10s RTF %7.1f KB  HTML %7.1f KB  %5d blocks | RTF reader %8.2f ms "
                "(parsing %7.2f ms) | Qt setHtml %8.2f ms | ratio %.2f\n",
                name, rtf.size() / 1024.0, html.toUtf8().size() / 1024.0, ours.blockCount(), read,
                parse, qtHtml, read / qtHtml);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QFile manual(QString::fromLocal8Bit(argc > 1 ? argv[1] : TARVEK_MANUAL_RTF));
    if (manual.open(QIODevice::ReadOnly))
        compare("manual", manual.readAll());
    else
        std::printf("manual: cannot read %s\n", qPrintable(manual.fileName()));
    compare("generated", generatedRtf(1024 * 1024));
    return 0;
}
