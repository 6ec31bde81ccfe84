#include "ui/QtSettingsStore.h"

#include <QSettings>

namespace marovane {

namespace {

QString Key(const std::string& key) {
    return "Options/" + QString::fromStdString(key);
}

} // namespace

std::optional<std::string> QtSettingsStore::Read(const std::string& key) const {
    const QSettings settings("Marovane", "Marovane");
    const QVariant value = settings.value(Key(key));
    if (!value.isValid())
        return std::nullopt;
    return value.toString().toStdString();
}

void QtSettingsStore::Write(const std::string& key, const std::string& value) {
    QSettings settings("Marovane", "Marovane");
    settings.setValue(Key(key), QString::fromStdString(value));
}

} // namespace marovane
