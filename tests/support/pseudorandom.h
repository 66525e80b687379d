#pragma once

// Pseudo-random numbers and texts for tests that compare a fast way with
// the steps as written: the same sequence on every run, so a failure can
// be run again.

#include <QString>
#include <QStringList>

struct Pseudorandom {
    quint32 seed;

    quint32 below(quint32 bound)
    {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % bound;
    }

    // Fewer than 'most' pieces, each picked from 'pieces'.
    QString text(const QStringList &pieces, quint32 most)
    {
        QString out;
        for (quint32 k = below(most); k > 0; --k)
            out += pieces[below(pieces.size())];
        return out;
    }
};
