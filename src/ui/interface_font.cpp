#include "ui/interface_font.h"

#include <QFont>
#include <QFontMetrics>
#include <QStringList>
#include <map>
#include <memory>
#include <utility>

namespace kavalto {
namespace {

struct FontEntry {
    QFont font;
    std::unique_ptr<QFontMetrics> metrics;
};

std::map<std::pair<bool, int32_t>, FontEntry>& FontCache() {
    static std::map<std::pair<bool, int32_t>, FontEntry> cache;
    return cache;
}

const FontEntry& Entry(bool bold, int32_t size) {
    RegisterInterfaceFont();
    if (size < 1) size = 1;
    auto& cache = FontCache();
    auto found = cache.find({bold, size});
    if (found != cache.end()) return found->second;
    FontEntry entry;
    entry.font = QFont(QString::fromLatin1(kInterfaceFace));
    entry.font.setPixelSize(size);
    entry.font.setWeight(bold ? QFont::Bold : QFont::Normal);
    entry.font.setStyleHint(QFont::SansSerif, QFont::PreferQuality);
    entry.metrics = std::make_unique<QFontMetrics>(entry.font);
    return cache.emplace(std::make_pair(bold, size), std::move(entry)).first->second;
}

}  // namespace

void RegisterInterfaceFont() {
    static const bool registered = [] {
        QFont::insertSubstitutions(QString::fromLatin1(kInterfaceFace),
                                   QStringList{QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
        return true;
    }();
    (void)registered;
}

const QFont& InterfaceFont(bool bold, int32_t size) { return Entry(bold, size).font; }

const QFontMetrics& InterfaceFontMetrics(bool bold, int32_t size) { return *Entry(bold, size).metrics; }

}  // namespace kavalto
