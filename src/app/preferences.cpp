#include "app/preferences.h"

#include <QSettings>
#include <limits>
#include <variant>

#include "app/program_info.h"
#include "platform/qt_text.h"

namespace kavalto {
namespace {

constexpr qsizetype kLongestHandledText = 518;

struct TextValue {
    std::string* text;
    qsizetype longest;  // characters the setting holds
};

struct Value {
    const char* name;
    std::variant<int32_t*, TextValue> setting;
};

void ExchangeNumber(QSettings& settings, const char* name, int32_t& number, PreferenceDirection direction) {
    if (direction == PreferenceDirection::kWrite) {
        settings.setValue(name, number);
        return;
    }
    if (!settings.contains(name)) return;
    bool ok = false;
    const qlonglong stored = settings.value(name).toLongLong(&ok);
    if (ok && stored >= std::numeric_limits<int32_t>::min() && stored <= std::numeric_limits<int32_t>::max()) {
        number = static_cast<int32_t>(stored);
    }
}

void ExchangeText(QSettings& settings, const char* name, const TextValue& value, PreferenceDirection direction) {
    if (CharacterCount(ToQString(*value.text)) > kLongestHandledText) return;
    if (direction == PreferenceDirection::kWrite) {
        settings.setValue(name, ToQString(*value.text));
        return;
    }
    if (!settings.contains(name)) return;
    const QVariant stored = settings.value(name);
    if (!stored.canConvert<QString>()) return;
    *value.text = ToUtf8(FirstCharacters(stored.toString(), value.longest));
}

}  // namespace

void ExchangePreferences(QSettings& settings, Preferences& prefs, PreferenceDirection direction) {
    settings.beginGroup("Preferences");
    ExchangeNumber(settings, "FirstTimeRunning", prefs.firstTimeRunning, direction);
    if (prefs.firstTimeRunning == 0) {
        const Value values[] = {
            {"bPrintPreviewAsWidth", &prefs.printPreviewAsWidth},
            {"MailNavn", TextValue{&prefs.mailName, 99}},
            {"MailAdr", TextValue{&prefs.mailAddress, 99}},
            {"MailEmne", TextValue{&prefs.mailSubject, 99}},
            {"MailText", TextValue{&prefs.mailText, 999}},
            {"InputPath", TextValue{&prefs.inputPath, 259}},
            {"OutputPath", TextValue{&prefs.outputPath, 259}},
            {"BSWith", &prefs.bigScreenWidth},
            {"BSHeight", &prefs.bigScreenHeight},
            {"KavaltoLeft", &prefs.window.left},
            {"KavaltoTop", &prefs.window.top},
            {"KavaltoWith", &prefs.window.width},
            {"KavaltoHeight", &prefs.window.height},
            {"Maximized", &prefs.window.maximized},
        };
        for (const Value& value : values) {
            if (const auto* number = std::get_if<int32_t*>(&value.setting)) {
                ExchangeNumber(settings, value.name, **number, direction);
            } else {
                ExchangeText(settings, value.name, std::get<TextValue>(value.setting), direction);
            }
        }
    }
    settings.endGroup();
}

void ReadPreferences(Preferences& prefs) {
    QSettings settings(kSettingsOrganisation, kSettingsApplication);
    ExchangePreferences(settings, prefs, PreferenceDirection::kRead);
}

void WritePreferences(Preferences& prefs) {
    QSettings settings(kSettingsOrganisation, kSettingsApplication);
    ExchangePreferences(settings, prefs, PreferenceDirection::kWrite);
    settings.sync();
}

}  // namespace kavalto
