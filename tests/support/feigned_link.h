#pragma once

#include <QMap>
#include <QStringList>

#include "link/serial_link.h"

namespace qx210::test {

// A SerialLink that records every open it tries and reports the chosen open
// failures for named paths, such as a permission the test user cannot lack.
class FeignedLink : public SerialLink {
 public:
  using SerialLink::SerialLink;

  QMap<QString, PortProblem> feigned;
  QStringList opened;  // every path an open was tried on, in order

 protected:
  PortOpenResult openDevice(SerialPort& port, const QString& path) override {
    opened << path;
    const auto it = feigned.constFind(path);
    if (it == feigned.cend()) return SerialLink::openDevice(port, path);
    return {it.value(), QStringLiteral("feigned failure")};
  }
};

}  // namespace qx210::test
