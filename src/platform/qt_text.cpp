#include "platform/qt_text.h"

namespace kavalto {

QString FirstCharacters(const QString& text, qsizetype count) {
    if (count <= 0) return {};
    qsizetype units = 0;
    for (qsizetype kept = 0; units < text.size() && kept < count; ++kept) {
        units += (text.at(units).isHighSurrogate() && units + 1 < text.size()) ? 2 : 1;
    }
    return text.left(units);
}

qsizetype CharacterCount(const QString& text) {
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++count) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size()) ++i;
    }
    return count;
}

}  // namespace kavalto
