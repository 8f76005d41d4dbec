#pragma once

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "core/document.h"
#include "core/language.h"
#include "core/bands.h"
#include "core/codec.h"
#include "link/exchange_control.h"
#include "link/serial_link.h"
#include "pty_radio.h"

namespace qx210::test {

// A memory image with something in it: the encoder's defaults, channel 1 at
// 145.12500 MHz, and the band code of 136-174 MHz.
inline QByteArray SampleImage() {
  RadioState state;
  state.band = kVhfBandPosition;
  QByteArray image = EncodeImage(state);
  image.replace(0, 16, QByteArray::fromHex("0025511400255114FFFFFFFFF8F0FCFF"));
  image.append(QByteArray(1024 - image.size(), '\xFF'));
  return image;
}

class RecordingPrompts : public ExchangePrompts {
 public:
  int portNotOpen = 0;
  int communicationErrors = 0;
  int bandQuestions = 0;
  bool bandAnswer = false;
  void showPortNotOpen(UiLanguage) override { ++portNotOpen; }
  QStringList details;
  void showCommunicationError(UiLanguage, const QString& detail) override {
    ++communicationErrors;
    details << detail;
  }
  void askBandQuestion(UiLanguage, std::function<void(bool)> answer) override {
    ++bandQuestions;
    answer(bandAnswer);
  }
};

// An emulated radio on a pseudo-terminal, the serial link on slot 1 and the
// exchange control.
struct LinkRig {
  explicit LinkRig(sim::RadioProtocol protocol, sim::LineOptions line = {})
      : radio(std::move(protocol), line) {
    QString error;
    opened = radio.open(&error);
    EXPECT_TRUE(opened) << error.toStdString();
    radio.start();
    PortCatalogue catalogue;
    catalogue.setSlotPath(1, radio.slavePath());
    link = std::make_unique<SerialLink>(catalogue);
    EXPECT_TRUE(link->choosePort(1)) << link->errorString().toStdString();
    SetLanguage(kEnglish);
    control = std::make_unique<ExchangeControl>(*link, prompts);
    control->setLanguage(kEnglish);
    control->setImageSource([this] { return document.image(); });
    control->setBandSource([this] { return document.state().band; });
    QObject::connect(&document, &Document::debugParametersUnlockedChanged, control.get(),
                     &ExchangeControl::setCalibrationIncluded);
    QObject::connect(control.get(), &ExchangeControl::readCompleted, control.get(),
                     [this](const QByteArray& image, int radioBand) {
                       document.loadImage(image, EditKind::ReadRadio, radioBand);
                     });
  }
  ~LinkRig() {
    control.reset();
    link->close();  // the program's side first, then the radio's
    link.reset();
    radio.stop();
  }

  // Waits for the end of the exchange; returns its outcome or -1.
  int waitForOutcome(int timeoutMs) {
    QSignalSpy spy(control.get(), &ExchangeControl::finished);
    if (spy.isEmpty() && !spy.wait(timeoutMs)) return -1;
    return static_cast<int>(spy.first().first().value<ExchangeOutcome>());
  }
  bool waitUntilIdle(int timeoutMs) {
    return QTest::qWaitFor([this] { return !control->isBusy(); }, timeoutMs);
  }

  sim::PtyRadio radio;
  bool opened = false;
  Document document;
  RecordingPrompts prompts;
  std::unique_ptr<SerialLink> link;
  std::unique_ptr<ExchangeControl> control;
};

}  // namespace qx210::test
