#include "PathWarnings.h"

#include "AddressWarnings.h"
#include "Callsign.h"

#include <optional>
#include <vector>

namespace tarvek::config
{
namespace
{

constexpr int kMaxHops = 3;
constexpr int kMaxStandardN = 7;

// A digipeater as the tracker sends it.
struct Digipeater {
    QString typed;
    QString call; // the callsign without its padding
    int ssid = 0;
};

// An alias with a hop count in its name: WIDE2 of WIDE2-2, TRACE3 of
// TRACE3-3. The digit, or none.
std::optional<int> aliasNumber(const QString &call, QStringView alias)
{
    if (call.size() != alias.size() + 1 || !call.startsWith(alias))
        return std::nullopt;
    const QChar digit = call.back();
    if (digit < u'0' || digit > u'9')
        return std::nullopt;
    return digit.unicode() - u'0';
}

// New-N paradigm: RELAY, WIDE and TRACE without n-N, and TRACEn-N, are no
// longer answered; WIDEn-N traces the route itself.
QString obsoleteWarning(const Digipeater &d)
{
    const std::optional<int> trace = aliasNumber(d.call, u"TRACE");
    if (trace) {
        return QStringLiteral("\"%1\" is obsolete: digipeaters no longer answer it since the New-N "
                              "paradigm; use WIDE%2-%3, which they trace")
            .arg(d.typed)
            .arg(*trace)
            .arg(d.ssid);
    }
    if (d.call != u"RELAY" && d.call != u"WIDE" && d.call != u"TRACE")
        return {};
    return QStringLiteral("\"%1\" is obsolete: digipeaters no longer answer it since the New-N "
                          "paradigm; use WIDE1-1,WIDE2-1")
        .arg(d.typed);
}

// New-N paradigm: a digipeater acts on WIDEn-N while N, the hops left, is
// above 0; a bare WIDEn is WIDEn-0, used up before it leaves.
QString deadWarning(const Digipeater &d)
{
    const std::optional<int> n = aliasNumber(d.call, u"WIDE");
    if (!n || d.ssid != 0)
        return {};
    return QStringLiteral("\"%1\" is WIDE%2-0, a hop already used up: no digipeater will repeat "
                          "it; use WIDE%2-%2")
        .arg(d.typed)
        .arg(std::max(*n, 1));
}

// New-N paradigm: n is the hops asked for and N the hops left, so N never
// exceeds n; n runs from 1 to 7.
QString nonStandardWarning(const Digipeater &d)
{
    const std::optional<int> n = aliasNumber(d.call, u"WIDE");
    if (!n || (d.ssid <= *n && *n <= kMaxStandardN))
        return {};
    return QStringLiteral("\"%1\" is non-standard: in WIDEn-N the hops left (N) cannot exceed "
                          "the hops asked for (n), which run to %2, and digipeaters may drop it; "
                          "use a standard one such as WIDE2-2")
        .arg(d.typed)
        .arg(kMaxStandardN);
}

// New-N paradigm: WIDE3-3 and more flood far beyond the sender's area, and
// many digipeaters cut such requests to one hop.
QString farReachingWarning(const Digipeater &d)
{
    const std::optional<int> n = aliasNumber(d.call, u"WIDE");
    if (!n || *n < 3)
        return {};
    return QStringLiteral("\"%1\" asks for %2 hops, more than most areas allow, and many "
                          "digipeaters cut it to one hop; use WIDE2-2 at most")
        .arg(d.typed)
        .arg(*n);
}

// New-N paradigm: WIDE1-1 is the first hop, for home fill-in digipeaters.
// Digipeaters act on the first unused element, so a later one is still
// answered and lets fill-ins add a hop.
QString lateFillInWarning(const Digipeater &d, qsizetype index)
{
    if (index == 0 || d.call != u"WIDE1" || d.ssid != 1)
        return {};
    return QStringLiteral("\"%1\" after another digipeater is still answered and lets home "
                          "fill-in digipeaters add a hop; put WIDE1-1 first or leave it out")
        .arg(d.typed);
}

// The hops an element asks for: N of WIDEn-N and TRACEn-N, one for any
// other digipeater.
int hopsOf(const Digipeater &d)
{
    if (aliasNumber(d.call, u"WIDE") || aliasNumber(d.call, u"TRACE"))
        return d.ssid;
    return 1;
}

// New-N paradigm: two or three hops in all reach a whole area; more repeat
// the packet far beyond it.
QString hopCountWarning(const std::vector<Digipeater> &path)
{
    int hops = 0;
    for (const Digipeater &d : path)
        hops += hopsOf(d);
    if (hops <= kMaxHops)
        return {};
    return QStringLiteral("the path asks for %1 hops in all, more than most areas allow: each hop "
                          "repeats the packet on the shared channel; ask for %2 at most, as "
                          "WIDE1-1,WIDE2-2 does")
        .arg(hops)
        .arg(kMaxHops);
}

} // namespace

QStringList pathWarnings(const QString &path)
{
    QStringList digipeaters = pathDigipeaters(path);
    QStringList reasons;
    // The build packs two digipeaters; what follows a further "," travels
    // in the second one's SSID text, which reads as a number up to it.
    if (digipeaters.size() == 2) {
        const qsizetype comma = digipeaters[1].indexOf(u',', 1);
        if (comma > 0) {
            reasons << QStringLiteral("only two digipeaters go out: \"%1\" after the second \",\" "
                                      "is not sent; keep at most two")
                           .arg(digipeaters[1].mid(comma + 1));
            digipeaters[1].truncate(comma);
        }
    }
    std::vector<Digipeater> sent;
    for (qsizetype i = 0; i < digipeaters.size(); ++i) {
        const QString &typed = digipeaters[i];
        reasons << addressWarnings(typed, AddressRole::Digipeater);
        const auto normalized = normalizeCallsign(typed);
        if (!normalized)
            continue; // SEND refuses it
        const Digipeater d{typed.trimmed(), normalized->callsign.trimmed(),
                           normalized->ssidCode - kSsidBase};
        reasons << obsoleteWarning(d) << deadWarning(d) << nonStandardWarning(d)
                << farReachingWarning(d) << lateFillInWarning(d, i);
        sent.push_back(d);
    }
    reasons << hopCountWarning(sent);
    reasons.removeAll(QString());
    return reasons;
}

} // namespace tarvek::config
