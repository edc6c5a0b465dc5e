#include "webview/UrlEncode.h"

#include <array>
#include <utility>

namespace {

// In the order of replacement; "%" must stay first.
constexpr std::array<std::pair<char, const char*>, 24> escapes = {{
    {'%', "%25"},  {' ', "%20"}, {'<', "%3C"}, {'>', "%3E"}, {'#', "%23"}, {'{', "%7B"}, {'}', "%7D"},  {'|', "%7C"},
    {'\\', "%5C"}, {'^', "%5E"}, {'~', "%7E"}, {'[', "%5B"}, {']', "%5D"}, {'`', "%60"}, {';', "%3B"},  {'/', "%2F"},
    {'?', "%3F"},  {':', "%3A"}, {'@', "%40"}, {'=', "%3D"}, {'&', "%26"}, {'$', "%24"}, {'\n', "%0A"}, {'\r', "%0D"},
}};

} // namespace

QString urlEncode(const QString& text)
{
    QString encoded = text;
    for (const auto& [character, escape] : escapes)
        encoded.replace(QLatin1Char(character), QLatin1String(escape));
    return encoded;
}
