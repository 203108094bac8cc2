#include "Callsign.h"

#include "NumericReading.h"

namespace tarvek::config
{
namespace
{

// Spaces only, as the field shows them; other blanks belong to the text.
QString trimSpaces(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

QString rightTrimSpaces(const QString &text)
{
    qsizetype last = text.size();
    while (last > 0 && text.at(last - 1) == u' ')
        --last;
    return text.left(last);
}

} // namespace

CallsignParts splitCallsign(const QString &input)
{
    const QString text = trimSpaces(input);
    const qsizetype dash = text.size() > 1 ? text.indexOf(u'-', 1) : -1;
    if (dash < 0)
        return {text, std::nullopt};
    return {text.left(dash), text.mid(dash + 1)};
}

std::optional<NormalizedCallsign> normalizeCallsign(const QString &input)
{
    const CallsignParts parts = splitCallsign(input);
    int ssid = 0;
    if (parts.ssid) {
        const double value = roundHalfEven(readNumber(*parts.ssid));
        if (!(value >= 0.0 && value <= kMaxSsidNumber))
            return std::nullopt;
        ssid = static_cast<int>(value);
    }
    NormalizedCallsign out;
    out.ssidCode = kSsidBase + ssid;
    if (ssid > kLargestSsid)
        out.ssidCode = kSsidBase;
    out.callsign = parts.callsign.left(kCallsignLength).leftJustified(kCallsignLength, u' ');
    out.text = rightTrimSpaces(out.callsign);
    if (parts.ssid && out.ssidCode > kSsidBase)
        out.text += u'-' + *parts.ssid;
    return out;
}

QStringList pathDigipeaters(const QString &path)
{
    if (path.isEmpty())
        return {};
    const qsizetype comma = path.size() > 1 ? path.indexOf(u',', 1) : -1;
    if (comma < 0)
        return {path};
    return {path.left(comma), path.mid(comma + 1)};
}

} // namespace tarvek::config
