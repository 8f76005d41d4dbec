#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

#include "core/clone_session.h"
#include "radio_protocol.h"

namespace qx210::test {

// A CloneHost that records every step and queues every transmitted message,
// so a test can answer them as a radio would.
class FakeCloneHost : public CloneHost {
 public:
  // Configuration
  bool portOpen = true;
  UiLanguage uiLanguage = kEnglish;
  bool bandOverride = false;
  bool debugUnlocked = false;
  int bandPosition = 0;
  QByteArray image = DefaultImage();
  // Answers the band question at once when set; otherwise it stays open.
  std::optional<bool> autoAnswer;
  std::function<void()> onCommunicationError;

  // Records
  QList<QByteArray> sent;          // every message, in order
  std::deque<QByteArray> outbox;   // messages not yet taken by the radio
  QStringList statusTexts;
  QList<bool> statusVisibility;
  QList<int> progressValues;
  int progressShownCount = 0;
  int progressHiddenCount = 0;
  bool progressVisible = false;
  QList<bool> busyChanges;
  QList<std::pair<CloneTimer, bool>> timerChanges;
  QList<int> questions;
  int communicationErrors = 0;
  QList<CloneFailure> failures;
  int portNotOpenPrompts = 0;
  QList<QByteArray> decoded;
  QList<int> bandsSelected;
  QList<ExchangeOutcome> outcomes;
  CloneSession* session = nullptr;

  static QByteArray DefaultImage() {
    QByteArray image(848, '\0');
    for (int i = 0; i < image.size(); ++i) image[i] = static_cast<char>((i * 7 + 3) & 0xFF);
    return image;
  }

  bool isPortOpen() const override { return portOpen; }
  void transmitBytes(const QByteArray& bytes) override {
    sent << bytes;
    outbox.push_back(bytes);
  }
  void setTimerActive(CloneTimer timer, bool active) override { timerChanges.append({timer, active}); }
  void showProgress(int maximum) override {
    EXPECT_EQ(maximum, 460);
    ++progressShownCount;
    progressVisible = true;
    progressValues << 0;
  }
  void setProgressValue(int value) override { progressValues << value; }
  void hideProgress() override {
    ++progressHiddenCount;
    progressVisible = false;
  }
  void setStatusText(const QString& text) override { statusTexts << text; }
  void setStatusVisible(bool visible) override { statusVisibility << visible; }
  void setBusy(bool busy) override { busyChanges << busy; }
  UiLanguage language() const override { return uiLanguage; }
  bool bandOverrideEnabled() const override { return bandOverride; }
  bool debugParametersUnlocked() const override { return debugUnlocked; }
  int bandListPosition() const override { return bandPosition; }
  QByteArray encodeImage() override { return image; }
  void deliverReadImage(const QByteArray& bytes, int radioBand) override {
    decoded << bytes;
    bandsSelected << radioBand;
    bandPosition = radioBand;
  }
  void showPortNotOpen() override { ++portNotOpenPrompts; }
  void showCommunicationError(const CloneFailure& failure) override {
    ++communicationErrors;
    failures << failure;
    if (onCommunicationError) onCommunicationError();
  }
  void askBandQuestion(int questionId) override {
    questions << questionId;
    if (autoAnswer && session) session->answerBandQuestion(questionId, *autoAnswer);
  }
  void exchangeEnded(ExchangeOutcome outcome) override { outcomes << outcome; }

  QByteArray lastSent() const { return sent.isEmpty() ? QByteArray() : sent.last(); }
  int countSent(const QByteArray& message) const { return static_cast<int>(sent.count(message)); }
};

// Connects a session to an emulated radio without a port: every queued
// message goes to the radio, every reply back to the session, in pieces of
// `pieceSize` bytes (0: whole).
inline void Pump(FakeCloneHost& host, CloneSession& session, sim::RadioProtocol& radio, int pieceSize = 0,
                 int limit = 10000) {
  while (!host.outbox.empty() && limit-- > 0) {
    const QByteArray message = host.outbox.front();
    host.outbox.pop_front();
    for (const QByteArray& reply : radio.receive(message)) {
      if (pieceSize <= 0) {
        session.handleReceivedBytes(reply);
        continue;
      }
      for (qsizetype at = 0; at < reply.size(); at += pieceSize) session.handleReceivedBytes(reply.mid(at, pieceSize));
    }
  }
}

}  // namespace qx210::test
