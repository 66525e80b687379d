#include "drawrules.h"

TDrawRules::TDrawRules(QObject *memo) : QObject(memo)
{
}

TDrawRules::~TDrawRules() = default;

TColorRule *TDrawRules::add()
{
    m_rules.push_back(std::make_unique<TColorRule>());
    return m_rules.back().get();
}

void TDrawRules::remove(int index)
{
    m_rules.erase(m_rules.begin() + index);
}

void TDrawRules::clear()
{
    m_rules.clear();
}

void TDrawRules::Assign(const TDrawRules &source)
{
    if (&source == this)
        return;
    clear();
    for (const auto &rule : source.m_rules)
        add()->Assign(*rule);
}

void TDrawRules::PrepareAll()
{
    if (!m_recompile) {
        m_recompile = true;
        return;
    }
    bool anyContent = false;
    for (const auto &rule : m_rules)
        anyContent = rule->Prepare() || anyContent;
    m_recompile = !anyContent;
}
