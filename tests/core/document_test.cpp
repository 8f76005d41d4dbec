#include <gtest/gtest.h>

#include <QSignalSpy>

#include "core/codec.h"
#include "core/document.h"
#include "support/image_test_util.h"

namespace qx210 {
namespace {

class DocumentTest : public ::testing::Test {
 protected:
  RadioState withChannel(int n) const {
    RadioState next = document.state();
    next.channel(n) = NewChannel(*Frequency::fromTenHertz(43'000'000));
    return next;
  }

  Document document;
  QSignalSpy changed{&document, &Document::changed};
  QSignalSpy edited{&document, &Document::edited};
  QSignalSpy modified{&document, &Document::modifiedChanged};
  QSignalSpy loaded{&document, &Document::imageLoaded};
};

TEST_F(DocumentTest, ApplyAnnouncesOneChangeAndOneEdit) {
  const RadioState before = document.state();
  const RadioState next = withChannel(2);
  ASSERT_TRUE(document.apply(next, EditKind::Channel));
  EXPECT_EQ(document.state(), next);
  ASSERT_EQ(changed.count(), 1);
  EXPECT_EQ(changed.at(0).at(0).value<Changes>().channels, 0x0002);
  ASSERT_EQ(edited.count(), 1);
  const Edit edit = edited.at(0).at(0).value<Edit>();
  EXPECT_EQ(edit.kind, EditKind::Channel);
  EXPECT_EQ(edit.before, before);
  EXPECT_EQ(edit.after, next);
  EXPECT_EQ(edit.changes.channels, 0x0002);
  EXPECT_FALSE(edit.changes.band);
  EXPECT_TRUE(document.isModified());
  EXPECT_EQ(modified.count(), 1);

  // A second edit keeps the document modified without saying so again.
  ASSERT_TRUE(document.apply(withChannel(3), EditKind::Channel));
  EXPECT_EQ(modified.count(), 1);
  EXPECT_EQ(edited.count(), 2);
}

TEST_F(DocumentTest, AnEqualStateAnnouncesNothing) {
  EXPECT_FALSE(document.apply(document.state(), EditKind::Panel));
  EXPECT_EQ(changed.count(), 0);
  EXPECT_EQ(edited.count(), 0);
  EXPECT_FALSE(document.isModified());
}

TEST_F(DocumentTest, LoadImageIsOneEditAndLocksTheCalibrationAgain) {
  document.setDebugParametersUnlocked(true);
  RadioState source;
  source.channel(5) = NewChannel(*Frequency::fromTenHertz(14'500'000));
  source.band = 5;
  source.settings.panel.squelchLevel = 8;
  ASSERT_TRUE(document.loadImage(EncodeImage(source), EditKind::OpenFile));
  EXPECT_EQ(document.state(), source);
  EXPECT_FALSE(document.debugParametersUnlocked());
  EXPECT_EQ(changed.count(), 1);
  ASSERT_EQ(edited.count(), 1);
  const Edit edit = edited.at(0).at(0).value<Edit>();
  EXPECT_EQ(edit.kind, EditKind::OpenFile);
  EXPECT_EQ(edit.changes.channels, 0x0010);
  EXPECT_TRUE(edit.changes.band && edit.changes.panel);
  EXPECT_EQ(loaded.count(), 1);
  EXPECT_EQ(document.image(), EncodeImage(source));
}

TEST_F(DocumentTest, ReadRadioTakesTheBandTheRadioReported) {
  RadioState source;
  source.band = 0;
  ASSERT_TRUE(document.loadImage(EncodeImage(source), EditKind::ReadRadio, 5));
  EXPECT_EQ(document.state().band, 5);
  // An unknown band from the radio leaves the image's band.
  source.band = 2;
  ASSERT_TRUE(document.loadImage(EncodeImage(source), EditKind::ReadRadio, -1));
  EXPECT_EQ(document.state().band, 2);
  // Only a radio reports a band.
  ASSERT_TRUE(document.loadImage(EncodeImage(source), EditKind::OpenFile, 6));
  EXPECT_EQ(document.state().band, 2);
}

TEST_F(DocumentTest, ShortImageChangesNothing) {
  document.setDebugParametersUnlocked(true);
  EXPECT_FALSE(document.loadImage(QByteArray(847, '\xFF'), EditKind::OpenFile));
  EXPECT_TRUE(document.debugParametersUnlocked());
  EXPECT_EQ(changed.count(), 0);
  EXPECT_EQ(loaded.count(), 0);
}

TEST_F(DocumentTest, RestoreAnnouncesTheChangeButRecordsNoEdit) {
  const RadioState original = document.state();
  document.apply(withChannel(7), EditKind::Channel);
  changed.clear();
  edited.clear();
  document.restore(original);
  EXPECT_EQ(document.state(), original);
  ASSERT_EQ(changed.count(), 1);
  EXPECT_EQ(changed.at(0).at(0).value<Changes>().channels, 0x0040);
  EXPECT_EQ(edited.count(), 0);
  document.restore(original);  // nothing differs
  EXPECT_EQ(changed.count(), 1);
}

// While an exchange runs the document takes nothing but the exchange's read.
TEST_F(DocumentTest, AnExchangeHoldsBackEveryChangeButItsRead) {
  const RadioState original = document.state();
  document.apply(withChannel(7), EditKind::Channel);
  document.setExchangeRunning(true);
  const RadioState held = document.state();
  EXPECT_FALSE(document.apply(withChannel(2), EditKind::Channels));
  EXPECT_FALSE(document.loadImage(EncodeImage(original), EditKind::OpenFile));
  EXPECT_FALSE(document.restore(original));
  EXPECT_EQ(document.state(), held);
  RadioState radio;
  radio.channel(3) = NewChannel(*Frequency::fromTenHertz(14'500'000));
  ASSERT_TRUE(document.loadImage(EncodeImage(radio), EditKind::ReadRadio));
  EXPECT_EQ(document.state().channel(3), radio.channel(3));
  document.setExchangeRunning(false);
  EXPECT_TRUE(document.apply(withChannel(2), EditKind::Channels));
}

}  // namespace
}  // namespace qx210
