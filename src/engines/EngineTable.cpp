#include "engines/EngineTable.h"

#include "engines/CountExtraction.h"

namespace {

const std::array<Engine, engineCount> table = {{
    {1, "Google", "Google", "Google:", "Google", "Google", "http://www.google.com/search?hl=en&ie=UTF-8&q=link:", "",
     CountRules::google, false, false},
    {2, "Altavista", "Altavista", "Altavista:", "AltaVista", "AltaVista",
     "http://www.altavista.com/web/results?q=link:", "", CountRules::altaVista, false, false},
    {3, "Yahoo", "Yahoo!", "Yahoo!:", "Yahoo", "Yahoo!", "http://search.yahoo.com/search?fr=fp-pull-web-t&p=link:", "",
     CountRules::yahoo, true, false},
    {4, "Ask", "Ask", "Ask:", "Ask", "Ask", "http://www.ask.com/web?qsrc=1&o=312&q=links:", "", CountRules::ask, true,
     false},
    {5, "MSN", "MSN", "MSN:", "MSN", "MSN", "http://search.msn.com/results.aspx?FORM=SMCRT&q=link:", "",
     CountRules::msn, true, true},
    {6, "ATW", "All The Web", "AllTheWeb:", "AllTheWeb", "All The Web",
     "http://www.alltheweb.com/search?cat=web&cs=utf8&q=link:", "&rys=0&_sb_lang=pref&ocjp=1", CountRules::allTheWeb,
     true, false},
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
