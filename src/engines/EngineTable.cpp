#include "engines/EngineTable.h"

namespace {

const std::array<Engine, engineCount> table = {{
    {1, "Google", "Google", "Google:", "Google", " on Google", "http://www.google.com/search?hl=en&ie=UTF-8&q=link:",
     ""},
    {2, "Altavista", "Altavista", "Altavista:", "AltaVista", " on AltaVista",
     "http://www.altavista.com/web/results?q=link:", ""},
    {3, "Yahoo", "Yahoo!", "Yahoo!:", "Yahoo", " on Yahoo!", "http://search.yahoo.com/search?fr=fp-pull-web-t&p=link:",
     ""},
    {4, "Ask", "Ask", "Ask:", "Ask", " on Ask", "http://www.ask.com/web?qsrc=1&o=312&q=links:", ""},
    {5, "MSN", "MSN", "MSN:", "MSN", " on MSN", "http://search.msn.com/results.aspx?FORM=SMCRT&q=link:", ""},
    {6, "ATW", "All The Web", "AllTheWeb:", "AllTheWeb", " on All The Web",
     "http://www.alltheweb.com/search?cat=web&cs=utf8&q=link:", "&rys=0&_sb_lang=pref&ocjp=1"},
}};

} // namespace

QString Engine::queryAddress(const QString& queryTemplate, const QString& site) const
{
    return queryTemplate + site + QString::fromLatin1(querySuffix);
}

const std::array<Engine, engineCount>& engines()
{
    return table;
}

const Engine* engineByNumber(int number)
{
    if (number < 1 || number > engineCount)
        return nullptr;
    return &table[static_cast<std::size_t>(number - 1)];
}

const Engine* engineByWebViewText(const QString& text)
{
    for (const Engine& engine : table) {
        if (text == QLatin1String(engine.webViewText))
            return &engine;
    }
    return nullptr;
}
