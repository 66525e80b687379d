#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QVariant>

// The text format of the settings file: a registry export with one section.
//
//   REGEDIT4
//
//   [HKEY_LOCAL_MACHINE\Software\Varnholt\Quendel\Config]
//   "VAR5"="MS Sans Seriff"
//   "VAR6"=dword:0000000a
//
// In memory a string value is a QString (also hex(2) expandable strings), a
// dword is an int, and a value of any other registry type is kept as a
// RegRaw so it is written back exactly as it was read.
namespace RegFormat {

inline constexpr char kSection[] = "HKEY_LOCAL_MACHINE\\Software\\Varnholt\\Quendel\\Config";

struct RegRaw {
    QByteArray text; // everything after the '=' sign, e.g. hex:01,02
    bool operator==(const RegRaw &) const = default;
};

using Values = QMap<QString, QVariant>;

// Parses a whole file. Values of other sections are skipped. Returns false,
// with a reason, on anything that is not this format.
bool parse(const QByteArray &file, Values &values, QString *error = nullptr);
QByteArray write(const Values &values);

} // namespace RegFormat

Q_DECLARE_METATYPE(RegFormat::RegRaw)
