// The main window's set-up for the scene programs: a parameter file in a
// scratch folder that fixes the language, a language hint of its own and no
// serial ports, so a picture never depends on the machine it is taken on.
#pragma once

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>
#include <optional>

#include "gui/main_window.h"

namespace qx210 {

inline std::optional<MainWindowConfig> SceneConfig(const QTemporaryDir& dir, bool chinese) {
  QFile parameters(dir.filePath(QStringLiteral("parameter")));
  if (!parameters.open(QIODevice::WriteOnly)) return std::nullopt;
  const char bytes[] = {0, 0, chinese ? '\0' : '\1'};
  if (parameters.write(bytes, sizeof bytes) != sizeof bytes) return std::nullopt;
  parameters.close();
  MainWindowConfig config;
  config.parameterFile = parameters.fileName();
  config.languageHintStore = [path = dir.filePath(QStringLiteral("QB-7.ini"))] {
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
  };
  config.portCatalogue = [] { return PortCatalogue(); };
  return config;
}

}  // namespace qx210
