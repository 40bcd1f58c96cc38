#include "shell/qt/settings_store.h"

#include <QSettings>
#include <QStringList>
#include <memory>

namespace vexalon {
namespace {

constexpr auto kKey = "HiScore";  // outside any group, so it lands in [General]

std::unique_ptr<QSettings> Open(const QString& fileName) {
  if (!fileName.isEmpty()) return std::make_unique<QSettings>(fileName, QSettings::IniFormat);
  return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Brantomel", "Brantomel");
}

}  // namespace

QString SettingsStore::ReadHiScore() const {
  QVariant value = Open(fileName_)->value(kKey, QStringLiteral("0"));
  // A hand-written "12,Bob" reads back as a list; show it as it was written.
  if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(',');
  return value.toString();
}

bool SettingsStore::WriteHiScore(const QString& text) const {
  auto settings = Open(fileName_);
  settings->setValue(kKey, text);
  settings->sync();
  return settings->status() != QSettings::AccessError;
}

}  // namespace vexalon
