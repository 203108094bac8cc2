#include "Utf8Locale.h"

#include <array>
#include <clocale>
#include <cstdlib>
#include <langinfo.h>
#include <string>
#include <strings.h>

namespace tarvek::config
{
namespace
{

bool isUtf8(const char *codeset)
{
    return strcasecmp(codeset, "UTF-8") == 0 || strcasecmp(codeset, "utf8") == 0;
}

// The UTF-8 form of the environment's character-type locale, "de_DE" for
// "de_DE.ISO-8859-1", or C.UTF-8 when there is none; empty when neither exists.
std::string utf8CharacterLocale()
{
    std::string name = std::setlocale(LC_CTYPE, nullptr);
    name = name.substr(0, name.find_first_of(".@")) + ".UTF-8";
    for (const std::string &candidate : {name, std::string("C.UTF-8")}) {
        if (std::setlocale(LC_CTYPE, candidate.c_str()) != nullptr)
            return candidate;
    }
    return {};
}

// LC_ALL overrides every category, LC_CTYPE included: its value moves to
// each category of its own, so that LC_CTYPE alone can change.
void spreadLcAll()
{
    const char *all = std::getenv("LC_ALL");
    if (all == nullptr || *all == '\0')
        return;
    const std::string value = all;
    constexpr std::array kCategories = {"LC_COLLATE",     "LC_MESSAGES",      "LC_MONETARY",
                                        "LC_NUMERIC",     "LC_TIME",          "LC_PAPER",
                                        "LC_NAME",        "LC_ADDRESS",       "LC_TELEPHONE",
                                        "LC_MEASUREMENT", "LC_IDENTIFICATION"};
    for (const char *category : kCategories)
        setenv(category, value.c_str(), 1);
    unsetenv("LC_ALL");
}

} // namespace

void startOnUtf8Locale()
{
    if (std::setlocale(LC_ALL, "") == nullptr || isUtf8(nl_langinfo(CODESET)))
        return;
    const std::string utf8 = utf8CharacterLocale();
    if (utf8.empty())
        return; // No UTF-8 locale at all: Qt says so itself.
    spreadLcAll();
    setenv("LC_CTYPE", utf8.c_str(), 1);
}

} // namespace tarvek::config
