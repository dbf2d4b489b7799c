// Texts between the program's UTF-8 strings and Qt's QString.
#pragma once

#include <QString>
#include <string>

namespace kavalto {

inline QString ToQString(const std::string& utf8) { return QString::fromStdString(utf8); }
inline std::string ToUtf8(const QString& text) { return text.toStdString(); }

// The first count characters, never splitting one in two.
QString FirstCharacters(const QString& text, qsizetype count);
qsizetype CharacterCount(const QString& text);

}  // namespace kavalto
