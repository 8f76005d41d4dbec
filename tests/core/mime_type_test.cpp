// The shared-mime-info entry of data files, as installed: recognised by the
// model identifier at file offset 0x01A8, and by the name *.DAT.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QTemporaryDir>

namespace qx210 {
namespace {

constexpr int kIdentifierOffset = 0x01A8;  // radio address 0x01B8
const QByteArray kUhfModel{"\x50\x33\x32\x30\x37", 5};
const QByteArray kVhfModel{"\x50\x32\x32\x30\x37", 5};

QByteArray ImageWith(const QByteArray& identifier, int offset = kIdentifierOffset) {
  QByteArray image(848, '\xFF');
  image.replace(offset, identifier.size(), identifier);
  return image;
}

class DataFileMimeType : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // Only this tree and the system's database; set before the first lookup.
    static QTemporaryDir data;
    ASSERT_TRUE(QDir().mkpath(data.filePath(QStringLiteral("share/mime/packages"))));
    ASSERT_TRUE(QDir().mkpath(data.filePath(QStringLiteral("home"))));
    ASSERT_TRUE(QFile::copy(QStringLiteral(QX210_MIME_XML), data.filePath(QStringLiteral("share/mime/packages/qx210.xml"))));
    qputenv("XDG_DATA_HOME", data.filePath(QStringLiteral("home")).toLocal8Bit());
    qputenv("XDG_DATA_DIRS", (data.filePath(QStringLiteral("share")) + QStringLiteral(":/usr/share")).toLocal8Bit());
  }

  QString typeOfFile(const char* name, const QByteArray& bytes) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return QStringLiteral("(unwritten)");
    file.close();
    return QMimeDatabase().mimeTypeForFile(path).name();
  }

  const QString ours = QStringLiteral(QX210_MIME_TYPE);
  QTemporaryDir dir;
};

TEST_F(DataFileMimeType, EitherModelIdentifierAtItsOffsetIsEnough) {
  QMimeDatabase db;
  EXPECT_EQ(db.mimeTypeForData(ImageWith(kUhfModel)).name(), ours);
  EXPECT_EQ(db.mimeTypeForData(ImageWith(kVhfModel)).name(), ours);
  // A radio's full 1024-byte image too, under any name.
  EXPECT_EQ(typeOfFile("backup-from-radio", ImageWith(kUhfModel) + QByteArray(176, '\xFF')), ours);
  EXPECT_EQ(db.mimeTypeForName(ours).comment().isEmpty(), false);
}

TEST_F(DataFileMimeType, OtherBytesOrAnotherOffsetAreNotOurs) {
  QMimeDatabase db;
  EXPECT_NE(db.mimeTypeForData(ImageWith(QByteArray("\x50\x33\x32\x30\x38", 5))).name(), ours);
  EXPECT_NE(db.mimeTypeForData(ImageWith(kUhfModel, kIdentifierOffset - 1)).name(), ours);
  EXPECT_NE(db.mimeTypeForData(ImageWith(kUhfModel, kIdentifierOffset + 1)).name(), ours);
  EXPECT_NE(db.mimeTypeForData(QByteArray(100, '\x00')).name(), ours);
}

TEST_F(DataFileMimeType, UpperCaseDatNamesAreOursWhateverTheyHold) {
  EXPECT_EQ(typeOfFile("RADIO.DAT", QByteArray("not an image")), ours);
  EXPECT_NE(typeOfFile("other.dat", QByteArray("not an image")), ours);
}

}  // namespace
}  // namespace qx210
