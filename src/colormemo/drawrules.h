#pragma once

#include "colorrule.h"

#include <QObject>

#include <memory>
#include <vector>

// The memo's ordered rule collection.
class TDrawRules : public QObject
{
    Q_OBJECT

public:
    explicit TDrawRules(QObject *memo = nullptr);
    ~TDrawRules() override;

    TColorRule *add();
    void remove(int index);
    void clear();
    int count() const { return int(m_rules.size()); }
    TColorRule *at(int index) const { return m_rules[std::size_t(index)].get(); }

    // Replaces the rules by copies of the source's rules.
    void Assign(const TDrawRules &source);

    // Recompiles every rule when the recompile mark is set. Rules edited
    // without their setters are so refreshed within two passes.
    void PrepareAll();

private:
    std::vector<std::unique_ptr<TColorRule>> m_rules;
    bool m_recompile = true;
};
