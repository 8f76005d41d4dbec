#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/bands.h"
#include "core/channel_plans.h"

namespace qx210 {
namespace {

constexpr int kUhf = 0;       // 400-480MHz
constexpr int kUhfWide = 6;   // 400-520MHz
constexpr int kVhf = 5;       // 136-174MHz

const QString kStock = QStringLiteral(QX210_PLANS_DIR);

PlanImport Read(const char* name, int band) {
  const std::optional<ChannelPlan> plan = PlanNamed(FindPlans(kStock, QString()), QString::fromLatin1(name));
  EXPECT_TRUE(plan) << name;
  return plan ? ReadPlan(*plan, band) : PlanImport{};
}

TEST(ChannelPlans, EveryStockPlanImportsWholeIntoItsBand) {
  const std::vector<ChannelPlan> plans = FindPlans(kStock, QString());
  ASSERT_EQ(plans.size(), 5u);
  EXPECT_EQ(plans.front().name, QStringLiteral("pmr446"));  // the program's order, not the alphabet's
  for (const ChannelPlan& plan : plans) {
    const PlanImport uhf = ReadPlan(plan, kUhf);
    ASSERT_FALSE(uhf.error) << plan.name.toStdString();
    ASSERT_FALSE(uhf.bands.empty()) << plan.name.toStdString();
    const PlanImport read = ReadPlan(plan, uhf.bands.front());
    EXPECT_EQ(read.import.notImportedCount(), 0) << plan.name.toStdString();
    EXPECT_TRUE(read.import.byLocation) << plan.name.toStdString();
    // Names live in the Comment column, so nothing is said about them.
    EXPECT_TRUE(read.import.notices.empty()) << plan.name.toStdString();
    for (const ImportRow& row : read.import.rows) EXPECT_TRUE(row.notes.empty()) << plan.name.toStdString();
    EXPECT_FALSE(PlanTitle(plan, kEnglish).isEmpty());
    EXPECT_NE(PlanTitle(plan, kChinese), PlanTitle(plan, kEnglish));
  }
}

TEST(ChannelPlans, Pmr446IsSixteenNarrowLowPowerChannels) {
  const PlanImport read = Read("pmr446", kUhf);
  EXPECT_EQ(read.bands, (std::vector<int>{kUhf, kUhfWide}));
  EXPECT_EQ(read.bandsText(kEnglish), QStringLiteral("400-480MHz or 400-520MHz"));
  const RadioState state = ApplyImport(read.import, RadioState{}, ImportMode::Replace);
  for (int n = 1; n <= kChannelCount; ++n) {
    const Channel& channel = state.channel(n);
    EXPECT_EQ(channel.rx.tenHertz(), 44600625 + 1250 * (n - 1)) << n;
    EXPECT_EQ(channel.tx, channel.rx) << n;
    EXPECT_FALSE(channel.wide) << n;
    EXPECT_FALSE(channel.highPower) << n;
    EXPECT_TRUE(channel.rxTone.isOff() && channel.txTone.isOff()) << n;
  }
}

TEST(ChannelPlans, FrsAndGmrsKeepTheirPowerAndWidthRules) {
  const ChannelImport frs = Read("frs", kUhf).import;
  for (int n = 1; n <= kChannelCount; ++n) {
    const Channel& channel = *frs.channels[static_cast<std::size_t>(n - 1)];
    EXPECT_FALSE(channel.wide) << n;
    EXPECT_FALSE(channel.highPower) << n;
    EXPECT_EQ(*channel.rx.tenHertz() / 100'000, n < 8 || n > 14 ? 462 : 467) << n;
  }
  const ChannelImport gmrs = Read("gmrs", kUhf).import;
  for (int n = 1; n <= kChannelCount; ++n) {
    const Channel& channel = *gmrs.channels[static_cast<std::size_t>(n - 1)];
    EXPECT_TRUE(channel.wide && channel.highPower) << n;
    // 9..16 through a repeater: transmit 5 MHz above the main channel.
    EXPECT_EQ(*channel.tx.tenHertz() - *channel.rx.tenHertz(), n > 8 ? 500'000 : 0) << n;
  }
}

TEST(ChannelPlans, APlanOfAnotherBandNamesTheBandItNeeds) {
  const PlanImport murs = Read("murs", kUhf);
  EXPECT_FALSE(murs.fits(kUhf));
  EXPECT_EQ(murs.import.placedCount(), 0);
  EXPECT_EQ(murs.bands, std::vector<int>{kVhf});
  EXPECT_TRUE(Read("murs", kVhf).fits(kVhf));
  EXPECT_FALSE(Read("pmr446", kVhf).fits(kVhf));
}

TEST(ChannelPlans, TheUsersOwnPlansFollowTheStockOnes) {
  QTemporaryDir user;
  QFile file(user.filePath(QStringLiteral("event.csv")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("Location,Frequency,Duplex,Offset,Mode\n1,446.006250,,0,NFM\n2,999.000000,,0,NFM\n");
  file.close();
  const std::vector<ChannelPlan> plans = FindPlans(kStock, user.path());
  ASSERT_EQ(plans.size(), 6u);
  const ChannelPlan& own = plans.back();
  EXPECT_FALSE(own.stock);
  EXPECT_EQ(own.name, QStringLiteral("event"));
  EXPECT_EQ(PlanTitle(own, kEnglish), QStringLiteral("event"));
  EXPECT_TRUE(PlanDescription(own, kEnglish).contains(QStringLiteral("event.csv")));
  // 999 MHz fits no band: the plan fits none, and the row is left out.
  const PlanImport read = ReadPlan(own, kUhf);
  EXPECT_TRUE(read.bands.empty());
  EXPECT_EQ(read.import.placedCount(), 1);
  EXPECT_EQ(read.import.count(ImportRow::Fate::LeftOut), 1);
  EXPECT_TRUE(ReadPlan({QStringLiteral("gone"), user.filePath(QStringLiteral("gone.csv")), false}, kUhf).error);
}

TEST(ChannelPlans, APlanOverTheSizeLimitIsRefusedNotCut) {
  QTemporaryDir user;
  QFile file(user.filePath(QStringLiteral("big.csv")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  QByteArray text("Location,Frequency\n");
  while (text.size() <= kChannelListSizeLimit) text += "1,446.10000\n";
  file.write(text);
  file.close();
  EXPECT_TRUE(ReadPlan({QStringLiteral("big"), file.fileName(), false}, kUhf).error);
}

}  // namespace
}  // namespace qx210
