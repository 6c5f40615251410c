#include "search/SearchResultOpener.h"

#include "shell/Advisers.h"
#include "shell/HelpRequest.h"

SearchResultOpener::SearchResultOpener(Advisers& advisers, QObject* parent)
    : QObject(parent)
    , m_advisers(advisers)
    , m_help(new CommonDialog(QStringLiteral("diaSearch"), this))
{
}

void SearchResultOpener::open(const SearchResult& result)
{
    using Tab = Advisers::Tab;
    switch (result.source) {
    case SearchSource::Tavro:
        pickOperatorCargo(result.name);
        break;
    case SearchSource::Jo:
        m_advisers.bringToFront(Tab::Jo);
        m_advisers.pick(Tab::Jo, result.name);
        break;
    case SearchSource::HenkelOil:
        m_advisers.bringToFront(Tab::Henkel);
        m_advisers.pick(Tab::Henkel, result.name);
        break;
    case SearchSource::HenkelAdditional:
        m_advisers.bringToFront(Tab::Henkel);
        m_advisers.pickAdditionalProduct(result.name);
        break;
    case SearchSource::Mixture:
        m_advisers.openMixture(result.name);
        break;
    case SearchSource::Unitor:
        // The Unitor adviser and the notes window take their cargo from the operator tab when they load.
        if (pickOperatorCargo(result.name))
            m_advisers.reopen(Advisers::Window::Unitor);
        break;
    case SearchSource::UnitorLoading:
        m_advisers.openUnitorToLoad(result.name);
        break;
    case SearchSource::Notes:
        if (pickOperatorCargo(result.name))
            m_advisers.reopen(Advisers::Window::PersonalNotes);
        break;
    case SearchSource::Manual:
        m_help->requestTarget(result.file, result.topic);
        break;
    }
}

bool SearchResultOpener::pickOperatorCargo(const QString& name)
{
    m_advisers.bringToFront(Advisers::Tab::Tavro);
    m_advisers.pick(Advisers::Tab::Tavro, name);
    return m_advisers.currentCargo(Advisers::Tab::Tavro).name == name;
}
